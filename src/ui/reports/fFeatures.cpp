// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fFeatures.h"

#include "astro/fLunarPlanner.h"
#include "astro/fMoonCalcs.h"
#include "data/FeatureNames.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "ui/LocalDateTime.h"
#include "ui/Windows.h"
#include "ui/reports/ListScrolling.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/reports/fGoodNights.h"
#include "ui/state/AppState.h"
#include "ui/style/FeatureStyle.h"
#include "zone/EngineText.h"
#include "zone/FeatureMonth.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QSaveFile>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <limits>

using namespace featurestyle;

QString TFeatures::NoSunriseText() {
    return tr("No sunrise");
}
QString TFeatures::NoSunsetText() {
    return tr("No sunset");
}
QString TFeatures::OutOfRangeText() {
    return tr("Outside years 1-9999");
}
QString TFeatures::InvalidCoordinatesText() {
    return tr("invalid coordinates");
}

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

// Features whose Sun rose this long before the shown instant still count as on the terminator.
constexpr double kTerminatorLookbackDays = 0.5;
// Days from a sunrise into the night that follows it (a lunar day lasts about 14.8 days).
constexpr double kHalfLunarDayAndMore = 18;

QString TimeText(bool found, bool outOfRange, const astro::DateTimeRec& when, const QString& none) {
    if (outOfRange) return TFeatures::OutOfRangeText();
    return found ? QString::fromStdString(astro::DateTimeText(when)) : none;
}

constexpr int kSunColumn = 192; // x of the Sun column in the list

// "26m", "4.7h", "3d": short, so that a marked time keeps within its column.
QString UncertaintyText(double minutes) {
    if (minutes < 90) return QStringLiteral("%1m").arg(std::lround(minutes));
    if (minutes < 2 * 1440) return ShownNumber(minutes / 60, 'f', 1) + u'h';
    return QStringLiteral("%1d").arg(std::lround(minutes / 1440));
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Degrees(double radians, const QString& positive, const QString& negative) {
    const double degrees = radians * 180 / 3.14159265358979323846;
    return QStringLiteral("%1\u00B0 %2")
        .arg(ShownNumber(std::fabs(degrees), 'f', 2), degrees >= 0 ? positive : negative);
}
} // namespace

TFeatures::TFeatures(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TFeatures::tr("Rise/Set of Lunar Features"));
    setBackground(mainstyle::SkinPicture(QStringLiteral("features.jpg")), false);
    setFixedSize(kWidth, kHeight);
    addTitleLabel(QRect(146, 10, 349, 23));
    addExitLabel(QRect(614, 14, 13, 15), TFeatures::tr("Exit Cresselle"));
    addMinimiseLabel(QRect(592, 12, 15, 15), MinimiseScope::Window,
                     TFeatures::tr("Minimise this window"));
    lblDatabase = new TClickLabel(this, QRect(20, 14, 21, 19),
                                  TFeatures::tr("Edit the lunar features database"));
    lblDatabase->setCursor(Qt::PointingHandCursor);
    lblDatabase->setKeyboardButton(Qt::Horizontal);
    connect(lblDatabase, &TClickLabel::clicked, this, &TFeatures::lblDatabaseClick);

    Label2 = AquaCaption(this, TFeatures::tr("Feature Name"), {31, 42});
    Label1 = AquaCaption(this, TFeatures::tr("Sunrise"), {294, 42});
    Label3 = AquaCaption(this, TFeatures::tr("Sunset"), {480, 42});

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setPageStep(VisibleRows);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFeatures::DisplayDataBitmap);

    // The search box sits in the top band between the database button and the title.
    txtFind = new QLineEdit(this);
    txtFind->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    txtFind->setGeometry(48, 12, 92, 19);
    mainstyle::SetFittingPlaceholder(txtFind, TFeatures::tr("Find"));
    txtFind->setToolTip(TFeatures::tr("Type part of a name: the list jumps to it"));
    connect(txtFind, &QLineEdit::textEdited, this, &TFeatures::txtFindChange);
    txtFind->installEventFilter(this);

    lblNotFound = AquaCaption(this, tr("not found"), {50, 30});
    lblNotFound->setFont(ScaledFont(QStringLiteral("Arial"), 7));
    lblNotFound->adjustSize();
    lblNotFound->hide();

    // The Sun column: its heading switches the "near the terminator" filter, whose limits sit
    // beside it while it is on.
    lblSunNow = BandButton(this, tr("Sun now"), QRect(214, 42, 70, 16),
                           tr("The Sun's altitude over each feature at the main window's "
                              "instant (\u2191 morning, \u2193 evening). Click: only the features "
                              "near the terminator"));
    connect(lblSunNow, &TClickLabel::clicked, this,
            [this] { SetNearTerminator(!nearTerminator_); });
    auto limitBox = [this](int x, double value, const QString& hint) {
        auto* box = new QDoubleSpinBox(this);
        box->setFont(ScaledFont(QStringLiteral("Arial"), 7));
        box->setGeometry(x, 40, 50, 18);
        box->setRange(-90, 90);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral("\u00B0"));
        box->setValue(value);
        box->setToolTip(hint);
        box->setKeyboardTracking(false);
        box->hide();
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            RefreshOrder();
            DisplayDataBitmap();
        });
        return box;
    };
    txtTerminatorMin = limitBox(108, 0,
                                tr("Least altitude of the Sun over a feature near the "
                                   "terminator"));
    txtTerminatorMax = limitBox(160, 8,
                                tr("Greatest altitude of the Sun over a feature near "
                                   "the terminator"));

    // The bottom band: what the times are for, the order, printing and the CSV file.
    lblComputedFor = AquaCaption(this, QString(), {20, 462});
    lblComputedFor->setFixedSize(250, 16);
    Progress = new QProgressBar(this);
    Progress->setGeometry(20, 463, 250, 14);
    Progress->setFormat(TFeatures::tr("Computing the times %p%"));
    Progress->hide();
    lblOrder = BandButton(this, TFeatures::tr("Order: name"), QRect(360, 462, 125, 16),
                          TFeatures::tr("Order by name or by the next sunrise"));
    connect(lblOrder, &TClickLabel::clicked, this, [this] {
        SetOrder(order_ == Order::Name          ? Order::NextSunrise
                 : order_ == Order::NextSunrise ? Order::Libration
                                                : Order::Name);
    });
    lblGoodNights = BandButton(this, tr("Good nights"), QRect(280, 462, 75, 16),
                               tr("The nights the selected feature is in low sunlight while the "
                                  "Moon is up in a dark sky here (double-click a row)"));
    connect(lblGoodNights, &TClickLabel::clicked, this, &TFeatures::OpenGoodNights);
    lblPrint = BandButton(this, TFeatures::tr("Print"), QRect(495, 462, 40, 16),
                          TFeatures::tr("Print the list"));
    connect(lblPrint, &TClickLabel::clicked, this, [this] {
        PrintFromClick(this, lblPrint->clickModifiers(), PrintJob::Orientation::Portrait,
                       [this] { PrintList(); });
    });
    lblExport = BandButton(this, TFeatures::tr("Save CSV"), QRect(545, 462, 70, 16),
                           TFeatures::tr("Save the list as a CSV file"));
    connect(lblExport, &TClickLabel::clicked, this, &TFeatures::ExportCsv);
    LayOutBottomBand();

    // The Sun column follows the main window's instant while the list is visible.
    instantTimer_ = new QTimer(this);
    instantTimer_->setInterval(1000);
    connect(instantTimer_, &QTimer::timeout, this, &TFeatures::FollowInstant);
    goodNights_ = new TGoodNights(this); // a dialog of the features window

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &TFeatures::ShowProgress);
    FormCreate();
    ConnectToMain();
}

