// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestObservers.h"
#include "astro/fAltitudeCurve.h"
#include "astro/fEclipse.h"
#include "astro/fMoonPlace.h"
#include "astro/fRiseSet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

// Longitudes east positive, as atlases give them.
constexpr auto place = astrotest::AtEast;

PhaseEvent fullMoon(double k) {
    PhaseEvent p;
    p.K = k;
    p.Kind = PhaseKind::FullMoon;
    return p;
}

DateTimeRec monthOf(int year, int month) {
    DateTimeRec d;
    d.Year = static_cast<std::uint16_t>(year);
    d.Month = static_cast<std::uint16_t>(month);
    return d;
}

} // namespace

TEST(Eclipse, TotalEclipseOfJanuary2000) {
    const EclipseElements e = EclipseGeometry(0.5, 2000);
    ASSERT_TRUE(e.NearNode);
    EXPECT_NEAR(e.Gamma, -0.2961, 5e-5);
    EXPECT_NEAR(e.U, -0.0049, 5e-5);
    // Magnitudes and instants from the Moon's and the Sun's places against the shadow.
    EXPECT_NEAR(e.UmbralMagnitude, 1.33, 0.01);
    EXPECT_NEAR(e.PenumbralMagnitude, 2.31, 0.01);
    EXPECT_NEAR(e.LeastDistance, 0.300, 0.002);
    EXPECT_EQ(e.Kind, TotalEclipse);
    EXPECT_NEAR(e.MaximumUT, 2451564.6968, 3e-4);                   // 04:43:24 UT
    EXPECT_NEAR((e.MaximumJde - e.MaximumUT) * 86400, 63.84, 0.01); // Delta T of 21 January 2000
    // Contacts in time order, totality 77 minutes.
    for (std::size_t c = 1; c < EclipseContactCount; ++c)
        EXPECT_LT(e.ContactUT[c - 1], e.ContactUT[c]) << c;
    EXPECT_NEAR((e.ContactUT[TotalityEndsContact] - e.ContactUT[TotalityBeginsContact]) * 1440, 77,
                1.5);
    // Each contact is where the Moon's limb meets the shadow's edge.
    for (std::size_t c = 0; c < EclipseContactCount; ++c) {
        const ShadowState s = ShadowAt(e.ContactUT[c]);
        const double limb =
            c == TotalityBeginsContact || c == TotalityEndsContact
                ? s.Umbra - s.MoonRadius
                : (c == FirstPenumbralContact || c == LastPenumbralContact ? s.Penumbra : s.Umbra) +
                      s.MoonRadius;
        EXPECT_NEAR(s.Distance, limb, 1.0 / 3600) << c;
    }

    // Seen from London: the Moon is up from the evening before until after 08:00.
    EclipseCircumstances r;
    ASSERT_TRUE(EclipseCalcs(fullMoon(0.5), 2000, place(51.5, 0, 0), r));
    EXPECT_EQ(r.Kind, TotalEclipse);
    EXPECT_EQ(r.Maximum, "04:44"); // 04:43:56, rounded
    EXPECT_EQ(r.Date, "21 January 2000");
    EXPECT_EQ(r.LocalMaximum.Minute, 44);
    EXPECT_EQ(r.PenumbraEntered, "02:04");
    EXPECT_EQ(r.UmbraEntered, "03:02");
    EXPECT_EQ(r.TotalityBegins, "04:05");
    EXPECT_EQ(r.TotalityEnds, "05:22");
    EXPECT_EQ(r.UmbraLeft, "06:25");
    EXPECT_EQ(r.PenumbraLeft, "07:23");
    EXPECT_EQ(r.WorkText, "07:23:00  21 January 2000");
    EXPECT_EQ(r.Visibility, "Visible");
    EXPECT_EQ(EclipseKindName(r.Kind), "Total Eclipse");

    // New York (zone -5 h): the maximum falls on the evening of the 20th.
    EclipseCircumstances ny;
    ASSERT_TRUE(EclipseCalcs(fullMoon(0.5), 2000, place(40.71, -74.01, -300), ny));
    EXPECT_EQ(ny.Maximum, "23:44");
    EXPECT_EQ(ny.Date, "20 January 2000");
    EXPECT_EQ(ny.LocalMaximum.Day, 20);
    EXPECT_EQ(ny.PenumbraLeft, "02:23");
    EXPECT_EQ(ny.Visibility, "Visible");
}

