// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar data panel: values of the shown instant, the two small tables, rise and set
// times of the selected day, and the principal phases of the shown month.
#include "astro/fRiseSet.h"
#include "astro/fSidereal.h"
#include "print/EventText.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fEclipse.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

using namespace mainstyle;

namespace {

enum CoordForm { DegreeForm = 0, HourForm = 1 };

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void ShiftFontSize(QPainter& painter, int points) {
    QFont font = painter.font();
    font.setPointSize(font.pointSize() + points);
    painter.setFont(font);
}

// One sexagesimal value: sign, whole part with its unit, minutes and seconds.
void DisplayCoord(QPainter& canvas, int x, CoordForm form, const astro::DmsRec& value, int y,
                  int secondsX, int minutesX, bool opaque) {
    ShiftFontSize(canvas, -2);
    // A blank sign wipes the whole width of an older dash.
    if (opaque)
        canvas.fillRect(QRect(x - 8, y, TextWidth(canvas, QString(QChar(0x2013))),
                              canvas.fontMetrics().height()),
                        Qt::black);
    TextOut(canvas, x - 8, y, Q(value.Sign), opaque);
    ShiftFontSize(canvas, 2);
    const QString whole = Q(value.Whole);
    if (form == DegreeForm) {
        if (whole.size() == 3) x -= 7;
        TextOut(canvas, x, y, whole, opaque);
        const int degreeX = x + TextWidth(canvas, whole);
        ShiftFontSize(canvas, 1);
        TextOut(canvas, degreeX, y, QStringLiteral("\u00B0"), opaque);
        ShiftFontSize(canvas, -1);
        TextOut(canvas, minutesX, y, Q(value.Minutes) + QStringLiteral(" '"), opaque);
        TextOut(canvas, secondsX, y, Q(value.Seconds) + QStringLiteral(" \""), opaque);
    } else {
        TextOut(canvas, x, y, whole + QStringLiteral("h"), opaque);
        TextOut(canvas, minutesX, y, Q(value.Minutes) + QStringLiteral("m"), opaque);
        TextOut(canvas, secondsX, y, Q(value.Seconds) + QStringLiteral("s"), opaque);
    }
}

// Hours (right ascension) wrap at 24 h; angles keep their sign.
astro::DmsRec SplitForDisplay(CoordForm form, double value) {
    return form == HourForm ? astro::HoursToDms(value) : astro::DecimalToDms(value);
}

// Values on the main canvas: first column 249, minutes 273, seconds 301.
void DisplayCanvasCoord(QPainter& canvas, CoordForm form, double value, int y) {
    DisplayCoord(canvas, 249, form, SplitForDisplay(form, value), y, 301, 273, true);
}

// Values in a small table: columns 10, 34 and 62, drawn with a clear brush.
void DisplayTableCoord(QPainter& table, CoordForm form, double value, int y) {
    DisplayCoord(table, 10, form, SplitForDisplay(form, value), y, 62, 34, false);
}

QLabel* PanelLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour,
                   const char* name = nullptr) {
    auto* label = new QLabel(text, parent);
    if (name) label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPoints(9));
    label->setAttribute(Qt::WA_TranslucentBackground);
    SetTransparentLabelStyle(label, colour);
    label->move(x, y);
    label->adjustSize();
    return label;
}

TClickLabel* ClickPanelLabel(QWidget* parent, int x, int y, const QColor& colour,
                             const char* name) {
    auto* label = new TClickLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPoints(9));
    SetTransparentLabelStyle(label, colour);
    label->move(x, y);
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

// A title wider than `room` (up to the start of its value) is set in a smaller face, down to
// 6.5 points.
void FitToRoom(QLabel* label, int room) {
    for (double points = 9; points >= 6.5; points -= 0.5) {
        label->setFont(ArialPoints(points));
        label->adjustSize();
        if (label->width() <= room) return;
    }
}

// Starts of the values beside the titles (window points), by the titles' left edge.
int RoomOfTitle(int x) {
    switch (x) {
    case 188:
        return 249 - 188 - 2; // the middle column
    case 32:
        return 94 - 32 - 2; // the Sun's times (the twilight rows have more)
    case 150:
        return 212 - 150 - 2; // the Moon's times
    case 284:
        return 315 - 284 - 1; // the small tables (their signs stand left of the digits)
    default:
        return 1000;
    }
}

} // namespace