TFeatures::~TFeatures() {
    CancelComputing();
    delete goodNights_;
}

void TFeatures::ConnectToMain() {
    if (connectedToMain_) return;
    connectedToMain_ = reportcontext::FollowSharedState(this, [this] { DisplaySunRiseSetTimes(); });
}

void TFeatures::FormCreate() {
    // The list fills the band between the side borders, less the scroll bar.
    imgData = mainstyle::DisplayPixmap(QSize(kWidth - kScrollWidth - 40, VisibleRows * kRowHeight));
    PlaceScrollBar();
}

void TFeatures::PlaceScrollBar() {
    ScrollBar1->setGeometry(ListSize().width() + 19, kListTop, kScrollWidth, 399);
}

void TFeatures::DisplaySunRiseSetTimes() {
    if (const TAppState* state = SharedState()) {
        DisplaySunRiseSetTimes(state->SelectedDate, state->observer());
        return;
    }
    DisplaySunRiseSetTimes(ToDateTimeRec(SharedNow()), astro::Observer{});
}

void TFeatures::DisplaySunRiseSetTimes(const astro::DateTimeRec& selectedDate,
                                       const astro::Observer& observer) {
    ConnectToMain();
    CancelComputing();
    LoadFeatures(StringGrid1);
    nextSunrise_.clear();
    times_.clear();
    UpdateSunNow(astro::DateToJulian(selectedDate) - observer.ZoneOffsetMinutes / 1440.0);
    if (TAppState* state = SharedState()) UpdateSunNow(state->EngineInstant());
    ComputeLibrations(selectedDate);
    RefreshOrder();

    const int rows = StringGrid1.RowCount();
    ScrollBar1->setMinimum(0);
    ScrollBar1->setMaximum(rows >= VisibleRows + 2 ? rows - (VisibleRows + 1) : 0);
    PlaceScrollBar();
    month_ = selectedDate.Month;
    year_ = selectedDate.Year;
    lastDate_ = selectedDate;
    lastObserver_ = observer;
    ShowComputedFor(ComputedForText(selectedDate, observer));
    show();
    instantTimer_->start();
    // The offset in force on the first of the month (a named zone's).
    astro::DateTimeRec first = selectedDate;
    first.Day = 1;
    StartComputing(selectedDate, ObserverOnDay(observer, first));
    DisplayDataBitmap();
}

// The bottom band's buttons from its right end leftwards, each as wide as its longest text at
// the band's 8 points, the month and place line in what is left; where that would leave the
// line too little, the buttons keep their shares and their texts shrink.
void TFeatures::LayOutBottomBand() {
    constexpr int Left = 20, Right = 615, Gap = 8, Top = 462, Height = 16, LeastLine = 180;
    const QFontMetrics band(ScaledFont(QStringLiteral("Arial"), 8));
    const auto need = [&band](std::initializer_list<QString> texts) {
        int width = 0;
        for (const QString& t : texts)
            width = std::max(width, band.horizontalAdvance(t) + 2);
        return width;
    };
    const std::pair<TClickLabel*, int> buttons[] = {
        {lblExport, need({tr("Save CSV")})},
        {lblPrint, need({tr("Print")})},
        {lblOrder, need({tr("Order: name"), tr("Order: next sunrise"), tr("Order: libration")})},
        {lblGoodNights, need({tr("Good nights")})}};
    int total = 0;
    for (const auto& button : buttons)
        total += button.second + Gap;
    // Fixed widths for texts too long to give the line its room.
    const int shares[] = {70, 40, 125, 75};
    const bool fits = Right - total - Left >= LeastLine;
    int x = Right;
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const int width = fits ? buttons[i].second : shares[i];
        x -= width;
        buttons[i].first->setGeometry(x, Top, width, Height);
        SetBandText(buttons[i].first, buttons[i].first->text());
        x -= Gap;
    }
    const int line = std::max(x - Gap - Left, LeastLine / 2);
    lblComputedFor->setFixedSize(line, Height);
    Progress->setGeometry(Left, Top + 1, line, Height - 2);
}

// The month and place line in the bottom band: a smaller font down to 6 points when it is
// long ("Kathmandu (principal city of ...)"), then cut with an ellipsis; the whole line in its
// tool tip.
void TFeatures::ShowComputedFor(const QString& text) {
    const int room = lblComputedFor->width();
    QFont font = ScaledFont(QStringLiteral("Arial"), 8);
    for (double points = 8; points > 6 && QFontMetrics(font).horizontalAdvance(text) > room;) {
        points -= 0.5;
        font = ScaledFont(QStringLiteral("Arial"), points);
    }
    lblComputedFor->setFont(font);
    lblComputedFor->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room));
    lblComputedFor->setToolTip(text);
}