TEST(Eclipse, PartialPenumbralAndRejected) {
    const EclipseElements july1999 = EclipseGeometry(-5.5, 1999);
    EXPECT_NEAR(july1999.Gamma, 0.7864, 5e-5);
    EXPECT_NEAR(july1999.UmbralMagnitude, 0.397, 0.002);
    EXPECT_EQ(july1999.Kind, PartialEclipse);
    EclipseCircumstances r;
    ASSERT_TRUE(EclipseCalcs(fullMoon(-5.5), 1999, place(0, 0, 0), r));
    EXPECT_EQ(r.LocalMaximum.Hour, 11);
    EXPECT_EQ(r.LocalMaximum.Minute, 34); // 11:33:48, rounded
    EXPECT_EQ(r.LocalMaximum.Second, 0);
    EXPECT_FALSE(r.UmbraEntered.empty());
    EXPECT_TRUE(r.TotalityBegins.empty());
    EXPECT_EQ(r.WorkText.substr(0, 5), r.PenumbraLeft);

    // Far from the node: kind 0, the window closes, the rest of the record stays as it was.
    for (double k : {-0.5, 5.5, 11.5}) {
        EclipseCircumstances kept = r;
        EXPECT_FALSE(EclipseGeometry(k, 2000).NearNode) << k;
        EXPECT_FALSE(EclipseCalcs(fullMoon(k), 2000, place(0, 0, 0), kept)) << k;
        EXPECT_EQ(kept.Kind, NoEclipse);
        EXPECT_EQ(kept.Maximum, r.Maximum);
        EXPECT_EQ(kept.UmbralMagnitude, r.UmbralMagnitude);
    }

    // The penumbral eclipse of 13 March 1998 fills the maximum and two contacts only.
    const EclipseElements pen = EclipseGeometry(-22.5, 1998);
    EXPECT_LE(pen.UmbralMagnitude, 0);
    EXPECT_GT(pen.PenumbralMagnitude, 0);
    EclipseCircumstances p;
    ASSERT_TRUE(EclipseCalcs(fullMoon(-22.5), 1998, place(0, 0, 0), p));
    EXPECT_EQ(p.Kind, PenumbralEclipse);
    EXPECT_EQ(p.Date, "13 March 1998");
    EXPECT_EQ(p.Maximum.size(), 5u);
    EXPECT_EQ(p.PenumbraEntered.size(), 5u);
    EXPECT_EQ(p.PenumbraLeft.size(), 5u);
    EXPECT_TRUE(p.UmbraEntered.empty());
    EXPECT_TRUE(p.UmbraLeft.empty());
    EXPECT_TRUE(p.TotalityBegins.empty());
    EXPECT_TRUE(p.TotalityEnds.empty());
    EXPECT_EQ(p.WorkText.substr(0, 5), p.PenumbraLeft);
    // The same record taken again for it after the partial eclipse keeps no umbral contact.
    EclipseCircumstances reused = r;
    ASSERT_TRUE(EclipseCalcs(fullMoon(-22.5), 1998, place(0, 0, 0), reused));
    EXPECT_TRUE(reused.UmbraEntered.empty());
    EXPECT_TRUE(reused.UmbraLeft.empty());
    EXPECT_EQ(reused.ContactUT[FirstUmbralContact], 0);
}

