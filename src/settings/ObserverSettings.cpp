// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ObserverSettings.h"

#include "settings/Zone.h"

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