void TMain::CreatePanel() {
    // Static titles of the middle column.
    const std::pair<const char*, int> titles[] = {
        {QT_TR_NOOP("Visible:"), 80},   {QT_TR_NOOP("Age:"), 94},
        {QT_TR_NOOP("Distance:"), 110}, {QT_TR_NOOP("R.A.:"), 134},
        {QT_TR_NOOP("Dec.:"), 148},     {QT_TR_NOOP("Parallax:"), 162},
        {QT_TR_NOOP("Diameter:"), 176}, {QT_TR_NOOP("Apogee:"), 204},
        {QT_TR_NOOP("Perigee:"), 218}};
    for (const auto& [text, y] : titles)
        FitToRoom(PanelLabel(this, tr(text), 188, y, Yellow), RoomOfTitle(188));

    // Rise, transit and set of the Moon and the Sun; twilight.
    lblMoonTitle1 = ClickPanelLabel(this, 150, 300, Aqua, "lblMoonTitle1");
    lblMoonTitle2 = ClickPanelLabel(this, 150, 316, Aqua, "lblMoonTitle2");
    lblMoontitle3 = ClickPanelLabel(this, 150, 332, Aqua, "lblMoontitle3");
    lblMoonValue1 = PanelLabel(this, {}, 212, 300, ValueTextColour, "lblMoonValue1");
    lblMoonValue2 = PanelLabel(this, {}, 212, 316, ValueTextColour, "lblMoonValue2");
    lblMoonValue3 = PanelLabel(this, {}, 212, 332, ValueTextColour, "lblMoonValue3");
    FitToRoom(PanelLabel(this, tr("Sunrise:"), 32, 300, Aqua), RoomOfTitle(32));
    FitToRoom(PanelLabel(this, tr("Transit:"), 32, 316, Aqua), RoomOfTitle(32));
    FitToRoom(PanelLabel(this, tr("Sunset:"), 32, 332, Aqua), RoomOfTitle(32));
    lblSunRise = PanelLabel(this, {}, 94, 300, ValueTextColour, "lblSunRise");
    lblSunTransit = PanelLabel(this, {}, 94, 316, ValueTextColour, "lblSunTransit");
    lblSunSet = PanelLabel(this, {}, 94, 332, ValueTextColour, "lblSunSet");
    lblZone = PanelLabel(this, {}, 32, 258, Aqua, "lblZone");
    PanelLabel(this, tr("Start"), 130, 390, Aqua);
    PanelLabel(this, tr("End"), 212, 390, Aqua);
    FitToRoom(PanelLabel(this, tr("Civil:"), 32, 404, Aqua), 130 - 32 - 2);
    FitToRoom(PanelLabel(this, tr("Nautical:"), 32, 420, Aqua), 130 - 32 - 2);
    FitToRoom(PanelLabel(this, tr("Astronomical:"), 32, 436, Aqua), 130 - 32 - 2);
    lblCivilStart = PanelLabel(this, {}, 130, 404, ValueTextColour, "lblCivilStart");
    lblCivilEnd = PanelLabel(this, {}, 212, 404, ValueTextColour, "lblCivilEnd");
    lblNauticalStart = PanelLabel(this, {}, 130, 420, ValueTextColour, "lblNauticalStart");
    lblNauticalEnd = PanelLabel(this, {}, 212, 420, ValueTextColour, "lblNauticalEnd");
    lblAstroStart = PanelLabel(this, {}, 130, 436, ValueTextColour, "lblAstroStart");
    lblAstroEnd = PanelLabel(this, {}, 212, 436, ValueTextColour, "lblAstroEnd");

    // The two small tables.
    lblLunarAz = PanelLabel(this, {}, 284, 284, Aqua, "lblLunarAz");
    lblLunarAlt = PanelLabel(this, {}, 284, 300, Aqua, "lblLunarAlt");
    lblLunarPA = PanelLabel(this, {}, 284, 316, Aqua, "lblLunarPA");
    lblLunarPhA = PanelLabel(this, {}, 284, 332, Aqua, "lblLunarPhA");
    FitToRoom(PanelLabel(this, tr("Az.:"), 284, 390, Aqua), RoomOfTitle(284));
    FitToRoom(PanelLabel(this, tr("Alt.:"), 284, 406, Aqua), RoomOfTitle(284));
    FitToRoom(PanelLabel(this, tr("R.A.:"), 284, 422, Aqua), RoomOfTitle(284));
    FitToRoom(PanelLabel(this, tr("Dec.:"), 284, 438, Aqua), RoomOfTitle(284));
    lblLibration = new TClickLabel(this, QRect(380, 264, 13, 17),
                                   tr("Switch between the Moon's position and its librations"));
    lblLibration->setObjectName(QStringLiteral("lblLibration"));
    lblLibration->setCursor(Qt::PointingHandCursor);
    connect(lblLibration, &TClickLabel::clicked, this, &TMain::lblLibrationClick);
    SetMoonTableTitles();

    // The principal phases of the month.
    for (int i = 0; i < 5; ++i) {
        imgPhase[i] = new TClickLabel(this, QRect(426, 78 + 32 * i, 30, 30));
        imgPhase[i]->setObjectName(QStringLiteral("imgPhase%1").arg(i + 1));
        lblPhase[i] = ClickPanelLabel(this, 466, 88 + 32 * i, Aqua, "lblPhase");
        lblPhase[i]->setObjectName(QStringLiteral("lblPhase%1").arg(i + 1));
        for (TClickLabel* control : {imgPhase[i], lblPhase[i]}) {
            control->setCursor(Qt::PointingHandCursor);
            connect(control, &TClickLabel::clicked, this, [this, i] {
                if (i < PhaseCount) SelectLocalTime(astro::JulianToDateToMinute(Phases[i].Julian));
            });
        }
    }
}

