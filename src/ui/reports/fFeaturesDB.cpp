#include "ui/reports/fFeaturesDB.h"

#include <QPainter>

TFeaturesDB::TFeaturesDB(QWidget* parent) : TFrame(parent) {
    setFixedSize(505, 393);
    setWindowTitle(QStringLiteral("Lunar Features Database Screen"));
    addTitleLabel(QRect(20, 4, 505 - 60, 23));
    addExitLabel(QRect(505 - 26, 8, 13, 15));
}

void TFeaturesDB::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
