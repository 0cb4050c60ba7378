#include "ui/main/fAbout.h"

#include <QPainter>

TAbout::TAbout(QWidget* parent) : TFrame(parent) {
    setFixedSize(300, 200);
    setWindowTitle(QStringLiteral("About Cresselle"));
    addTitleLabel(QRect(20, 4, 300 - 60, 23));
    addExitLabel(QRect(300 - 26, 8, 13, 15));
}

void TAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 4, width(), 23), Qt::AlignCenter, windowTitle());
    painter.drawText(QRect(width() - 26, 8, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
