// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fEclipse.h"

#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/state/AppState.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"

#include <QPainter>

#include <cmath>

using namespace mainstyle;

namespace {

constexpr int kMaximumRow = 142; // contacts are placed symmetrically about this line
constexpr int kMagnitudeRow = 210;
constexpr int kLabelX = 33;
constexpr int kTimeX = 185;

// "21st", "22nd", "23rd", "24th", "11th".
QString DayOrdinal(int day) {
    const char* form = QT_TRANSLATE_NOOP("TEclipse", "%1th");
    if (day % 100 < 11 || day % 100 > 13) {
        if (day % 10 == 1) form = QT_TRANSLATE_NOOP("TEclipse", "%1st");
        if (day % 10 == 2) form = QT_TRANSLATE_NOOP("TEclipse", "%1nd");
        if (day % 10 == 3) form = QT_TRANSLATE_NOOP("TEclipse", "%1rd");
    }
    return TEclipse::tr(form).arg(day);
}

// A contact on another local day than the maximum carries that day: "01:12 (21st)". Contacts
// lie within hours of the maximum, so a clock time past the maximum's before it (or short of
// it after it) is on the day before (after).
QString ContactText(const astro::EclipseCircumstances& eclipse, const std::string& time,
                    bool beforeMaximum) {
    QString text = QString::fromStdString(time);
    const QString maximum = QString::fromStdString(eclipse.Maximum);
    if (text.size() != 5 || maximum.size() != 5 || eclipse.LocalMaximum.Year == 0) return text;
    int shift = 0;
    if (beforeMaximum && text > maximum) shift = -1;
    if (!beforeMaximum && text < maximum) shift = 1;
    if (shift == 0) return text;
    const astro::DateTimeRec day =
        astro::JulianToDate(astro::DateToJulian(eclipse.LocalMaximum) + shift);
    return QStringLiteral("%1 (%2)").arg(text, DayOrdinal(day.Day));
}

const QString& NoText() {
    static const QString empty;
    return empty;
}

} // namespace

QString EclipseHeading(const astro::EclipseCircumstances& eclipse) {
    QString kind;
    switch (eclipse.Kind) {
    case astro::PenumbralEclipse:
        kind = EngineText("Penumbral Eclipse");
        break;
    case astro::PartialEclipse:
        kind = EngineText("Partial Eclipse");
        break;
    case astro::TotalEclipse:
        kind = EngineText("Total Eclipse");
        break;
    default:
        return NoText();
    }
    return kind + QStringLiteral(" (") + EngineText(eclipse.Visibility) + QStringLiteral(")");
}

QString MagnitudeText(double magnitude) {
    const double rounded = std::round(magnitude * 1000.0) / 1000.0;
    return ShownNumber(rounded == 0 ? 0.0 : rounded, 'g', 15);
}

TEclipse::TEclipse(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TEclipse::tr("Lunar Eclipse"));
    setBackground(
        LoadPicture(QStringLiteral("eclipse.jpg"), QSize(252, 252), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            p.fillRect(10, 40, 232, 28, QColor(200, 200, 220));
            p.fillRect(10, 72, 232, 170, Qt::black);
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(40, 10, 172, 23), Qt::AlignCenter, TEclipse::tr("Lunar Eclipse"));
            p.drawText(QRect(226, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
        }));
    setFixedSize(252, 252);
    addTitleLabel(QRect(40, 10, 172, 23));
    addExitLabel(QRect(226, 14, 13, 15));

    lblEclipseType = new QLabel(this);
    lblEclipseType->setFont(ArialPixels(15, true));
    lblEclipseType->setStyleSheet(TransparentLabelStyle(Navy));
    lblEclipseType->move(0, 44);

    lblDate = new TClickLabel(this);
    QFont dateFont(QStringLiteral("MS Sans Serif"));
    dateFont.setPixelSize(12);
    dateFont.setBold(true);
    lblDate->setFont(dateFont);
    lblDate->setStyleSheet(TransparentLabelStyle(Aqua));
    lblDate->move(0, 75);
    lblDate->setToolTip(TEclipse::tr("Double-click to show the eclipse's maximum"));
    connect(lblDate, &TClickLabel::doubleClicked, this, &TEclipse::lblDateDblClick);

    lblMaximum = new QLabel(this);
    lblMaximum->hide();

    lblOtherEclipse = new TClickLabel(this);
    lblOtherEclipse->setFont(ArialPixels(12, true));
    lblOtherEclipse->setStyleSheet(TransparentLabelStyle(Aqua));
    lblOtherEclipse->setCursor(Qt::PointingHandCursor);
    lblOtherEclipse->setToolTip(TEclipse::tr("This month holds two eclipses"));
    lblOtherEclipse->move(0, 226);
    lblOtherEclipse->hide();
    connect(lblOtherEclipse, &TClickLabel::clicked, this, &TEclipse::lblOtherEclipseClick);
    // An open window shows the eclipse of the month and zone the main window shows now.
    reportcontext::FollowSharedState(this, [this] {
        UpdateLabels(CurrentEclipse());
        update();
    });
}

