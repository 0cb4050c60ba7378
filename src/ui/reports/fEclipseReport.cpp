// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fEclipseReport.h"

#include "astro/fEclipse.h"
#include "astro/fPhases.h"
#include "platform/Platform.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fEclipse.h"
#include "ui/state/AppState.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <algorithm>

using namespace mainstyle;

namespace {

constexpr int kListTop = 73;
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;
const QColor kStripeGrey(70, 70, 70);

QLabel* MakeCaption(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setFont(ArialPoints(9));
    label->setStyleSheet(TransparentLabelStyle(Qt::black));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeYearBox(QWidget* parent, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(geometry);
    box->setMaxLength(4);
    // Pasted text obeys the same rule as typed keys.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), box));
    return box;
}

QString KindName(std::uint8_t kind) {
    return EngineText(astro::EclipseKindName(kind));
}

// A list cell's text within `room` pixels: the kind loses its " Eclipse" first (the column
// says what it lists), then anything still too wide is cut with an ellipsis.
QString FitCell(const QFontMetrics& metrics, QString text, int room) {
    if (metrics.horizontalAdvance(text) > room && text.endsWith(QLatin1String(" Eclipse")))
        text.chop(8);
    return metrics.elidedText(text, Qt::ElideRight, room);
}

} // namespace

EclipseSearchResult SearchEclipses(int fromYear, int toYear, const astro::Observer& observer,
                                   const std::function<bool(int year)>& betweenYears,
                                   const QByteArray& zoneId) {
    // Made here: the search runs on its own thread.
    const TZone zone =
        zoneId.isEmpty() ? TZone::Fixed(observer.ZoneOffsetMinutes)
                         : TZone::Named(zoneId).value_or(TZone::Fixed(observer.ZoneOffsetMinutes));
    EclipseSearchResult result;
    fromYear = std::clamp(fromYear, kMinYear, kMaxYear);
    toYear = std::clamp(toYear, kMinYear, kMaxYear);
    astro::MonthPhaseList phases;
    for (int year = fromYear; year <= toYear; ++year) {
        const auto y = static_cast<std::uint16_t>(year);
        for (int month = 1; month <= 12; ++month) {
            astro::DateTimeRec first;
            first.Day = 1;
            first.Month = static_cast<std::uint16_t>(month);
            first.Year = y;
            const int count = astro::MonthPhases(first, observer, phases);
            for (int i = 0; i < count; ++i)
                if (phases[static_cast<std::size_t>(i)].Kind == astro::PhaseKind::FullMoon &&
                    !astro::EclipseGeometry(phases[static_cast<std::size_t>(i)].K, y).NearNode)
                    result.FullMoonFarFromNode = true;
            const astro::MonthEclipseList found =
                MonthEclipsesInZone(phases, count, y, observer, zone);
            for (int i = 0; i < found.Count; ++i) {
                const astro::EclipseCircumstances& eclipse =
                    found.Eclipses[static_cast<std::size_t>(i)];
                EclipseEntry entry;
                entry.Kind = eclipse.Kind;
                entry.Text = (QString::fromStdString(eclipse.Maximum) + QStringLiteral("  ") +
                              QString::fromStdString(eclipse.Date))
                                 .left(27);
                entry.Visibility = EngineText(eclipse.Visibility);

                entry.LocalMaximum = eclipse.LocalMaximum;
                result.Entries.push_back(std::move(entry));
            }
        }
        if (betweenYears && !betweenYears(year)) {
            result.Stopped = year < toYear;
            break;
        }
    }
    return result;
}

TEclipseReport::TEclipseReport(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TEclipseReport::tr("Lunar Eclipses"));
    setBackground(LoadPicture(
        QStringLiteral("eclipsereport.jpg"), QSize(390, 285), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            p.fillRect(10, 38, 370, 32, QColor(200, 200, 220));
            p.fillRect(16, 72, 358, 195, Qt::black);
            p.fillRect(236, 42, 96, 24, QColor(120, 120, 160));
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(90, 10, 210, 23), Qt::AlignCenter,
                       TEclipseReport::tr("Lunar Eclipses"));
            p.drawText(QRect(236, 42, 96, 24), Qt::AlignCenter, TEclipseReport::tr("Calculate"));
            p.drawText(QRect(364, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
        }));
    setFixedSize(390, 285);
    addTitleLabel(QRect(90, 10, 210, 23));
    addExitLabel(QRect(364, 14, 13, 15));

