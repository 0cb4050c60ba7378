// SPDX-License-Identifier: GPL-3.0-or-later
// Named zones: offsets of odd zones, the repeated hour, skipped days, phases at a month's edge,
// a damaged zone name and the first start's place.
#include "settings/ObserverSettings.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

astro::DateTimeRec Local(int y, int mo, int d, int h = 0, int mi = 0) {
    astro::DateTimeRec r;
    r.Year = static_cast<std::uint16_t>(y);
    r.Month = static_cast<std::uint16_t>(mo);
    r.Day = static_cast<std::uint16_t>(d);
    r.Hour = static_cast<std::uint16_t>(h);
    r.Minute = static_cast<std::uint16_t>(mi);
    return r;
}

TZone Named(const char* id) {
    const auto zone = TZone::Named(id);
    EXPECT_TRUE(zone) << id;
    return zone ? *zone : TZone::Fixed(0);
}

TEST(Zone, OffsetsOfWholeMinuteAndHalfHourDaylightZones) {
    const struct {
        const char* id;
        astro::DateTimeRec at;
        int minutes;
    } cases[] = {
        {"Asia/Kathmandu", Local(2026, 6, 1, 12), 345},
        {"Pacific/Kiritimati", Local(2026, 6, 1, 12), 840},
        {"Pacific/Chatham", Local(2026, 7, 1, 12), 765},
        {"Australia/Lord_Howe", Local(2026, 7, 1, 12), 630},
        {"Australia/Lord_Howe", Local(2026, 1, 15, 12), 660},
        // Local 01:30 on the day the clocks go forward does not exist: the offset before the
        // change; in the repeated hour of October the first of its two offsets.
        {"Europe/London", Local(2026, 3, 29, 1, 30), 0},
        {"Europe/London", Local(2026, 3, 29, 3, 0), 60},
        {"Europe/London", Local(2026, 10, 25, 1, 30), 60},
        {"Europe/London", Local(2026, 10, 25, 3, 0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Named(c.id).OffsetAtLocal(c.at), c.minutes) << c.id << " " << c.at.Month;
    EXPECT_EQ(Named("Europe/London").Description(astro::DateToJulian(Local(2026, 5, 1))),
              QStringLiteral("Europe/London, GMT/BST"));
    EXPECT_FALSE(TZone::Named("Mars/Olympus_Mons"));
}

// The panel, times list, printout and CLI on change days: ui_zone_seam_test.
TEST(Zone, RepeatedHourNamesItsZoneAndSkippedDaysAreKnown) {
    const TZone london = Named("Europe/London");
    const auto ut = [](int mo, int d, int h, int mi) {
        return astro::DateToJulian(Local(2026, mo, d, h, mi));
    };
    // 25 October 2026: 01:00-02:00 comes twice (BST, then GMT); 29 March: 01:00-02:00 is skipped.
    EXPECT_EQ(LocalClockText(ut(10, 25, 0, 30), london), "01:30 BST");
    EXPECT_EQ(LocalClockText(ut(10, 25, 1, 30), london), "01:30 GMT");
    EXPECT_EQ(LocalClockText(ut(10, 25, 2, 30), london), "02:30");
    EXPECT_EQ(LocalClockText(ut(10, 24, 23, 30), london), "00:30");
    EXPECT_EQ(LocalClockText(ut(3, 29, 0, 59), london), "00:59");
    EXPECT_EQ(LocalClockText(ut(3, 29, 1, 0), london), "02:00");
    EXPECT_EQ(LocalIsoText(ut(10, 25, 0, 30), london), "2026-10-25T01:30:00+01:00");
    EXPECT_EQ(LocalIsoText(ut(10, 25, 1, 30), london), "2026-10-25T01:30:00+00:00");
    EXPECT_EQ(LocalDateTimeText(ut(10, 25, 1, 30), london), "01:30 GMT  25 October 2026");

    // The 25 hours of the autumn day, searched in both offsets: each event once, in its own
    // offset, the day's last hour (23:30 GMT, outside the search in BST) included.
    SetCurrentZone(london);
    const auto search = [&](const astro::Observer& o) {
        astro::RiseSetTimes t;
        const double shift = o.ZoneOffsetMinutes == 60 ? 0 : 20.0 / 86400; // searches differ
        t.Instants.Rise = ut(10, 25, 0, 30) + shift;
        t.Instants.Set = ut(10, 25, 1, 30) + shift;
        t.Instants.Transit = ut(10, 25, 12, 0) + shift;
        if (o.ZoneOffsetMinutes == 0) t.Instants.Rise2 = ut(10, 25, 23, 30);
        return t;
    };
    const astro::RiseSetTimes day = RiseSetOnDay(Local(2026, 10, 25), astro::Observer{}, search);
    EXPECT_EQ(day.Rise, "01:30 BST");
    EXPECT_EQ(day.Set, "01:30 GMT");
    EXPECT_EQ(day.Transit, "12:00");
    EXPECT_EQ(day.Rise2, "23:30");
    EXPECT_EQ(day.Set2, "");
    EXPECT_EQ(day.RiseState, astro::EventState::Time);
    SetCurrentZone(TZone::Fixed(0));

    // Samoa went from 29 to 31 December 2011.
    EXPECT_TRUE(Named("Pacific/Apia").SkipsDay(Local(2011, 12, 30)));
    EXPECT_FALSE(Named("Pacific/Apia").SkipsDay(Local(2011, 12, 29)));
    EXPECT_FALSE(Named("Pacific/Apia").SkipsDay(Local(2011, 12, 31)));
    EXPECT_FALSE(Named("Europe/London").SkipsDay(Local(2026, 3, 29)));
}

// A phase belongs to the month of its local time in the offset in force at it, also at a
// month's edge in a month whose clocks change.
TEST(Zone, PhasesAtTheMonthsEdgeInOneMonthOnly) {
    SetCurrentZone(Named("Europe/London"));
    auto phasesOf = [](int year, int month) {
        astro::MonthPhaseList events;
        const int n = MonthPhasesInZone(Local(year, month, 1), astro::Observer{}, events);
        std::vector<double> ks;
        for (int i = 0; i < n; ++i)
            ks.push_back(events[static_cast<std::size_t>(i)].K);
        return ks;
    };
    auto count = [](const std::vector<double>& ks, double k) {
        return std::count(ks.begin(), ks.end(), k);
    };
    // The last quarter of 31 March 2035, 23:06 UT, is 00:06 BST on 1 April.
    EXPECT_EQ(count(phasesOf(2035, 3), 435.75) + count(phasesOf(2035, 4), 435.75), 1);
    EXPECT_EQ(count(phasesOf(2035, 4), 435.75), 1);
    // That of 31 October 2075, 23:26 GMT, is in October.
    EXPECT_EQ(count(phasesOf(2075, 10), 937.75), 1);
    EXPECT_EQ(count(phasesOf(2075, 11), 937.75), 0);

    // Month after month every quarter comes once: none lost or doubled at an edge, also across
    // the day Samoa skipped (30 December 2011).
    for (const char* zone : {"Europe/London", "Pacific/Apia"}) {
        SCOPED_TRACE(zone);
        SetCurrentZone(Named(zone));
        std::vector<double> all;
        for (int month = 0; month < 36; ++month) {
            const std::vector<double> ks = phasesOf(2010 + month / 12, month % 12 + 1);
            all.insert(all.end(), ks.begin(), ks.end());
        }
        ASSERT_GT(all.size(), 100u);
        for (std::size_t i = 1; i < all.size(); ++i)
            EXPECT_DOUBLE_EQ(all[i] - all[i - 1], 0.25) << all[i];
    }
    SetCurrentZone(TZone::Fixed(0));
}

class ZoneSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("Cresselle.ini"));
        settingsstore::SetLocationForTests(path_);
        oldTz_ = qgetenv("TZ");
    }
    void TearDown() override {
        settingsstore::SetLocationForTests(QString());
        qputenv("TZ", oldTz_);
        settingsstore::TakeNotice();
    }
    QTemporaryDir dir_;
    QString path_;
    QByteArray oldTz_;
};

