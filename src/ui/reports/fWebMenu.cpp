#include "ui/reports/fWebMenu.h"

#include <QPainter>

TWebMenu::TWebMenu(QWidget* parent) : TFrame(parent) {
    setFixedSize(265, 380);
    setWindowTitle(QStringLiteral("Links"));
    addTitleLabel(QRect(20, 4, 265 - 60, 23));
    addExitLabel(QRect(265 - 26, 8, 13, 15));
}

void TWebMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
