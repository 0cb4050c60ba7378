// SPDX-License-Identifier: GPL-3.0-or-later
// The report windows: times list, eclipses, equinoxes, Easter, monthly phases, observing aid,
// lunar features.
#include "Artwork.h"

namespace artwork {

void Painter::timesList() {
    const Frame f{{640, 481},        "Rise / Set Times", {202, 10, 236, 23},
                  {613, 14, 15, 15}, {592, 14, 15, 15},  21};
    QImage image = frame(f);
    QPainter p(&image);
    iconButton(p, {20, 16, 24, 19}, glyphPrinter);
    iconButton(p, {54, 14, 18, 22}, [](QPainter& q, const QRectF& b) { glyphArrow(q, b, true); });
    iconButton(p, {74, 14, 18, 22}, [](QPainter& q, const QRectF& b) { glyphArrow(q, b, false); });
    panel(p, QRect(16, 40, 608, 424));
    p.fillRect(QRect(20, 42, 600, 37), QColor(14, 20, 48));
    columnHeadings(p);
    p.end();
    saveWithPieces(image, "timeslist", "TTimesList",
                   frameNotes(f) +
                       "; lblPrint (20, 16, 24, 19); lblScrollUp (54, 14, 18, 22);"
                       " lblScrollDown (74, 14, 18, 22); column headings painted in y 42-78"
                       " over the table columns; table band (20, 80, 600, 380) black",
                   {{"Image1: top", {0, 0, 640, 80}},
                    {"Image2: bottom", {0, 460, 640, 21}},
                    {"Image3: right", {620, 80, 20, 380}},
                    {"Image4: left", {0, 80, 20, 380}}});
}

// Headings over the times table; x are the table's columns + 20 (the band's left).
void Painter::columnHeadings(QPainter& p) {
    const int left = 20, upper = 44, lower = 61;
    const QFont group = arial(11, true), column = arial(10);
    auto centred = [&](int x, int y, const QString& t, const QFont& f, const QColor& c) {
        drawText(p, QRect(left + x - 40, y, 80, 14), Qt::AlignHCenter | Qt::AlignVCenter, t, f, c);
    };
    auto groupOver = [&](int x0, int x1, const QString& t, const QColor& c) {
        centred((x0 + x1) / 2, upper, t, group, c);
        p.setPen(QColor(c.red() / 2, c.green() / 2, c.blue() / 2));
        p.drawLine(left + x0 - 2, upper + 15, left + x1 + 2, upper + 15);
    };
    const int cell = 27; // width of a time text
    drawText(p, QRect(left + 10, lower, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, "Date", column,
             QColor(255, 255, 255));
    groupOver(84, 214, "Moon", kAqua);
    for (auto [x, t] : {std::pair{84, "Rise"}, {124, "Transit"}, {162, "Set"}})
        centred(x + cell / 2, lower, t, column, kAqua);
    drawText(p, QRect(left + 190, lower, 24, 14), Qt::AlignRight | Qt::AlignVCenter, "Illum",
             column, kAqua);
    groupOver(245, 323 + cell, "Twilight", kValue);
    for (auto [x, t] : {std::pair{245, "Ast."}, {284, "Naut."}, {323, "Civil"}})
        centred(x + cell / 2, lower, t, column, kValue);
    groupOver(369, 447 + cell, "Sun", QColor(255, 255, 0));
    for (auto [x, t] : {std::pair{369, "Rise"}, {409, "Transit"}, {447, "Set"}})
        centred(x + cell / 2, lower, t, column, QColor(255, 255, 0));
    groupOver(491, 567 + cell, "Twilight", kValue);
    for (auto [x, t] : {std::pair{491, "Civil"}, {529, "Naut."}, {567, "Ast."}})
        centred(x + cell / 2, lower, t, column, kValue);
}

void Painter::eclipse() {
    const Frame f{{252, 252}, "Lunar Eclipse", {40, 10, 172, 23}, {225, 14, 15, 15}, {}, 71};
    QImage image = frame(f);
    QPainter p(&image);
    silverPlate(p, QRectF(4, 40, 244, 28)); // wide: the eclipse kind and visibility are long
    panel(p, QRect(10, 72, 232, 170));
    p.end();
    saveWithPieces(image, "eclipse", "TEclipse",
                   frameNotes(f) + "; lblExit (226, 14, 13, 15); plate (4, 40, 244, 28) for"
                                   " lblEclipseType (navy, top 44); black panel (10, 72, 232, 170)",
                   {{"Image1: top", {0, 0, 252, 72}},
                    {"Image2: bottom", {0, 242, 252, 10}},
                    {"Image3: left", {0, 72, 10, 170}},
                    {"Image4: right", {242, 72, 10, 170}}});
}

void Painter::eclipseReport() {
    const Frame f{{390, 285}, "Lunar Eclipse Search", {90, 10, 210, 23}, {363, 14, 15, 15}, {}, 81};
    QImage image = frame(f);
    QPainter p(&image);
    silverPlate(p, QRectF(10, 38, 370, 32));
    textButton(p, QRect(236, 42, 96, 24), "Calculate", 12);
    panel(p, QRect(16, 72, 358, 195));
    p.end();
    saveWithPieces(image, "eclipsereport", "TEclipseReport",
                   frameNotes(f) +
                       "; lblExit (364, 14, 13, 15); plate (10, 38, 370, 32): Label1 (20, 46),"
                       " txtFromYear (58, 43, 44, 22), Label2 (118, 46), txtToYear (144, 43,"
                       " 44, 22), lblCalculate button (236, 42, 96, 24); black panel"
                       " (16, 72, 358, 195) for the list (20, 73) and the scroll bar",
                   {{"Image1: top", {0, 0, 390, 72}},
                    {"Image2: bottom", {0, 264, 390, 21}},
                    {"Image3: left", {0, 72, 20, 192}},
                    {"Image4: right", {369, 72, 21, 192}}});
}

void Painter::equinox() {
    const Frame f{{350, 155}, "Equinoxes and Solstices", {62, 12, 226, 23}, {322, 13, 15, 15}, {},
                  91};
    QImage image = frame(f);
    QPainter p(&image);
    panel(p, QRect(16, 56, 318, 84));
    p.end();
    out_.save(image, "equinox.jpg", "TEquinox", "Image1",
              frameNotes(f) + "; lblExit (323, 13, 13, 15); black panel (16, 56, 318, 84)"
                              " for the rows at y 66-114");
}

void Painter::easter() {
    const Frame f{{200, 104}, "Easter Sunday", {30, 12, 136, 23}, {174, 14, 15, 15}, {}, 101};
    QImage image = frame(f);
    QPainter p(&image);
    panel(p, QRect(14, 52, 172, 40));
    p.end();
    out_.save(image, "easter.jpg", "TEaster", "Image1",
              frameNotes(f, "Label1") +
                  "; lblExit (175, 14, 13, 15); black panel (14, 52, 172, 40) for lblEaster"
                  " (24, 65, 153 wide)");
}

void Painter::monthlyPhases() {
    const Frame f{{490, 480}, "Monthly Phases", {164, 10, 165, 23}, {460, 12, 15, 15}, {}, 111};
    QImage image = frame(f);
    QPainter p(&image);
    iconButton(p, {19, 13, 15, 15}, glyphSave, 11);
    panel(p, QRect(17, 54, 458, 409));
    p.end();
    saveWithPieces(image, "phases", "TMonthlyPhases",
                   frameNotes(f) + "; lblExit (461, 12, 13, 15); lblSave (20, 14, 13, 13) over"
                                   " the save button (19, 13, 15, 15); page area"
                                   " (18, 55, 456, 407) black",
                   {{"Image1: top", {0, 0, 490, 52}},
                    {"Image2: bottom", {0, 466, 490, 14}},
                    {"Image3: left", {0, 52, 15, 414}},
                    {"Image5: right", {477, 52, 13, 414}}});
}

void Painter::observingAid() {
    const Frame f{{540, 480},        "Observing Aid",   {152, 10, 236, 23},
                  {513, 14, 15, 15}, {492, 14, 15, 15}, 121};
    QImage image = frame(f);
    QPainter p(&image);
    iconButton(p, {20, 16, 24, 19}, glyphPrinter);
    panel(p, QRect(18, 58, 504, 403));
    p.end();
    saveWithPieces(image, "obsaid", "TObservingAid",
                   frameNotes(f) +
                       "; lblExit (514, 14, 13, 15); lblMinimise (492, 14, 15, 15); lblPrint"
                       " (20, 16, 24, 19); imgDayNight at (52, 14) and imgLinesGrid at"
                       " (80, 14), 24 x 22 each (their pictures below); chart (20, 75, 500,"
                       " 384) and hour strip (21, 60)-(519, 75) black",
                   {{"Image3: top", {0, 0, 540, 60}},
                    {"Image4: left", {0, 60, 20, 400}},
                    {"Image5: right", {520, 60, 20, 400}},
                    {"Image6: bottom", {0, 460, 540, 20}}});
    const QRect dayNight(52, 14, 24, 22), linesGrid(80, 14, 24, 22);
    auto toggle = [&](const QRect& place, const Glyph& glyph, const QString& file,
                      const QString& control, const QString& what) {
        QImage pic = part(image, place);
        QPainter q(&pic);
        iconButton(q, QRect(0, 0, place.width(), place.height()), glyph);
        q.end();
        out_.save(pic, file, "TObservingAid", control, what);
    };
    toggle(dayNight, glyphCrescent, "obsaid_night.png", "imgNight",
           "nighttime view; shown in imgDayNight at (52, 14)");
    toggle(dayNight, glyphSun, "obsaid_day.png", "imgDay",
           "daytime view; shown in imgDayNight at (52, 14)");
    toggle(
        linesGrid, [](QPainter& q, const QRectF& b) { glyphGrid(q, b, true); }, "obsaid_grid.png",
        "imgGrid", "grid on; shown in imgLinesGrid at (80, 14)");
    toggle(
        linesGrid, [](QPainter& q, const QRectF& b) { glyphGrid(q, b, false); }, "obsaid_lines.png",
        "imgLines", "grid off; shown in imgLinesGrid at (80, 14)");
}

void Painter::features() {
    const Frame f{{640, 480},         "Rise/Set of Lunar Features",
                  {146, 10, 349, 23}, {613, 14, 15, 15},
                  {592, 12, 15, 15},  131};
    QImage image = frame(f);
    QPainter p(&image);
    iconButton(p, {20, 14, 21, 19}, glyphDatabase, 14);
    panel(p, QRect(18, 38, 604, 423));
    p.fillRect(QRect(20, 40, 600, 19), QColor(14, 20, 48));
    p.end();
    saveWithPieces(image, "features", "TFeatures",
                   frameNotes(f) + "; lblExit (614, 14, 13, 15); lblDatabase (20, 14, 21, 19)"
                                   " over the database button; heading band (20, 40, 600, 19)"
                                   " for Label1-3 at y 42; list from (20, 60)",
                   {{"Image1: top", {0, 0, 640, 62}},
                    {"Image2: bottom", {0, 460, 640, 20}},
                    {"Image3: left", {0, 62, 20, 398}},
                    {"Image4: right", {620, 62, 20, 398}}});
}

void Painter::featuresDatabase() {
    const Frame f{{505, 393}, "Lunar Features Database", {120, 10, 265, 23}, {478, 14, 15, 15}, {},
                  141};
    QImage image = frame(f);
    QPainter p(&image);
    panel(p, QRect(16, 38, 473, 236));
    p.fillRect(QRect(18, 40, 469, 20), QColor(14, 20, 48));
    groupFrame(p, QRect(16, 284, 473, 94));
    textButton(p, QRect(390, 318, 79, 23), "Cancel", 12);
    textButton(p, QRect(392, 344, 79, 23), "Delete", 12);
    p.end();
    out_.save(image, "featuresdb.jpg", "TFeaturesDB", "Image1",
              frameNotes(f) + "; lblExit (479, 14, 13, 15); heading band (18, 40, 469, 20) for"
                              " Label2/3/7 at y 42; list panel (16, 38, 473, 236); edit group"
                              " (16, 284, 473, 94); Cancel button (390, 318, 79, 23) under"
                              " lblCancel; Delete button (392, 344, 79, 23) under lblDelete;"
                              " imgEdit at (390, 295) is plain");
    for (auto [file, control, caption] :
         {std::tuple{"feature_add.png", "imgAdd", "Add"},
          std::tuple{"feature_update.png", "imgUpdate", "Update"}}) {
        QImage button = part(image, QRect(390, 295, 80, 23));
        QPainter q(&button);
        textButton(q, QRect(0, 0, 80, 23), caption, 12);
        q.end();
        out_.save(button, file, "TFeaturesDB", control, "face of imgEdit at (390, 295)");
    }
}

} // namespace artwork
