// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar eclipses of a range of years, searched month by month and listed twelve rows at a
// time; a double-click brings an entry's date into the main window and shows its eclipse.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// One eclipse found by the search.
struct EclipseEntry {
    std::uint8_t Kind = 0;           // 1 penumbral, 2 partial, 3 total
    QString Text;                    // "HH:MM  DD Month YYYY" (maximum, local), at most 27
    QString Visibility;              // at most 18 characters
    astro::DateTimeRec LocalMaximum; // local date and time of maximum
};

struct EclipseSearchResult {
    std::vector<EclipseEntry> Entries;
    bool FullMoonFarFromNode = false; // some full moon of the range could not be eclipsed
    bool Stopped = false;             // cut short by the caller: the list is incomplete
};

// Every month of the years fromYear .. toYear (1 .. 9999, from <= to), one eclipse at most per
// month. `betweenYears` is called after each year with the year searched; when it returns false
// the search stops there (Stopped is then set). Each eclipse is in the offset of the named zone
// `zoneId` in force at its maximum; with no zone, in `observer`'s offset.
EclipseSearchResult SearchEclipses(int fromYear, int toYear, const astro::Observer& observer,
                                   const std::function<bool(int year)>& betweenYears = {},
                                   const QByteArray& zoneId = {});

class TEclipseReport : public TFrame {
    Q_OBJECT
  public:
    explicit TEclipseReport(QWidget* parent = nullptr);
    ~TEclipseReport() override;

    static constexpr int VisibleRows = 12;
    static constexpr int RowHeight = 16;
    static constexpr int ListLeft = 20;
    static constexpr int ListWidth = 335;

    QLabel* Label1 = nullptr; // "From:"
    QLabel* Label2 = nullptr; // "To:"
    QLineEdit* txtFromYear = nullptr;
    QLineEdit* txtToYear = nullptr;
    TClickLabel* lblCalculate = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* lblSelectedDate = nullptr; // invisible
    QLabel* lblSearchNote = nullptr;   // "Search cancelled: ..." after a cancelled search

    const std::vector<EclipseEntry>& entries() const { return entries_; }
    bool searched() const { return searched_; }
    const QPixmap& dataPicture() const { return imgData; }
    // The list as tab-separated text, a heading line first (what Ctrl+C copies).
    QString TableAsText() const;
    // The rows in view as text for a screen reader ("Total Eclipse, 04:44  21 January 2000,
    // Visible").
    QList<TSpokenItem> SpokenItems() const override;

    QProgressBar* SearchProgress = nullptr; // shown while a search runs
    QPushButton* btnCancel = nullptr;       // stops the search; the list stays as it was

    // Reads the years and starts the search; ignored while a search runs.
    void lblCalculateClick();
    // Starts searching the years on a worker thread; the window stays responsive, shows the
    // year reached and offers Cancel. The list is shown when the search ends.
    void CalculateEclipses(int fromYear, int toYear);
    bool searching() const { return worker_ != nullptr; }
    // Stops a running search and waits for its thread; the list stays as it was.
    void CancelSearch();
    // Shows a given list as a search would have left it.
    void SetEntries(std::vector<EclipseEntry> entries);
    void SetupDataBitmap();
    void DisplayDataBitmap();
    // Selects the entry under the last mouse-down position (window coordinates).
    void FormDblClick();

  protected:
    void FormShow() override;
    // Enter starts the search.
    bool FormEnter() override {
        lblCalculateClick();
        return true;
    }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int wheelRest_ = 0; // wheel steps smaller than a notch

  private:
    void FormActivate();
    bool ReadYear(QLineEdit* box, int& year);
    void PlaceSideBySide();
    void ShowProgress();
    void SearchEnded();

    std::vector<EclipseEntry> entries_;
    bool searched_ = false;
    // The running search: its thread, what it found, how far it got and whether to stop.
    QThread* worker_ = nullptr;
    EclipseSearchResult found_;
    std::atomic<int> yearReached_{0};
    int searchFrom_ = 0;
    std::atomic<bool> cancel_{false};
    QTimer* progressTimer_ = nullptr;
    int searchNumber_ = 0;
    QPoint lastMouseDown_;
    QPixmap imgData; // 335 x 192: up to twelve rows of 16 pixels
};
