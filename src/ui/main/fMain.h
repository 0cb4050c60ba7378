// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: month calendar, clock strip, lunar data panel and toolbar.
// fMain.cpp: creation, toolbar, activation and keys; fMainCalendar.cpp: the month grid and
// the year entry; fMainClock.cpp: the clock and the time editor; fMainPanel.cpp: the data
// panel; fMoonDrawing.cpp: the Moon's phase drawing; fMainPictures.cpp: the skin pictures.
#pragma once

#include "astro/fEclipse.h"
#include "astro/fGlobals.h"
#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "ui/frame/TFrame.h"
#include "ui/state/AppState.h"

#include <QDate>
#include <QList>
#include <QPixmap>

#include <array>

class QLabel;
class QLineEdit;
class QPainter;
class QTimer;
class TDayLabel;
class TDateLabel;

class TMain : public TFrame {
    Q_OBJECT
  public:
    explicit TMain(QWidget* parent = nullptr);

    ~TMain() override;

    // State the other windows read (and, where they jump the calendar, set), under the names
    // the main window's code uses.
    TAppState State;
    astro::DateTimeRec& SelectedDate = State.SelectedDate;
    double& ClockOffset = State.ClockOffset;
    int& ZoneMinutes = State.ZoneMinutes;
    int& DaylightMinutes = State.DaylightMinutes;
    double& ObserverLongitude = State.ObserverLongitude;
    double& ObserverLatitude = State.ObserverLatitude;

    int ZoneOffset() const { return State.ZoneOffset(); }
    astro::Observer observer() const { return State.observer(); }
    // UT instant of the shown local time, with the clock offset.
    astro::JulianDay EngineInstant() const { return State.EngineInstant(); }
    // Local date and time the clock shows (SelectedDate shifted by the clock offset).
    astro::DateTimeRec ShownDate() const;

    // The painted panel as text for a screen reader (fMainSpoken.cpp).
    QList<TSpokenItem> SpokenItems() const override;

    // Recomputes the observer from the settings (radians, west and north positive) and shows
    // the selected month again.
    void RefreshLatAndLong();
    // Lays out the selected month again and recomputes the whole panel.
    void ShowSelectedMonth();
    // Weekday names from first weekday `first` (0 Sunday .. 6 Saturday).
    void SetDayTitles(int first);
    // Month picker: sets the month (1..12), brings the day within it and shows it.
    void SelectMonth(int month);
    // Jumps to the phase minute of a phase text "HH:MM  DD Month YYYY" of the shown month.
    // Shows the local date and time `local` (to the minute) through the clock offset; the
    // seconds of the clock stay.
    void SelectLocalTime(const astro::DateTimeRec& local);
    // Turns the five phase icons by 180 degrees (southern hemisphere); a second call turns
    // them back.
    void InvertPhaseIcons();

    // --- calendar ---
    QList<TDayLabel*> DayLabels;   // 7, lblDay0 .. lblDay6
    QList<TDateLabel*> DateLabels; // 42, row-major, lblDateAA .. lblDateFG
    TClickLabel* lblSelectedmonth = nullptr;
    TClickLabel* lblSelectedYear = nullptr;
    QLabel* lblSelectedMonthShadow = nullptr;
    QLabel* lblSelectedYearShadow = nullptr;
    QLabel* imgCurrDate = nullptr;   // selection marker under the selected day
    QLabel* imgYearButton = nullptr; // entry box behind the year while it is typed
    int FirstWeekday = 0;            // of the shown month, 0 Sunday .. 6 Saturday
    int MonthOffset = 0;             // grid cell of day 1, 0..6
    int MonthDays = 31;              // days in the shown month
    bool yearEntryOpen() const;
    TClickLabel* lblPrevMonth = nullptr; // previous/next month arrows in the heading
    TClickLabel* lblNextMonth = nullptr;
    QLabel* imgToday = nullptr; // frame around today's cell, apart from the selection

    // --- moving through time ---
    // Moves the shown month by `months` (negative: back), keeping the day within the month.
    void StepMonths(int months);
    // Today and now: the system date and time, no clock offset.
    void GoToToday();
    // Closes the year entry and the time editor without taking over what was typed.
    void CancelEntries();
    // Moves the selected day by `days` (across months and years), the time of day kept.
    void StepDays(int days);
    // Steps the shown time by `hours`, the day following when it passes midnight.
    void StepHours(int hours);
    // The "go to date" entry (Ctrl+G): a typed date, year-month-day or day month-name year.
    QLineEdit* txtGoToDate = nullptr;
    void OpenDateEntry();
    // Shows the typed date; false (entry left open, a beep) when it is not a date of 1..9999.
    bool GoToTypedDate(const QString& text);
    // The data panel as text, a "label value" line each (what Ctrl+C copies).
    QString PanelAsText() const;

