#include "ui/reports/fEaster.h"

#include <QPainter>

TEaster::TEaster(QWidget* parent) : TFrame(parent) {
    setFixedSize(200, 104);
    setWindowTitle(QStringLiteral("Easter"));
    addTitleLabel(QRect(20, 4, 200 - 60, 23));
    addExitLabel(QRect(200 - 26, 8, 13, 15));
}

void TEaster::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
