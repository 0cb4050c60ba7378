// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/TFrame.h"

#include "ui/Windows.h"
#include "ui/frame/TaskbarHint.h"
#include "ui/style/PaintedTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {
// A window with an owner is a dialog-type window of it: the window system keeps it above its
// owner and gives it no taskbar entry of its own (WM_TRANSIENT_FOR on X11, a parent surface
// on Wayland). Only the main window, which has no owner, is a plain window.
Qt::WindowFlags FrameFlags(const QWidget* parent) {
    return (parent ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint;
}
} // namespace

TFrame::TFrame(QWidget* parent) : QWidget(parent, FrameFlags(parent)) {
    accessibility::Install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

void TFrame::setBackground(const QPixmap& picture, bool sizeToPicture) {
    Image1 = picture;
    paintedtexts::TranslatePicture(Image1, metaObject()->className());

    if (sizeToPicture && !picture.isNull()) setFixedSize(picture.deviceIndependentSize().toSize());
    update();
}

TClickLabel* TFrame::addTitleLabel(const QRect& geometry) {
    lblTitle = new TClickLabel(this, geometry);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->installEventFilter(this);
    return lblTitle;
}

TClickLabel* TFrame::addExitLabel(const QRect& geometry, const QString& hint) {
    lblExit = new TClickLabel(this, geometry, hint.isEmpty() ? tr("Exit Cresselle") : hint);
    lblExit->setObjectName(QStringLiteral("lblExit"));
    lblExit->setCursor(Qt::PointingHandCursor);
    connect(lblExit, &TClickLabel::clicked, this, &TFrame::lblExitClick);
    return lblExit;
}

TClickLabel* TFrame::addMinimiseLabel(const QRect& geometry, MinimiseScope scope,
                                      const QString& hint) {
    minimiseScope_ = scope;
    lblMinimise = new TClickLabel(this, geometry, hint);
    lblMinimise->setObjectName(QStringLiteral("lblMinimise"));
    lblMinimise->setCursor(Qt::PointingHandCursor);
    connect(lblMinimise, &TClickLabel::clicked, this, &TFrame::lblMinimiseClick);
    return lblMinimise;
}

void TFrame::lblExitClick() {
    close();
}

void TFrame::lblMinimiseClick() {
    if (minimiseScope_ == MinimiseScope::Application) {
        // The program's own windows only: hint bubbles and menus are top-level widgets too.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<TFrame*>(w)) w->showMinimized();
    } else if (minimiseScope_ == MinimiseScope::Window) {
        showMinimized();
    }
}

// The title label's mouse events drive the drag.
bool TFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblTitle && lblTitle) {
        // Only the three mouse events below are QMouseEvents.
        const auto mouse = [event] { return static_cast<const QMouseEvent*>(event); };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            lblTitleMouseDown(mouse()->button(), mouse()->position().toPoint());
            break;
        case QEvent::MouseMove:
            lblTitleMouseMove(mouse()->buttons(), mouse()->globalPosition().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            lblTitleMouseUp(mouse()->button(), mouse()->position().toPoint());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The window follows the pointer by its displacement from the grab point: Left := X + Left -
// DragOrigin.X in the label's coordinates. The label's coordinates are taken from the
// pointer's screen position, since those the window system reports lag behind a window that
// has just moved and would make it jitter.
void TFrame::lblTitleMouseDown(Qt::MouseButton, QPoint pos) {
    DragOrigin = pos;
    dragging_ = true;
}

void TFrame::lblTitleMouseMove(Qt::MouseButtons, QPoint globalPos) {
    if (!dragging_ || !lblTitle) return;
    const QPoint labelOffset = lblTitle->mapTo(this, QPoint(0, 0));
    const QPoint target = globalPos - labelOffset - DragOrigin;
    const QRect title(labelOffset, lblTitle->size());
    // The screen under the pointer: a title dragged onto another monitor stays there.
    const QScreen* under = QGuiApplication::screenAt(globalPos);
    const QRect area = under ? under->geometry() : screenArea(target);
    move(KeepTitleOnScreen(target, title, area));
}

void TFrame::lblTitleMouseUp(Qt::MouseButton, QPoint) {
    dragging_ = false;
}

QPoint TFrame::CentredOn(const QWidget& main, QSize size) {
    return {main.x() + (main.width() - size.width()) / 2,
            main.y() + (main.height() - size.height()) / 2};
}

QPoint TFrame::BelowButton(const QWidget& main, int buttonLeft) {
    return {main.x() + buttonLeft, main.y() + 40};
}

QPoint TFrame::BesideCalendarHeading(const QWidget& main) {
    return {main.x() + 580, main.y() + 50};
}

QPoint TFrame::Clamp(QPoint p, QSize size, const QRect& screen, ClampOrder order) {
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    auto clampLeft = [&] {
        if (p.x() < screen.x()) p.setX(screen.x());
    };
    auto clampRight = [&] {
        if (p.x() + size.width() > right) p.setX(right - size.width());
    };
    if (order == ClampOrder::LeftFirst) {
        clampLeft();
        clampRight();
    } else if (order == ClampOrder::RightFirst) {
        clampRight();
        clampLeft();
    }
    if (order != ClampOrder::None) {
        if (p.y() < screen.y()) p.setY(screen.y());
        if (p.y() + size.height() > bottom) p.setY(bottom - size.height());
    }
    return p;
}

QPoint TFrame::KeepTitleOnScreen(QPoint p, const QRect& title, const QRect& screen) {
    constexpr int Grip = 40; // pixels of the title that stay within reach
    const int grip = std::min(Grip, title.width());
    const int minX = screen.x() + grip - title.x() - title.width();
    const int maxX = screen.x() + screen.width() - grip - title.x();
    const int minY = screen.y() - title.y();
    const int maxY = screen.y() + screen.height() - title.y() - title.height();
    return {std::clamp(p.x(), minX, std::max(minX, maxX)),
            std::clamp(p.y(), minY, std::max(minY, maxY))};
}

QSize TFrame::screenSize() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

QRect TFrame::screenArea(QPoint topLeft) const {
    const QScreen* s = QGuiApplication::screenAt(topLeft + QPoint(width() / 2, height() / 2));
    if (!s) s = QGuiApplication::screenAt(topLeft);
    if (!s && parentWidget()) s = parentWidget()->screen();
    if (!s) s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

int TFrame::ScrollRowsForKey(const QKeyEvent& event, int pageRows) {
    switch (event.key()) {
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Down:
        return 1;
    case Qt::Key_PageUp:
        return -pageRows;
    case Qt::Key_PageDown:
        return pageRows;
    default:
        return 0;
    }
}

int TFrame::WheelNotches(const QWheelEvent& event, int& rest) {
    rest -= event.angleDelta().y();
    const int notches = rest / QWheelEvent::DefaultDeltasPerStep;
    rest -= notches * QWheelEvent::DefaultDeltasPerStep;
    return notches;
}

void TFrame::CopyToClipboard(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

void TFrame::FormEscape() {
    if (lblExit)
        lblExitClick();
    else
        hide();
}

void TFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        FormEscape();
        return;
    }
    // F1 in any window opens the help, as the main window's help button does.
    if (event->key() == Qt::Key_F1) {
        if (QWidget* main = MainWidget()) QMetaObject::invokeMethod(main, "lblHelpClick");
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && FormEnter()) return;
    QWidget::keyPressEvent(event);
}

void TFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Image1.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawPixmap(0, 0, Image1);
}

void TFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Before the window is mapped: an owned window has no taskbar entry of its own.
    if (parentWidget() && !event->spontaneous()) taskbar::KeepOff(this);
    if (!event->spontaneous()) FormShow();
}

void TFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && closesOnDeactivate_ && isVisible() &&
        !isActiveWindow())
        FormDeactivate();
}