QString TFeatures::ComputedForText(const astro::DateTimeRec& date,
                                   const astro::Observer& observer) const {
    QString place = ObserverSettings.Location.trimmed();
    const QString coordinates = Degrees(observer.Latitude, tr("N"), tr("S")) +
                                QStringLiteral(", ") +
                                Degrees(-observer.Longitude, tr("E"), tr("W"));
    place = place.isEmpty() ? coordinates : place + QStringLiteral(" (") + coordinates + ')';
    return QStringLiteral("%1 %2, %3")
        .arg(QString::fromStdString(astro::LongMonthName(date.Month)))
        .arg(date.Year)
        .arg(place);
}

// The month's columns hold the sunrises and sunsets dated in the month; the next sunrise is
// searched from the shown instant in UT.
void TFeatures::StartComputing(const astro::DateTimeRec& selectedDate,
                               const astro::Observer& observer) {
    astro::DateTimeRec first = selectedDate;
    first.Day = 1;
    const astro::JulianDay shown =
        astro::DateToJulian(selectedDate) - observer.ZoneOffsetMinutes / 1440.0;

    input_.clear();
    for (int row = 0; row < StringGrid1.RowCount() - 1; ++row)
        input_.push_back(
            {StringGrid1.Cell(0, row), StringGrid1.Cell(1, row), StringGrid1.Cell(2, row)});
    result_.assign(input_.size(), RowTimes{});
    rowsDone_ = 0;
    cancel_ = false;
    // The next sunrises cost twice the month's times: only for the order that shows them.
    const bool withNext = order_ == Order::NextSunrise;
    withNext_ = withNext;
    // The worker reads its own copy of the zone (the zone caches its last transition).
    worker_ = QThread::create([this, first, shown, observer, withNext, zone = CurrentZone()] {
        for (std::size_t i = 0; i < input_.size() && !cancel_; ++i) {
            result_[i] = ComputeRow(input_[i], first, withNext, shown, observer, zone);
            rowsDone_ = static_cast<int>(i) + 1;
        }
    });
    connect(worker_, &QThread::finished, this, [this, run = ++computation_] {
        if (run == computation_) ComputingEnded();
    });
    Progress->setRange(0, std::max(1, static_cast<int>(input_.size())));
    Progress->setValue(0);
    Progress->show();
    lblComputedFor->hide();
    progressTimer_->start();
    worker_->start();
}

void TFeatures::ShowProgress() {
    Progress->setValue(rowsDone_);
}

void TFeatures::CancelComputing() {
    if (!worker_) return;
    cancel_ = true;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    ++computation_; // its late "finished" is not the next one's
    progressTimer_->stop();
    Progress->hide();
    lblComputedFor->show();
}

void TFeatures::WaitForTimes() {
    if (!worker_) return;
    worker_->wait();
    ComputingEnded();
}

// On the window's thread once the worker has finished: the times go into the table.
void TFeatures::ComputingEnded() {
    if (!worker_) return;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    progressTimer_->stop();
    Progress->hide();
    lblComputedFor->show();
    if (withNext_) nextSunrise_.assign(result_.size(), std::numeric_limits<double>::infinity());
    for (std::size_t i = 0; i < result_.size(); ++i) {
        const int row = static_cast<int>(i);
        const RowTimes& times = result_[i];
        StringGrid1.SetRow(row, {input_[i].Name, input_[i].Longitude, input_[i].Latitude,
                                 times.Sunrise, times.Sunset, times.NextSunrise, times.NextSunset});
        if (withNext_) nextSunrise_[i] = times.NextSunriseJulian;
    }
    times_ = std::move(result_);
    result_.clear();
    RefreshOrder();
    DisplayDataBitmap();
}

namespace {

// The UT instant of a found time (local in `observer`'s offset) and the minutes it may be off
// where the Sun grazes the feature's horizon (the altitude rate at the crossing).
void Precision(bool found, const astro::DateTimeRec& local, double lon, double lat,
               const astro::Observer& observer, double& ut, double& minutes) {
    ut = std::numeric_limits<double>::quiet_NaN();
    minutes = 0;
    if (!found) return;
    ut = astro::DateToJulian(local) - observer.ZoneOffsetMinutes / 1440.0;
    const astro::MoonRec moon = astro::MoonPosition(ut, observer).Moon;
    minutes = astro::CrossingUncertaintyMinutes(astro::FeatureLightingAt(moon, lon, lat).Rate);
}

// The same for a crossing of the month's list, whose UT instant is known.
void Precision(const TFeatureCrossing& crossing, double lon, double lat,
               const astro::Observer& observer, double& ut, double& minutes) {
    ut = std::numeric_limits<double>::quiet_NaN();
    minutes = 0;
    if (!crossing.Found) return;
    ut = crossing.Ut;
    const astro::MoonRec moon = astro::MoonPosition(ut, observer).Moon;
    minutes = astro::CrossingUncertaintyMinutes(astro::FeatureLightingAt(moon, lon, lat).Rate);
}

QString CrossingText(const TFeatureCrossing& crossing, const QString& none) {
    if (crossing.OutOfRange) return TFeatures::OutOfRangeText();
    return crossing.Found ? QString::fromStdString(astro::DateTimeText(crossing.Local)) : none;
}

} // namespace

