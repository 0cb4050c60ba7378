// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fPrintOptions.h"

#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/fPrintCalendar.h"
#include "settings/ObserverSettings.h"
#include "settings/TSpinButton.h"
#include "ui/Windows.h"
#include "ui/frame/NumericKeyFilter.h"
#include "ui/state/AppState.h"
#include "ui/style/Style.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <utility>

using namespace mainstyle;

namespace {

constexpr int HighestDensity = 100;

QCheckBox* OptionBox(QWidget* parent, int y) {
    auto* box = new QCheckBox(parent);
    box->setGeometry(30, y, 13, 13);
    return box;
}

void PaintFallback(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
    p.fillRect(14, 56, 192, 96, Qt::black);
    p.fillRect(14, 160, 192, 40, Qt::black);
    p.fillRect(62, 210, 99, 29, QColor(40, 50, 120));
    p.setPen(QColor(220, 220, 255));
    p.drawText(QRect(30, 12, 160, 26), Qt::AlignCenter, TPrintOptions::tr("Print Options"));
    p.drawText(QRect(62, 210, 99, 29), Qt::AlignCenter, TPrintOptions::tr("OK"));
    p.setPen(Aqua);
    const char* const captions[] = {
        QT_TRANSLATE_NOOP("TPrintOptions", "Daily Phases"),
        QT_TRANSLATE_NOOP("TPrintOptions", "Major Phases"),
        QT_TRANSLATE_NOOP("TPrintOptions", "Moon's Rise/Transit/Set Times"),
        QT_TRANSLATE_NOOP("TPrintOptions", "Sun's Rise/Transit/Set Times")};
    for (int i = 0; i < 4; ++i)
        p.drawText(50, 81 + 20 * i, TPrintOptions::tr(captions[i]));

    p.drawText(QRect(14, 170, 124, 21), Qt::AlignRight | Qt::AlignVCenter,
               TPrintOptions::tr("Daily Phase Density:"));
}

QPixmap CloseButtonPicture() {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(18, 18) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, 17, 17), 3, 3);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawLine(QPointF(5, 5), QPointF(13, 13));
    p.drawLine(QPointF(13, 5), QPointF(5, 13));
    return picture;
}

} // namespace

TPrintOptions::TPrintOptions(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Print Options"));
    setBackground(LoadPicture(QStringLiteral("printoptions.jpg"), QSize(220, 260), PaintFallback));
    setFixedSize(220, 260);

    chkDailyPhases = OptionBox(this, 70);
    chkMajorPhases = OptionBox(this, 90);
    chkMoonTimes = OptionBox(this, 110);
    chkSunTimes = OptionBox(this, 130);

    txtDensity = new QLineEdit(this);
    txtDensity->setGeometry(142, 170, 27, 21);
    txtDensity->setMaxLength(3);
    txtDensity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtDensity->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(255, 255, 176); color: black; }"));
    // Digits only, typed or pasted; Backspace still edits.
    InstallNumericKeyFilter(txtDensity, 0);
    txtDensity->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}")), txtDensity));
    txtDensity->installEventFilter(this);

    DensitySpinButton = new TSpinButton(this, QRect(171, 170, 15, 19));
    connect(DensitySpinButton, &TSpinButton::upClick, this,
            &TPrintOptions::DensitySpinButtonUpClick);
    connect(DensitySpinButton, &TSpinButton::downClick, this,
            &TPrintOptions::DensitySpinButtonDownClick);

    lblOK = new TClickLabel(this, QRect(62, 210, 99, 29));
    lblOK->setCursor(Qt::PointingHandCursor);
    connect(lblOK, &TClickLabel::clicked, this, [this] {
        printModifiers_ = lblOK->clickModifiers();
        lblOKClick();
    });

    // A way out without printing: a close button painted in the corner.
    addExitLabel(QRect(198, 4, 18, 18), tr("Close without printing (Escape)"));
    lblExit->setPixmap(CloseButtonPicture());

    setTabOrder(chkDailyPhases, chkMajorPhases);
    setTabOrder(chkMajorPhases, chkMoonTimes);
    setTabOrder(chkMoonTimes, chkSunTimes);
    setTabOrder(chkSunTimes, txtDensity);
    setTabOrder(txtDensity, DensitySpinButton);
}

void TPrintOptions::FormShow() {
    if (const QWidget* main = MainWidget()) move(CentredOn(*main, size()));
    FormActivate();
}

void TPrintOptions::FormActivate() {
    if (filled_) return;
    filled_ = true;
    const TObserverSettings& s = ObserverSettings;
    chkDailyPhases->setChecked(s.PrintDailyPhases);
    chkMajorPhases->setChecked(s.PrintMajorPhases);
    chkMoonTimes->setChecked(s.PrintLunarTimes);
    chkSunTimes->setChecked(s.PrintSunTimes);
    SetDensity(std::min<int>(s.PhaseDensity, HighestDensity));
}

void TPrintOptions::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TPrintOptions::hideEvent(QHideEvent* event) {
    TFrame::hideEvent(event);
    filled_ = false;
}

bool TPrintOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDensity && event->type() == QEvent::FocusOut) txtDensityExit();
    return TFrame::eventFilter(watched, event);
}

int TPrintOptions::Density() const {
    // The box holds digits only, so the one text that is no number is the empty one: 0.
    return txtDensity->text().toInt();
}

void TPrintOptions::SetDensity(int density) {
    txtDensity->setText(QString::number(density));
}

void TPrintOptions::DensitySpinButtonUpClick() {
    SetDensity(std::min(Density() + 1, HighestDensity));
}

void TPrintOptions::DensitySpinButtonDownClick() {
    SetDensity(std::max(Density() - 1, 0));
}

void TPrintOptions::txtDensityExit() {
    SetDensity(std::min(Density(), HighestDensity));
}

void TPrintOptions::lblOKClick() {
    txtDensityExit();
    TObserverSettings& s = ObserverSettings;
    s.PrintDailyPhases = chkDailyPhases->isChecked();
    s.PrintMajorPhases = chkMajorPhases->isChecked();
    s.PrintLunarTimes = chkMoonTimes->isChecked();
    s.PrintSunTimes = chkSunTimes->isChecked();
    s.PhaseDensity = static_cast<std::uint8_t>(Density());
    // The values apply even when the store cannot be written; the user is told why.
    if (!settingsstore::SavePrintOptions(s))
        platform::ShowMessage(this, settingsstore::NotSavedMessage());
    if (const QString notice = settingsstore::TakeNotice(); !notice.isEmpty())
        platform::ShowMessage(this, notice);
    // Shift (on the button, or with Enter) prints through the system's dialog.
    PrintFromClick(this, std::exchange(printModifiers_, Qt::NoModifier),
                   PrintJob::Orientation::Landscape, [this] {
                       if (const TAppState* state = SharedState()) {
                           PrintCalendar(state->SelectedDate.Month, state->SelectedDate.Year,
                                         state->observer(),
                                         ShadingFrameOf(state->ZoneOffset(), state->ClockOffset),
                                         this);
                       } else {
                           const QDate today = SharedNow().date();
                           const astro::Observer observer = ObserverOfSettings(ObserverSettings);
                           PrintCalendar(today.month(), today.year(), observer,
                                         ShadingFrameOf(observer.ZoneOffsetMinutes, 0), this);
                       }
                   });
    close();
}
