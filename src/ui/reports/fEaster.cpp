// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fEaster.h"

#include "astro/fEaster.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/style/Style.h"

#include <QPainter>

#include <algorithm>

using namespace mainstyle;

TEaster::TEaster(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TEaster::tr("Easter Sunday"));
    setBackground(
        LoadPicture(QStringLiteral("easter.jpg"), QSize(200, 104), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            p.fillRect(14, 52, 172, 40, Qt::black);
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(30, 12, 136, 23), Qt::AlignCenter, TEaster::tr("Easter Sunday"));
            p.drawText(QRect(175, 14, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
        }));
    setFixedSize(200, 104);
    setClosesOnDeactivate(true);
    Label1 = addTitleLabel(QRect(30, 12, 136, 23));
    addExitLabel(QRect(175, 14, 13, 15));

    lblEaster = new QLabel(this);
    lblEaster->setGeometry(24, 65, 153, 16);
    lblEaster->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(std::max(1, ScaledPointSize(9)));
    font.setBold(true);
    lblEaster->setFont(font);
    lblEaster->setStyleSheet(TransparentLabelStyle(ValueTextColour));
}

void TEaster::FormShow() {
    const QWidget* main = MainWidget();
    if (!main) return;
    move(CentredOn(*main, size()));
    const int year = std::clamp<int>(reportcontext::SelectedDate().Year, 1, 9999);
    lblEaster->setText(QString::fromStdString(astro::Sunday(static_cast<std::uint16_t>(year))));
}
