// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share: the observer, the zone, the selected date and the clock offset. The
// main window owns the one instance; the other windows read and set it through SharedState()
// and learn of changes from its signals, never from the main window itself.
#pragma once

#include "astro/fEclipse.h"
#include "astro/fGlobals.h"

#include <QDateTime>
#include <QObject>
#include <QString>

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
    // The shown month's eclipses and the one the eclipse window shows (Kind 0: none).
    astro::MonthEclipseList MonthEclipses;
    astro::EclipseCircumstances Eclipse;
    int ShownEclipse = 0; // index of Eclipse in MonthEclipses

    // Minutes local ahead of UT at the shown local time: a named zone's offset in force then,
    // else the fixed zone and daylight-saving minutes.
    int ZoneOffset() const;
    astro::Observer observer() const { return {ObserverLatitude, ObserverLongitude, ZoneOffset()}; }
    // UT instant of the shown local time, with the clock offset.
    astro::JulianDay EngineInstant() const {
        return astro::EngineInstant(SelectedDate, ZoneOffset(), ClockOffset);
    }

    // Now on the chosen zone's clock: a named zone's local time, or UT plus the fixed zone
    // and daylight-saving minutes. The only place that reads the system clock.
    QDateTime LocalNow() const;
    QDate Today() const { return LocalNow().date(); }
    // The system clock's UT instant (Julian Day), without the clock offset: for the stamps of
    // written files.
    static astro::JulianDay UtNow();

    // Takes the observer's latitude and longitude from the settings record (no signal).
    void ReadPlace(const TObserverSettings& s);
    // Takes the observer and the zone from the settings record (no signal).
    void ReadObserver(const TObserverSettings& s);
    // As ReadObserver, then tells the windows: the settings were changed by the user.
    void ApplySettings(const TObserverSettings& s);

  signals:
    // The observer, the zone or the settings shown with them changed; the main window has
    // shown its month again when the others hear it.
    void settingsApplied();
    // The selected month (or the selected date within it) changed.
    void monthChanged();
    // Another day of the shown month was selected.
    void dayChanged();
    // A window asks the calendar to select a local date and time (to the minute): a phase's or
    // an eclipse's maximum.
    void localTimeRequested(const astro::DateTimeRec& local);
    // A window asks the main window to show the month's eclipse `index`.
    void eclipseRequested(int index);
};

// The main window's state; null while there is no main window.
TAppState* SharedState();
// Registers the owner's instance (null to clear).
void SetSharedState(TAppState* state);
// Now on the shared state's zone clock; with no main window, on the current zone's clock.
QDateTime SharedNow();