    // --- clock and time editor ---
    QTimer* Timer1 = nullptr;      // 1000 ms clock tick
    QTimer* CursorTimer = nullptr; // 250 ms blinking cursor
    int EditedField = 0;           // 0 hour, 1 minute, 2 second, 3 year
    TClickLabel* imgTimeButton = nullptr;
    TClickLabel* lblHour = nullptr;
    TClickLabel* lblMinute = nullptr;
    TClickLabel* lblSecond = nullptr;
    QLabel* lblColon1 = nullptr;
    QLabel* lblColon2 = nullptr;
    QLabel* lblCursor = nullptr;
    bool timeEditorOpen() const;
    QString ClockText; // the clock line as last drawn
    QString LstText;   // "LST: HH:MM:SS" as last drawn

    // --- data panel ---
    TClickLabel* lblMoonTitle1 = nullptr;
    TClickLabel* lblMoonTitle2 = nullptr;
    TClickLabel* lblMoontitle3 = nullptr;
    QLabel* lblMoonValue1 = nullptr;
    QLabel* lblMoonValue2 = nullptr;
    QLabel* lblMoonValue3 = nullptr;
    QLabel* lblSunRise = nullptr;
    QLabel* lblSunTransit = nullptr;
    QLabel* lblSunSet = nullptr;
    QLabel* lblCivilStart = nullptr;
    QLabel* lblCivilEnd = nullptr;
    QLabel* lblNauticalStart = nullptr;
    QLabel* lblNauticalEnd = nullptr;
    QLabel* lblAstroStart = nullptr;
    QLabel* lblAstroEnd = nullptr;
    QLabel* lblLunarAz = nullptr;
    QLabel* lblLunarAlt = nullptr;
    QLabel* lblLunarPA = nullptr;
    QLabel* lblLunarPhA = nullptr;
    QLabel* lblZone = nullptr; // "Europe/London, BST" for a named zone, else empty
    TClickLabel* lblLibration = nullptr;
    std::array<TClickLabel*, 5> imgPhase{}; // imgPhase1 .. imgPhase5
    std::array<TClickLabel*, 5> lblPhase{}; // lblPhase1 .. lblPhase5

    astro::LunationRec Lunation;  // new moons around the shown instant (UT)
    astro::ApsisTexts Apsides;    // next perigee and apogee
    astro::MonthPhaseList Phases; // principal phases of the shown month
    int PhaseCount = 0;
    astro::EclipseCircumstances& EclipseRecord = State.Eclipse;         // the shown month's eclipse
    astro::MonthEclipseList& MonthEclipseRecords = State.MonthEclipses; // every one of the month
    int& ShownEclipse = State.ShownEclipse; // index of EclipseRecord in MonthEclipseRecords
    // Makes the month's eclipse `index` the one the eclipse window shows.
    void ShowMonthEclipse(int index);
    // Accessible names of the rise and set values and of the calendar's days.
    void NameSpokenControls();
    astro::MoonAndSun LastPosition; // the Moon and the Sun as last shown
    QString PhaseName;              // as last shown on the clock line
    int OpticsView = 0;             // 0 binoculars, 1 telescope
    bool MoonParamsMode = true;     // true: position, false: librations
    bool PhaseIconsInverted = false;

    // --- toolbar ---
    TClickLabel* lblPrint = nullptr;
    TClickLabel* imgOptics = nullptr;
    TClickLabel* lblTimesList = nullptr;
    TClickLabel* lblLinks = nullptr;
    TClickLabel* lblClock = nullptr;
    TClickLabel* lblReports = nullptr;
    TClickLabel* imgEclipse = nullptr;
    TClickLabel* imgAltitudes = nullptr; // tonight's altitude graph (key G)
    TClickLabel* imgNightMode = nullptr; // night mode on and off (key N)
    TClickLabel* Label1 = nullptr;
    TClickLabel* lblConfig = nullptr;
    TClickLabel* lblHelp = nullptr;
    TClickLabel* lblAbout = nullptr;

    // The window's surface as last drawn (background, values, clock strip, Moon, tables).
    const QPixmap& surface() const { return Canvas; }
    // The Moon picture as last drawn, before orientation.
    const QPixmap& moonPicture() const { return imgMoon; }

