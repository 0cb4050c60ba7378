// SPDX-License-Identifier: GPL-3.0-or-later
// The seventeen windows, created once at start-up in a fixed order and reachable by every
// other window. Windows are shown and hidden, never re-created.
#pragma once

class TMain;
class TTimesList;
class TConfiguration;
class TWebMenu;
class TMonthList;
class TEclipse;
class TAbout;
class TPrintOptions;
class TDateInfo;
class TEquinox;
class TEclipseReport;
class TReportMenu;
class TMonthlyPhases;
class TObservingAid;
class TEaster;
class TFeatures;
class TFeaturesDB;
class TAltitudeGraph;
class QWidget;

struct AppWindows {
    TMain* Main = nullptr;
    TTimesList* TimesList = nullptr;
    TConfiguration* Configuration = nullptr;
    TWebMenu* WebMenu = nullptr;
    TMonthList* MonthList = nullptr;
    TEclipse* Eclipse = nullptr;
    TAbout* About = nullptr;
    TPrintOptions* PrintOptions = nullptr;
    TDateInfo* DateInfo = nullptr;
    TEquinox* Equinox = nullptr;
    TEclipseReport* EclipseReport = nullptr;
    TReportMenu* ReportMenu = nullptr;
    TMonthlyPhases* MonthlyPhases = nullptr;
    TObservingAid* ObservingAid = nullptr;
    TEaster* Easter = nullptr;
    TFeatures* Features = nullptr;
    TFeaturesDB* FeaturesDB = nullptr;
    TAltitudeGraph* AltitudeGraph = nullptr; // made after the seventeen
};

// The global instances (null until CreateWindows has run).
AppWindows& Windows();

// The main window as a widget (null until CreateWindows has run), for placing windows by it.
QWidget* MainWidget();
// The left edge of the main window's toolbar control `name` ("imgEclipse"), else `fallback`.
int MainControlLeft(const char* name, int fallback);

// Creates the seventeen windows in start-up order, the main window first. Each window is
// created hidden; the caller shows the main window.
void CreateWindows();
// Deletes them in reverse order (end of the program, and between tests).
void DestroyWindows();
// The windows as created, in creation order (for tests and for minimising the application).
QWidget* const* CreatedWindowsInOrder(int& count);
