#include "ui/reports/fFeatures.h"

#include "astro/fMoonCalcs.h"
#include "platform/Platform.h"
#include "settings/Zone.h"
#include "ui/LocalDateTime.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/style/FeatureStyle.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

using namespace featurestyle;

const QString TFeatures::NoSunriseText = QStringLiteral("No sunrise");
const QString TFeatures::NoSunsetText = QStringLiteral("No sunset");
const QString TFeatures::OutOfRangeText = QStringLiteral("Outside years 1-9999");
const QString TFeatures::InvalidCoordinatesText = QStringLiteral("invalid coordinates");

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kListTop = 60; // top of the scroll bar and of the list on the window
constexpr int kRowHeight = 16;
constexpr int kScrollWidth = 16;

// "HH:MM:SS  DD Month YYYY" without its seconds; other texts as they are.
QString WithoutSeconds(const QString& text) {
    if (text.size() < 9 || text[2] != QLatin1Char(':') || text[5] != QLatin1Char(':')) return text;
    return text.left(5) + text.mid(8);
}

astro::DateTimeRec ToDateTimeRec(const QDateTime& local) {
    astro::DateTimeRec rec;
    SetDateAndTime(rec, local);
    return rec;
}
} // namespace

TFeatures::TFeatures(QWidget* parent) : TFrame(parent) {
    setWindowTitle(QStringLiteral("Rise/Set of Lunar Features"));
    setBackground(QPixmap(QStringLiteral(":/features.jpg")), false);
    setFixedSize(kWidth, kHeight);
    addTitleLabel(QRect(146, 10, 349, 23));
    addExitLabel(QRect(614, 14, 13, 15), QStringLiteral("Exit Cresselle"));
    addMinimiseLabel(QRect(592, 12, 15, 15), MinimiseScope::Window,
                     QStringLiteral("Minimise this window"));
    lblDatabase = new TClickLabel(this, QRect(20, 14, 21, 19),
                                  QStringLiteral("Edit the lunar features database"));
    lblDatabase->setCursor(Qt::PointingHandCursor);
    connect(lblDatabase, &TClickLabel::clicked, this, &TFeatures::lblDatabaseClick);

    Label2 = AquaCaption(this, QStringLiteral("Feature Name"), {31, 42});
    Label1 = AquaCaption(this, QStringLiteral("Sunrise"), {294, 42});
    Label3 = AquaCaption(this, QStringLiteral("Sunset"), {480, 42});

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setPageStep(VisibleRows);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFeatures::DisplayDataBitmap);
    FormCreate();
}

void TFeatures::FormCreate() {
    // The list fills the band between the side borders, less the scroll bar.
    imgData = QPixmap(kWidth - kScrollWidth - 40, VisibleRows * kRowHeight);
    imgData.fill(Qt::black);
    PlaceScrollBar();
}

void TFeatures::PlaceScrollBar() {
    ScrollBar1->setGeometry(imgData.width() + 19, kListTop, kScrollWidth, 399);
}

void TFeatures::DisplaySunRiseSetTimes() {
    if (TMain* main = Windows().Main) {
        DisplaySunRiseSetTimes(main->SelectedDate, main->observer());
        return;
    }
    DisplaySunRiseSetTimes(ToDateTimeRec(platform::Now()), astro::Observer{});
}

void TFeatures::DisplaySunRiseSetTimes(const astro::DateTimeRec& selectedDate,
                                       const astro::Observer& observer) {
    astro::DateTimeRec first = selectedDate;
    first.Day = 1;
    // The local time of day is searched from as it stands, without the zone correction.
    const astro::JulianDay start = astro::DateToJulian(first);

    LoadFeatures(StringGrid1);
    for (int row = 0; row < StringGrid1.RowCount() - 1; ++row)
        ComputeRow(row, start, ObserverOnDay(observer, first));

    const int rows = StringGrid1.RowCount();
    ScrollBar1->setMinimum(0);
    ScrollBar1->setMaximum(rows >= VisibleRows + 2 ? rows - (VisibleRows + 1) : 0);
    PlaceScrollBar();
    show();
    DisplayDataBitmap();
}

