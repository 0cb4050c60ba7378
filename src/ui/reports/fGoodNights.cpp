// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fGoodNights.h"

#include "export/GoodNightsCalendar.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "ui/reports/ListScrolling.h"
#include "ui/state/AppState.h"
#include "ui/style/FeatureStyle.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QSpinBox>

#include <cmath>

using namespace featurestyle;

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr int kListTop = 104;
constexpr int kRowHeight = 16;
constexpr int kScrollWidth = 16;
constexpr int kColumns[] = {10, 150, 215, 280, 370, 480}; // x of the six columns in the list

QDoubleSpinBox* DegreeBox(QWidget* parent, const QRect& geometry, double value, double low,
                          const QString& hint) {
    auto* box = new QDoubleSpinBox(parent);
    box->setGeometry(geometry);
    box->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    box->setRange(low, 90);
    box->setDecimals(1);
    box->setSingleStep(1);
    box->setSuffix(QStringLiteral("\u00B0"));
    box->setValue(value);
    box->setToolTip(hint);
    box->setKeyboardTracking(false);
    return box;
}

QString LengthText(double days) {
    const long minutes = std::lround(days * 1440);
    return minutes >= 60 ? TGoodNights::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60)
                         : TGoodNights::tr("%1 min").arg(minutes);
}

} // namespace

TGoodNights::TGoodNights(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Good Nights for a Lunar Feature"));
    setFixedSize(kWidth, kHeight);
    addTitleLabel(QRect(146, 10, 349, 23));
    addExitLabel(QRect(614, 14, 13, 15), tr("Close this window"));

    lblFeature = AquaCaption(this, QString(), {20, 40});
    lblFeature->setFixedSize(600, 16);
    const QFont font = ScaledFont(QStringLiteral("Arial"), 8);
    auto caption = [&](const QString& text, int x) { AquaCaption(this, text, {x, 64}); };
    caption(tr("Sun over it"), 20);
    txtSunMin = DegreeBox(this, QRect(86, 60, 58, 20), 1, -90,
                          tr("Least altitude of the Sun over the feature"));
    caption(tr("to"), 148);
    txtSunMax = DegreeBox(this, QRect(164, 60, 58, 20), 12, -90,
                          tr("Greatest altitude of the Sun over the feature (low-angle relief)"));
    caption(tr("Moon at least"), 232);
    txtMoonMin = DegreeBox(this, QRect(308, 60, 58, 20), 15, -90,
                           tr("Least altitude of the Moon above your horizon"));
    cmbSky = new QComboBox(this);
    cmbSky->setFont(font);
    cmbSky->setGeometry(376, 60, 150, 20);
    cmbSky->addItem(tr("Civil dark (Sun -6\u00B0)"), -6.0);
    cmbSky->addItem(tr("Nautical dark (Sun -12\u00B0)"), -12.0);
    cmbSky->addItem(tr("Astronomical dark (Sun -18\u00B0)"), -18.0);
    cmbSky->setToolTip(tr("How dark your sky must be"));
    txtMonths = new QSpinBox(this);
    txtMonths->setFont(font);
    txtMonths->setGeometry(536, 60, 84, 20);
    txtMonths->setRange(1, MaxMonths);
    txtMonths->setValue(3);
    txtMonths->setSuffix(tr(" months"));
    txtMonths->setKeyboardTracking(false);
    txtMonths->setToolTip(tr("Months searched from the month shown"));

    const QString headings[] = {tr("Night of"), tr("Start"),       tr("End"),
                                tr("Length"),   tr("Sun over it"), tr("Moon")};
    for (int c = 0; c < 6; ++c)
        AquaCaption(this, headings[c], {20 + kColumns[c], 86});

    imgData = mainstyle::DisplayPixmap(QSize(kWidth - kScrollWidth - 40, VisibleRows * kRowHeight));
    imgData.fill(Qt::black);
    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setGeometry(mainstyle::PointSize(imgData).width() + 19, kListTop, kScrollWidth,
                            mainstyle::PointSize(imgData).height());
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setPageStep(VisibleRows);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TGoodNights::DisplayDataBitmap);

    lblStatus = AquaCaption(this, QString(), {20, 372});
    lblStatus->setFixedSize(400, 16);
    lblPrint = BandButton(this, tr("Print"), QRect(460, 372, 40, 16), tr("Print the list"));
    connect(lblPrint, &TClickLabel::clicked, this, [this] {
        PrintFromClick(this, lblPrint->clickModifiers(), PrintJob::Orientation::Portrait,
                       [this] { PrintList(); });
    });
    lblCalendar = BandButton(this, tr("Save iCalendar"), QRect(510, 372, 110, 16),
                             tr("Save the windows as calendar events"));
    connect(lblCalendar, &TClickLabel::clicked, this, &TGoodNights::SaveCalendar);

    for (QDoubleSpinBox* box : {txtSunMin, txtSunMax, txtMoonMin})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TGoodNights::Recompute);
    connect(txtMonths, &QSpinBox::valueChanged, this, &TGoodNights::Recompute);
    connect(cmbSky, &QComboBox::currentIndexChanged, this, &TGoodNights::Recompute);
}

