// SPDX-License-Identifier: GPL-3.0-or-later
// The month picker, the date information popup, the about box and the two menus.
#include "Artwork.h"

namespace artwork {

void Painter::monthList() {
    QImage image = newImage(100, 348);
    QPainter p(&image);
    static const char* months[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
    for (int i = 0; i < 12; ++i) {
        const QRect row(0, 29 * i, 100, 29);
        QLinearGradient g(row.topLeft(), row.bottomLeft());
        g.setColorAt(0, i % 2 ? QColor(44, 54, 96) : QColor(26, 32, 64));
        g.setColorAt(1, i % 2 ? QColor(24, 30, 60) : QColor(10, 12, 30));
        p.fillRect(row, g);
        p.setPen(QColor(70, 84, 136));
        p.drawLine(row.left(), row.top(), row.right(), row.top());
        drawText(p, row.adjusted(26, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, months[i],
                 arial(13, true), kAqua, QColor(0, 0, 0));
    }
    bevel(p, QRect(0, 0, 100, 348), QColor(132, 148, 205), QColor(0, 0, 0));
    p.end();
    out_.save(image, "month_list.jpg", "TMonthList", "imgMonths",
              "row i (January = 0) at y 29 i, 29 high; names from x 26");

    QImage arrow = newImage(12, 29, true);
    QPainter a(&arrow);
    a.setRenderHint(QPainter::Antialiasing, true);
    a.setPen(QPen(QColor(60, 50, 0), 1));
    a.setBrush(kValue);
    a.drawPolygon(QPolygonF{QPointF(1.5, 8.5), QPointF(10.5, 14.5), QPointF(1.5, 20.5)});
    a.end();
    out_.save(arrow, "month_arrow.png", "TMonthList", "imgMonthArrow",
              "transparent; at x 10 over a row");
}

void Painter::dateInfo() {
    const Frame f{{250, 165}, "Date Information", {40, 10, 170, 23}, {223, 14, 15, 15}, {}, 51};
    QImage image = frame(f);
    QPainter p(&image);
    silverPlate(p, QRectF(10, 40, 230, 26));
    panel(p, QRect(10, 72, 230, 84));
    p.end();
    out_.save(image, "dateinfo.jpg", "TDateInfo", "Image1",
              frameNotes(f) +
                  "; lblExit (224, 14, 13, 15); heading plate (10, 40, 230, 26) for"
                  " lblSelectedDate (navy, top 44); black panel (10, 72, 230, 84) for the four"
                  " rows (suggested tops 78, 96, 114, 132; titles x 20, values x 130)");
}

void Painter::about() {
    const Frame f{{300, 200}, "About Cresselle", {50, 10, 200, 23}, {273, 14, 15, 15}, {}, 61};
    QImage image = frame(f);
    QPainter p(&image);
    panel(p, QRect(12, 44, 276, 144));
    MoonLook look;
    p.drawImage(26, 62, renderMoon(map_, {64, 64}, {32, 32}, 31, look));
    drawText(p, QRect(104, 58, 180, 30), Qt::AlignLeft | Qt::AlignVCenter, "Cresselle",
             arial(26, true), QColor(220, 228, 255));
    drawText(p, QRect(106, 88, 180, 18), Qt::AlignLeft | Qt::AlignVCenter, "Version 2.50",
             arial(13, true), kValue);
    drawText(p, QRect(106, 108, 180, 16), Qt::AlignLeft | Qt::AlignVCenter,
             "Moon phases and lunar ephemeris", arial(11), kAqua);
    drawText(p, QRect(20, 150, 260, 14), Qt::AlignHCenter | Qt::AlignVCenter,
             "Moon map: USGS Astrogeology and Clementine data", arial(10), QColor(150, 160, 200));
    drawText(p, QRect(20, 164, 260, 14), Qt::AlignHCenter | Qt::AlignVCenter, "(public domain)",
             arial(10), QColor(150, 160, 200));
    p.end();
    out_.save(image, "about.jpg", "TAbout", "Image1",
              frameNotes(f) + "; lblExit (274, 14, 13, 15); the plate is not a drag area;"
                              " name and version painted");
}

void Painter::menus() {
    const std::pair<const char*, const char*> reports[] = {
        {"imgLunarVisibility", "Lunar Visibility"},
        {"imgFindEclipses", "Find Lunar Eclipses"},
        {"imgDisplayPhases", "Display Phases for Month"},
        {"imgLunarFeatures", "Lunar Features Sunrise/Sunset Times"},
        {"imgEquinoxInfo", "Equinox and Solstice Information"},
        {"imgEaster", "Easter Sunday"},
        {"imgSaveCalendar", "Save the Year's Events to a Calendar"},
    };
    int row = 0;
    for (const auto& [control, caption] : reports) {
        out_.save(menuRow(caption, false), rowFile("report", control), "TReportMenu", control,
                  QString("row %1 at y %2; caption from x 26").arg(row + 1).arg(20 * row));
        ++row;
    }
    const std::pair<const char*, const char*> links[] = {
        {"imgLunarResources", "Lunar Resources"},
        {"imgMoonViews", "The Moon (Views of the Solar System)"},
        {"imgMoonNSSDC", "The Moon (NSSDC)"},
        {"imgExploringTheMoon", "Exploring The Moon"},
        {"imgAmericanLunarSociety", "The American Lunar Society"},
        {"imgALPOLunarSection", "A.L.P.O. Lunar Section"},
        {"imgInternationalOccultationTimingAssoc", "International Occultation Timing Assoc."},
        {"imgInconstantMoon", "Inconstant Moon"},
        {"imgLunarOrbiterPhotographicAtlas", "Lunar Orbiter Photographic Atlas"},
        {"imgLunascan", "Lunascan"},
        {"imgClementineLunarImageBrowser", "Clementine Lunar Image Browser"},
        {"imgLunarEclipseObserver", "Lunar Eclipse Observer"},
        {"imgLunarEclipsePhotography", "Lunar Eclipse Photography"},
        {"Image1", "Lunar Missions"},
        {"imgAmericasGreatestAdventure", "America's Greatest Adventure"},
        {"imgLunarProspectorMission", "Lunar Prospector Mission"},
        {"imgClementineMission", "Clementine Mission"},
        {"imgApolloLunarSurfaceJournal", "The Apollo Lunar Surface Journal"},
    };
    row = 0;
    for (const auto& [control, caption] : links) {
        const bool heading =
            QString(control) == "imgLunarResources" || QString(control) == "Image1";
        const QString file =
            QString(control) == "Image1" ? "web_lunar_missions.png" : rowFile("web", control);
        ++row;
        out_.save(menuRow(caption, heading), file, "TWebMenu", control,
                  QString("row %1 at y %2%3")
                      .arg(row)
                      .arg(20 * (row - 1))
                      .arg(heading ? "; heading" : "; caption from x 26"));
    }
    QImage arrow = newImage(15, 20, true);
    QPainter a(&arrow);
    a.setRenderHint(QPainter::Antialiasing, true);
    a.setPen(QPen(QColor(60, 50, 0), 1));
    a.setBrush(kValue);
    a.drawPolygon(QPolygonF{QPointF(3.5, 4.5), QPointF(12.5, 10), QPointF(3.5, 15.5)});
    a.end();
    out_.save(arrow, "menu_arrow.png", "TReportMenu, TWebMenu", "imgArrow",
              "transparent; at x 7, top of the row under the mouse");
}

} // namespace artwork
