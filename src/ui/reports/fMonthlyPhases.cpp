#include "ui/reports/fMonthlyPhases.h"

#include <QPainter>

TMonthlyPhases::TMonthlyPhases(QWidget* parent) : TFrame(parent) {
    setFixedSize(490, 480);
    setWindowTitle(QStringLiteral("Monthly Phases"));
    addTitleLabel(QRect(20, 4, 490 - 60, 23));
    addExitLabel(QRect(490 - 26, 8, 13, 15));
}

void TMonthlyPhases::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
