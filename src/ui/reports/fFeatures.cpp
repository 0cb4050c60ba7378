// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fFeatures.h"

#include "astro/fMoonCalcs.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "ui/LocalDateTime.h"
#include "ui/Windows.h"
#include "ui/reports/ListScrolling.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/state/AppState.h"
#include "ui/style/FeatureStyle.h"
#include "zone/Zone.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QSaveFile>
#include <QScrollBar>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <limits>

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

// Features whose Sun rose this long before the shown instant still count as on the terminator.
constexpr double kTerminatorLookbackDays = 0.5;
// Days from a sunrise into the night that follows it (a lunar day lasts about 14.8 days).
constexpr double kHalfLunarDayAndMore = 18;

QString TimeText(bool found, bool outOfRange, const astro::DateTimeRec& when, const QString& none) {
    if (outOfRange) return TFeatures::OutOfRangeText;
    return found ? QString::fromStdString(astro::DateTimeText(when)) : none;
}

// A clickable caption in the bottom band, aqua like the column headings.
TClickLabel* BandButton(QWidget* parent, const QString& text, const QRect& geometry,
                        const QString& hint) {
    auto* label = new TClickLabel(parent, geometry, hint);
    label->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Aqua);
    label->setPalette(pal);
    label->setText(text);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Degrees(double radians, const char* positive, const char* negative) {
    const double degrees = radians * 180 / 3.14159265358979323846;
    return QStringLiteral("%1\u00B0 %2")
        .arg(std::fabs(degrees), 0, 'f', 2)
        .arg(QLatin1String(degrees >= 0 ? positive : negative));
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

    // The search box sits in the top band between the database button and the title.
    txtFind = new QLineEdit(this);
    txtFind->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    txtFind->setGeometry(48, 12, 92, 19);
    txtFind->setPlaceholderText(QStringLiteral("Find"));
    txtFind->setToolTip(QStringLiteral("Type part of a name: the list jumps to it"));
    connect(txtFind, &QLineEdit::textEdited, this, &TFeatures::txtFindChange);
    txtFind->installEventFilter(this);

    // The bottom band: what the times are for, the order, printing and the CSV file.
    lblComputedFor = AquaCaption(this, QString(), {20, 462});
    lblComputedFor->setFixedSize(330, 16);
    Progress = new QProgressBar(this);
    Progress->setGeometry(20, 463, 330, 14);
    Progress->setFormat(QStringLiteral("Computing the times %p%"));
    Progress->hide();
    lblOrder = BandButton(this, QStringLiteral("Order: name"), QRect(360, 462, 125, 16),
                          QStringLiteral("Order by name or by the next sunrise"));
    connect(lblOrder, &TClickLabel::clicked, this,
            [this] { SetOrder(order_ == Order::Name ? Order::NextSunrise : Order::Name); });
    lblPrint = BandButton(this, QStringLiteral("Print"), QRect(495, 462, 40, 16),
                          QStringLiteral("Print the list"));
    connect(lblPrint, &TClickLabel::clicked, this, &TFeatures::PrintList);
    lblExport = BandButton(this, QStringLiteral("Save CSV"), QRect(545, 462, 70, 16),
                           QStringLiteral("Save the list as a CSV file"));
    connect(lblExport, &TClickLabel::clicked, this, &TFeatures::ExportCsv);

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &TFeatures::ShowProgress);
    FormCreate();
    ConnectToMain();
}

TFeatures::~TFeatures() {
    CancelComputing();
}

void TFeatures::ConnectToMain() {
    if (connectedToMain_) return;
    connectedToMain_ = reportcontext::FollowSharedState(this, [this] { DisplaySunRiseSetTimes(); });
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
    RefreshOrder();

    const int rows = StringGrid1.RowCount();
    ScrollBar1->setMinimum(0);
    ScrollBar1->setMaximum(rows >= VisibleRows + 2 ? rows - (VisibleRows + 1) : 0);
    PlaceScrollBar();
    month_ = selectedDate.Month;
    year_ = selectedDate.Year;
    lastDate_ = selectedDate;
    lastObserver_ = observer;
    lblComputedFor->setText(ComputedForText(selectedDate, observer));
    show();
    // The offset in force on the first of the month (a named zone's).
    astro::DateTimeRec first = selectedDate;
    first.Day = 1;
    StartComputing(selectedDate, ObserverOnDay(observer, first));
    DisplayDataBitmap();
}

QString TFeatures::ComputedForText(const astro::DateTimeRec& date,
                                   const astro::Observer& observer) const {
    QString place = ObserverSettings.Location.trimmed();
    const QString coordinates = Degrees(observer.Latitude, "N", "S") + QStringLiteral(", ") +
                                Degrees(-observer.Longitude, "E", "W");
    place = place.isEmpty() ? coordinates : place + QStringLiteral(" (") + coordinates + ')';
    return QStringLiteral("%1 %2, %3")
        .arg(QString::fromStdString(astro::LongMonthName(date.Month)))
        .arg(date.Year)
        .arg(place);
}