// --- per tick ---

void TMain::RefreshPanel() {
    const astro::JulianDay instant = EngineInstant();
    const astro::Observer obs = observer();
    LastPosition = astro::MoonPosition(instant, obs);
    const astro::MoonRec& moon = LastPosition.Moon;

    KeepLunationCurrent(instant);
    ShowZoneName(instant);
    {
        QPainter canvas(&Canvas);
        canvas.setFont(ArialPoints(9));
        canvas.setPen(Aqua);
        DrawPositionValues(canvas, moon);
        DisplayMoonAge(canvas, astro::MoonAgeDays(instant, Lunation));
        DisplayPerigeeAndApogee(canvas);
    }
    RefreshArea(QRect(180, 78, 240, 160));
    DrawSunTable(LastPosition.Sun);
    DrawMoonTable(moon);

    PhaseName = DisplayMoonPhase(instant, moon.IlluminatedPercent);
    ClockText = (DisplayTime() + PhaseName).left(80);
    LstText = tr("LST: ") + Q(astro::LocalSiderealTimeText(ShownDate(), obs));
    DrawClockStrip();
}

// A named zone with the abbreviation in force at the shown instant ("Europe/London, BST");
// with a place, the place's name and the abbreviation ("Boston, United States of America
// (EST)"), the place shortened to keep within the Sun and Moon box; the whole line in the hint.
void TMain::ShowZoneName(astro::JulianDay instant) {
    constexpr int Room = 270 - 32 - 4; // the box's right edge less the label's left
    const TZone& zone = CurrentZone();
    const QString zoneText = zone.IsNamed()
                                 ? QStringLiteral("%1, %2").arg(QString::fromLatin1(zone.Id()),
                                                                zone.Abbreviation(instant))
                                 : QString();
    const QString place = ObserverSettings.Location.simplified();
    QString text = zoneText;
    QString hint;
    if (!place.isEmpty()) {
        const QString tail =
            zone.IsNamed() ? QStringLiteral(" (%1)").arg(zone.Abbreviation(instant)) : QString();
        const QFontMetrics metrics(lblZone->font());
        const int left = std::max(Room - metrics.horizontalAdvance(tail), 40);
        text = metrics.elidedText(place, Qt::ElideRight, left) + tail;
        hint = zoneText.isEmpty() ? place : place + QStringLiteral(" \u00B7 ") + zoneText;
    }
    if (text != lblZone->text()) SetLabelText(lblZone, text);
    if (hint != lblZone->toolTip()) lblZone->setToolTip(hint);
}

