// The main window: month calendar, clock strip, lunar data panel and toolbar.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

class TMain : public TFrame {
    Q_OBJECT
  public:
    explicit TMain(QWidget* parent = nullptr);

    // State the other windows read (and, where they jump the calendar, set).
    astro::DateTimeRec SelectedDate; // local civil date and time; Julian = its local Julian Day
    double ClockOffset = 0;          // days, set by the time editor and by clicking a phase
    int ZoneMinutes = 0;             // zone offset of local standard time from UT, east positive
    int DaylightMinutes = 0;         // 60 with daylight saving, else 0
    double ObserverLongitude = 0;    // radians, west positive
    double ObserverLatitude = 0;     // radians, north positive

    int ZoneOffset() const { return ZoneMinutes + DaylightMinutes; }
    astro::Observer observer() const { return {ObserverLatitude, ObserverLongitude, ZoneOffset()}; }
    // UT instant of the shown local time, with the clock offset.
    astro::JulianDay EngineInstant() const {
        return astro::EngineInstant(SelectedDate, ZoneOffset(), ClockOffset);
    }

    // Recomputes the observer from the settings (radians, west and north positive).
    void RefreshLatAndLong();
    // Lays out the selected month again and recomputes the whole panel.
    void ShowSelectedMonth();

signals:
    // A year was typed or a month picked: open month windows (times list, monthly phases,
    // observing aid) refresh themselves for the new SelectedDate.
    void selectedMonthChanged();
};
