#include "ui/reports/fEquinox.h"

#include <QPainter>

TEquinox::TEquinox(QWidget* parent) : TFrame(parent) {
    setFixedSize(350, 155);
    setWindowTitle(QStringLiteral("Equinoxes and Solstices"));
    addTitleLabel(QRect(20, 4, 350 - 60, 23));
    addExitLabel(QRect(350 - 26, 8, 13, 15));
}

void TEquinox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