astro::NightConditions TGoodNights::Conditions() const {
    astro::NightConditions c;
    c.FeatureSunMin = txtSunMin->value();
    c.FeatureSunMax = txtSunMax->value();
    c.MoonMinAltitude = txtMoonMin->value();
    c.SunMaxAltitude = cmbSky->currentData().toDouble();
    return c;
}

bool TGoodNights::ShowFor(const FeatureTexts& feature, const astro::DateTimeRec& from,
                          const astro::Observer& observer) {
    if (!ParseCoordinate(feature.Longitude, CoordinateAxis::Longitude, longitude_) ||
        !ParseCoordinate(feature.Latitude, CoordinateAxis::Latitude, latitude_))
        return false;
    feature_ = feature;
    from_ = from;
    observer_ = observer;
    lblFeature->setText(tr("%1   longitude %2\u00B0, latitude %3\u00B0   from %4 %5")
                            .arg(feature.Name, feature.Longitude, feature.Latitude,
                                 QString::fromStdString(astro::LongMonthName(from.Month)))
                            .arg(from.Year));
    Recompute();
    show();
    raise();
    activateWindow();
    return true;
}

void TGoodNights::Recompute() {
    nights_.clear();
    if (feature_.Name.isEmpty() && feature_.Longitude.isEmpty()) return;
    const astro::NightConditions c = Conditions();
    if (!(c.FeatureSunMin < c.FeatureSunMax)) {
        lblStatus->setText(tr("The least altitude must be below the greatest."));
        DisplayDataBitmap();
        return;
    }
    // From 0h local on the 1st, for the chosen months, in the offsets in force then.
    astro::DateTimeRec first = from_;
    first.Day = 1;
    first.Hour = first.Minute = first.Second = 0;
    const int startIndex = first.Year * 12 + first.Month - 1;
    const int endIndex = std::min(startIndex + txtMonths->value(), 9999 * 12 + 12);
    astro::DateTimeRec last = first;
    last.Year = static_cast<std::uint16_t>(endIndex / 12);
    last.Month = static_cast<std::uint16_t>(endIndex % 12 + 1);
    auto utOf = [&](const astro::DateTimeRec& local) {
        const int offset = CurrentZone().IsNamed() ? CurrentZone().OffsetAtLocal(local)
                                                   : observer_.ZoneOffsetMinutes;
        return astro::DateToJulian(local) - offset / 1440.0;
    };
    nights_.resize(static_cast<std::size_t>(MaxMonths) * 40);
    const int count = astro::GoodNights(utOf(first), utOf(last), longitude_, latitude_, observer_,
                                        c, nights_.data(), static_cast<int>(nights_.size()));
    nights_.resize(static_cast<std::size_t>(count));
    lblStatus->setText(count == 0 ? tr("No window in these months: try a wider band or a lower "
                                       "Moon.")
                                  : tr("%n window(s)", nullptr, count));
    ScrollBar1->setMaximum(std::max(0, count - VisibleRows));
    ScrollBar1->setValue(0);
    DisplayDataBitmap();
}

QString TGoodNights::LocalText(astro::JulianDay ut, const char* format) const {
    const astro::DateTimeRec d = LocalDateTime(ut, TObserverClock(observer_).Zone());
    return QString::asprintf(format, d.Hour, d.Minute, d.Day,
                             astro::ShortMonthName(d.Month).c_str(), d.Year);
}

QStringList TGoodNights::RowTexts(int index) const {
    const astro::GoodNight& g = nights_[static_cast<std::size_t>(index)];
    // The night is named by the local date of its evening (noon before the start).
    const double local = LocalInstant(g.Start, TObserverClock(observer_).Zone()).LocalJd;
    const astro::DateTimeRec evening = astro::JulianToDate(local - 0.5);
    return {QStringLiteral("%1 %2 %3")
                .arg(evening.Day, 2, 10, QLatin1Char('0'))
                .arg(QString::fromStdString(astro::ShortMonthName(evening.Month)))
                .arg(evening.Year),
            LocalText(g.Start, "%02d:%02d"),
            LocalText(g.End, "%02d:%02d"),
            LengthText(g.End - g.Start),
            ShownNumber(g.FeatureSunAltitudeMid, 'f', 1) + QChar(0x00B0),
            ShownNumber(g.MoonAltitudeMid, 'f', 0) + QChar(0x00B0)};
}