    Label1 = MakeCaption(this, TEclipseReport::tr("From:"), QPoint(20, 46));
    Label2 = MakeCaption(this, TEclipseReport::tr("To:"), QPoint(118, 46));
    txtFromYear = MakeYearBox(this, QRect(58, 43, 44, 22));
    txtToYear = MakeYearBox(this, QRect(144, 43, 44, 22));
    txtFromYear->setText(QStringLiteral("1999"));
    txtToYear->setText(QStringLiteral("2001"));
    txtFromYear->installEventFilter(this);
    txtToYear->installEventFilter(this);

    lblCalculate = new TClickLabel(this, QRect(236, 42, 96, 24),
                                   TEclipseReport::tr("Calculate dates of eclipses between the two "
                                                      "selected years"));
    lblCalculate->setCursor(Qt::PointingHandCursor);
    connect(lblCalculate, &TClickLabel::clicked, this, &TEclipseReport::lblCalculateClick);

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setGeometry(width() - ScrollBar1->sizeHint().width() - 21, kListTop,
                            ScrollBar1->sizeHint().width(), 191);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TEclipseReport::DisplayDataBitmap);

    lblSelectedDate = new QLabel(this);
    lblSelectedDate->hide();

    // Over the list while a search runs: the year reached and a way out.
    SearchProgress = new QProgressBar(this);
    SearchProgress->setGeometry(40, 160, 220, 20);
    SearchProgress->setFormat(QStringLiteral("%v"));
    SearchProgress->hide();
    btnCancel = new QPushButton(TEclipseReport::tr("Cancel"), this);
    btnCancel->setGeometry(270, 158, 70, 24);
    btnCancel->hide();
    connect(btnCancel, &QPushButton::clicked, this, &TEclipseReport::CancelSearch);
    // Under the list: what a cancelled search found.
    lblSearchNote = new QLabel(this);
    lblSearchNote->setGeometry(16, 268, 358, 15);
    lblSearchNote->setFont(ArialPoints(7));
    lblSearchNote->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lblSearchNote->hide();
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &TEclipseReport::ShowProgress);

    imgData = DisplayPixmap(QSize(335, VisibleRows * RowHeight));
}

// Year boxes take the digits 0-9 and backspace; every other typed character is discarded.
bool TEclipseReport::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == txtFromYear || watched == txtToYear) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool typed = !text.isEmpty() && text.at(0).isPrint();
        if (typed && !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')) return true;
    }
    return TFrame::eventFilter(watched, event);
}

// The list scrolls with the arrows (a row), Page Up/Down (a page) and the wheel (three rows).
void TEclipseReport::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard(TableAsText());
        return;
    }
    if (const int rows = ScrollRowsForKey(*event, VisibleRows)) {
        ScrollBar1->setValue(ScrollBar1->value() + rows);
        return;
    }
    TFrame::keyPressEvent(event);
}

void TEclipseReport::wheelEvent(QWheelEvent* event) {
    if (const int notches = WheelNotches(*event, wheelRest_))
        ScrollBar1->setValue(ScrollBar1->value() + 3 * notches);
    event->accept();
}

void TEclipseReport::FormShow() {
    if (const QWidget* main = MainWidget())
        move(BelowButton(*main, MainControlLeft("lblReports", 158)));
    searched_ = false;
    const QString year = QString::number(SharedNow().date().year());
    txtFromYear->setText(year);
    txtToYear->setText(year);
    ScrollBar1->setMaximum(0);
    FormActivate();
}

void TEclipseReport::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        FormActivate();
}

void TEclipseReport::FormActivate() {
    ScrollBar1->setMinimum(0);
    ScrollBar1->setGeometry(width() - ScrollBar1->width() - 21, kListTop, ScrollBar1->width(), 191);
    imgData.fill(Qt::black);
    if (searched_) DisplayDataBitmap();
    update();
}