void TEclipse::lblOtherEclipseClick() {
    TAppState* state = SharedState();
    if (!state || state->MonthEclipses.Count < 2) return;
    emit state->eclipseRequested(1 - state->ShownEclipse);
    UpdateLabels(CurrentEclipse());
    update();
}

// "Also: 02 March 1904" under the contacts when the month holds a second eclipse.
void TEclipse::UpdateOtherEclipse() {
    const TAppState* state = SharedState();
    const bool two = state && state->MonthEclipses.Count == 2;
    QString text;
    if (two) {
        const auto& other =
            state->MonthEclipses.Eclipses[static_cast<std::size_t>(1 - state->ShownEclipse)];
        text = TEclipse::tr("Also: ") + QString::fromStdString(other.Date);
    }
    if (lblOtherEclipse->text() != text) {
        lblOtherEclipse->setText(text);
        lblOtherEclipse->adjustSize();
    }
    lblOtherEclipse->move((width() - lblOtherEclipse->width()) / 2, lblOtherEclipse->y());
    lblOtherEclipse->setVisible(two);
}

const astro::EclipseCircumstances& TEclipse::CurrentEclipse() {
    static const astro::EclipseCircumstances none;
    const TAppState* state = SharedState();
    return state ? state->Eclipse : none;
}

void TEclipse::FormShow() {
    if (const QWidget* main = MainWidget())
        move(BelowButton(*main, MainControlLeft("imgEclipse", 182)));
    UpdateLabels(CurrentEclipse());
}

void TEclipse::lblDateDblClick() {
    if (TAppState* state = SharedState();
        state && !lblMaximum->text().isEmpty() && CurrentEclipse().Kind != astro::NoEclipse)
        emit state->localTimeRequested(CurrentEclipse().LocalMaximum);
}

// The heading's font shrinks until the text fits the window with a margin each side
// ("Penumbral Eclipse (Partially Visible)" is wider than the window at 15 pixels).
void TEclipse::FitHeading() {
    constexpr int Margin = 4;
    const int room = width() - 2 * Margin;
    for (int pixels = 15; pixels >= 9; --pixels) {
        lblEclipseType->setFont(ArialPixels(pixels, true));
        if (lblEclipseType->fontMetrics().horizontalAdvance(lblEclipseType->text()) <= room) break;
    }
    lblEclipseType->adjustSize();
    if (lblEclipseType->width() > room) {
        lblEclipseType->setText(lblEclipseType->fontMetrics().elidedText(lblEclipseType->text(),
                                                                         Qt::ElideMiddle, room));
        lblEclipseType->adjustSize();
    }
}

// Heading and date, each centred across the window.
void TEclipse::UpdateLabels(const astro::EclipseCircumstances& eclipse) {
    const QString heading = EclipseHeading(eclipse);
    const QString date = eclipse.Kind ? QString::fromStdString(eclipse.Date) : QString();
    const QString maximum =
        eclipse.Kind ? QString::fromStdString(eclipse.Maximum) + QStringLiteral("  ") + date
                     : QString();
    if (lblEclipseType->text() != heading) {
        lblEclipseType->setText(heading);
        FitHeading();
    }
    lblEclipseType->move((width() - lblEclipseType->width()) / 2, lblEclipseType->y());
    if (lblDate->text() != date) {
        lblDate->setText(date);
        lblDate->adjustSize();
    }
    lblDate->move((width() - lblDate->width()) / 2, lblDate->y());
    lblMaximum->setText(maximum);
    UpdateOtherEclipse();
}

