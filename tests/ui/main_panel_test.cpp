// SPDX-License-Identifier: GPL-3.0-or-later
// The data panel: drawn values against the engine's, the Moon drawing and its orientation, the
// small tables, the phase slots with the blue moon and the eclipse button.
#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"
#include "main_window_fixture.h"
#include "ui/main/fMoonDrawing.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/Zone.h"

#include <QPainter>

#include <cmath>

namespace {

using PanelTest = MainWindowTest;

const QRgb Lit = qRgb(255, 255, 255);
const QRgb Dark = qRgb(30, 30, 30);

QImage Shaded(int q, double p) {
    QPixmap picture(156, 156);
    picture.fill(Qt::white);
    ShadeMoonPicture(picture, q, p);
    return picture.toImage();
}

// Row 78 runs through the middle of the disc; the limb arcs lie at x 3 and 152.
TEST(MoonDrawing, HalfMoonShadesOneHalfAndTheCentreLine) {
    const QImage waxing = Shaded(50, 25);
    EXPECT_EQ(waxing.pixel(20, 78), Dark);
    EXPECT_EQ(waxing.pixel(77, 40), Dark);
    EXPECT_EQ(waxing.pixel(79, 78), Lit);
    EXPECT_EQ(waxing.pixel(140, 78), Lit);
    const QImage waning = Shaded(50, 75);
    EXPECT_EQ(waning.pixel(20, 78), Lit);
    EXPECT_EQ(waning.pixel(76, 78), Lit);
    EXPECT_EQ(waning.pixel(78, 40), Dark);
    EXPECT_EQ(waning.pixel(140, 78), Dark);
}

TEST(MoonDrawing, NewMoonIsDarkAllOverAndFullMoonHasOnlyItsLimbArc) {
    // No photo pixel shows through anywhere inside the limb, before or after full.
    for (double p : {1.0, 99.0}) {
        const QImage dark = Shaded(0, p);
        for (int y = 5; y < 153; ++y)
            for (int x = 5; x < 152; ++x)
                if (std::hypot(x + 0.5 - 78, (y + 0.5 - 78.5) * 150.0 / 151.0) < 73) {
                    ASSERT_EQ(dark.pixel(x, y), Dark) << x << "," << y << " at " << p;
                }
    }
    // Waning, the dark right limb keeps no rim of the photograph (x 153 is inside its disc).
    for (int q : {0, 30, 99}) {
        const QImage waning = Shaded(q, 99);
        for (int y = 72; y < 86; ++y)
            ASSERT_EQ(waning.pixel(153, y), Dark) << "row " << y << " at " << q << "%";
    }
    const QImage full = Shaded(100, 49);
    EXPECT_EQ(full.pixel(3, 78), Dark); // the arc e = 75 on the left before full
    for (int x : {10, 40, 78, 116, 146, 152})
        EXPECT_EQ(full.pixel(x, 78), Lit) << x;
    const QImage fullAfter = Shaded(100, 51);
    EXPECT_EQ(fullAfter.pixel(3, 78), Lit);
    EXPECT_EQ(fullAfter.pixel(152, 78), Dark); // the box's right edge is left out
}

TEST(MoonDrawing, CrescentReachesOverTheCentreToItsTerminator) {
    // q = 25: b = 75 - 112 = -37, the terminator 37 pixels right of the centre while waxing.
    const QImage waxing = Shaded(25, 10);
    EXPECT_EQ(waxing.pixel(100, 78), Dark);
    EXPECT_EQ(waxing.pixel(78 + 37 - 2, 78), Dark);
    EXPECT_EQ(waxing.pixel(78 + 37 + 3, 78), Lit);
    const QImage waning = Shaded(25, 90);
    EXPECT_EQ(waning.pixel(56, 78), Dark);
    EXPECT_EQ(waning.pixel(78 - 37 - 4, 78), Lit);
}

QImage MoonOnSurface(const TMain* main) {
    return main->surface().toImage().copy(26, 80, 156, 156).convertToFormat(QImage::Format_RGB32);
}

TEST_F(PanelTest, OpticsButtonTurnsTheMoonWithoutRecomputing) {
    SelectDate(2024, 3, 15); // a waxing crescent, lit on the right
    main->Timer1Timer();
    const QImage picture = main->moonPicture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(MoonOnSurface(main), picture);
    main->imgOpticsClick();
    EXPECT_EQ(main->OpticsView, 1);
    EXPECT_EQ(MoonOnSurface(main), picture.mirrored(true, true));
    main->imgOpticsClick();
    EXPECT_EQ(MoonOnSurface(main), picture);

    ObserverSettings.LatDir = QStringLiteral("South");
    main->Timer1Timer();
    EXPECT_EQ(MoonOnSurface(main), picture.mirrored(true, true));
}

// Draws `text` as the panel does and compares the cell with the window's surface.
void ExpectDrawn(const TMain* main, int x, int y, const QString& text) {
    QPixmap expected(200, 30);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.setFont(mainstyle::ArialPoints(9));
    painter.setPen(mainstyle::Aqua);
    mainstyle::TextOut(painter, 0, 0, text, true);
    const QRect cell(0, 0, mainstyle::TextWidth(painter, text), painter.fontMetrics().height());
    painter.end();
    const QImage drawn = main->surface().toImage().copy(cell.translated(x, y));
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32),
              expected.toImage().copy(cell).convertToFormat(QImage::Format_RGB32))
        << "text " << text.toStdString() << " at " << x << ", " << y;
}

