// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/state/AppState.h"

#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/LocalDateTime.h"
#include "zone/Zone.h"

namespace {
TAppState* shared = nullptr;
} // namespace

void TAppState::ReadPlace(const TObserverSettings& s) {
    const astro::Observer o = ObserverOfSettings(s);
    ObserverLongitude = o.Longitude;
    ObserverLatitude = o.Latitude;
}

void TAppState::ReadObserver(const TObserverSettings& s) {
    ReadPlace(s);
    ZoneMinutes = ::ZoneMinutes(s);
    DaylightMinutes = DaylightSavingMinutes(s);
    SetCurrentZone(ZoneOfSettings(s));
}

int TAppState::ZoneOffset() const {
    const TZone& zone = CurrentZone();
    if (!zone.IsNamed()) return ZoneMinutes + DaylightMinutes;
    const double localJd = static_cast<double>(astro::DateToJulian(SelectedDate)) + ClockOffset;
    return zone.OffsetAtLocalJd(localJd);
}

namespace {
// The one reading of the system clock.
QDateTime SystemNow() {
    return platform::Now();
}
} // namespace

astro::JulianDay TAppState::UtNow() {
    return static_cast<double>(SystemNow().toSecsSinceEpoch()) / 86400.0 + 2440587.5;
}

QDateTime TAppState::LocalNow() const {
    const QDateTime now = SystemNow();
    const TZone& zone = CurrentZone();
    const QDateTime there = zone.IsNamed()
                                ? now.toTimeZone(zone.TimeZone())
                                : now.toUTC().addSecs(60LL * (ZoneMinutes + DaylightMinutes));
    return QDateTime(there.date(), there.time());
}

void TAppState::ApplySettings(const TObserverSettings& s) {
    // A clock that showed now keeps showing now, on the new zone's clock.
    const QDate today = Today();
    const bool showsNow =
        ClockOffset == 0 && QDate(SelectedDate.Year, SelectedDate.Month, SelectedDate.Day) == today;
    ReadObserver(s);
    if (showsNow) {
        const QDateTime now = LocalNow();
        SetDateAndTime(SelectedDate, now);
        SelectedDate.Millisecond = static_cast<std::uint16_t>(now.time().msec());
        SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    }
    emit settingsApplied();
}

TAppState* SharedState() {
    return shared;
}

void SetSharedState(TAppState* state) {
    shared = state;
}

QDateTime SharedNow() {
    if (shared) return shared->LocalNow();
    TAppState state;
    state.ZoneMinutes = CurrentZone().OffsetAt(0);
    return state.LocalNow();
}
