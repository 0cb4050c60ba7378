// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/TClickLabel.h"

#include <QMouseEvent>

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