QString S(const std::string& s) {
    return QString::fromStdString(s);
}

TEST_F(PanelTest, DrawnValuesAreTheEnginesForTheShownInstant) {
    SelectDate(2024, 3, 15);
    main->Timer1Timer();
    const astro::MoonAndSun ms = astro::MoonPosition(main->EngineInstant(), main->observer());
    const astro::MoonRec& moon = ms.Moon;
    ExpectDrawn(main, 249, 80, QString::number(moon.IlluminatedPercent) + "%     ");
    ExpectDrawn(main, 249, 110, ShownKilometres(static_cast<long long>(moon.DistanceKm)) + "  ");
    const astro::DmsRec ra = astro::DecimalToDms(moon.Topocentric.RightAscension / 15);
    ExpectDrawn(main, 249, 134, S(ra.Whole) + "h");
    ExpectDrawn(main, 273, 134, S(ra.Minutes) + "m");
    ExpectDrawn(main, 301, 134, S(ra.Seconds) + "s");
    const astro::DmsRec dec = astro::DecimalToDms(moon.Topocentric.Declination);
    ExpectDrawn(main, 249, 148, S(dec.Whole));
    ExpectDrawn(main, 273, 148, S(dec.Minutes) + " '");
    ExpectDrawn(main, 301, 148, S(dec.Seconds) + " \"");
    const astro::DmsRec parallax = astro::DecimalToDms(moon.Parallax);
    ExpectDrawn(main, 273, 162, S(parallax.Minutes) + " '");
    const astro::DmsRec diameter = astro::DecimalToDms(2 * moon.SemiDiameter);
    ExpectDrawn(main, 273, 176, S(diameter.Minutes) + " '");
    ExpectDrawn(main, 301, 176, S(diameter.Seconds) + " \"");

    // The age in days, hours and minutes.
    const double age = astro::MoonAgeDays(main->EngineInstant(), main->Lunation);
    ASSERT_GT(age, 0);
    ExpectDrawn(main, 249, 94, S(astro::TwoDigits(static_cast<int>(age))) + "d");

    ExpectDrawn(main, 249, 204, S(main->Apsides.ApogeeTimeText));
    ExpectDrawn(main, 332, 218, ShownDistanceText(S(main->Apsides.PerigeeDistanceText)));
}

TEST_F(PanelTest, RiseAndSetRowsAreTheEnginesInCharacterOrder) {
    SelectDate(2024, 3, 15);
    const astro::RiseSetTimes moon = astro::MoonRiseSet(main->SelectedDate, main->observer());
    const QStringList values{main->lblMoonValue1->text(), main->lblMoonValue2->text(),
                             main->lblMoonValue3->text()};
    QStringList sorted = values;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(values, sorted);
    QLabel* titles[3] = {main->lblMoonTitle1, main->lblMoonTitle2, main->lblMoontitle3};
    for (int i = 0; i < 3; ++i) {
        const std::string v = values[i].toStdString();
        const QString title = titles[i]->text();
        if (title == "Transit:")
            EXPECT_EQ(v, moon.Transit);
        else if (title == "Moonrise:")
            EXPECT_EQ(v, moon.Rise);
        else
            EXPECT_EQ(v, moon.Set) << title.toStdString();
    }
    const astro::RiseSetTimes astro18 = astro::SunRiseSet(
        main->SelectedDate, astro::AstronomicalTwilightAltitude, main->observer());
    EXPECT_EQ(main->lblAstroStart->text().toStdString(), astro18.Rise);
    EXPECT_EQ(main->lblAstroEnd->text().toStdString(), astro18.Set);
}

TEST_F(PanelTest, LibrationButtonSwitchesTheTitlesAndTheirHints) {
    EXPECT_EQ(main->lblLunarAz->text(), "Az.:");
    EXPECT_TRUE(main->lblLunarAz->toolTip().isEmpty());
    main->lblLibrationClick();
    EXPECT_EQ(main->lblLunarAz->text(), "Co:");
    EXPECT_EQ(main->lblLunarPhA->text(), "PAA:");
    EXPECT_EQ(main->lblLunarAz->toolTip(), "Selenographic CoLongitude of the Sun");
    main->lblLibrationClick();
    EXPECT_EQ(main->lblLunarPA->text(), "P.A.:");
    EXPECT_TRUE(main->lblLunarPA->toolTip().isEmpty());
}