void TGoodNights::DisplayDataBitmap() {
    const int count = static_cast<int>(nights_.size());
    const int first = ScrollBar1->value();
    const int visible = std::min(VisibleRows, count - first);
    imgData.fill(Qt::black);
    QPainter painter(&imgData);
    FillListStripes(painter, std::max(0, visible), first, mainstyle::PointSize(imgData).width(),
                    kRowHeight);
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8));
    for (int k = 0; k < visible; ++k) {
        const QStringList cells = RowTexts(first + k);
        const QColor colours[] = {ValueTextColour,     Aqua,     Aqua, Qt::white,
                                  QColor(255, 255, 0), Qt::white};
        for (int c = 0; c < 6; ++c) {
            painter.setPen(colours[c]);
            painter.drawText(QRect(kColumns[c], kRowHeight * k + 1, 140, kRowHeight),
                             Qt::AlignLeft | Qt::AlignTop, cells[c]);
        }
    }
    painter.end();
    update();
}

std::string TGoodNights::CalendarText() const {
    const double nowUt = TAppState::UtNow();
    return ics::CalendarText(ics::GoodNightEvents(feature_.Name.toStdString(), nights_.data(),
                                                  static_cast<int>(nights_.size()), Conditions()),
                             nowUt, std::string(ProgramAndVersion).substr(sizeof "Cresselle V" - 1),
                             tr("Good nights for %1 (Cresselle)").arg(feature_.Name).toStdString());
}

bool TGoodNights::SaveCalendar() {
    const QString path = platform::ChooseSaveFile(
        this, QStringLiteral("calendar"), tr("Save the good nights as a calendar"),
        platform::PdfFolder(), tr("Cresselle Good Nights %1.ics").arg(feature_.Name),
        tr("iCalendar files (*.ics)"), QStringLiteral(".ics"));
    if (path.isEmpty()) return false;
    const std::string text = CalendarText();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) < 0 || !file.commit()) {
        platform::ShowMessage(this, tr("The calendar could not be saved in \"%1\": %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

bool TGoodNights::PrintList() {
    PrintJob job(this,
                 SuggestedPdfName(tr("Good Nights %1").arg(feature_.Name), from_.Month, from_.Year),
                 PrintJob::Orientation::Portrait);
    if (!job.Started()) return false;
    QPainter& canvas = job.Canvas();
    const int pw = job.PageWidth();
    const int ph = job.PageHeight();
    const int rows = static_cast<int>(nights_.size());
    const int left = pw / 14;
    const int width = pw - 2 * left;
    const int columns[] = {0, 22, 34, 46, 62, 80}; // percent of the width
    int next = 0;
    do {
        if (next > 0) job.Printer()->newPage();
        PrintPageHeader(canvas, from_.Month, from_.Year);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9);
        font.setBold(true);
        canvas.setFont(font);
        const int line = canvas.fontMetrics().height() * 5 / 4;
        int y = HeaderBottom + line;
        canvas.setPen(Qt::black);
        canvas.drawText(left, y, lblFeature->text());
        y += line;
        const astro::NightConditions c = Conditions();
        font.setBold(false);
        canvas.setFont(font);
        canvas.drawText(left, y,
                        tr("Sun %1\u00B0 to %2\u00B0 over the feature, Moon at least %3\u00B0 "
                           "high, Sun below %4\u00B0 here")
                            .arg(ShownNumber(c.FeatureSunMin, 'g', 6),
                                 ShownNumber(c.FeatureSunMax, 'g', 6),
                                 ShownNumber(c.MoonMinAltitude, 'g', 6),
                                 ShownNumber(c.SunMaxAltitude, 'g', 6)));
        y += 2 * line;
        font.setBold(true);
        canvas.setFont(font);
        const QString headings[] = {tr("Night of"), tr("Start"),       tr("End"),
                                    tr("Length"),   tr("Sun over it"), tr("Moon")};
        for (int col = 0; col < 6; ++col)
            canvas.drawText(left + width * columns[col] / 100, y, headings[col]);
        font.setBold(false);
        canvas.setFont(font);
        const int bottom = ph - FooterHeight - line;
        for (y += line; next < rows && y < bottom; y += line, ++next) {
            const QStringList cells = RowTexts(next);
            for (int col = 0; col < 6; ++col)
                canvas.drawText(left + width * columns[col] / 100, y, cells[col]);
        }
        if (rows == 0) canvas.drawText(left, y + line, lblStatus->text());
        PrintPageFooter(canvas);
    } while (next < rows);
    return job.Finish();
}

void TGoodNights::wheelEvent(QWheelEvent* event) {
    listscrolling::ScrollByWheel(*ScrollBar1, *event, wheelDelta_);
    event->accept();
}

void TGoodNights::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 40, 60));
    painter.setPen(Aqua);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 10, true));
    painter.drawText(QRect(146, 10, 349, 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(614, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
    painter.drawPixmap(20, kListTop, imgData);
}