// A row whose coordinates are not numbers (a file written elsewhere) is marked, not fatal.
// The next sunrise is the first from half a day before the shown instant on.
TFeatures::RowTimes TFeatures::ComputeRow(const FeatureTexts& feature,
                                          const astro::DateTimeRec& monthOf, bool withNext,
                                          astro::JulianDay shownInstant,
                                          const astro::Observer& observer, const TZone& zone) {
    RowTimes row;
    row.NextSunriseJulian = std::numeric_limits<double>::infinity();
    double longitude = 0;
    double latitude = 0;
    if (!ParseCoordinate(feature.Longitude, CoordinateAxis::Longitude, longitude) ||
        !ParseCoordinate(feature.Latitude, CoordinateAxis::Latitude, latitude)) {
        row.Sunrise = row.Sunset = row.NextSunrise = row.NextSunset = InvalidCoordinatesText();
        return row;
    }
    const TFeatureMonth month =
        FeatureSunTimesOfMonth(monthOf, longitude, latitude, observer, zone);
    row.Sunrise = CrossingText(month.Sunrise, NoSunriseText());
    row.Sunset = CrossingText(month.Sunset, NoSunsetText());
    if (month.Sunrise2.Found) row.Sunrise2 = CrossingText(month.Sunrise2, NoSunriseText());
    if (month.Sunset2.Found) row.Sunset2 = CrossingText(month.Sunset2, NoSunsetText());
    row.Ut2[0] =
        month.Sunrise2.Found ? month.Sunrise2.Ut : std::numeric_limits<double>::quiet_NaN();
    row.Ut2[1] = month.Sunset2.Found ? month.Sunset2.Ut : std::numeric_limits<double>::quiet_NaN();
    Precision(month.Sunrise, longitude, latitude, observer, row.Ut[0], row.Uncertainty[0]);
    Precision(month.Sunset, longitude, latitude, observer, row.Ut[1], row.Uncertainty[1]);
    if (!withNext) return row;

    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;
    const astro::JulianDay from = shownInstant - kTerminatorLookbackDays;
    // A search from daytime gives the sunrise that began the lunar day; one from the middle of
    // the night after it gives the next.
    astro::FeatureSunTimes next = astro::FeatureSunriseSunset(from, longitude, latitude, observer);
    for (int round = 0; round < 3 && next.HasSunrise; ++round) {
        const astro::JulianDay rise = astro::DateToJulian(next.Sunrise) - zoneDays;
        if (rise >= from) break;
        next =
            astro::FeatureSunriseSunset(rise + kHalfLunarDayAndMore, longitude, latitude, observer);
    }
    // The sunset that ends the lunar day this sunrise begins: searched from within that day.
    if (next.HasSunrise) {
        const astro::JulianDay rise = astro::DateToJulian(next.Sunrise) - zoneDays;
        const astro::FeatureSunTimes day =
            astro::FeatureSunriseSunset(rise + 1, longitude, latitude, observer);
        next.HasSunset = day.HasSunset && astro::DateToJulian(day.Sunset) - zoneDays > rise;
        next.Sunset = day.Sunset;
    }
    // Each in the offset in force at its instant.
    const TObserverClock clock(observer, zone);
    const auto shown = [&](const astro::DateTimeRec& local) {
        const astro::JulianDay ut = astro::DateToJulian(local) - zoneDays;
        return astro::JulianToDate(LocalInstant(ut, clock.Zone()).LocalJd);
    };
    row.NextSunrise =
        TimeText(next.HasSunrise, next.SunriseOutOfRange, shown(next.Sunrise), NoSunriseText());
    row.NextSunset =
        TimeText(next.HasSunset, next.SunsetOutOfRange, shown(next.Sunset), NoSunsetText());
    if (next.HasSunrise) row.NextSunriseJulian = astro::DateToJulian(next.Sunrise);
    Precision(next.HasSunrise, next.Sunrise, longitude, latitude, observer, row.Ut[2],
              row.Uncertainty[2]);
    Precision(next.HasSunset, next.Sunset, longitude, latitude, observer, row.Ut[3],
              row.Uncertainty[3]);
    // A grazing sunrise is not known well enough to head the order.
    if (row.Uncertainty[2] > GrazingMinutes)
        row.NextSunriseJulian = std::numeric_limits<double>::max();
    return row;
}

void TFeatures::SetOrder(Order order) {
    order_ = order;
    const bool bySunrise = order_ == Order::NextSunrise;
    SetBandText(lblOrder, bySunrise                    ? tr("Order: next sunrise")
                          : order_ == Order::Libration ? tr("Order: libration")
                                                       : tr("Order: name"));
    Label1->setText(bySunrise ? tr("Next Sunrise") : tr("Sunrise"));
    Label1->adjustSize();
    SetBandText(lblSunNow, order_ == Order::Libration ? tr("Libration") : tr("Sun now"));
    RefreshOrder();
    ScrollBar1->setValue(0);
    DisplayDataBitmap();
    // Times computed for the other order lack the next sunrises.
    if (bySunrise && nextSunrise_.empty() && lastDate_.Year != 0)
        DisplaySunRiseSetTimes(lastDate_, lastObserver_);
}

// Names as a reader looks them up; by the next sunrise once the times are known (features
// without one last, in name order).
void TFeatures::RefreshOrder() {
    found_ = -1;
    shown_ = ReaderOrder(StringGrid1);
    auto keep = [this](auto wanted) {
        shown_.erase(
            std::remove_if(shown_.begin(), shown_.end(),
                           [&](int row) { return !wanted(static_cast<std::size_t>(row)); }),
            shown_.end());
    };
    if (nearTerminator_ && sunNow_.size() + 1 == static_cast<std::size_t>(StringGrid1.RowCount())) {
        const double low = txtTerminatorMin->value();
        const double high = txtTerminatorMax->value();
        keep([&](std::size_t row) { return sunNow_[row] >= low && sunNow_[row] <= high; });
    }
    if (order_ == Order::Libration &&
        libration_.size() + 1 == static_cast<std::size_t>(StringGrid1.RowCount())) {
        keep([this](std::size_t row) { return !std::isnan(libration_[row]); });
        std::stable_sort(shown_.begin(), shown_.end(), [this](int a, int b) {
            return libration_[static_cast<std::size_t>(a)] >
                   libration_[static_cast<std::size_t>(b)];
        });
    }
    if (order_ != Order::NextSunrise ||
        nextSunrise_.size() + 1 != static_cast<std::size_t>(StringGrid1.RowCount()))
        return;
    std::stable_sort(shown_.begin(), shown_.end(), [this](int a, int b) {
        return nextSunrise_[static_cast<std::size_t>(a)] <
               nextSunrise_[static_cast<std::size_t>(b)];
    });
}

