// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: background, toolbar, clock strip, time editor, small pictures and Moons.
#include "Artwork.h"

namespace artwork {

std::vector<Painter::ToolButton> Painter::toolbar() const {
    return {
        {"lblPrint", {18, 13, 24, 23}, glyphPrinter, "printer"},
        {"lblTimesList", {76, 13, 22, 23}, glyphTable, "table"},
        {"lblLinks", {100, 13, 24, 23}, glyphLinks, "links"},
        {"lblClock", {128, 13, 26, 23}, glyphClock, "clock"},
        {"lblReports", {158, 13, 22, 23}, glyphReports, "reports"},
        {"Label1", {446, 13, 28, 23}, glyphGlobe, "observing web site"},
        {"lblConfig", {478, 13, 28, 23}, glyphGear, "configuration"},
        {"lblHelp",
         {510, 13, 28, 23},
         [](QPainter& p, const QRectF& b) { glyphLetterInCircle(p, b, "?", QColor(20, 120, 60)); },
         "help"},
        {"lblAbout",
         {544, 13, 28, 23},
         [](QPainter& p, const QRectF& b) { glyphLetterInCircle(p, b, "i", QColor(30, 80, 180)); },
         "about"},
    };
}

void Painter::clockStrip(QPainter& p, int top) {
    const QRect strip(0, top, 640, 24);
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, QColor(150, 158, 190));
    g.setColorAt(1, QColor(96, 104, 140));
    p.fillRect(strip, g);
    for (const QRect& well : {QRect(14, top + 2, 394, 20), QRect(414, top + 2, 212, 20)}) {
        QLinearGradient w(well.topLeft(), well.bottomLeft());
        w.setColorAt(0, QColor(214, 222, 240));
        w.setColorAt(1, QColor(236, 240, 250));
        p.fillRect(well, w);
        bevel(p, well, QColor(60, 66, 100), QColor(250, 252, 255));
    }
    p.setPen(QColor(40, 44, 72));
    p.drawLine(0, top, 639, top);
    p.setPen(QColor(30, 34, 60));
    p.drawLine(0, top + 23, 639, top + 23);
}

QImage Painter::mainBackground() {
    QImage image = newImage(640, 480);
    QPainter p(&image);
    chrome(p, QRect(0, 0, 640, 480), 11);
    // toolbar ridge
    p.setPen(QColor(96, 110, 168));
    p.drawLine(4, 38, 635, 38);
    p.setPen(QColor(4, 5, 14));
    p.drawLine(4, 39, 635, 39);
    clockStrip(p, 40);

    // upper panel: Moon drawing, values, principal phases
    panel(p, QRect(12, 68, 616, 176));
    p.setPen(QColor(50, 60, 100));
    p.drawRect(QRect(24, 78, 159, 159)); // frame of the Moon drawing (26, 80) .. (181, 235)
    p.setPen(QColor(40, 48, 84));
    p.drawLine(419, 74, 419, 238);

    // lower panels: rise/set and twilight; the two small tables; the calendar
    panel(p, QRect(12, 248, 260, 222));
    panel(p, QRect(276, 248, 136, 222));
    panel(p, QRect(416, 248, 212, 222));

    caption(p, 32, 278, "Sun");
    caption(p, 150, 278, "Moon");
    bands(p, 16, 268, 298, 3);
    p.setPen(QColor(40, 48, 84));
    p.drawLine(20, 365, 264, 365);
    bands(p, 16, 268, 402, 3);
    caption(p, 32, 388, "Twilight"); // over the band so that its descender shows

    caption(p, 284, 264, "Moon");
    bands(p, 280, 408, 282, 4);
    caption(p, 284, 370, "Sun");
    bands(p, 280, 408, 388, 4);
    iconButton(p, kLibration, glyphUpDown, 13);

    silverPlate(p, QRectF(419, 251, 206, 30));
    p.fillRect(QRect(419, 288, 206, 20), QColor(18, 26, 60));
    p.setPen(QColor(50, 64, 120));
    p.drawLine(419, 307, 624, 307);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c) {
            const QRect cell(420 + 29 * c - 1, 316 + 25 * r - 3, 25, 23);
            p.fillRect(cell, kCellTile);
        }

    // toolbar
    for (const ToolButton& b : toolbar())
        iconButton(p, b.face, b.glyph);
    titlePlate(p, kMainTitle, "Cresselle");
    minimiseButton(p, kMainMinimise);
    closeButton(p, kMainExit);
    windowEdge(p, pointSize(image));
    return image;
}