// Visibility from the Moon's altitude through the eclipse: up at both contacts and between,
// up for part of it, or below the horizon throughout.
TEST(Eclipse, VisibilityFromTheMoonsAltitude) {
    const EclipseElements e = EclipseGeometry(229.5, 2018); // 27 July 2018, total
    ASSERT_EQ(e.Kind, TotalEclipse);
    const JulianDay p1 = e.ContactUT[FirstPenumbralContact];
    const JulianDay p4 = e.ContactUT[LastPenumbralContact];
    // Lagos: the Moon rises after the first contact; New Delhi: up throughout; Chicago: below.
    const Observer lagos = place(6.45, 3.40, 60), delhi = place(28.61, 77.21, 330),
                   chicago = place(41.88, -87.63, -300);
    EXPECT_FALSE(MoonAboveHorizon(p1, lagos));
    EXPECT_TRUE(MoonAboveHorizon(p4, lagos));
    EXPECT_EQ(CheckEclipseVisibility(p1, p4, lagos), "Partially Visible");
    EXPECT_EQ(CheckEclipseVisibility(p1, p4, delhi), "Visible");
    EXPECT_EQ(CheckEclipseVisibility(p1, p4, chicago), "Not Visible");
    // Up at neither end but between (Lagos, 8 hours to either side): partly seen. Spans that
    // run backwards or over a day are no eclipse's.
    const JulianDay sevenAm = 2458327.5 + 6.0 / 24, nineAmNextDay = sevenAm + 26.0 / 24;
    EXPECT_FALSE(MoonAboveHorizon(p1 - 8.0 / 24, lagos));
    EXPECT_EQ(CheckEclipseVisibility(p1 - 8.0 / 24, p1 + 0.2, lagos), "Partially Visible");
    EXPECT_EQ(CheckEclipseVisibility(p4, p1, lagos), "Not Visible");
    EXPECT_EQ(CheckEclipseVisibility(sevenAm, nineAmNextDay, lagos), "Not Visible");
    EXPECT_EQ(CheckEclipseVisibility(std::nan(""), p4, lagos), "Not Visible");
}

TEST(Eclipse, MonthsAndTwoFullMoons) {
    const Observer utc = place(51.5, 0, 0);
    MonthPhaseList ev;
    int n = MonthPhases(monthOf(2000, 1), utc, ev);
    EXPECT_EQ(CheckForEclipse(ev, n, 2000, utc).Kind, TotalEclipse);
    n = MonthPhases(monthOf(1999, 7), utc, ev);
    EXPECT_EQ(CheckForEclipse(ev, n, 1999, utc).Kind, PartialEclipse);
    n = MonthPhases(monthOf(2000, 2), utc, ev);
    EXPECT_EQ(CheckForEclipse(ev, n, 2000, utc).Kind, NoEclipse);

    // January 2048 has full moons on the 1st (a total eclipse) and the 31st (far from the
    // node); the month keeps the eclipse of the 1st.
    n = MonthPhases(monthOf(2048, 1), utc, ev);
    ASSERT_EQ(n, 5);
    ASSERT_EQ(ev[0].Kind, PhaseKind::FullMoon);
    ASSERT_EQ(ev[4].Kind, PhaseKind::FullMoon);
    EXPECT_FALSE(EclipseGeometry(ev[4].K, 2048).NearNode);
    const EclipseCircumstances jan2048 = CheckForEclipse(ev, n, 2048, utc);
    EXPECT_EQ(jan2048.Kind, TotalEclipse);
    EXPECT_EQ(jan2048.Date, "01 January 2048");
    EXPECT_EQ(MonthEclipses(ev, n, 2048, utc).Count, 1);

    // March 1904 holds two eclipses, on the 2nd and the 31st: both are kept.
    n = MonthPhases(monthOf(1904, 3), utc, ev);
    const MonthEclipseList march1904 = MonthEclipses(ev, n, 1904, utc);
    ASSERT_EQ(march1904.Count, 2);
    EXPECT_EQ(march1904.Eclipses[0].Date, "02 March 1904");
    EXPECT_EQ(march1904.Eclipses[1].Date, "31 March 1904");
}