void TFeatures::UpdateSunNow(astro::JulianDay ut) {
    sunNowInstant_ = ut;
    const int rows = StringGrid1.RowCount() - 1;
    sunNow_.assign(static_cast<std::size_t>(std::max(0, rows)),
                   std::numeric_limits<double>::quiet_NaN());
    morning_.assign(sunNow_.size(), 0);
    if (rows <= 0 || !std::isfinite(ut)) return;
    const astro::MoonRec moon = astro::MoonPosition(ut, lastObserver_).Moon;
    for (int row = 0; row < rows; ++row) {
        double lon = 0, lat = 0;
        if (!ParseCoordinate(StringGrid1.Cell(1, row), CoordinateAxis::Longitude, lon) ||
            !ParseCoordinate(StringGrid1.Cell(2, row), CoordinateAxis::Latitude, lat))
            continue;
        const astro::FeatureLighting light = astro::FeatureLightingAt(moon, lon, lat);
        sunNow_[static_cast<std::size_t>(row)] = light.SunAltitude;
        morning_[static_cast<std::size_t>(row)] = light.Morning;
    }
}

// Once a second while visible: a new instant on the main window moves the Sun column (and the
// filter's rows).
void TFeatures::FollowInstant() {
    if (!isVisible()) {
        instantTimer_->stop();
        return;
    }
    TAppState* state = SharedState();
    if (!state) return;
    const astro::JulianDay ut = state->EngineInstant();
    if (std::fabs(ut - sunNowInstant_) < 30.0 / 86400) return;
    const int keep = SelectedRow();
    UpdateSunNow(ut);
    if (nearTerminator_) {
        RefreshOrder();
        const auto at = std::find(shown_.begin(), shown_.end(), keep);
        if (at != shown_.end()) found_ = static_cast<int>(at - shown_.begin());
    }
    DisplayDataBitmap();
}

// The month's best libration toward each limb feature: the Moon's librations at 0h UT of
// every day of the month.
void TFeatures::ComputeLibrations(const astro::DateTimeRec& month) {
    constexpr double limb = 80; // degrees of longitude or latitude
    const int rows = StringGrid1.RowCount() - 1;
    libration_.assign(static_cast<std::size_t>(std::max(0, rows)),
                      std::numeric_limits<double>::quiet_NaN());
    astro::DateTimeRec first = month;
    first.Day = 1;
    first.Hour = first.Minute = first.Second = 0;
    const astro::JulianDay start = astro::DateToJulian(first);
    const int days = astro::DaysInMonth(month.Month, month.Year);
    double lonLib[31], latLib[31];
    for (int d = 0; d < days && d < 31; ++d) {
        const astro::MoonRec moon = astro::MoonPosition(start + d, lastObserver_).Moon;
        lonLib[d] = moon.LibrationLongitude;
        latLib[d] = moon.LibrationLatitude;
    }
    for (int row = 0; row < rows; ++row) {
        double lon = 0, lat = 0;
        if (!ParseCoordinate(StringGrid1.Cell(1, row), CoordinateAxis::Longitude, lon) ||
            !ParseCoordinate(StringGrid1.Cell(2, row), CoordinateAxis::Latitude, lat) ||
            (std::fabs(lon) <= limb && std::fabs(lat) <= limb))
            continue;
        double best = -180;
        for (int d = 0; d < days && d < 31; ++d)
            best = std::max(best, astro::LibrationToward(lonLib[d], latLib[d], lon, lat));
        libration_[static_cast<std::size_t>(row)] = best;
    }
}

double TFeatures::SunNow(int row) const {
    return row >= 0 && row < static_cast<int>(sunNow_.size())
               ? sunNow_[static_cast<std::size_t>(row)]
               : std::numeric_limits<double>::quiet_NaN();
}

bool TFeatures::SunNowMorning(int row) const {
    return row >= 0 && row < static_cast<int>(morning_.size()) &&
           morning_[static_cast<std::size_t>(row)];
}

double TFeatures::LibrationToward(int row) const {
    return row >= 0 && row < static_cast<int>(libration_.size())
               ? libration_[static_cast<std::size_t>(row)]
               : std::numeric_limits<double>::quiet_NaN();
}

double TFeatures::TimeUncertainty(int column, int row) const {
    if (row < 0 || row >= static_cast<int>(times_.size()) || column < 3 || column > 6) return 0;
    return times_[static_cast<std::size_t>(row)].Uncertainty[column - 3];
}

void TFeatures::SetNearTerminator(bool on) {
    nearTerminator_ = on;
    txtTerminatorMin->setVisible(on);
    txtTerminatorMax->setVisible(on);
    SetBandText(lblSunNow, order_ == Order::Libration ? tr("Libration")
                           : on                       ? tr("Sun now \u2713")
                                                      : tr("Sun now"));
    RefreshOrder();
    ScrollBar1->setValue(0);
    DisplayDataBitmap();
}

void TFeatures::SetTerminatorBand(double minDeg, double maxDeg) {
    txtTerminatorMin->setValue(minDeg);
    txtTerminatorMax->setValue(maxDeg);
}

int TFeatures::SelectedRow() const {
    return found_ >= 0 && found_ < static_cast<int>(shown_.size())
               ? shown_[static_cast<std::size_t>(found_)]
               : -1;
}

void TFeatures::SelectShown(int shownPosition) {
    found_ =
        shownPosition >= 0 && shownPosition < static_cast<int>(shown_.size()) ? shownPosition : -1;
    DisplayDataBitmap();
}

bool TFeatures::OpenGoodNights() {
    const int row = SelectedRow();
    if (row < 0) {
        platform::ShowMessage(this, tr("Select a feature first: click its row or find it."));
        return false;
    }
    const FeatureTexts feature{StringGrid1.Cell(0, row), StringGrid1.Cell(1, row),
                               StringGrid1.Cell(2, row)};
    return goodNights_->ShowFor(feature, lastDate_, lastObserver_);
}

