// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window says to a screen reader: the painted values of the data panel, the
// Moon drawing and the clock strip as text items, and each calendar day by its full date.
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fMain.h"

#include <QLabel>
#include <QLocale>

#include <cmath>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s).trimmed();
}

// "13h 05m 12s".
QString SpokenHours(double hours) {
    const astro::DmsRec v = astro::HoursToDms(hours);
    return TMain::tr("%1h %2m %3s").arg(Q(v.Whole), Q(v.Minutes), Q(v.Seconds));
}

// "–12° 34′ 56″".
QString SpokenDegrees(double degrees) {
    const astro::DmsRec v = astro::DecimalToDms(degrees);
    return QStringLiteral("%1%2\u00B0 %3\u2032 %4\u2033")
        .arg(Q(v.Sign), Q(v.Whole), Q(v.Minutes), Q(v.Seconds));
}

// "12 days 3 hours 15 minutes".
QString SpokenAge(double days) {
    const int d = static_cast<int>(std::trunc(days));
    const double hours = (days - d) * 24;
    const int h = static_cast<int>(std::trunc(hours));
    const int m = static_cast<int>(std::trunc((hours - h) * 60));
    return TMain::tr("%1 days %2 hours %3 minutes").arg(d).arg(h).arg(m);
}

// A panel label and its value: "Moonrise 05:10".
QString TitledValue(const QString& title, const QString& value) {
    QString t = title.trimmed();
    if (t.endsWith(QLatin1Char(':'))) t.chop(1);
    return value.trimmed().isEmpty() ? t : t + QLatin1Char(' ') + value.trimmed();
}

void Name(QWidget* w, const QString& name) {
    if (w && w->accessibleName() != name) w->setAccessibleName(name);
}

} // namespace

QList<TSpokenItem> TMain::SpokenItems() const {
    QList<TSpokenItem> items;
    auto add = [&](const QString& name, QRect rect) { items.append({name, rect}); };
    add(ClockText.trimmed(), QRect(20, 40, 382, 24));
    add(LstText.trimmed(), QRect(420, 40, 200, 24));
    const astro::MoonRec& moon = LastPosition.Moon;
    const QString lit = QString::number(moon.IlluminatedPercent) + QLatin1Char('%');
    add(tr("Moon drawing: %1, %2 lit").arg(PhaseName.trimmed(), lit), QRect(26, 80, 156, 156));
    add(tr("Visible ") + lit, QRect(188, 80, 230, 14));
    add(tr("Age ") + SpokenAge(astro::MoonAgeDays(EngineInstant(), Lunation)),
        QRect(188, 94, 230, 14));
    add(tr("Distance %1 km").arg(static_cast<long long>(std::trunc(moon.DistanceKm))),
        QRect(188, 110, 230, 14));
    add(tr("Right ascension ") + SpokenHours(moon.Topocentric.RightAscension / 15.0),
        QRect(188, 134, 230, 14));
    add(tr("Declination ") + SpokenDegrees(moon.Topocentric.Declination), QRect(188, 148, 230, 14));
    add(tr("Parallax ") + SpokenDegrees(moon.Parallax), QRect(188, 162, 230, 14));
    add(tr("Diameter ") + SpokenDegrees(2 * moon.SemiDiameter), QRect(188, 176, 230, 14));
    add(tr("Apogee %1, %2").arg(Q(Apsides.ApogeeTimeText), Q(Apsides.ApogeeDistanceText)),
        QRect(188, 204, 230, 14));
    add(tr("Perigee %1, %2").arg(Q(Apsides.PerigeeTimeText), Q(Apsides.PerigeeDistanceText)),
        QRect(188, 218, 230, 14));

    const std::pair<const char*, double> position[4] = {
        {QT_TR_NOOP("Moon's azimuth"), moon.Azimuth},
        {QT_TR_NOOP("Moon's altitude"), moon.Altitude},
        {QT_TR_NOOP("Position angle of the bright limb"), moon.BrightLimbAngle},
        {QT_TR_NOOP("Phase angle"), moon.PhaseAngle}};
    const std::pair<const char*, double> libration[4] = {
        {QT_TR_NOOP("Sun's selenographic colongitude"), moon.Colongitude},
        {QT_TR_NOOP("Libration in longitude"), moon.LibrationLongitude},
        {QT_TR_NOOP("Libration in latitude"), moon.LibrationLatitude},
        {QT_TR_NOOP("Position angle of the Moon's axis"), moon.AxisPositionAngle}};
    for (int row = 0; row < 4; ++row) {
        const auto& [title, value] = MoonParamsMode ? position[row] : libration[row];
        add(tr(title) + QLatin1Char(' ') + SpokenDegrees(value),
            QRect(284, 284 + 16 * row, 110, 16));
    }
    const astro::SunRec& sun = LastPosition.Sun;
    add(tr("Sun's azimuth ") + SpokenDegrees(sun.Azimuth), QRect(284, 390, 110, 16));
    add(tr("Sun's altitude ") + SpokenDegrees(sun.Altitude), QRect(284, 406, 110, 16));
    add(tr("Sun's right ascension ") + SpokenHours(sun.Equatorial.RightAscension / 15.0),
        QRect(284, 422, 110, 16));
    add(tr("Sun's declination ") + SpokenDegrees(sun.Equatorial.Declination),
        QRect(284, 438, 110, 16));
    return items;
}

// The rise, set and twilight values read with their titles ("Moonrise 05:10"), and each
// day of the calendar by its date, the selected one and today said so.
void TMain::NameSpokenControls() {
    const std::pair<QLabel*, QLabel*> moon[3] = {{lblMoonTitle1, lblMoonValue1},
                                                 {lblMoonTitle2, lblMoonValue2},
                                                 {lblMoontitle3, lblMoonValue3}};
    for (const auto& [title, value] : moon)
        Name(value, TitledValue(title->text(), value->text()));
    const std::pair<const char*, QLabel*> sun[9] = {
        {QT_TR_NOOP("Sunrise"), lblSunRise},
        {QT_TR_NOOP("Sun's transit"), lblSunTransit},
        {QT_TR_NOOP("Sunset"), lblSunSet},
        {QT_TR_NOOP("Civil twilight starts"), lblCivilStart},
        {QT_TR_NOOP("Civil twilight ends"), lblCivilEnd},
        {QT_TR_NOOP("Nautical twilight starts"), lblNauticalStart},
        {QT_TR_NOOP("Nautical twilight ends"), lblNauticalEnd},
        {QT_TR_NOOP("Astronomical twilight starts"), lblAstroStart},
        {QT_TR_NOOP("Astronomical twilight ends"), lblAstroEnd}};
    for (const auto& [title, value] : sun)
        Name(value, TitledValue(tr(title), value->text()));

    const QLocale locale;

    const QDate today = State.Today();
    for (TDateLabel* label : DateLabels) {
        const int day = label->dayNumber();
        QString name;
        if (day > 0) {
            const int weekday = astro::Weekday(day, SelectedDate.Month, SelectedDate.Year);
            name =
                tr("%1 %2 %3 %4")
                    .arg(locale.dayName(weekday == 0 ? 7 : weekday), QString::number(day),
                         locale.monthName(SelectedDate.Month), QString::number(SelectedDate.Year));
            if (day == SelectedDate.Day) name += tr(", selected");
            if (today == QDate(SelectedDate.Year, SelectedDate.Month, day)) name += tr(", today");
        }
        Name(label, name);
    }
}
