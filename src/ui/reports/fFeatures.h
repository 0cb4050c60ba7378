// SPDX-License-Identifier: GPL-3.0-or-later
// Sun rise and set over the lunar features of the database, from the month the main calendar
// shows.
#pragma once

#include "astro/fGlobals.h"
#include "data/FeatureFile.h"
#include "ui/frame/TFrame.h"

#include <QPixmap>

#include <atomic>
#include <limits>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPainter;
class QProgressBar;
class QScrollBar;
class QThread;
class QTimer;

class TGoodNights;
class TZone;
class TFeatures : public TFrame {
    Q_OBJECT
  public:
    explicit TFeatures(QWidget* parent = nullptr);
    ~TFeatures() override;

    // The list order: names as a reader looks them up, the next sunrise from the shown
    // instant (what comes to the morning terminator tonight first), or for the limb features
    // only, how far this month's libration turns them toward us (best first).
    enum class Order { Name, NextSunrise, Libration };

    // Reloads the database, shows the window and starts computing every feature's sunrises and
    // sunsets dated in the month the main window shows (and the next ones from the shown
    // instant) on a worker thread; the times appear when it ends.
    void DisplaySunRiseSetTimes();
    // The same for a given selected date and observer (the main window's when there is one).
    void DisplaySunRiseSetTimes(const astro::DateTimeRec& selectedDate,
                                const astro::Observer& observer);
    // Blocks until a computation under way has ended and its times are in the table.
    void WaitForTimes();
    bool Computing() const { return worker_ != nullptr; }
    void SetOrder(Order order);
    Order ListOrder() const { return order_; }
    // Grid rows in the order the list shows them.
    const std::vector<int>& ShownOrder() const { return shown_; }
    // The list as comma-separated values: a heading line, then one line per shown row.
    QString CsvText() const;
    // Prints the list, framed as every printout; false when nothing was printed.
    bool PrintList();
    // Asks for a file and writes CsvText to it; false when cancelled or not written (told).
    bool ExportCsv();
    // Draws the visible rows into the list picture and repaints.
    void DisplayDataBitmap();
    // The list's visible rows painted on `painter` at the list's size.
    void PaintList(QPainter& painter) const;

    // The Sun column: the Sun's altitude over each feature at the UT instant (the main window's
    // instant, followed while the list is visible).
    void UpdateSunNow(astro::JulianDay ut);
    // Degrees, NaN for a row without numeric coordinates; grid rows.
    double SunNow(int row) const;
    bool SunNowMorning(int row) const;
    // Only the features with the Sun between the two limits (degrees) over them.
    void SetNearTerminator(bool on);
    bool NearTerminator() const { return nearTerminator_; }
    void SetTerminatorBand(double minDeg, double maxDeg);
    // This month's best libration toward a limb feature (beyond 80 degrees of longitude or
    // latitude), degrees; NaN for the other rows.
    double LibrationToward(int row) const;
    // Minutes a shown sunrise (column 3 or 5) or sunset (4 or 6) may be off because the Sun
    // grazes the horizon there; 0 when not known.
    double TimeUncertainty(int column, int row) const;
    // The rows in view as text for a screen reader.
    QList<TSpokenItem> SpokenItems() const override;
    // A time column's text as the list shows it (without seconds, grazing times marked); a
    // month's second sunrise or sunset as a trailing "+", or in full with `withSecond`.
    QString TimeCellText(int column, int row, bool withSecond = false) const;
    // The month's second sunrise (column 3) or sunset (4) of a grid row, else empty.
    QString SecondInMonth(int column, int row) const;
    // The grid row of the selected (clicked or found) feature, -1 when none is.
    int SelectedRow() const;
    void SelectShown(int shownPosition);
    // Opens the good nights of the selected feature; false when none is selected.
    bool OpenGoodNights();
    TGoodNights* GoodNightsWindow() const { return goodNights_; }

    // Times uncertain by more than this many minutes are marked as approximate.
    static constexpr double GrazingMinutes = 5;

    // Rows of 16 pixels the list shows at once.
    static constexpr int VisibleRows = 25;
    // The list as tab-separated text, a heading line first (what Ctrl+C copies).
    QString TableAsText() const;
    // Texts of the time columns for a feature the search could not time, or whose stored
    // coordinates are not numbers.
    static QString NoSunriseText();
    static QString NoSunsetText();
    static QString OutOfRangeText(); // a date before the year 1 or after 9999
    static QString InvalidCoordinatesText();