namespace {

// `date`, local in `observer`'s offset, in the offset of a named zone in force at that instant.
astro::DateTimeRec InOffsetOfItsInstant(const astro::DateTimeRec& date,
                                        const astro::Observer& observer) {
    const TZone& zone = CurrentZone();
    if (!zone.IsNamed()) return date;
    const double local = astro::DateToJulian(date);
    const int offset = zone.OffsetAt(local - observer.ZoneOffsetMinutes / 1440.0);
    if (offset == observer.ZoneOffsetMinutes) return date;
    return astro::JulianToDate(local + (offset - observer.ZoneOffsetMinutes) / 1440.0);
}

} // namespace

// A row whose coordinates are not numbers (a file written elsewhere) is marked, not fatal.
void TFeatures::ComputeRow(int row, astro::JulianDay start, const astro::Observer& observer) {
    double longitude = 0;
    double latitude = 0;
    if (!ParseCoordinate(StringGrid1.Cell(1, row), CoordinateAxis::Longitude, longitude) ||
        !ParseCoordinate(StringGrid1.Cell(2, row), CoordinateAxis::Latitude, latitude)) {
        StringGrid1.SetCell(3, row, InvalidCoordinatesText);
        StringGrid1.SetCell(4, row, InvalidCoordinatesText);
        return;
    }
    const astro::FeatureSunTimes times =
        astro::FeatureSunriseSunset(start, longitude, latitude, observer);
    const auto cell = [&observer](bool has, bool outOfRange, const astro::DateTimeRec& date,
                                  const QString& none) {
        if (outOfRange) return OutOfRangeText;
        return has ? QString::fromStdString(
                         astro::DateTimeText(InOffsetOfItsInstant(date, observer)))
                   : none;
    };
    StringGrid1.SetCell(
        3, row, cell(times.HasSunrise, times.SunriseOutOfRange, times.Sunrise, NoSunriseText));
    StringGrid1.SetCell(4, row,
                        cell(times.HasSunset, times.SunsetOutOfRange, times.Sunset, NoSunsetText));
}

void TFeatures::DisplayDataBitmap() {
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int first = ScrollBar1->value();
    imgData.fill(Qt::black);
    QPainter painter(&imgData);
    FillListStripes(painter, visible, first, imgData.width(), kRowHeight);
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8));
    const int textWidth = imgData.width();
    auto text = [&](int x, int y, const QColor& colour, const QString& s) {
        painter.setPen(colour);
        painter.drawText(QRect(x, y, textWidth - x, kRowHeight), Qt::AlignLeft | Qt::AlignTop, s);
    };
    for (int k = 0; k < visible; ++k) {
        const int row = k + first;
        const int y = kRowHeight * k + 1;
        text(10, y, ValueTextColour, StringGrid1.Cell(0, row));
        text(250, y, Aqua, WithoutSeconds(StringGrid1.Cell(3, row)));
        text(430, y, Qt::white, WithoutSeconds(StringGrid1.Cell(4, row)));
    }
    painter.end();
    update();
}

void TFeatures::lblDatabaseClick() {
    if (TFeaturesDB* editor = Windows().FeaturesDB) {
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
}

// Kept on the screen; the first time it opens over the main window.
void TFeatures::FormShow() {
    QPoint at = pos();
    if (!placed_) {
        placed_ = true;
        if (TMain* main = Windows().Main) at = CentredOn(*main, size());
    }
    move(Clamp(at, size(), screenSize(), ClampOrder::LeftFirst));
}

void TFeatures::FormActivate() {
    DisplayDataBitmap();
}

void TFeatures::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TFeatures::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background().isNull())
        DrawFallbackFrame(painter);
    else
        painter.drawPixmap(0, 0, background());
    painter.drawPixmap(20, ScrollBar1->y(), imgData);
}

// Plain frame for when the window's picture is missing: bands, title and the three buttons.
void TFeatures::DrawFallbackFrame(QPainter& painter) {
    painter.fillRect(rect(), QColor(40, 40, 60));
    painter.fillRect(QRect(20, kListTop, imgData.width(), imgData.height()), Qt::black);
    painter.setPen(Aqua);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 10, true));
    painter.drawText(QRect(146, 10, 349, 23), Qt::AlignCenter, windowTitle());
    painter.drawRect(QRect(20, 14, 20, 18));
    painter.drawText(QRect(20, 14, 21, 19), Qt::AlignCenter, QStringLiteral("DB"));
    painter.drawText(QRect(592, 12, 15, 15), Qt::AlignCenter, QStringLiteral("_"));
    painter.drawText(QRect(614, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
