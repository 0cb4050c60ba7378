#include "ui/reports/fFeatures.h"

#include <QPainter>

TFeatures::TFeatures(QWidget* parent) : TFrame(parent) {
    setFixedSize(640, 480);
    setWindowTitle(QStringLiteral("Rise/Set of Lunar Features"));
    addTitleLabel(QRect(20, 4, 640 - 60, 23));
    addExitLabel(QRect(640 - 26, 8, 13, 15));
}

void TFeatures::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
