#include "settings/fPrintOptions.h"

#include <QPainter>

TPrintOptions::TPrintOptions(QWidget* parent) : TFrame(parent) {
    setFixedSize(220, 260);
    setWindowTitle(QStringLiteral("Print Options"));
    addTitleLabel(QRect(20, 4, 220 - 60, 23));
    addExitLabel(QRect(220 - 26, 8, 13, 15));
}

void TPrintOptions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
