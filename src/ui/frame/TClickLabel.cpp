// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/TClickLabel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

TClickLabel::TClickLabel(QWidget* parent, const QRect& geometry, const QString& hint)
    : QLabel(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    // A type selector, so that the label's hint (a child label) keeps its own colours.
    setStyleSheet(QStringLiteral("TClickLabel { background: transparent; }"));
    if (!geometry.isNull()) setGeometry(geometry);
    if (!hint.isEmpty()) setToolTip(hint);
    setMouseTracking(true);
}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseDown(event->button(), pos);
    if (event->button() == Qt::RightButton) emit rightClicked(pos);
}

void TClickLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(event->buttons(), event->position().toPoint());
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseUp(event->button(), pos);
    clickModifiers_ = event->modifiers();
    if (event->button() == Qt::LeftButton && rect().contains(pos)) emit clicked();
}

void TClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
}

namespace {
// Set while the focus frame is drawn.
constexpr const char* FramedProperty = "keyboardFramed";
} // namespace

void TClickLabel::setKeyboardButton(Qt::Orientations arrows) {
    keyboardButton_ = true;
    arrows_ = arrows;
    // Tab only: a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void TClickLabel::keyPressEvent(QKeyEvent* event) {
    if (keyboardButton_ && !property(FramedProperty).toBool()) {
        setProperty(FramedProperty, true);
        update();
    }
    if (keyboardButton_ && event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit clicked();
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (arrows_ & Qt::Horizontal) {
                focusNextPrevChild(event->key() == Qt::Key_Right);
                return;
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (arrows_ & Qt::Vertical) {
                focusNextPrevChild(event->key() == Qt::Key_Down);
                return;
            }
            break;
        default:
            break;
        }
    }
    QLabel::keyPressEvent(event);
}

// A dotted frame marks the button that has the keyboard.
void TClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!keyboardButton_ || !hasFocus() || !property(FramedProperty).toBool()) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 220, 60), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TClickLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    // The focus a window hands its first control when it opens is not shown until a key is
    // pressed there; focus moved by the keyboard is.
    const Qt::FocusReason reason = event->reason();
    setProperty(FramedProperty, reason != Qt::ActiveWindowFocusReason &&
                                    reason != Qt::MouseFocusReason &&
                                    reason != Qt::PopupFocusReason);
    update();
    emit focused();
}

void TClickLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void TClickLabel::setRadioChecked(bool checked) {
    const bool changed = !radio_ || checked != radioChecked_;
    radio_ = true;
    radioChecked_ = checked;
    if (changed && QAccessible::isActive()) {
        QAccessible::State state;
        state.checked = true;
        QAccessibleStateChangeEvent event(this, state);
        QAccessible::updateAccessibility(&event);
    }
}