QImage Picture(const QString& name) {
    return QImage(":/" + name).convertToFormat(QImage::Format_RGB32);
}

QImage IconOf(const TClickLabel* icon) {
    return icon->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// August 2023: full moon, last quarter, new moon, first quarter, full moon on the 31st.
TEST_F(PanelTest, SecondFullMoonIsABlueMoon) {
    SetClock(2023, 8, 31, 12, 0, 0);
    main->Timer1Timer();
    SelectDate(2023, 8, 31);
    main->Timer1Timer();
    ASSERT_EQ(main->PhaseCount, 5);
    EXPECT_TRUE(main->imgPhase[4]->isVisibleTo(main));
    EXPECT_EQ(IconOf(main->imgPhase[4]), Picture("phase_blue.png"));
    EXPECT_EQ(IconOf(main->imgPhase[0]), Picture("phase_full.png"));
    EXPECT_EQ(IconOf(main->imgPhase[1]), Picture("phase_last_quarter.png")); // lit on the left
    EXPECT_EQ(IconOf(main->imgPhase[2]), Picture("phase_new.png"));
    EXPECT_EQ(IconOf(main->imgPhase[3]), Picture("phase_first_quarter.png")); // lit on the right
    EXPECT_TRUE(main->ClockText.endsWith(" - Full (Blue) Moon")) << main->ClockText.toStdString();

    // The same full moon keeps its name the evening before.
    SetClock(2023, 8, 30, 16, 0, 0);
    SelectDate(2023, 8, 30);
    main->Timer1Timer();
    EXPECT_TRUE(main->ClockText.endsWith(" - Full (Blue) Moon")) << main->ClockText.toStdString();
    SetClock(2023, 8, 1, 22, 0, 0);
    SelectDate(2023, 8, 1);
    main->Timer1Timer();
    EXPECT_TRUE(main->ClockText.endsWith(" - Full (Sturgeon) Moon"))
        << main->ClockText.toStdString();
}

TEST_F(PanelTest, MonthOfFourPhasesHidesTheFifthSlot) {
    SelectDate(2026, 2, 10);
    ASSERT_EQ(main->PhaseCount, 4);
    EXPECT_TRUE(main->imgPhase[3]->isVisibleTo(main));
    EXPECT_FALSE(main->imgPhase[4]->isVisibleTo(main));
    EXPECT_FALSE(main->lblPhase[4]->isVisibleTo(main));
    EXPECT_EQ(main->lblPhase[0]->text().toStdString(), main->Phases[0].Text);
}

// The clock line names the phase that was clicked in the month's list.
TEST_F(PanelTest, ClickingAQuarterNamesIt) {
    SetClock(2026, 12, 1, 12, 0, 0);
    main->Timer1Timer();
    SelectDate(2026, 12, 1);
    main->Timer1Timer();
    for (int slot = 0; slot < main->PhaseCount; ++slot) {
        if (main->Phases[slot].Kind != astro::PhaseKind::FirstQuarter) continue;
        Click(main->lblPhase[slot]);
        main->Timer1Timer();
        EXPECT_TRUE(main->ClockText.endsWith(" - First Quarter")) << main->ClockText.toStdString();
        return;
    }
    FAIL() << "no first quarter in December 2026";
}

TEST_F(PanelTest, ClickingAPhaseJumpsToItsMinute) {
    SetClock(2024, 3, 15, 21, 30, 42);
    SelectDate(2024, 3, 15);
    main->Timer1Timer();
    const QString text = main->lblPhase[1]->text();
    Click(main->lblPhase[1]);
    EXPECT_EQ(main->SelectedDate.Day, text.mid(7, 2).toInt());
    const astro::DateTimeRec shown = main->ShownDate();
    EXPECT_EQ(shown.Hour, text.mid(0, 2).toInt());
    EXPECT_EQ(shown.Minute, text.mid(3, 2).toInt());
    EXPECT_EQ(shown.Second, 42); // the clock's seconds stay
}

// The total eclipse of 21 January 2000.
TEST_F(PanelTest, EclipseButtonFollowsTheMonthsEclipse) {
    SelectDate(2000, 1, 10);
    EXPECT_EQ(main->EclipseRecord.Kind, astro::TotalEclipse);
    EXPECT_TRUE(main->imgEclipse->isVisibleTo(main));
    SelectDate(2000, 3, 10);
    EXPECT_EQ(main->EclipseRecord.Kind, astro::NoEclipse);
    EXPECT_FALSE(main->imgEclipse->isVisibleTo(main));
}

TEST_F(PanelTest, PhaseIconsTurnForTheSouthAndBack) {
    SelectDate(2024, 3, 15);
    const QImage before = IconOf(main->imgPhase[0]);
    main->InvertPhaseIcons();
    EXPECT_EQ(IconOf(main->imgPhase[0]), before.mirrored(true, true));
    main->InvertPhaseIcons();
    EXPECT_EQ(IconOf(main->imgPhase[0]), before);
}

} // namespace