namespace {
// The illuminated part as the language writes a percentage ("45 %" in French).
QString PercentText(int percent) {
    //: the Moon's illuminated part; %1 a whole number
    return TMain::tr("%1%").arg(percent);
}
} // namespace

namespace {
// An apsis distance in the shown language from its kilometres, with the engine text's two
// trailing blanks; nothing where the engine found no apsis.
QString ApsisDistance(const std::string& engineText, double km) {
    if (engineText.empty()) return {};
    return ShownKilometres(std::lround(km)) + QStringLiteral("  ");
}
} // namespace

void TMain::DrawPositionValues(QPainter& canvas, const astro::MoonRec& moon) {
    TextOut(canvas, 249, 80, PercentText(moon.IlluminatedPercent) + QStringLiteral("     "), true);
    TextOut(canvas, 249, 110,
            ShownKilometres(static_cast<long long>(std::trunc(moon.DistanceKm))) +
                QStringLiteral("  "),
            true);
    DisplayCanvasCoord(canvas, HourForm, moon.Topocentric.RightAscension / 15.0, 134);
    DisplayCanvasCoord(canvas, DegreeForm, moon.Topocentric.Declination, 148);
    DisplayCanvasCoord(canvas, DegreeForm, moon.Parallax, 162);
    DisplayCanvasCoord(canvas, DegreeForm, 2 * moon.SemiDiameter, 176);
}

void TMain::DrawSunTable(const astro::SunRec& sun) {
    imgSunParams = DisplayCopy(imgSunParamsOrig);
    {
        QPainter table(&imgSunParams);
        table.setFont(ArialPoints(9));
        table.setPen(ValueTextColour);
        DisplayTableCoord(table, DegreeForm, sun.Azimuth, 3);
        DisplayTableCoord(table, DegreeForm, sun.Altitude, 19);
        DisplayTableCoord(table, HourForm, sun.Equatorial.RightAscension / 15.0, 35);
        DisplayTableCoord(table, DegreeForm, sun.Equatorial.Declination, 51);
    }
    QPainter canvas(&Canvas);
    canvas.drawPixmap(315, 387, imgSunParams);
    RefreshArea(QRect(QPoint(315, 387), imgSunParamsOrig.deviceIndependentSize().toSize()));
}

void TMain::DrawMoonTable(const astro::MoonRec& moon) {
    imgMoonParams = DisplayCopy(imgMoonParamsOrig);
    {
        QPainter table(&imgMoonParams);
        table.setFont(ArialPoints(9));
        table.setPen(ValueTextColour);
        const double values[4] = {
            MoonParamsMode ? moon.Azimuth : moon.Colongitude,
            MoonParamsMode ? moon.Altitude : moon.LibrationLongitude,
            MoonParamsMode ? moon.BrightLimbAngle : moon.LibrationLatitude,
            MoonParamsMode ? moon.PhaseAngle : moon.AxisPositionAngle,
        };
        for (int row = 0; row < 4; ++row)
            DisplayTableCoord(table, DegreeForm, values[row], 4 + 16 * row);
    }
    QPainter canvas(&Canvas);
    canvas.drawPixmap(315, 280, imgMoonParams);
    RefreshArea(QRect(QPoint(315, 280), imgMoonParamsOrig.deviceIndependentSize().toSize()));
}

namespace {
// Days, hours and minutes of an age, each two digits with its unit.
std::array<QString, 3> AgeParts(double age) {
    std::array<QString, 3> parts;
    double v = age;
    const char* units[3] = {QT_TRANSLATE_NOOP("TMain", "d"), QT_TRANSLATE_NOOP("TMain", "h"),
                            QT_TRANSLATE_NOOP("TMain", "m")};
    const double scale[3] = {24, 60, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const int n = static_cast<int>(std::trunc(v));
        parts[i] = Q(astro::TwoDigits(n)) + TMain::tr(units[i]);
        v = (v - n) * scale[i];
    }
    return parts;
}

// A value as the panel shows it, on one line: 12h 34m 56s, or –5° 06' 07".
QString CoordText(CoordForm form, double value) {
    const astro::DmsRec d = SplitForDisplay(form, value);
    const QString sign = Q(d.Sign).trimmed();
    if (form == HourForm)
        return sign + Q(d.Whole) + QStringLiteral("h ") + Q(d.Minutes) + QStringLiteral("m ") +
               Q(d.Seconds) + u's';
    return sign + Q(d.Whole) + QStringLiteral("\u00B0 ") + Q(d.Minutes) + QStringLiteral("' ") +
           Q(d.Seconds) + u'"';
}
} // namespace