QImage Painter::toolbarPicture(const QImage& background, const QRect& place, const Glyph& glyph) {
    QImage image = part(background, place);
    QPainter p(&image);
    iconButton(p, QRect(0, 1, place.width(), place.height() - 2), glyph);
    return image;
}

void Painter::mainWindow() {
    const QImage bg = mainBackground();
    QString notes = "toolbar faces (label at x, y 12, height 25, width as the face):";
    for (const ToolButton& b : toolbar())
        notes += QString(" %1 %2 %3;").arg(b.control, b.what, rectText(b.face));
    notes +=
        QString(" lblTitle title %1; lblMinimise %2; lblExit %3; lblLibration %4."
                " Under imgOptics %5 and imgEclipse %6 the bar is plain."
                " Black panels: (12, 68, 616, 176), (12, 248, 260, 222),"
                " (276, 248, 136, 222), (416, 248, 212, 222); calendar heading plate"
                " (419, 251, 206, 30); weekday band (419, 288, 206, 20); day tiles"
                " (419 + 29c, 313 + 25r, 25, 23); row bands 16 high at y 298 and 402"
                " (x 16-268), 282 and 388 (x 280-408); clock strip as clock_strip.jpg at"
                " y 40.")
            .arg(rectText(QRect(264, 12, 113, 25)), rectText(kMainMinimise), rectText(kMainExit),
                 rectText(kLibration), rectText(kOptics), rectText(kEclipse));
    out_.save(bg, "main.jpg", "TMain", "imgBgnd", notes);

    // The optics and eclipse controls are pictures of their own, cut from the plain bar.
    out_.save(toolbarPicture(bg, kOptics, glyphBinoculars), "optics_binoculars.png", "TMain",
              "imgBinoculars (shown in imgOptics)",
              "imgOptics at " + rectText(kOptics) + "; face at (0, 1, 28, 23) of the picture");
    out_.save(toolbarPicture(bg, kOptics, glyphTelescope), "optics_telescope.png", "TMain",
              "imgTelescope (shown in imgOptics)", "as optics_binoculars.png");
    out_.save(toolbarPicture(bg, kEclipse, glyphEclipse), "eclipse_button.png", "TMain",
              "imgEclipse", "at " + rectText(kEclipse) + "; face at (0, 1, 28, 23)");

    QImage strip = newImage(640, 24);
    {
        QPainter p(&strip);
        clockStrip(p, 0);
    }
    out_.save(strip, "clock_strip.jpg", "TMain", "imgClockBgnd",
              "light wells for navy text: clock (14, 2, 394, 20), LST (414, 2, 212, 20)");

    timeEditor();
    mainSmallPictures();
}

void Painter::timeEditor() {
    QImage image = newImage(146, 31, true); // round corners over the clock strip
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, 31);
    g.setColorAt(0, QColor(70, 84, 140));
    g.setColorAt(1, QColor(22, 28, 60));
    p.setPen(QPen(QColor(150, 166, 220), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 145, 30), 4, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x : {8, 33, 58})
        entryBox(p, QRect(x, 3, 21, 24));
    textButton(p, QRect(87, 4, 40, 16), "Reset", 11);
    p.end();
    out_.save(image, "time_editor.png", "TMain", "imgTimeButton",
              "entry boxes (8, 3, 21, 24), (33, 3, 21, 24), (58, 3, 21, 24); Reset button"
              " (87, 4, 40, 16), i.e. x 87-126, y 4-19; shown at (130, 41)");
}

