// Sun rise and set over the lunar features of the database, from the month the main calendar
// shows.
#pragma once

#include "astro/fGlobals.h"
#include "data/FeatureFile.h"
#include "ui/frame/TFrame.h"

#include <QPixmap>

class QLabel;
class QScrollBar;

class TFeatures : public TFrame {
    Q_OBJECT
  public:
    explicit TFeatures(QWidget* parent = nullptr);

    // Reloads the database, computes every feature's sunrise and sunset from the 1st of the
    // month the main window shows, and shows the window.
    void DisplaySunRiseSetTimes();
    // The same for a given selected date and observer (the main window's when there is one).
    void DisplaySunRiseSetTimes(const astro::DateTimeRec& selectedDate,
                                const astro::Observer& observer);
    // Draws the visible rows into the list picture and repaints.
    void DisplayDataBitmap();

    // Rows of 16 pixels the list shows at once.
    static constexpr int VisibleRows = 25;
    // Texts of the time columns for a feature the search could not time, or whose stored
    // coordinates are not numbers.
    static const QString NoSunriseText;
    static const QString NoSunsetText;
    static const QString OutOfRangeText; // a date before the year 1 or after 9999
    static const QString InvalidCoordinatesText;

    TClickLabel* lblDatabase = nullptr;
    QLabel* Label1 = nullptr; // "Sunrise"
    QLabel* Label2 = nullptr; // "Feature Name"
    QLabel* Label3 = nullptr; // "Sunset"
    QScrollBar* ScrollBar1 = nullptr;
    QPixmap imgData;            // off-screen picture of the list
    TStringGrid StringGrid1{5}; // name, longitude, latitude, sunrise, sunset; blank last row

  public slots:
    void lblDatabaseClick();

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void ComputeRow(int row, astro::JulianDay start, const astro::Observer& observer);
    void PlaceScrollBar();
    void DrawFallbackFrame(QPainter& painter);
    bool placed_ = false;
};