void TMain::DisplayMoonAge(QPainter& canvas, double age) {
    const std::array<QString, 3> parts = AgeParts(age);
    const int xs[3] = {249, 274, 299};
    for (std::size_t i = 0; i < 3; ++i)
        TextOut(canvas, xs[i], 94, parts[i], true);
}

// The panel as text, one "label value" line each, in the panel's order.
QString TMain::PanelAsText() const {
    const astro::MoonRec& moon = LastPosition.Moon;
    const astro::SunRec& sun = LastPosition.Sun;
    QStringList lines;
    const auto line = [&lines](const QString& label, const QString& value) {
        lines << label + u' ' + value.trimmed();
    };
    line(tr("Time:"), QString::fromStdString(astro::DateTimeText(ShownDate())));
    if (!lblZone->text().isEmpty()) line(tr("Zone:"), lblZone->text());
    line(tr("Phase:"), PhaseName);
    line(tr("Visible:"), PercentText(moon.IlluminatedPercent));
    const std::array<QString, 3> age = AgeParts(astro::MoonAgeDays(EngineInstant(), Lunation));
    line(tr("Age:"), age[0] + u' ' + age[1] + u' ' + age[2]);
    line(tr("Distance:"), ShownKilometres(static_cast<long long>(std::trunc(moon.DistanceKm))));
    line(tr("R.A.:"), CoordText(HourForm, moon.Topocentric.RightAscension / 15.0));
    line(tr("Dec.:"), CoordText(DegreeForm, moon.Topocentric.Declination));
    line(tr("Parallax:"), CoordText(DegreeForm, moon.Parallax));
    line(tr("Diameter:"), CoordText(DegreeForm, 2 * moon.SemiDiameter));
    line(tr("Apogee:"),
         Q(Apsides.ApogeeTimeText) + QStringLiteral("  ") +
             ApsisDistance(Apsides.ApogeeDistanceText, Apsides.ApogeeDistanceKm).trimmed());
    line(tr("Perigee:"),
         Q(Apsides.PerigeeTimeText) + QStringLiteral("  ") +
             ApsisDistance(Apsides.PerigeeDistanceText, Apsides.PerigeeDistanceKm).trimmed());
    const QLabel* moonTitles[3] = {lblMoonTitle1, lblMoonTitle2, lblMoontitle3};
    const QLabel* moonValues[3] = {lblMoonValue1, lblMoonValue2, lblMoonValue3};
    for (int i = 0; i < 3; ++i) {
        QString label = moonTitles[i]->text();
        if (!label.endsWith(u':')) label += u':'; // "Moonset" has none on the panel
        line(label, moonValues[i]->text());
    }
    const double table[4] = {
        MoonParamsMode ? moon.Azimuth : moon.Colongitude,
        MoonParamsMode ? moon.Altitude : moon.LibrationLongitude,
        MoonParamsMode ? moon.BrightLimbAngle : moon.LibrationLatitude,
        MoonParamsMode ? moon.PhaseAngle : moon.AxisPositionAngle,
    };
    const QLabel* titles[4] = {lblLunarAz, lblLunarAlt, lblLunarPA, lblLunarPhA};
    for (int i = 0; i < 4; ++i)
        line(tr("Moon %1").arg(titles[i]->text()), CoordText(DegreeForm, table[i]));
    line(tr("Sunrise:"), lblSunRise->text());
    line(tr("Sun transit:"), lblSunTransit->text());
    line(tr("Sunset:"), lblSunSet->text());
    line(tr("Sun Az.:"), CoordText(DegreeForm, sun.Azimuth));
    line(tr("Sun Alt.:"), CoordText(DegreeForm, sun.Altitude));
    line(tr("Sun R.A.:"), CoordText(HourForm, sun.Equatorial.RightAscension / 15.0));
    line(tr("Sun Dec.:"), CoordText(DegreeForm, sun.Equatorial.Declination));
    line(tr("Civil twilight:"),
         lblCivilStart->text() + QStringLiteral(" - ") + lblCivilEnd->text());
    line(tr("Nautical twilight:"),
         lblNauticalStart->text() + QStringLiteral(" - ") + lblNauticalEnd->text());
    line(tr("Astronomical twilight:"),
         lblAstroStart->text() + QStringLiteral(" - ") + lblAstroEnd->text());
    // By PhaseKind: 0 new, 1 last quarter, 2 full, 3 first quarter.
    static const char* const kinds[4] = {QT_TR_NOOP("New Moon:"), QT_TR_NOOP("Last Quarter:"),
                                         QT_TR_NOOP("Full Moon:"), QT_TR_NOOP("First Quarter:")};
    for (int i = 0; i < PhaseCount && i < 5; ++i) {
        const astro::PhaseEvent& event = Phases[i];
        line(tr(kinds[static_cast<int>(event.Kind) & 3]), Q(event.Text));
    }
    lines << LstText;
    return lines.join(u'\n') + u'\n';
}

