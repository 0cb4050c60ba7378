// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/fAbout.h"

#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/style/Style.h"

#include <QLabel>
#include <QPainter>

namespace {

const QSize AboutSize(300, 200);

// Stands in for about.jpg should the picture be missing: the same size, frame and texts.
QPixmap PlainAboutPicture() {
    QPixmap picture(AboutSize);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setPen(QColor(0, 255, 255));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.drawRect(273, 14, 15, 15);
    painter.drawText(QRect(273, 14, 15, 15), Qt::AlignCenter, QStringLiteral("x"));
    painter.drawText(QRect(50, 10, 200, 23), Qt::AlignCenter, TAbout::tr("About Cresselle"));
    painter.setPen(QColor(255, 255, 176));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Cresselle V2.50"));
    return picture;
}

} // namespace

TAbout::TAbout(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("About Cresselle"));
    QPixmap picture = mainstyle::SkinPicture(QStringLiteral("about.jpg"));
    if (picture.isNull()) picture = PlainAboutPicture();
    setBackground(picture);

    lblVersion = new QLabel(QStringLiteral("Cresselle V2.50"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->move(110, 150);
    lblVersion->hide();

    addExitLabel(QRect(274, 14, 13, 15), tr("Close"));
}

void TAbout::FormShow() {
    if (const TMain* main = Windows().Main) move(CentredOn(*main, size()));
}
