#include "ui/reports/fEclipse.h"

#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/main/fMainStyle.h"

#include <QPainter>

#include <cmath>

using namespace mainstyle;

namespace {

constexpr int kMaximumRow = 142; // contacts are placed symmetrically about this line
constexpr int kMagnitudeRow = 210;
constexpr int kLabelX = 33;
constexpr int kTimeX = 185;

const QString& NoText() {
    static const QString empty;
    return empty;
}

} // namespace

QString EclipseHeading(const astro::EclipseCircumstances& eclipse) {
    QString kind;
    switch (eclipse.Kind) {
    case astro::PenumbralEclipse:
        kind = QStringLiteral("Penumbral Eclipse (");
        break;
    case astro::PartialEclipse:
        kind = QStringLiteral("Partial Eclipse (");
        break;
    case astro::TotalEclipse:
        kind = QStringLiteral("Total Eclipse (");
        break;
    default:
        return NoText();
    }
    return kind + QString::fromStdString(eclipse.Visibility) + QStringLiteral(")");
}

QString MagnitudeText(double magnitude) {
    const double rounded = std::round(magnitude * 1000.0) / 1000.0;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'g', 15);
}

TEclipse::TEclipse(QWidget* parent) : TFrame(parent) {
    setWindowTitle(QStringLiteral("Lunar Eclipse"));
    setBackground(
        LoadPicture(QStringLiteral("eclipse.jpg"), QSize(252, 252), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            p.fillRect(10, 40, 232, 28, QColor(200, 200, 220));
            p.fillRect(10, 72, 232, 170, Qt::black);
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(40, 10, 172, 23), Qt::AlignCenter, QStringLiteral("Lunar Eclipse"));
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
    lblDate->setToolTip(QStringLiteral("Double-click to show the eclipse's maximum"));
    connect(lblDate, &TClickLabel::doubleClicked, this, &TEclipse::lblDateDblClick);

    lblMaximum = new QLabel(this);
    lblMaximum->hide();
}

const astro::EclipseCircumstances& TEclipse::CurrentEclipse() {
    static const astro::EclipseCircumstances none;
    const TMain* main = Windows().Main;
    return main ? main->EclipseRecord : none;
}

void TEclipse::FormShow() {
    if (const TMain* main = Windows().Main) {
        const int buttonLeft = main->imgEclipse ? main->imgEclipse->x() : 182;
        move(BelowButton(*main, buttonLeft));
    }
    UpdateLabels(CurrentEclipse());
}

void TEclipse::lblDateDblClick() {
    if (TMain* main = Windows().Main; main && !lblMaximum->text().isEmpty())
        main->SelectMajorPhaseDate(lblMaximum->text());
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
        lblEclipseType->adjustSize();
    }
    lblEclipseType->move((width() - lblEclipseType->width()) / 2, lblEclipseType->y());
    if (lblDate->text() != date) {
        lblDate->setText(date);
        lblDate->adjustSize();
    }
    lblDate->move((width() - lblDate->width()) / 2, lblDate->y());
    lblMaximum->setText(maximum);
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

void TEclipse::DrawContacts(QPainter& canvas, const astro::EclipseCircumstances& eclipse) {
    const int h = canvas.fontMetrics().height(); // height of "Ty"
    const int k = eclipse.Kind;
    auto line = [&](int y, const char* label, const std::string& time) {
        canvas.setPen(Aqua);
        TextOut(canvas, kLabelX, y, QString::fromLatin1(label));
        canvas.setPen(ValueTextColour);
        TextOut(canvas, kTimeX, y, QString::fromStdString(time));
    };
    line(kMaximumRow, "Eclipse Maximum:", eclipse.Maximum);
    line(kMaximumRow - h * k, "Moon enters Penumbra:", eclipse.PenumbraEntered);
    line(kMaximumRow + h * k, "Moon exits Penumbra:", eclipse.PenumbraLeft);
    if (k >= astro::PartialEclipse) {
        line(kMaximumRow - h * (k - 1), "Moon enters Umbra:", eclipse.UmbraEntered);
        line(kMaximumRow + h * (k - 1), "Moon exits Umbra:", eclipse.UmbraLeft);
    }
    if (k == astro::TotalEclipse) {
        line(kMaximumRow - h * (k - 2), "Start of Totality:", eclipse.TotalityBegins);
        line(kMaximumRow + h * (k - 2), "End of Totality:", eclipse.TotalityEnds);
    }
    const double magnitude =
        k == astro::PenumbralEclipse ? eclipse.PenumbralMagnitude : eclipse.UmbralMagnitude;
    canvas.setPen(Aqua);
    TextOut(canvas, kLabelX, kMagnitudeRow, QStringLiteral("Eclipse Magnitude:"));
    canvas.setPen(ValueTextColour);
    TextOut(canvas, kTimeX, kMagnitudeRow, MagnitudeText(magnitude));
}
