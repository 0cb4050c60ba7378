// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share: the observer, the zone, the selected date and the clock offset. The
// main window owns the one instance; the other windows read and set it through SharedState().
#pragma once

#include "astro/fGlobals.h"

#include <QDateTime>
#include <QObject>

struct TObserverSettings;

class TAppState : public QObject {
    Q_OBJECT
  public:
    astro::DateTimeRec SelectedDate; // local civil date and time; Julian = its local Julian Day
    double ClockOffset = 0;          // days, set by the time editor and by clicking a phase
    int ZoneMinutes = 0;             // zone offset of local standard time from UT, east positive
    int DaylightMinutes = 0;         // 60 with daylight saving, else 0
    double ObserverLongitude = 0;    // radians, west positive
    double ObserverLatitude = 0;     // radians, north positive

    // Minutes local ahead of UT at the shown local time: a named zone's offset in force then,
    // else the fixed zone and daylight-saving minutes.
    int ZoneOffset() const;
    astro::Observer observer() const { return {ObserverLatitude, ObserverLongitude, ZoneOffset()}; }
    // UT instant of the shown local time, with the clock offset.
    astro::JulianDay EngineInstant() const {
        return astro::EngineInstant(SelectedDate, ZoneOffset(), ClockOffset);
    }

    // The system clock's date and time on the zone's clock (as is with a fixed offset).
    QDateTime LocalNow() const;

    // Takes the observer's latitude and longitude from the settings record (no signal).
    void ReadPlace(const TObserverSettings& s);
    // Takes the observer and the zone from the settings record (no signal).
    void ReadObserver(const TObserverSettings& s);
    // As ReadObserver, then tells the windows: the settings were changed by the user.
    void ApplySettings(const TObserverSettings& s);

  signals:
    // The observer, the zone or the settings shown with them changed.
    void settingsApplied();
};

// The main window's state; null while there is no main window.
TAppState* SharedState();
// Registers the owner's instance (null to clear).
void SetSharedState(TAppState* state);
