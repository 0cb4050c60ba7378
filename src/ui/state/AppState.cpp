#include "ui/state/AppState.h"

#include "settings/ObserverSettings.h"

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