void TMain::DisplayPerigeeAndApogee(QPainter& canvas) {
    TextOut(canvas, 249, 204, Q(Apsides.ApogeeTimeText), true);
    TextOut(canvas, 332, 204, ApsisDistance(Apsides.ApogeeDistanceText, Apsides.ApogeeDistanceKm),
            true);
    TextOut(canvas, 249, 218, Q(Apsides.PerigeeTimeText), true);
    TextOut(canvas, 332, 218, ApsisDistance(Apsides.PerigeeDistanceText, Apsides.PerigeeDistanceKm),
            true);
}

// The phase name for the clock line; draws the Moon on the way.
QString TMain::DisplayMoonPhase(astro::JulianDay instant, int illuminatedPercent) {
    const double p = astro::LunationPercent(instant, Lunation);
    QString name = EngineText(astro::PhaseNameAt(instant, observer()));
    DrawMoonGraphic(illuminatedPercent, p);
    return name;
}

// --- per day ---

// The new moons around the shown instant and the next apsides, both from the UT instant,
// so that they agree with the age and with each other in every time zone.
void TMain::RecomputeDayData() {
    const astro::JulianDay instant = EngineInstant();
    Lunation = astro::NewMoonsAround(instant);
    Apsides = NextApsidesInZone(instant, observer(), CurrentZone());
}

// A clock that runs past a new moon takes the next lunation, so the age never runs beyond it.
void TMain::KeepLunationCurrent(astro::JulianDay instant) {
    if (instant >= Lunation.PreviousNewMoon && instant < Lunation.NextNewMoon) return;
    Lunation = astro::NewMoonsAround(instant);
}

// Rise, transit and set of the date, each in the offset in force at it (the times list's and
// cresselle-cli's rule), not in the offset of the shown instant.
void TMain::DisplayLunarRiseSetTimes(const astro::DateTimeRec& date) {
    const astro::RiseSetTimes t = RiseSetOnDay(
        date, observer(), [&](const astro::Observer& o) { return astro::MoonRiseSet(date, o); });
    struct Row {
        QString Title;
        std::string Text;
        astro::EventState State;
    };
    Row rows[3] = {{tr("Transit:"), t.Transit, astro::EventState::Time},
                   {tr("Moonrise:"), t.Rise, t.RiseState},
                   {tr("Moonset"), t.Set, t.SetState}};
    // Three compare-and-swap steps on the texts, in character order.
    if (rows[0].Text > rows[2].Text) std::swap(rows[0], rows[2]);
    if (rows[0].Text > rows[1].Text) std::swap(rows[0], rows[1]);
    if (rows[1].Text > rows[2].Text) std::swap(rows[1], rows[2]);
    QLabel* titles[3] = {lblMoonTitle1, lblMoonTitle2, lblMoontitle3};
    QLabel* values[3] = {lblMoonValue1, lblMoonValue2, lblMoonValue3};
    for (int i = 0; i < 3; ++i) {
        SetLabelText(titles[i], rows[i].Title);
        FitToRoom(titles[i], RoomOfTitle(150));
        SetLabelText(values[i], EventText(rows[i].Text, rows[i].State));
    }
}