bool TEclipseReport::ReadYear(QLineEdit* box, int& year) {
    const QString text = box->text().trimmed();
    bool ok = false;
    year = text.toInt(&ok);
    if (text.isEmpty() || !ok) {
        platform::ShowMessage(this, TEclipseReport::tr("Please enter a year"));
        box->setFocus();
        return false;
    }
    if (year < kMinYear || year > kMaxYear) {
        platform::ShowMessage(this, TEclipseReport::tr("Please enter a year from 1 to 9999"));
        box->setFocus();
        return false;
    }
    return true;
}

TEclipseReport::~TEclipseReport() {
    CancelSearch();
}

void TEclipseReport::lblCalculateClick() {
    if (searching()) return; // a click during a search is ignored
    int fromYear = 0, toYear = 0;
    if (!ReadYear(txtFromYear, fromYear) || !ReadYear(txtToYear, toYear)) return;
    if (toYear < fromYear) {
        platform::ShowMessage(
            this, TEclipseReport::tr("The \"From\" date must be less than the \"To\" date."));
        return;
    }
    CalculateEclipses(fromYear, toYear);
}

void TEclipseReport::CalculateEclipses(int fromYear, int toYear) {
    if (searching() || toYear < fromYear) return;
    const astro::Observer observer = reportcontext::MainObserver();
    const QByteArray zoneId = CurrentZone().Id();
    cancel_ = false;
    yearReached_ = fromYear - 1;
    searchFrom_ = fromYear;
    lblSearchNote->hide();
    worker_ = QThread::create([this, fromYear, toYear, observer, zoneId] {
        found_ = SearchEclipses(
            fromYear, toYear, observer,
            [this](int year) {
                yearReached_ = year;
                return !cancel_;
            },
            zoneId);
    });
    // A search cancelled meanwhile has been ended already; its late signal is not this one's.
    connect(worker_, &QThread::finished, this, [this, search = ++searchNumber_] {
        if (search == searchNumber_) SearchEnded();
    });
    SearchProgress->setRange(fromYear - 1, toYear);
    SearchProgress->setValue(fromYear - 1);
    SearchProgress->show();
    btnCancel->show();
    progressTimer_->start();
    worker_->start();
}

void TEclipseReport::ShowProgress() {
    SearchProgress->setValue(yearReached_);
}

void TEclipseReport::CancelSearch() {
    if (!worker_) return;
    cancel_ = true;
    worker_->wait();
    SearchEnded();
}

// On the window's thread, once the worker has finished (or been stopped by Cancel).
void TEclipseReport::SearchEnded() {
    if (!worker_) return;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    progressTimer_->stop();
    SearchProgress->hide();
    btnCancel->hide();
    EclipseSearchResult result = std::move(found_);
    found_ = {};
    searched_ = true;
    if (cancel_ || result.Stopped) {
        // Cancelled: the list shows what was found up to then, and says so.
        const int reached = yearReached_;
        const int count = static_cast<int>(result.Entries.size());
        lblSearchNote->setText(
            reached < searchFrom_
                ? TEclipseReport::tr("Search cancelled before %1: no eclipses searched.")
                      .arg(searchFrom_)
                : TEclipseReport::tr("Search cancelled: %n eclipse(s) found from %1 to %2 only.",
                                     nullptr, count)
                      .arg(searchFrom_)
                      .arg(reached));
        lblSearchNote->show();
        entries_ = std::move(result.Entries);
        ScrollBar1->setValue(0);
        SetupDataBitmap();
        DisplayDataBitmap();
        return;
    }
    entries_ = std::move(result.Entries);
    if (result.FullMoonFarFromNode)
        if (TEclipse* eclipse = Windows().Eclipse) eclipse->hide();
    SetupDataBitmap();
    DisplayDataBitmap();
}

void TEclipseReport::SetEntries(std::vector<EclipseEntry> entries) {
    entries_ = std::move(entries);
    searched_ = true;
    SetupDataBitmap();
    DisplayDataBitmap();
}

QString TEclipseReport::TableAsText() const {
    QString text = TEclipseReport::tr("Eclipse\tMaximum\tVisibility\n");
    for (const EclipseEntry& entry : entries_)
        text += KindName(entry.Kind) + u'\t' + entry.Text + u'\t' + entry.Visibility + u'\n';
    return text;
}

void TEclipseReport::SetupDataBitmap() {
    const int count = static_cast<int>(entries_.size());
    ScrollBar1->setMaximum(count > VisibleRows ? count - VisibleRows : 0);
}