void Painter::mainSmallPictures() {
    QImage marker = newImage(25, 23);
    {
        QPainter p(&marker);
        p.fillRect(QRect(0, 0, 25, 23), kCellTile);
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient g(0, 0, 0, 23);
        g.setColorAt(0, QColor(40, 80, 160));
        g.setColorAt(1, QColor(14, 34, 90));
        p.setPen(QPen(kAqua, 1.2));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.6, 0.6, 23.8, 21.8), 3, 3);
    }
    out_.save(marker, "date_marker.png", "TMain", "imgCurrDate",
              "placed at (day label left - 1, top - 3) over the day tile");

    QImage entry = newImage(64, 28);
    {
        QPainter p(&entry);
        p.fillRect(QRect(0, 0, 64, 28), QColor(200, 208, 228));
        QRect box(1, 1, 62, 26);
        p.fillRect(box, QColor(255, 255, 255));
        bevel(p, box, QColor(60, 66, 100), QColor(250, 252, 255));
        bevel(p, box.adjusted(1, 1, -1, -1), QColor(140, 146, 170), QColor(226, 230, 240));
    }
    out_.save(entry, "year_entry.png", "TMain", "imgYearButton",
              "white entry box; placed at (year left - 8, year top - 3) on the heading plate");

    for (auto [file, control, top] : {std::tuple{"moon_table.png", "imgMoonParamsOrig", 2},
                                      std::tuple{"sun_table.png", "imgSunParamsOrig", 1}}) {
        QImage table = newImage(96, 68);
        QPainter p(&table);
        bands(p, 0, 96, top, 4);
        p.end();
        out_.save(table, file, "TMain", control,
                  QString("four bands of 16 from y %1 (black, grey, black, grey); shown at"
                          " (315, %2)")
                      .arg(top)
                      .arg(top == 2 ? 280 : 387));
    }
}

// -- Moon photographs and phase icons --
void Painter::moonPictures() {
    MoonLook full;
    out_.save(onBlack(renderMoon(map_, {156, 156}, {78.5, 79.0}, 75.6, full)), "moon_full_156.jpg",
              "TMain", "imgMoonOriginal",
              "disc centre (78.5, 79) radius 75.6 in pixel-edge coordinates: the limb lies on"
              " the shading arcs (x 3-153, y 3-154)");
    out_.save(onBlack(renderMoon(map_, {50, 49}, {25.5, 24.5}, 24.5, full)), "moon_full_50x49.jpg",
              "TMonthlyPhases", "imgOriginal", "disc centre (25.5, 24.5) radius 24.5");

    struct Phase {
        const char* file;
        const char* control;
        double sx, sy, sz;
        QColor tint;
        const char* notes;
    };
    const Phase phases[] = {
        {"phase_new.png", "imgNewMoon", 0, 0, -1, QColor(255, 252, 244),
         "dark disc in earthshine with a faint rim"},
        {"phase_first_quarter.png", "imgLastQuarter", 1, 0, 0, QColor(255, 252, 244),
         "first quarter, lit on the RIGHT; held by imgLastQuarter, shown for kind 3"},
        {"phase_full.png", "imgFullMoon", 0, 0, 1, QColor(255, 252, 244), "full Moon"},
        {"phase_last_quarter.png", "imgFirstQuarter", -1, 0, 0, QColor(255, 252, 244),
         "last quarter, lit on the LEFT; held by imgFirstQuarter, shown for kind 1"},
        {"phase_blue.png", "imgBlueMoon", 0, 0, 1, QColor(150, 196, 255),
         "full Moon in blue with a blue halo, for a second full Moon in slot 5"},
    };
    for (const Phase& ph : phases) {
        MoonLook look;
        look.sunX = ph.sx;
        look.sunY = ph.sy;
        look.sunZ = ph.sz;
        look.tint = ph.tint;
        look.earthshine = 0.10;
        look.samples = 6;
        QImage icon = onBlack(renderMoon(map_, {30, 30}, {15, 15}, 13.6, look));
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (QString(ph.file) == "phase_new.png") {
            p.setPen(QPen(QColor(90, 100, 140), 1));
            p.drawEllipse(QPointF(15, 15), 13.6, 13.6);
        }
        if (QString(ph.file) == "phase_blue.png") {
            p.setCompositionMode(QPainter::CompositionMode_Plus);
            QRadialGradient halo(QPointF(15, 15), 15);
            halo.setColorAt(0.86, QColor(0, 0, 0, 0));
            halo.setColorAt(0.92, QColor(40, 90, 255, 200));
            halo.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(QPointF(15, 15), 15, 15);
        }
        p.end();
        out_.save(icon, ph.file, "TMain", ph.control, ph.notes);
    }
}

} // namespace artwork