    TClickLabel* lblDatabase = nullptr;
    QLabel* Label1 = nullptr; // "Sunrise"
    QLabel* Label2 = nullptr; // "Feature Name"
    QLabel* Label3 = nullptr; // "Sunset"
    QScrollBar* ScrollBar1 = nullptr;
    QPixmap imgData; // off-screen picture of the list
    // name, longitude, latitude, the month's first sunrise and sunset, next sunrise and
    // the sunset after it from the shown instant; blank last row.
    TStringGrid StringGrid1{7};
    QLineEdit* txtFind = nullptr;     // part of a name: the list jumps to it
    QLabel* lblComputedFor = nullptr; // month and observer of the times
    TClickLabel* lblOrder = nullptr;  // switches the order
    TClickLabel* lblPrint = nullptr;
    TClickLabel* lblExport = nullptr;           // CSV file
    QProgressBar* Progress = nullptr;           // shown while the times are computed
    TClickLabel* lblSunNow = nullptr;           // heading of the Sun column; switches the filter
    QDoubleSpinBox* txtTerminatorMin = nullptr; // the filter's limits, degrees
    QDoubleSpinBox* txtTerminatorMax = nullptr;
    QLabel* lblNotFound = nullptr; // "not found" under the search box
    TClickLabel* lblGoodNights = nullptr;

  public slots:
    void lblDatabaseClick();

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QSize ListSize() const { return imgData.deviceIndependentSize().toSize(); }
    struct RowTimes {
        QString Sunrise, Sunset, NextSunrise, NextSunset;
        QString Sunrise2, Sunset2;    // a second sunrise or sunset within the month, else empty
        double NextSunriseJulian = 0; // local; +infinity when there is none
        // UT instants of the four times (NaN when none) and their uncertainty in minutes
        double Ut[4] = {0, 0, 0, 0};
        double Uncertainty[4] = {0, 0, 0, 0};
        double Ut2[2] = {std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::quiet_NaN()}; // second sunrise, sunset (UT)
    };
    void FormCreate();
    void FormActivate();
    static RowTimes ComputeRow(const FeatureTexts& feature, const astro::DateTimeRec& monthOf,
                               bool withNext, astro::JulianDay shownInstant,
                               const astro::Observer& observer, const TZone& zone);
    void StartComputing(const astro::DateTimeRec& selectedDate, const astro::Observer& observer);
    void CancelComputing();
    void ComputingEnded();
    void ShowProgress();
    void RefreshOrder();
    void txtFindChange();
    void ConnectToMain();
    void FollowInstant();
    void ComputeLibrations(const astro::DateTimeRec& month);
    int ShownAt(QPoint pos) const;
    QString SunColumnText(int row) const;
    void ShowComputedFor(const QString& text);
    void LayOutBottomBand();
    QString ComputedForText(const astro::DateTimeRec& date, const astro::Observer& observer) const;
    void PlaceScrollBar();
    void DrawFallbackFrame(QPainter& painter);
    bool placed_ = false;
    bool connectedToMain_ = false;
    Order order_ = Order::Name;
    std::vector<int> shown_;          // shown position -> grid row
    std::vector<double> nextSunrise_; // grid row -> local Julian Day of its next sunrise
    std::vector<RowTimes> times_;     // grid row -> its times as computed
    std::vector<double> sunNow_;      // grid row -> Sun's altitude over it now, degrees
    std::vector<char> morning_;       // grid row -> the Sun climbs there
    std::vector<double> libration_;   // grid row -> this month's best libration toward it
    double sunNowInstant_ = 0;        // UT of sunNow_
    bool nearTerminator_ = false;
    QTimer* instantTimer_ = nullptr;
    TGoodNights* goodNights_ = nullptr;
    int wheelDelta_ = 0;
    int found_ = -1; // shown position of the name the search found, outlined
    // The computation on the worker thread: its input, its rows done, its result.
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::vector<FeatureTexts> input_;
    std::vector<RowTimes> result_;
    std::atomic<int> rowsDone_{0};
    std::atomic<bool> cancel_{false};
    int computation_ = 0;   // number of the computation under way
    bool withNext_ = false; // the computation under way finds the next sunrises too
    astro::DateTimeRec lastDate_;
    astro::Observer lastObserver_;
    int month_ = 0;
    int year_ = 0;
};