// The shown position of the row under a point of the window, -1 outside the rows.
int TFeatures::ShownAt(QPoint pos) const {
    const QRect list(20, ScrollBar1->y(), ListSize().width(), ListSize().height());
    if (!list.contains(pos)) return -1;
    const int shown = (pos.y() - list.top()) / kRowHeight + ScrollBar1->value();
    return shown < static_cast<int>(shown_.size()) ? shown : -1;
}

void TFeatures::mousePressEvent(QMouseEvent* event) {
    const int shown = ShownAt(event->position().toPoint());
    if (shown >= 0) SelectShown(shown);
    TFrame::mousePressEvent(event);
}

void TFeatures::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ShownAt(event->position().toPoint()) >= 0) {
        SelectShown(ShownAt(event->position().toPoint()));
        OpenGoodNights();
        return;
    }
    TFrame::mouseDoubleClickEvent(event);
}

void TFeatures::txtFindChange() {
    // A popular name ("Straight Wall") finds the feature it stands for; the database's own
    // names come first while a name is typed.
    const QString exact = PopularNameTarget(txtFind->text());
    int found = FindFeature(StringGrid1, shown_, exact.isEmpty() ? txtFind->text() : exact);
    if (found < 0) {
        const QString started = PopularNameTarget(txtFind->text(), true);
        if (!started.isEmpty()) found = FindFeature(StringGrid1, shown_, started);
    }
    found_ = found;
    lblNotFound->setVisible(found < 0 && !txtFind->text().trimmed().isEmpty());
    if (found >= 0) ScrollBar1->setValue(found);
    DisplayDataBitmap();
}

void TFeatures::DisplayDataBitmap() {
    if (static_cast<int>(shown_.size()) != StringGrid1.RowCount() - 1) RefreshOrder();
    imgData.fill(Qt::black);
    QPainter painter(&imgData);
    PaintList(painter);
    painter.end();
    update();
}

void TFeatures::PaintList(QPainter& painter) const {
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int first = ScrollBar1->value();
    const int riseColumn = order_ == Order::NextSunrise ? 5 : 3;
    FillListStripes(painter, visible, first, ListSize().width(), kRowHeight);
    if (found_ >= first && found_ < first + visible) {
        painter.setPen(Aqua);
        painter.drawRect(
            QRect(0, kRowHeight * (found_ - first), ListSize().width() - 2, kRowHeight - 1));
    }
    const QFont listFont = ScaledFont(QStringLiteral("Arial"), 8);
    painter.setFont(listFont);
    const int textWidth = ListSize().width();
    auto text = [&](int x, int y, const QColor& colour, const QString& s) {
        painter.setPen(colour);
        painter.drawText(QRect(x, y, textWidth - x, kRowHeight), Qt::AlignLeft | Qt::AlignTop, s);
    };
    // A time cell that would pass the list's edge (a long month, "± 4.7h" and "+") in a
    // smaller font, down to 6 points.
    auto timeCell = [&](int x, int y, const QColor& colour, const QString& s) {
        const int room = textWidth - x - 2;
        for (int points = 7; points >= 6 && painter.fontMetrics().horizontalAdvance(s) > room;
             --points)
            painter.setFont(ScaledFont(QStringLiteral("Arial"), points));
        text(x, y, colour, s);
        painter.setFont(listFont);
    };
    const QFontMetrics metrics = painter.fontMetrics();
    for (int k = 0; k < visible; ++k) {
        const int shown = k + first;
        if (shown >= static_cast<int>(shown_.size())) break; // the blank row at the end
        const int row = shown_[static_cast<std::size_t>(shown)];
        const int y = kRowHeight * k + 1;
        text(10, y, ValueTextColour,
             metrics.elidedText(StringGrid1.Cell(0, row), Qt::ElideRight, kSunColumn - 14));
        const double sun = SunNow(row);
        text(kSunColumn, y,
             order_ == Order::Libration || !(sun < 0) ? QColor(255, 255, 0) : QColor(150, 150, 150),
             SunColumnText(row));
        timeCell(250, y, Aqua, TimeCellText(riseColumn, row));
        timeCell(430, y, Qt::white, TimeCellText(riseColumn + 1, row));
    }
}

QList<TSpokenItem> TFeatures::SpokenItems() const {
    QList<TSpokenItem> items;
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int first = ScrollBar1->value();
    const int riseColumn = order_ == Order::NextSunrise ? 5 : 3;
    const QString sunTitle =
        order_ == Order::Libration ? tr("libration toward us") : tr("Sun over it now");
    for (int k = 0; k < visible; ++k) {
        const int shown = k + first;
        if (shown >= static_cast<int>(shown_.size())) break;
        const int row = shown_[static_cast<std::size_t>(shown)];
        items.append({tr("%1: %2 %3, sunrise %4, sunset %5")
                          .arg(StringGrid1.Cell(0, row), sunTitle, SunColumnText(row),
                               TimeCellText(riseColumn, row), TimeCellText(riseColumn + 1, row)),
                      QRect(20, ScrollBar1->y() + kRowHeight * k,
                            mainstyle::PointSize(imgData).width(), kRowHeight),
                      QAccessible::Row});
    }
    return items;
}

// The Sun's altitude over the feature now with its side, or in the libration order this
// month's best libration toward it.
QString TFeatures::SunColumnText(int row) const {
    if (order_ == Order::Libration) {
        const double lib = LibrationToward(row);
        return std::isnan(lib) ? QString() : ShownNumber(lib, 'f', 1) + QChar(0x00B0);
    }
    const double sun = SunNow(row);
    if (std::isnan(sun)) return QString();
    return QStringLiteral("%1\u00B0 %2")
        .arg(ShownNumber(sun, 'f', 1),
             SunNowMorning(row) ? QStringLiteral("\u2191") : QStringLiteral("\u2193"));
}

// A time cell without its seconds; a grazing time marked "\u2248" with how far it may be off.
// A month's second sunrise or sunset follows the first in full (`withSecond`, on paper) or as a
// "+" whose tool tip gives it (on screen).
QString TFeatures::TimeCellText(int column, int row, bool withSecond) const {
    const QString shown = WithoutSeconds(StringGrid1.Cell(column, row));
    const double minutes = TimeUncertainty(column, row);
    QString cell = minutes > GrazingMinutes
                       ? QStringLiteral("\u2248") + shown + QStringLiteral(" \u00B1") +
                             UncertaintyText(minutes)
                       : shown;
    const QString second = SecondInMonth(column, row);
    if (second.isEmpty()) return cell;
    return cell +
           (withSecond ? QStringLiteral(" + ") + WithoutSeconds(second) : QStringLiteral(" +"));
}