void TMain::DisplaySolarRiseSetTimes(const astro::DateTimeRec& date) {
    const astro::Observer obs = observer();
    auto sunAt = [&](double altitude) {
        return RiseSetOnDay(date, obs, [&](const astro::Observer& o) {
            return astro::SunRiseSet(date, altitude, o);
        });
    };
    const astro::RiseSetTimes sun = sunAt(astro::SunriseAltitude);
    SetLabelText(lblSunRise, EventText(sun.Rise, sun.RiseState));
    SetLabelText(lblSunTransit, EngineText(sun.Transit));
    SetLabelText(lblSunSet, EventText(sun.Set, sun.SetState));
    const astro::RiseSetTimes civil = sunAt(astro::CivilTwilightAltitude);
    SetLabelText(lblCivilStart, EventText(civil.Rise, civil.RiseState));
    SetLabelText(lblCivilEnd, EventText(civil.Set, civil.SetState));
    const astro::RiseSetTimes nautical = sunAt(astro::NauticalTwilightAltitude);
    SetLabelText(lblNauticalStart, EventText(nautical.Rise, nautical.RiseState));
    SetLabelText(lblNauticalEnd, EventText(nautical.Set, nautical.SetState));
    const astro::RiseSetTimes astronomical = sunAt(astro::AstronomicalTwilightAltitude);
    SetLabelText(lblAstroStart, EventText(astronomical.Rise, astronomical.RiseState));
    SetLabelText(lblAstroEnd, EventText(astronomical.Set, astronomical.SetState));
}

// --- per month ---

namespace {

// "Full Moon" ("Blue Moon" for a month's second), "New Moon", "First Quarter", "Last Quarter".
QString PhaseKindName(astro::PhaseKind kind, bool second) {
    switch (kind) {
    case astro::PhaseKind::NewMoon:
        return TMain::tr("New Moon");
    case astro::PhaseKind::FirstQuarter:
        return TMain::tr("First Quarter");
    case astro::PhaseKind::FullMoon:
        return second ? TMain::tr("Blue Moon") : TMain::tr("Full Moon");
    case astro::PhaseKind::LastQuarter:
        return TMain::tr("Last Quarter");
    }
    return {};
}

// The month's eclipse whose local maximum falls nearest the selected day.
int NearestEclipse(const astro::MonthEclipseList& list, int day) {
    int best = 0;
    for (int i = 1; i < list.Count; ++i) {
        const auto& e = list.Eclipses[static_cast<std::size_t>(i)];
        const auto& b = list.Eclipses[static_cast<std::size_t>(best)];
        if (std::abs(e.LocalMaximum.Day - day) < std::abs(b.LocalMaximum.Day - day)) best = i;
    }
    return best;
}

} // namespace

void TMain::ShowMonthEclipse(int index) {
    if (index < 0 || index >= MonthEclipseRecords.Count) {
        ShownEclipse = 0;
        EclipseRecord = astro::EclipseCircumstances{};
        return;
    }
    ShownEclipse = index;
    EclipseRecord = MonthEclipseRecords.Eclipses[static_cast<std::size_t>(index)];
}

