#include "ui/reports/fEclipseReport.h"

#include <QPainter>

TEclipseReport::TEclipseReport(QWidget* parent) : TFrame(parent) {
    setFixedSize(390, 285);
    setWindowTitle(QStringLiteral("Lunar Eclipses"));
    addTitleLabel(QRect(20, 4, 390 - 60, 23));
    addExitLabel(QRect(390 - 26, 8, 13, 15));
}

void TEclipseReport::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