// The month's second sunrise (column 3) or sunset (column 4) of a row, else empty.
QString TFeatures::SecondInMonth(int column, int row) const {
    if (row < 0 || row >= static_cast<int>(times_.size()) || (column != 3 && column != 4))
        return {};
    const RowTimes& t = times_[static_cast<std::size_t>(row)];
    return column == 3 ? t.Sunrise2 : t.Sunset2;
}

// Over a time marked "+": the month's second sunrise or sunset in full.
bool TFeatures::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return TFrame::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const int shown = ShownAt(at);
    const int x = at.x() - 20;
    const int column = order_ == Order::NextSunrise ? -1 : x >= 430 ? 4 : x >= 250 ? 3 : -1;
    const int row = shown >= 0 ? shown_[static_cast<std::size_t>(shown)] : -1;
    const QString second = SecondInMonth(column, row);
    if (second.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(
        static_cast<QHelpEvent*>(event)->globalPos(),
        (column == 3 ? tr("Second sunrise this month: %1") : tr("Second sunset this month: %1"))
            .arg(WithoutSeconds(second)),
        this);
    return true;
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
        if (const QWidget* main = MainWidget()) at = CentredOn(*main, size());
    }
    move(Clamp(at, size(), screenArea(at), ClampOrder::LeftFirst));
}

void TFeatures::FormActivate() {
    DisplayDataBitmap();
}

void TFeatures::wheelEvent(QWheelEvent* event) {
    listscrolling::ScrollByWheel(*ScrollBar1, *event, wheelDelta_);
    event->accept();
}

void TFeatures::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard(TableAsText());
        return;
    }
    if (!listscrolling::ScrollByKey(*ScrollBar1, event->key())) TFrame::keyPressEvent(event);
}

// The list in its shown order and columns, tab-separated, a heading line first.
QString TFeatures::TableAsText() const {
    const bool bySunrise = order_ == Order::NextSunrise;
    const int riseColumn = bySunrise ? 5 : 3;
    QString text =
        TFeatures::tr("Feature\t%1\t%2\t%3\n")
            .arg(order_ == Order::Libration ? TFeatures::tr("Libration") : TFeatures::tr("Sun now"),
                 bySunrise ? TFeatures::tr("Next sunrise") : TFeatures::tr("Sunrise"),
                 bySunrise ? TFeatures::tr("Next sunset") : TFeatures::tr("Sunset"));
    for (const int row : shown_) {
        if (row < 0 || row >= StringGrid1.RowCount()) continue;
        text += StringGrid1.Cell(0, row) + u'\t' + SunColumnText(row) + u'\t' +
                TimeCellText(riseColumn, row) + u'\t' + TimeCellText(riseColumn + 1, row) + u'\n';
    }
    return text;
}

// The search box passes the row keys on to the list, so a match can be looked around.
bool TFeatures::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFind && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown)
            return listscrolling::ScrollByKey(*ScrollBar1, key);
    }
    return TFrame::eventFilter(watched, event);
}

// --- the list as a file and on paper -------------------------------------------------------

