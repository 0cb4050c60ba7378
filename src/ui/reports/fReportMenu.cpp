#include "ui/reports/fReportMenu.h"

#include <QPainter>

TReportMenu::TReportMenu(QWidget* parent) : TFrame(parent) {
    setFixedSize(265, 120);
    setWindowTitle(QStringLiteral("Reports"));
    addTitleLabel(QRect(20, 4, 265 - 60, 23));
    addExitLabel(QRect(265 - 26, 8, 13, 15));
}

void TReportMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
