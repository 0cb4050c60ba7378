// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TSpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

TSpinButton::TSpinButton(QWidget* parent, const QRect& geometry)
    : QWidget(parent), up_(ArrowButton(this, Qt::UpArrow)),
      down_(ArrowButton(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::TabFocus);
    setGeometry(geometry);
    connect(up_, &QToolButton::clicked, this, &TSpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &TSpinButton::downClick);
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        emit upClick();
    else if (event->key() == Qt::Key_Down)
        emit downClick();
    else
        QWidget::keyPressEvent(event);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}