// The Moon neither rises nor sets on 21 December 2010 at 78.2 N; it stands about 14 degrees high
// during the total eclipse.
TEST(Eclipse, VisibleWhenTheMoonStaysUp) {
    const Observer svalbard = place(78.2, 15.6, 60);
    MonthPhaseList ev;
    const int n = MonthPhases(monthOf(2010, 12), svalbard, ev);
    const MonthEclipseList december = MonthEclipses(ev, n, 2010, svalbard);
    ASSERT_EQ(december.Count, 1);
    const EclipseCircumstances& e = december.Eclipses[0];
    ASSERT_EQ(e.Kind, TotalEclipse);
    ASSERT_EQ(MoonRiseSet(e.LocalMaximum, svalbard).Rise, "None");
    EXPECT_EQ(e.Visibility, "Visible");
    // At 78.2 S the Moon stays down all that day.
    const Observer south = place(-78.2, 15.6, 60);
    const MonthEclipseList below =
        MonthEclipses(ev, MonthPhases(monthOf(2010, 12), south, ev), 2010, south);
    ASSERT_EQ(below.Count, 1);
    EXPECT_EQ(below.Eclipses[0].Visibility, "Not Visible");
}

// Kinds by Danjon's enlargement of the shadow, as the published canon lists them: 2001-2100
// holds 228 eclipses (86 penumbral, 57 partial, 85 total); the short totality of 4 April 2015
// and the grazing penumbral eclipses of 18 July 2027 and 6 June 2096 are among them.
TEST(Eclipse, KindsOfTheCentury) {
    const JulianDay from = DateToJulian(DateTimeRec{1, 1, 2001, 0, 0, 0, 0, 0});
    const JulianDay to = DateToJulian(DateTimeRec{1, 1, 2101, 0, 0, 0, 0, 0});
    int kinds[4] = {};
    for (double k = 10.5; k < 1250; k += 1) {
        const EclipseElements e = EclipseGeometry(k, 2050);
        if (!e.NearNode || e.Kind == NoEclipse || e.MaximumUT < from || e.MaximumUT >= to) continue;
        ++kinds[e.Kind];
        // The contacts a kind has are set, in time order about the maximum; the others are 0.
        const bool has[EclipseContactCount] = {true,
                                               e.Kind >= PartialEclipse,
                                               e.Kind == TotalEclipse,
                                               e.Kind == TotalEclipse,
                                               e.Kind >= PartialEclipse,
                                               true};
        for (std::size_t c = 0; c < EclipseContactCount; ++c)
            EXPECT_EQ(e.ContactUT[c] != 0, has[c]) << k << " " << c;
        EXPECT_LT(e.ContactUT[FirstPenumbralContact], e.MaximumUT) << k;
        EXPECT_GT(e.ContactUT[LastPenumbralContact], e.MaximumUT) << k;
    }
    EXPECT_EQ(kinds[PenumbralEclipse], 86);
    EXPECT_EQ(kinds[PartialEclipse], 57);
    EXPECT_EQ(kinds[TotalEclipse], 85);
    EXPECT_EQ(kinds[1] + kinds[2] + kinds[3], 228);

    const EclipseElements april2015 = EclipseGeometry(188.5, 2015);
    EXPECT_EQ(april2015.Kind, TotalEclipse);
    EXPECT_NEAR(april2015.UmbralMagnitude, 1.001, 0.003);
    EXPECT_NEAR(
        (april2015.ContactUT[TotalityEndsContact] - april2015.ContactUT[TotalityBeginsContact]) *
            1440,
        4.6, 1.0);
    for (double k : {340.5, 1192.5}) {
        const EclipseElements grazing = EclipseGeometry(k, 2050);
        EXPECT_EQ(grazing.Kind, PenumbralEclipse) << k;
        EXPECT_GT(grazing.PenumbralMagnitude, 0) << k;
        EXPECT_LT(grazing.PenumbralMagnitude, 0.01) << k;
        EXPECT_LT(grazing.ContactUT[LastPenumbralContact] -
                      grazing.ContactUT[FirstPenumbralContact],
                  30.0 / 1440)
            << k;
    }
}