TEST_F(ZoneSettingsTest, FirstStartTakesTheSystemZoneAndItsCity) {
    qputenv("TZ", "Asia/Kathmandu");
    TObserverSettings s;
    settingsstore::Load(s);
    EXPECT_EQ(s.ZoneName, QStringLiteral("Automatic"));
    EXPECT_EQ(ZoneOfSettings(s).Id(), QByteArray("Asia/Kathmandu"));
    EXPECT_EQ(s.LatDeg + s.LatMin + s.LatDir, QStringLiteral("2743North"));
    EXPECT_EQ(s.LongDeg + s.LongMin + s.LongDir, QStringLiteral("08519East"));
    EXPECT_TRUE(s.Location.startsWith(QStringLiteral("Kathmandu"))) << s.Location.toStdString();
}

TEST_F(ZoneSettingsTest, UnknownZoneNameFallsBackToTheFixedOffsetWithANote) {
    {
        TObserverSettings first;
        settingsstore::Load(first);
        first.ZoneName = QStringLiteral("Europe/Atlantis");
        first.TimeZoneIndex = 26; // +1:00
        ASSERT_TRUE(settingsstore::SaveConfiguration(first));
        settingsstore::TakeNotice();
    }
    TObserverSettings s;
    settingsstore::Load(s);
    EXPECT_TRUE(s.ZoneName.isEmpty());
    EXPECT_FALSE(ZoneOfSettings(s).IsNamed());
    EXPECT_EQ(ZoneOfSettings(s).OffsetAt(2461000.5), 60);
    EXPECT_TRUE(settingsstore::TakeNotice().contains(QStringLiteral("Europe/Atlantis")));
}

} // namespace
