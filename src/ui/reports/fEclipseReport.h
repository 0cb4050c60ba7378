// The lunar eclipses of a range of years, searched month by month and listed twelve rows at a
// time; a double-click brings an entry's date into the main window and shows its eclipse.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QString>

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
};

// Every month of the years fromYear .. toYear (1 .. 9999, from <= to), one eclipse at most per
// month. `betweenYears` is called after each year (to keep the window responsive).
EclipseSearchResult SearchEclipses(int fromYear, int toYear, const astro::Observer& observer,
                                   const std::function<void(int year)>& betweenYears = {});

class TEclipseReport : public TFrame {
    Q_OBJECT
  public:
    explicit TEclipseReport(QWidget* parent = nullptr);

    static constexpr int VisibleRows = 12;
    static constexpr int RowHeight = 16;
    static constexpr int ListLeft = 20;

    QLabel* Label1 = nullptr; // "From:"
    QLabel* Label2 = nullptr; // "To:"
    QLineEdit* txtFromYear = nullptr;
    QLineEdit* txtToYear = nullptr;
    TClickLabel* lblCalculate = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* lblSelectedDate = nullptr; // invisible

    const std::vector<EclipseEntry>& entries() const { return entries_; }
    bool searched() const { return searched_; }
    const QPixmap& dataPicture() const { return imgData; }

    // Reads the years, searches them and shows the list.
    void lblCalculateClick();
    void CalculateEclipses(int fromYear, int toYear);
    // Shows a given list as a search would have left it.
    void SetEntries(std::vector<EclipseEntry> entries);
    void SetupDataBitmap();
    void DisplayDataBitmap();
    // Selects the entry under the last mouse-down position (window coordinates).
    void FormDblClick();

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormActivate();
    bool ReadYear(QLineEdit* box, int& year);
    void PlaceSideBySide();

    std::vector<EclipseEntry> entries_;
    bool searched_ = false;
    bool searching_ = false;
    QPoint lastMouseDown_;
    QPixmap imgData; // 335 x 192: up to twelve rows of 16 pixels
};