void TEclipse::paintEvent(QPaintEvent* event) {
    TFrame::paintEvent(event);
    const astro::EclipseCircumstances& eclipse = CurrentEclipse();
    UpdateLabels(eclipse);
    if (eclipse.Kind < astro::PenumbralEclipse || eclipse.Kind > astro::TotalEclipse) return;
    QPainter canvas(this);
    canvas.setFont(ArialPoints(9));
    DrawContacts(canvas, eclipse);
}

std::vector<EclipseLine> EclipseLines(const astro::EclipseCircumstances& eclipse, int lineHeight) {
    std::vector<EclipseLine> lines;
    const int k = eclipse.Kind;
    if (k < astro::PenumbralEclipse || k > astro::TotalEclipse) return lines;
    const int h = lineHeight;
    auto add = [&](int top, const char* label, const QString& value) {
        lines.push_back({top, TEclipse::tr(label), value});
    };
    auto before = [&](const std::string& time) { return ContactText(eclipse, time, true); };
    auto after = [&](const std::string& time) { return ContactText(eclipse, time, false); };
    add(kMaximumRow, QT_TRANSLATE_NOOP("TEclipse", "Eclipse Maximum:"),
        QString::fromStdString(eclipse.Maximum));
    add(kMaximumRow - h * k, QT_TRANSLATE_NOOP("TEclipse", "Moon enters Penumbra:"),
        before(eclipse.PenumbraEntered));
    add(kMaximumRow + h * k, QT_TRANSLATE_NOOP("TEclipse", "Moon exits Penumbra:"),
        after(eclipse.PenumbraLeft));
    if (k >= astro::PartialEclipse) {
        add(kMaximumRow - h * (k - 1), QT_TRANSLATE_NOOP("TEclipse", "Moon enters Umbra:"),
            before(eclipse.UmbraEntered));
        add(kMaximumRow + h * (k - 1), QT_TRANSLATE_NOOP("TEclipse", "Moon exits Umbra:"),
            after(eclipse.UmbraLeft));
    }
    if (k == astro::TotalEclipse) {
        add(kMaximumRow - h * (k - 2), QT_TRANSLATE_NOOP("TEclipse", "Start of Totality:"),
            before(eclipse.TotalityBegins));
        add(kMaximumRow + h * (k - 2), QT_TRANSLATE_NOOP("TEclipse", "End of Totality:"),
            after(eclipse.TotalityEnds));
    }
    const double magnitude =
        k == astro::PenumbralEclipse ? eclipse.PenumbralMagnitude : eclipse.UmbralMagnitude;
    lines.push_back({kMagnitudeRow, TEclipse::tr("Eclipse Magnitude:"), MagnitudeText(magnitude)});

    return lines;
}

void TEclipse::DrawContacts(QPainter& canvas, const astro::EclipseCircumstances& eclipse) {
    for (const EclipseLine& line : EclipseLines(eclipse, canvas.fontMetrics().height())) {
        canvas.setPen(Aqua);
        TextOut(canvas, kLabelX, line.Top, line.Label);
        canvas.setPen(ValueTextColour);
        // A contact with its day ("01:12 (21st)") is narrowed rather than cut at the edge.
        const int room = width() - kTimeX - 4;
        const int wide = TextWidth(canvas, line.Value);
        if (wide <= room) {
            TextOut(canvas, kTimeX, line.Top, line.Value);
            continue;
        }
        canvas.save();
        canvas.translate(kTimeX, line.Top);
        canvas.scale(static_cast<double>(room) / wide, 1.0);
        TextOut(canvas, 0, 0, line.Value);
        canvas.restore();
    }
}
