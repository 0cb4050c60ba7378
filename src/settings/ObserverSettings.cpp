// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ObserverSettings.h"

#include "zone/Zone.h"

TObserverSettings ObserverSettings;

int ZoneMinutes(const TObserverSettings& s) {
    return static_cast<int>(s.TimeZoneIndex - 24) * 30;
}

int DaylightSavingMinutes(const TObserverSettings& s) {
    return s.DaylightSavings ? 60 : 0;
}

TZone ZoneOfSettings(const TObserverSettings& s) {
    if (s.ZoneName == QLatin1String(AutomaticZone)) return TZone::System();
    if (auto named = TZone::Named(s.ZoneName.toLatin1())) return *named;
    return TZone::Fixed(ZoneMinutes(s) + DaylightSavingMinutes(s));
}

namespace {
double Radians(const QString& deg, const QString& min, const QString& sec, bool negative) {
    const double degrees = deg.toInt() + min.toInt() / 60.0 + sec.toInt() / 3600.0;
    const double r = astro::DegToRad(degrees);
    return negative ? -r : r;
}
} // namespace

astro::Observer ObserverOfSettings(const TObserverSettings& s) {
    astro::Observer o;
    o.Longitude = Radians(s.LongDeg, s.LongMin, s.LongSec, s.LongDir == QLatin1String("East"));
    o.Latitude = Radians(s.LatDeg, s.LatMin, s.LatSec, s.LatDir == QLatin1String("South"));
    o.ZoneOffsetMinutes = ZoneMinutes(s) + DaylightSavingMinutes(s);
    return o;
}