  public slots:
    // Clock.
    void Timer1Timer();
    void CursorTimerTimer();
    void lblClockClick();
    void lblHourClick();
    void lblMinuteClick();
    void lblSecondClick();
    void imgTimeButtonMouseUp(Qt::MouseButton button, QPoint pos);
    void FormKeyPress(int key);
    // Calendar.
    void DateSelect(TDateLabel* label);
    void DisplayDateInfo(TDateLabel* label, Qt::MouseButton button);
    void lblSelectedYearClick();
    void lblSelectedmonthClick();
    // Takes over a typed year; false (entry left open) when the year is refused.
    bool AcceptYear();
    // Panel.
    void imgOpticsClick();
    void lblLibrationClick();
    // Toolbar.
    void lblPrintClick();
    void lblTimesListClick();
    void lblLinksClick();
    void lblReportsClick();
    void imgEclipseClick();
    void imgAltitudesClick();
    void Label1Click();
    void lblConfigClick();
    void lblHelpClick();
    void lblAboutClick();
    void lblExitClick() override;

  signals:
    // A year was typed or a month picked: open month windows (times list, monthly phases,
    // observing aid) refresh themselves for the new SelectedDate.
    void selectedMonthChanged();

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormActivate();
    // The user changed the settings: weekday order, phase icons' hemisphere, the month again.
    void SettingsApplied();
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Keys (fMainKeys.cpp): arrows, time steps, copy, go to date; true when the key was taken.
    bool CommandKey(const QKeyEvent& event);
    void CreateDateEntry();
    // Creation (fMain.cpp, fMainPictures.cpp).
    void LoadPictures();
    void CreateToolbar();
    void CreateCalendar();
    void CreateClock();
    void CreatePanel();
    void PaintBackgroundTitles();

    // Calendar (fMainCalendar.cpp).
    void LayOutHeading();
    void CreateMonthArrows();
    void PlaceTodayMarker();
    bool NavigationKey(const QKeyEvent& event);
    void RestoreOtherWindows();
    void CloseYearEntry();
    void EditLabel(QLabel* label, int key, int limit);

    // Clock (fMainClock.cpp).
    bool GetTime();
    QDate LastSystemDay; // the system clock's date at the last tick (invalid before the first)
    void RefreshPanel();
    QString DisplayTime() const;
    void DrawClockStrip();
    void ApplyTime();
    void ShowCursor(QLabel* label);
    void DisplayTimeEditor(bool visible);
    void ChooseField(int field, QLabel* label);
    // Tab and Shift+Tab in the time editor: the next or previous field, its text selected.
    void StepField(int step);
    void MarkSelectedField();
    void CancelTimeEditor();
    void WatchClicksOutsideEditor(bool watch);
    QString OffsetText() const;

    // Panel (fMainPanel.cpp).
    void ShowZoneName(astro::JulianDay instant);
    void DrawPositionValues(QPainter& canvas, const astro::MoonRec& moon);
    void DrawSunTable(const astro::SunRec& sun);
    void DrawMoonTable(const astro::MoonRec& moon);
    void DisplayMoonAge(QPainter& canvas, double age);
    void DisplayPerigeeAndApogee(QPainter& canvas);
    QString DisplayMoonPhase(astro::JulianDay instant, int illuminatedPercent);
    void DisplayLunarRiseSetTimes(const astro::DateTimeRec& date);
    void DisplaySolarRiseSetTimes(const astro::DateTimeRec& date);
    void DisplayPhaseTimes();
    void RecomputeDayData();
    void KeepLunationCurrent(astro::JulianDay instant);
    void SetMoonTableTitles();

    // Moon drawing (fMoonDrawing.cpp).
    void DrawMoonGraphic(int illuminatedPercent, double lunationPercent);
    void DrawMoon();

    // Repaints a part of the surface.
    void RefreshArea(const QRect& area);

    QPixmap imgBgnd;         // 640 x 480 background with the painted toolbar
    QPixmap Canvas;          // the window surface
    QPixmap imgClockBgnd;    // 640 x 24, never shown itself
    QPixmap imgClockBuf;     // the clock strip being drawn
    QPixmap imgMoonOriginal; // 156 x 156 photograph of the full Moon
    QPixmap imgMoon;         // working copy with the shading
    QPixmap imgNewMoon, imgFirstQuarter, imgFullMoon, imgLastQuarter, imgBlueMoon;
    QPixmap imgBinoculars, imgTelescope;
    QPixmap imgMoonParamsOrig, imgSunParamsOrig, imgMoonParams, imgSunParams;
    QPixmap imgTimeButtonPicture;

    int wheelRest_ = 0;          // wheel steps smaller than one notch, carried over
    int typedFields_ = 0;        // time editor fields typed since it opened, bit 0 hour .. 2 second
    bool fieldSelected_ = false; // the edited field's text is selected: a digit replaces it
    int drawnIlluminated_ = -1;  // the shading in imgMoon: illuminated percent and side
    bool drawnWaxing_ = false;
};
