// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/state/AppState.h"

#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "settings/Zone.h"

namespace {
TAppState* shared = nullptr;

double Radians(const QString& deg, const QString& min, const QString& sec, bool negative) {
    const double degrees = deg.toInt() + min.toInt() / 60.0 + sec.toInt() / 3600.0;
    const double r = astro::DegToRad(degrees);
    return negative ? -r : r;
}
} // namespace

void TAppState::ReadPlace(const TObserverSettings& s) {
    ObserverLongitude =
        Radians(s.LongDeg, s.LongMin, s.LongSec, s.LongDir == QLatin1String("East"));
    ObserverLatitude = Radians(s.LatDeg, s.LatMin, s.LatSec, s.LatDir == QLatin1String("South"));
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

QDateTime TAppState::LocalNow() const {
    const QDateTime now = platform::Now();
    const TZone& zone = CurrentZone();
    if (!zone.IsNamed() || zone.Id() == QTimeZone::systemTimeZoneId()) return now;
    const QDateTime there = now.toTimeZone(zone.TimeZone());
    return QDateTime(there.date(), there.time());
}

void TAppState::ApplySettings(const TObserverSettings& s) {
    ReadObserver(s);
    emit settingsApplied();
}

TAppState* SharedState() {
    return shared;
}

void SetSharedState(TAppState* state) {
    shared = state;
}