namespace {

// Visibility from the Moon's topocentric altitude sampled every three minutes through the
// eclipse and at both penumbral contacts, against the level of moonrise (fAltitudeCurve).
std::string_view SampledVisibility(const EclipseElements& e, const Observer& o) {
    const JulianDay p1 = e.ContactUT[FirstPenumbralContact];
    const JulianDay p4 = e.ContactUT[LastPenumbralContact];
    int up = 0, samples = 0;
    for (JulianDay t = p1;; t += 3.0 / 1440) {
        const JulianDay at = t < p4 ? t : p4;
        const AltitudeSample s = AltitudeAt(at, o);
        const double parallax = MoonApparentPlace(at).Parallax;
        up += s.MoonAltitude > MoonRiseAltitude(parallax) ? 1 : 0;
        ++samples;
        if (at == p4 || samples > 400) break;
    }
    if (up == samples) return "Visible";
    return up > 0 ? "Partially Visible" : "Not Visible";
}

} // namespace

// Eclipses that cross local midnight are judged from their instants: the total eclipses of
// 27 July 2018, 25 June 2029 and 4 May 2004 stood above the horizon at maximum in these cities.
TEST(Eclipse, VisibilityAcrossLocalMidnight) {
    struct Case {
        const char* Name;
        double K;
        double Lat, EastLon;
        int Zone;
    };
    const Case cases[] = {
        {"London", 229.5, 51.51, -0.13, 60},
        {"Paris", 229.5, 48.86, 2.35, 120},
        {"Rome", 229.5, 41.90, 12.50, 120},
        {"Moscow", 229.5, 55.76, 37.62, 180},
        {"Lagos", 229.5, 6.45, 3.40, 60},
        {"Chicago", 364.5, 41.88, -87.63, -300},
        {"Mexico City", 364.5, 19.43, -99.13, -300},
        {"Paris", 53.5, 48.86, 2.35, 120},
    };
    for (const Case& c : cases) {
        const Observer o = place(c.Lat, c.EastLon, c.Zone);
        EclipseCircumstances r;
        ASSERT_TRUE(EclipseCalcs(fullMoon(c.K), 2020, o, r)) << c.Name;
        ASSERT_EQ(r.Kind, TotalEclipse) << c.Name << " " << c.K;
        EXPECT_TRUE(MoonAboveHorizon(r.MaximumUT, o)) << c.Name << " " << c.K;
        EXPECT_EQ(r.Visibility, SampledVisibility(EclipseGeometry(c.K, 2020), o))
            << c.Name << " " << c.K;
        EXPECT_NE(r.Visibility, "Not Visible") << c.Name << " " << c.K;
        // The record's numbers are the instants its texts show.
        EXPECT_EQ(
            r.PenumbraEntered,
            DateTimeText(JulianToDateToMinute(r.ContactUT[FirstPenumbralContact] + c.Zone / 1440.0))
                .substr(0, 5));
    }
}

// Every eclipse of 2000-2030 from a dozen large cities: the shown visibility is the one the
// Moon's altitude through the eclipse gives.
TEST(Eclipse, VisibilitySweepOverLargeCities) {
    struct City {
        double Lat, EastLon;
        int Zone;
    };
    const City cities[] = {{51.51, -0.13, 0},      {40.71, -74.01, -300}, {35.68, 139.69, 540},
                           {-33.87, 151.21, 600},  {19.08, 72.88, 330},   {-23.55, -46.63, -180},
                           {30.04, 31.24, 120},    {55.76, 37.62, 180},   {39.90, 116.40, 480},
                           {34.05, -118.24, -480}, {-1.29, 36.82, 180},   {64.15, -21.94, 0}};
    int eclipses = 0, judged = 0, partly = 0;
    for (double k = -0.5; k < 385; k += 1) {
        const EclipseElements e = EclipseGeometry(k, 2015);
        if (!e.NearNode || e.Kind == NoEclipse) continue;
        ++eclipses;
        for (const City& c : cities) {
            const Observer o = place(c.Lat, c.EastLon, c.Zone);
            EclipseCircumstances r;
            EclipseCalcs(fullMoon(k), 2015, o, r);
            EXPECT_EQ(r.Visibility, SampledVisibility(e, o))
                << "k = " << k << " at " << c.Lat << ", " << c.EastLon;
            partly += r.Visibility == "Partially Visible" ? 1 : 0;
            ++judged;
        }
    }
    EXPECT_GE(eclipses, 70);
    EXPECT_GT(partly, judged / 10);
}
