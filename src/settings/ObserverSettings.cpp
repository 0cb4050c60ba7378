#include "settings/ObserverSettings.h"

TObserverSettings ObserverSettings;

int ZoneMinutes(const TObserverSettings& s) {
    return static_cast<int>(s.TimeZoneIndex - 24) * 30;
}

int DaylightSavingMinutes(const TObserverSettings& s) {
    return s.DaylightSavings ? 60 : 0;
}