QList<TSpokenItem> TEclipseReport::SpokenItems() const {
    QList<TSpokenItem> items;
    const int rows = std::min(static_cast<int>(entries_.size()), VisibleRows);
    for (int b = 0; b < rows; ++b) {
        const std::size_t e =
            static_cast<std::size_t>(b) + static_cast<std::size_t>(ScrollBar1->value());
        if (e >= entries_.size()) break;
        const EclipseEntry& entry = entries_[e];
        items.append({QStringLiteral("%1, %2, %3")
                          .arg(KindName(entry.Kind), entry.Text.simplified(), entry.Visibility),
                      QRect(ListLeft, ScrollBar1->y() + RowHeight * b, ListWidth, RowHeight),
                      QAccessible::Row});
    }
    return items;
}

void TEclipseReport::DisplayDataBitmap() {
    const int rows = std::min(static_cast<int>(entries_.size()), VisibleRows);
    imgData.fill(Qt::black);
    QPainter canvas(&imgData);
    canvas.setFont(ArialPoints(8));
    for (int b = 0; b < rows; ++b) {
        const int row = b + ScrollBar1->value();
        const std::size_t e = static_cast<std::size_t>(row);
        if (e >= entries_.size()) break;
        const EclipseEntry& entry = entries_[e];
        const int top = RowHeight * b;
        canvas.fillRect(0, top, ListWidth, RowHeight, e % 2 ? kStripeGrey : Qt::black);
        canvas.setPen(Qt::white);
        // Each cell ends a few pixels before the next column starts.
        const QFontMetrics metrics = canvas.fontMetrics();
        TextOut(canvas, 10, top + 1, FitCell(metrics, KindName(entry.Kind), 100 - 10 - 4));
        canvas.setPen(Aqua);
        TextOut(canvas, 100, top + 1, FitCell(metrics, entry.Text, 250 - 100 - 4));
        canvas.setPen(ValueTextColour);
        TextOut(canvas, 250, top + 1, FitCell(metrics, entry.Visibility, ListWidth - 250));
    }
    canvas.end();
    update();
}

void TEclipseReport::paintEvent(QPaintEvent* event) {
    TFrame::paintEvent(event);
    if (!searched_) return;
    QPainter painter(this);
    painter.drawPixmap(ListLeft, ScrollBar1->y(), imgData);
}

void TEclipseReport::mousePressEvent(QMouseEvent* event) {
    lastMouseDown_ = event->position().toPoint();
    TFrame::mousePressEvent(event);
}

void TEclipseReport::mouseDoubleClickEvent(QMouseEvent* event) {
    lastMouseDown_ = event->position().toPoint();
    FormDblClick();
}

void TEclipseReport::FormDblClick() {
    const int x = lastMouseDown_.x(), y = lastMouseDown_.y();
    const int top = ScrollBar1->y();
    const int rows = std::min(static_cast<int>(entries_.size()), VisibleRows);
    if (!(ListLeft < x && x < ListWidth + ListLeft - 1)) return;
    if (!(top < y && y < top + RowHeight * rows)) return;
    const int row = (y - top) / RowHeight + ScrollBar1->value();
    const std::size_t index = static_cast<std::size_t>(row);
    if (index >= entries_.size()) return;
    const EclipseEntry& entry = entries_[index];

    lblSelectedDate->setText(entry.Text);
    if (TAppState* state = SharedState()) emit state->localTimeRequested(entry.LocalMaximum);
    PlaceSideBySide();
}

// The eclipse window and the list side by side, centred under the main window.
void TEclipseReport::PlaceSideBySide() {
    TEclipse* eclipse = Windows().Eclipse;
    const QWidget* main = MainWidget();
    if (!eclipse || !main) return;
    eclipse->show();
    eclipse->raise();
    eclipse->repaint();
    const int left = main->x() + (main->width() - eclipse->width() - width()) / 2;
    eclipse->move(left, eclipse->y());
    move(left + eclipse->width(), y());
}

void TEclipseReport::closeEvent(QCloseEvent* event) {
    CancelSearch();
    entries_.clear();
    entries_.shrink_to_fit();
    TFrame::closeEvent(event);
}