void TMain::DisplayPhaseTimes() {
    const astro::Observer obs = observer();
    PhaseCount = MonthPhasesInZone(SelectedDate, obs, Phases);
    MonthEclipseRecords =
        MonthEclipsesInZone(Phases, PhaseCount, SelectedDate.Year, obs, CurrentZone());
    ShowMonthEclipse(NearestEclipse(MonthEclipseRecords, SelectedDate.Day));
    const bool eclipse = EclipseRecord.Kind != astro::NoEclipse;
    imgEclipse->setVisible(eclipse);
    if (!eclipse && Windows().Eclipse && Windows().Eclipse->isVisible()) Windows().Eclipse->hide();

    for (int slot = 0; slot < 5; ++slot) {
        const bool shown =
            slot < 3 || (slot == 3 && PhaseCount >= 4) || (slot == 4 && PhaseCount == 5);
        imgPhase[slot]->setVisible(shown);
        lblPhase[slot]->setVisible(shown);
        if (!shown || slot >= PhaseCount) continue; // hidden slots keep their old texts
        const astro::PhaseEvent& event = Phases[slot];
        SetLabelText(lblPhase[slot], Q(event.Text));
        const QString phaseName = PhaseKindName(event.Kind, slot == 4);
        imgPhase[slot]->setAccessibleName(phaseName);
        lblPhase[slot]->setAccessibleName(phaseName + QStringLiteral(" ") +
                                          Q(event.Text).simplified());
        const QPixmap* picture = &imgNewMoon;
        switch (event.Kind) {
        case astro::PhaseKind::NewMoon:
            picture = &imgNewMoon;
            break;
        case astro::PhaseKind::LastQuarter:
            picture = &imgFirstQuarter; // lit on the left
            break;
        case astro::PhaseKind::FullMoon:
            picture = slot == 4 ? &imgBlueMoon : &imgFullMoon;
            break;
        case astro::PhaseKind::FirstQuarter:
            picture = &imgLastQuarter; // lit on the right
            break;
        }
        imgPhase[slot]->setPixmap(*picture);
    }
}

void TMain::SelectLocalTime(const astro::DateTimeRec& local) {
    if (local.Year < 1 || local.Year > 9999 || local.Hour > 23 || local.Minute > 59 ||
        !astro::DateExists(local.Day, local.Month, local.Year))
        return;
    SelectedDate.Day = local.Day;
    SelectedDate.Month = local.Month;
    SelectedDate.Year = local.Year;
    ClockOffset =
        (local.Hour * 60 + local.Minute - SelectedDate.Hour * 60 - SelectedDate.Minute) / 1440.0;
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    ShowSelectedMonth();
}

void TMain::InvertPhaseIcons() {
    QTransform halfTurn;
    halfTurn.rotate(180);
    for (QPixmap* icon :
         {&imgFullMoon, &imgNewMoon, &imgFirstQuarter, &imgLastQuarter, &imgBlueMoon}) {
        const qreal ratio = icon->devicePixelRatio();
        *icon = icon->transformed(halfTurn);
        icon->setDevicePixelRatio(ratio);
    }
    PhaseIconsInverted = !PhaseIconsInverted;
    DisplayPhaseTimes();
}

void TMain::lblLibrationClick() {
    MoonParamsMode = !MoonParamsMode;
    {
        QPainter canvas(&Canvas);
        canvas.drawPixmap(315, 280, imgMoonParamsOrig);
    }
    RefreshArea(QRect(QPoint(315, 280), imgMoonParamsOrig.deviceIndependentSize().toSize()));
    SetMoonTableTitles();
}

void TMain::SetMoonTableTitles() {
    QLabel* titles[4] = {lblLunarAz, lblLunarAlt, lblLunarPA, lblLunarPhA};
    static const char* const position[4] = {QT_TR_NOOP("Az.:"), QT_TR_NOOP("Alt.:"),
                                            QT_TR_NOOP("P.A.:"), QT_TR_NOOP("Ph.A:")};
    static const char* const libration[4] = {QT_TR_NOOP("Co:"), QT_TR_NOOP("lo:"),
                                             QT_TR_NOOP("bo:"), QT_TR_NOOP("PAA:")};
    static const char* const hints[4] = {QT_TR_NOOP("Selenographic CoLongitude of the Sun"),
                                         QT_TR_NOOP("Moon's topocentric libration in longitude"),
                                         QT_TR_NOOP("Moon's topocentric libration in latitude"),
                                         QT_TR_NOOP("Position angle of Moon's axis of rotation")};
    for (int i = 0; i < 4; ++i) {
        SetLabelText(titles[i], tr(MoonParamsMode ? position[i] : libration[i]));
        FitToRoom(titles[i], RoomOfTitle(284));
        titles[i]->setToolTip(MoonParamsMode ? QString() : tr(hints[i]));
    }
}