// The month's columns start on the 1st at the shown time of day, taken without the zone
// correction; the next sunrise is searched from the shown instant in UT.
void TFeatures::StartComputing(const astro::DateTimeRec& selectedDate,
                               const astro::Observer& observer) {
    astro::DateTimeRec first = selectedDate;
    first.Day = 1;
    const astro::JulianDay monthStart = astro::DateToJulian(first);
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
    worker_ = QThread::create([this, monthStart, shown, observer, withNext, zone = CurrentZone()] {
        for (std::size_t i = 0; i < input_.size() && !cancel_; ++i) {
            result_[i] = ComputeRow(input_[i], monthStart, withNext, shown, observer, zone);
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
    result_.clear();
    RefreshOrder();
    DisplayDataBitmap();
}

// A row whose coordinates are not numbers (a file written elsewhere) is marked, not fatal.
// The next sunrise is the first from half a day before the shown instant on.
TFeatures::RowTimes TFeatures::ComputeRow(const FeatureTexts& feature, astro::JulianDay monthStart,
                                          bool withNext, astro::JulianDay shownInstant,
                                          const astro::Observer& observer, const TZone& zone) {
    RowTimes row;
    row.NextSunriseJulian = std::numeric_limits<double>::infinity();
    double longitude = 0;
    double latitude = 0;
    if (!ParseCoordinate(feature.Longitude, CoordinateAxis::Longitude, longitude) ||
        !ParseCoordinate(feature.Latitude, CoordinateAxis::Latitude, latitude)) {
        row.Sunrise = row.Sunset = row.NextSunrise = row.NextSunset = InvalidCoordinatesText;
        return row;
    }
    const astro::FeatureSunTimes month =
        astro::FeatureSunriseSunset(monthStart, longitude, latitude, observer);
    row.Sunrise = TimeText(month.HasSunrise, month.SunriseOutOfRange,
                           InOffsetOfItsInstant(month.Sunrise, observer, zone), NoSunriseText);
    row.Sunset = TimeText(month.HasSunset, month.SunsetOutOfRange,
                          InOffsetOfItsInstant(month.Sunset, observer, zone), NoSunsetText);
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
    row.NextSunrise = TimeText(next.HasSunrise, next.SunriseOutOfRange,
                               InOffsetOfItsInstant(next.Sunrise, observer, zone), NoSunriseText);
    row.NextSunset = TimeText(next.HasSunset, next.SunsetOutOfRange,
                              InOffsetOfItsInstant(next.Sunset, observer, zone), NoSunsetText);
    if (next.HasSunrise) row.NextSunriseJulian = astro::DateToJulian(next.Sunrise);
    return row;
}

void TFeatures::SetOrder(Order order) {
    order_ = order;
    const bool bySunrise = order_ == Order::NextSunrise;
    lblOrder->setText(bySunrise ? QStringLiteral("Order: next sunrise")
                                : QStringLiteral("Order: name"));
    Label1->setText(bySunrise ? QStringLiteral("Next Sunrise") : QStringLiteral("Sunrise"));
    Label1->adjustSize();
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
    if (order_ != Order::NextSunrise || nextSunrise_.size() != shown_.size()) return;
    std::stable_sort(shown_.begin(), shown_.end(), [this](int a, int b) {
        return nextSunrise_[static_cast<std::size_t>(a)] <
               nextSunrise_[static_cast<std::size_t>(b)];
    });
}

void TFeatures::txtFindChange() {
    const int found = FindFeature(StringGrid1, shown_, txtFind->text());
    found_ = found;
    if (found >= 0) ScrollBar1->setValue(found);
    DisplayDataBitmap();
}

void TFeatures::DisplayDataBitmap() {
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int first = ScrollBar1->value();
    if (static_cast<int>(shown_.size()) != StringGrid1.RowCount() - 1) RefreshOrder();
    const int riseColumn = order_ == Order::NextSunrise ? 5 : 3;
    imgData.fill(Qt::black);
    QPainter painter(&imgData);
    FillListStripes(painter, visible, first, imgData.width(), kRowHeight);
    if (found_ >= first && found_ < first + visible) {
        painter.setPen(Aqua);
        painter.drawRect(
            QRect(0, kRowHeight * (found_ - first), imgData.width() - 2, kRowHeight - 1));
    }
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8));
    const int textWidth = imgData.width();
    auto text = [&](int x, int y, const QColor& colour, const QString& s) {
        painter.setPen(colour);
        painter.drawText(QRect(x, y, textWidth - x, kRowHeight), Qt::AlignLeft | Qt::AlignTop, s);
    };
    for (int k = 0; k < visible; ++k) {
        const int shown = k + first;
        if (shown >= static_cast<int>(shown_.size())) break; // the blank row at the end
        const int row = shown_[static_cast<std::size_t>(shown)];
        const int y = kRowHeight * k + 1;
        text(10, y, ValueTextColour, StringGrid1.Cell(0, row));
        text(250, y, Aqua, WithoutSeconds(StringGrid1.Cell(riseColumn, row)));
        text(430, y, Qt::white, WithoutSeconds(StringGrid1.Cell(riseColumn + 1, row)));
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
    if (!listscrolling::ScrollByKey(*ScrollBar1, event->key())) TFrame::keyPressEvent(event);
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

QString TFeatures::CsvText() const {
    const bool bySunrise = order_ == Order::NextSunrise;
    const int riseColumn = bySunrise ? 5 : 3;
    QString csv = QStringLiteral("Feature Name,Longitude,Latitude,%1,Sunset\n")
                      .arg(bySunrise ? QStringLiteral("Next Sunrise") : QStringLiteral("Sunrise"));
    for (const int row : shown_) {
        const QStringList cells = {StringGrid1.Cell(0, row), StringGrid1.Cell(1, row),
                                   StringGrid1.Cell(2, row), StringGrid1.Cell(riseColumn, row),
                                   StringGrid1.Cell(riseColumn + 1, row)};
        QStringList fields;
        for (const QString& cell : cells)
            fields << CsvField(cell);
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

bool TFeatures::ExportCsv() {
    WaitForTimes();
    const QString suggested =
        QDir(platform::PdfFolder())
            .filePath(QStringLiteral("Cresselle Lunar Features %1 %2.csv")
                          .arg(QString::fromStdString(astro::LongMonthName(month_ ? month_ : 1)))
                          .arg(year_));
    QString path = platform::GetSaveFileName(this, QStringLiteral("Save the lunar features list"),
                                             suggested, QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CsvText().toUtf8()) < 0 || !file.commit()) {
        platform::ShowMessage(this, QStringLiteral("The list could not be saved in \"%1\": %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

// Pages of rows under the page frame: name, coordinates and the two times, in the shown order.
bool TFeatures::PrintList() {
    WaitForTimes();
    PrintJob job(this, SuggestedPdfName(QStringLiteral("Lunar Features"), month_, year_),
                 PrintJob::Orientation::Portrait);
    if (!job.Started()) return false;
    QPainter& canvas = job.Canvas();
    const int pw = job.PageWidth();
    const int ph = job.PageHeight();
    const bool bySunrise = order_ == Order::NextSunrise;
    const int riseColumn = bySunrise ? 5 : 3;
    const int rows = static_cast<int>(shown_.size());
    const int left = pw / 14;
    const int columns[] = {left, left + pw * 36 / 100, left + pw * 47 / 100, left + pw * 58 / 100,
                           left + pw * 78 / 100};
    int next = 0;
    do {
        if (next > 0) job.Printer()->newPage();
        PrintPageHeader(canvas, month_ ? month_ : 1, year_);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(8);
        font.setBold(true);
        canvas.setFont(font);
        const int line = canvas.fontMetrics().height() * 5 / 4;
        int y = HeaderBottom + line;
        canvas.setPen(Qt::black);
        const QString headings[] = {
            QStringLiteral("Feature Name"), QStringLiteral("Longitude"), QStringLiteral("Latitude"),
            bySunrise ? QStringLiteral("Next Sunrise") : QStringLiteral("Sunrise"),
            QStringLiteral("Sunset")};
        for (int c = 0; c < 5; ++c)
            canvas.drawText(columns[c], y, headings[c]);
        font.setBold(false);
        canvas.setFont(font);
        const int bottom = ph - FooterHeight - line;
        for (y += line; next < rows && y < bottom; y += line, ++next) {
            const int row = shown_[static_cast<std::size_t>(next)];
            if (next % 2)
                canvas.fillRect(
                    QRect(left - line / 2, y - line * 4 / 5, pw - 2 * left + line, line),
                    QColor(232, 232, 232));
            canvas.drawText(columns[0], y, StringGrid1.Cell(0, row));
            canvas.drawText(columns[1], y, StringGrid1.Cell(1, row));
            canvas.drawText(columns[2], y, StringGrid1.Cell(2, row));
            canvas.drawText(columns[3], y, WithoutSeconds(StringGrid1.Cell(riseColumn, row)));
            canvas.drawText(columns[4], y, WithoutSeconds(StringGrid1.Cell(riseColumn + 1, row)));
        }
        PrintPageFooter(canvas);
    } while (next < rows);
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
