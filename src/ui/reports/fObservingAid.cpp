#include "ui/reports/fObservingAid.h"

#include <QPainter>

TObservingAid::TObservingAid(QWidget* parent) : TFrame(parent) {
    setFixedSize(540, 480);
    setWindowTitle(QStringLiteral("Observing Aid"));
    addTitleLabel(QRect(20, 4, 540 - 60, 23));
    addExitLabel(QRect(540 - 26, 8, 13, 15));
}

void TObservingAid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
