#include "ui/reports/fEclipse.h"

#include <QPainter>

TEclipse::TEclipse(QWidget* parent) : TFrame(parent) {
    setFixedSize(252, 252);
    setWindowTitle(QStringLiteral("Lunar Eclipse"));
    addTitleLabel(QRect(20, 4, 252 - 60, 23));
    addExitLabel(QRect(252 - 26, 8, 13, 15));
}

void TEclipse::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