// One header row; coordinates as plain decimals; each time as an ISO date-time in the local
// offset in force then and in UT, with how far a grazing time may be off (minutes, blank when
// the time is good to the minute); the Sun over the feature at the shown instant.
QString TFeatures::CsvText() const {
    const bool bySunrise = order_ == Order::NextSunrise;
    const int riseColumn = bySunrise ? 5 : 3;
    const QString rise = bySunrise ? QStringLiteral("next_sunrise") : QStringLiteral("sunrise");
    const QString set = bySunrise ? QStringLiteral("next_sunset") : QStringLiteral("sunset");
    QString csv =
        QStringLiteral("name,longitude_deg,latitude_deg,%1_local,%1_ut,%1_uncertainty_min,"
                       "%2_local,%2_ut,%2_uncertainty_min,sun_now_deg,sun_now_side")
            .arg(rise, set);
    // The month's second sunrise and sunset, where a month holds two.
    if (!bySunrise) csv += QStringLiteral(",sunrise2_local,sunrise2_ut,sunset2_local,sunset2_ut");
    csv += QLatin1Char('\n');
    auto number = [](const QString& text, CoordinateAxis axis) {
        double value = 0;
        return ParseCoordinate(text, axis, value)
                   ? QString::number(value, 'f', QLocale::FloatingPointShortest)
                   : QString();
    };
    const TObserverClock clock(lastObserver_);
    auto instant = [&](double ut) {
        if (!std::isfinite(ut)) return QStringList{QString(), QString()};
        return QStringList{QString::fromStdString(LocalIsoText(ut, clock.Zone())),
                           QString::fromStdString(UtIsoText(ut))};
    };
    auto time = [&](int column, int row) {
        const int slot = column - 3;
        const bool known = row < static_cast<int>(times_.size()) &&
                           std::isfinite(times_[static_cast<std::size_t>(row)].Ut[slot]);
        if (!known) return QStringList{QString(), QString(), QString()};
        const RowTimes& t = times_[static_cast<std::size_t>(row)];
        const double minutes = t.Uncertainty[slot];
        return instant(t.Ut[slot])
               << (minutes > GrazingMinutes ? QString::number(std::lround(minutes)) : QString());
    };
    for (const int row : shown_) {
        QStringList fields = {CsvField(StringGrid1.Cell(0, row)),
                              number(StringGrid1.Cell(1, row), CoordinateAxis::Longitude),
                              number(StringGrid1.Cell(2, row), CoordinateAxis::Latitude)};
        fields << time(riseColumn, row) << time(riseColumn + 1, row);
        const double sun = SunNow(row);
        fields << (std::isnan(sun) ? QString() : QString::number(sun, 'f', 2))
               << (std::isnan(sun)      ? QString()
                   : SunNowMorning(row) ? QStringLiteral("morning")
                                        : QStringLiteral("evening"));
        if (!bySunrise) {
            const bool known = row < static_cast<int>(times_.size());
            const RowTimes* t = known ? &times_[static_cast<std::size_t>(row)] : nullptr;
            const double none = std::numeric_limits<double>::quiet_NaN();
            fields << instant(t ? t->Ut2[0] : none) << instant(t ? t->Ut2[1] : none);
        }
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

bool TFeatures::ExportCsv() {
    WaitForTimes();
    const QString path = platform::ChooseSaveFile(
        this, QStringLiteral("csv"), TFeatures::tr("Save the lunar features list"),
        platform::PdfFolder(),
        TFeatures::tr("Cresselle Lunar Features %1 %2.csv")
            .arg(QString::fromStdString(astro::LongMonthName(month_ ? month_ : 1)))
            .arg(year_),
        TFeatures::tr("CSV files (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CsvText().toUtf8()) < 0 || !file.commit()) {
        platform::ShowMessage(this, TFeatures::tr("The list could not be saved in \"%1\": %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

// Pages of rows under the page frame: name, coordinates and the two times, in the shown order.
// The columns are measured in millimetres inside the frame: each as wide as its widest text
// and a gap, the font made smaller when they do not fit; "page n of m" beside the footer.
bool TFeatures::PrintList() {
    WaitForTimes();
    PrintJob job(this, SuggestedPdfName(TFeatures::tr("Lunar Features"), month_, year_),
                 PrintJob::Orientation::Portrait);
    if (!job.Started()) return false;
    QPainter& canvas = job.Canvas();
    const int pw = job.PageWidth();
    const int ph = job.PageHeight();
    const double mm = canvas.device()->logicalDpiX() / 25.4; // device pixels per millimetre
    const int frameWidth = 7 * (pw / 7);
    const int left = static_cast<int>(6 * mm);
    const int available = frameWidth - 2 * left;
    const bool bySunrise = order_ == Order::NextSunrise;
    const int riseColumn = bySunrise ? 5 : 3;
    const int rows = static_cast<int>(shown_.size());
    const QString headings[] = {tr("Feature Name"), tr("Longitude"), tr("Latitude"),
                                bySunrise ? tr("Next Sunrise") : tr("Sunrise"), tr("Sunset")};
    auto cell = [&](int c, int row) {
        return c < 3 ? StringGrid1.Cell(c, row) : TimeCellText(riseColumn + c - 3, row, true);
    };
    // Widest text of each column at 8 points, then the size that fits them all.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    canvas.setFont(font);
    double widths[5];
    double total = 0;
    for (int c = 0; c < 5; ++c) {
        widths[c] = canvas.fontMetrics().horizontalAdvance(headings[c]) * 1.1;
        for (int k = 0; k < rows; ++k)
            widths[c] = std::max<double>(widths[c], canvas.fontMetrics().horizontalAdvance(cell(
                                                        c, shown_[static_cast<std::size_t>(k)])));
        total += widths[c] + 3 * mm;
    }
    const double scale = std::min(1.0, available / total);
    font.setPointSizeF(std::max(5.5, 8 * scale));
    int columns[5];
    double x = left;
    for (int c = 0; c < 5; ++c) {
        columns[c] = static_cast<int>(x);
        x += (widths[c] + 3 * mm) * std::min(1.0, available / total);
    }
    const int nameWidth = columns[1] - columns[0] - static_cast<int>(2 * mm);

    canvas.setFont(font);
    const int line = canvas.fontMetrics().height() * 5 / 4;
    // The header sets the page's measures: one dry run for the number of rows a page holds.
    PrintPageHeader(canvas, month_ ? month_ : 1, year_);
    const int firstRow = HeaderBottom + 2 * line;
    const int lastLimit = ph - FooterHeight - line;
    const int perPage = std::max(1, (lastLimit - firstRow + line - 1) / line);
    const int pages = std::max(1, (rows + perPage - 1) / perPage);
    int next = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) {
            job.Printer()->newPage();
            PrintPageHeader(canvas, month_ ? month_ : 1, year_);
        }
        font.setBold(true);
        canvas.setFont(font);
        int y = HeaderBottom + line;
        canvas.setPen(Qt::black);
        for (int c = 0; c < 5; ++c)
            canvas.drawText(columns[c], y, headings[c]);
        font.setBold(false);
        canvas.setFont(font);
        const int bottom = ph - FooterHeight - line;
        for (y += line; next < rows && y < bottom; y += line, ++next) {
            const int row = shown_[static_cast<std::size_t>(next)];
            if (next % 2)
                canvas.fillRect(QRect(left - line / 2, y - line * 4 / 5, available + line, line),
                                QColor(232, 232, 232));
            canvas.drawText(
                columns[0], y,
                canvas.fontMetrics().elidedText(cell(0, row), Qt::ElideRight, nameWidth));
            for (int c = 1; c < 5; ++c)
                canvas.drawText(columns[c], y, cell(c, row));
        }
        PrintPageFooter(canvas);
        QFont small(QStringLiteral("Arial"));
        small.setPointSizeF(7);
        small.setItalic(true);
        canvas.setFont(small);
        const QString pageText = tr("page %1 of %2").arg(page).arg(pages);
        canvas.drawText(frameWidth - left - canvas.fontMetrics().horizontalAdvance(pageText),
                        ph - static_cast<int>(FooterHeight * 0.75), pageText);
    }
    return job.Finish();
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
    painter.fillRect(QRect(20, kListTop, ListSize().width(), ListSize().height()), Qt::black);
    painter.setPen(Aqua);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 10, true));
    painter.drawText(QRect(146, 10, 349, 23), Qt::AlignCenter, windowTitle());
    painter.drawRect(QRect(20, 14, 20, 18));
    painter.drawText(QRect(20, 14, 21, 19), Qt::AlignCenter, QStringLiteral("DB"));
    painter.drawText(QRect(592, 12, 15, 15), Qt::AlignCenter, QStringLiteral("_"));
    painter.drawText(QRect(614, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