namespace {

// The zone's abbreviation follows the shown instant, not the day the window opened.
TEST_F(PanelTest, NamedZoneIsNamedWithTheAbbreviationOfTheShownDay) {
    EXPECT_TRUE(main->lblZone->text().isEmpty());
    SetCurrentZone(*TZone::Named("Europe/London"));
    SelectDate(2024, 7, 15);
    main->Timer1Timer();
    EXPECT_EQ(main->lblZone->text().toStdString(), "Europe/London, BST");
    SelectDate(2024, 12, 15);
    main->Timer1Timer();
    EXPECT_EQ(main->lblZone->text().toStdString(), "Europe/London, GMT");
    SetCurrentZone(TZone::Fixed(0));
    main->Timer1Timer();
    EXPECT_TRUE(main->lblZone->text().isEmpty());

    // With a place, its name and the abbreviation (the zone in the hint); a long name is
    // shortened, never the abbreviation, and the line keeps within the Sun and Moon box.
    const QString saved = ObserverSettings.Location;
    ObserverSettings.Location = QStringLiteral("Boston, United States of America");
    main->Timer1Timer();
    EXPECT_EQ(main->lblZone->text(), ObserverSettings.Location);
    SetCurrentZone(*TZone::Named("America/New_York"));
    main->Timer1Timer();
    EXPECT_EQ(main->lblZone->text(), QStringLiteral("Boston, United States of America (EST)"));
    EXPECT_EQ(main->lblZone->toolTip(),
              QStringLiteral("Boston, United States of America \u00B7 America/New_York, EST"));
    ObserverSettings.Location = QString(60, QLatin1Char('W'));
    main->Timer1Timer();
    EXPECT_TRUE(main->lblZone->text().endsWith(QStringLiteral(" (EST)")));
    EXPECT_LE(main->lblZone->geometry().right(), 270);
    ObserverSettings.Location = saved;
    SetCurrentZone(TZone::Fixed(0));
}

} // namespace

// 78 N in December 2026: the Moon stays down all day around the new moon and up all day around
// the full moon, the Sun down all day throughout. The panel shows these apart, as the times list
// does ("Up" / "Down"), never "None".
TEST_F(PanelTest, UpAllDayAndDownAllDayShownApart) {
    ObserverSettings.LatDeg = QStringLiteral("78");
    ObserverSettings.LatMin = QStringLiteral("00");
    ObserverSettings.LongDeg = QStringLiteral("015");
    ObserverSettings.LongMin = QStringLiteral("36");
    ObserverSettings.LongDir = QStringLiteral("East");
    main->ZoneMinutes = 60;
    main->RefreshLatAndLong();
    int up = 0, down = 0;
    for (int day = 1; day <= 31; ++day) {
        SelectDate(2026, 12, day);
        const astro::RiseSetTimes moon = astro::MoonRiseSet(main->SelectedDate, main->observer());
        const QStringList values{main->lblMoonValue1->text(), main->lblMoonValue2->text(),
                                 main->lblMoonValue3->text()};
        EXPECT_FALSE(values.contains(QStringLiteral("None"))) << day;
        if (moon.RiseState == astro::EventState::AlwaysUp) {
            EXPECT_EQ(values.count(QStringLiteral("Up")), 2) << day;
            ++up;
        } else if (moon.RiseState == astro::EventState::AlwaysDown) {
            EXPECT_EQ(values.count(QStringLiteral("Down")), 2) << day;
            ++down;
        }
        // Polar night: the Sun and civil twilight down all day, both ends.
        EXPECT_EQ(main->lblSunRise->text(), QStringLiteral("Down")) << day;
        EXPECT_EQ(main->lblSunSet->text(), QStringLiteral("Down")) << day;
        EXPECT_EQ(main->lblCivilStart->text(), QStringLiteral("Down")) << day;
    }
    EXPECT_GE(up, 5);
    EXPECT_GE(down, 5);
    SelectDate(2026, 12, 23);
    EXPECT_EQ(main->lblMoonValue2->text(), QStringLiteral("Up"));
    SelectDate(2026, 12, 9);
    EXPECT_EQ(main->lblMoonValue3->text(), QStringLiteral("Down"));
}
