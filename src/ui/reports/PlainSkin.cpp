// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/PlainSkin.h"

#include "print/Canvas.h"
#include "ui/style/Style.h"

#include <QPainter>

namespace {
const QColor SkinBand(28, 40, 78);
constexpr int BottomBand = 21;
constexpr int SideBand = 20;
} // namespace

QPixmap PlainReportSkin(QSize size, int topBand, const QString& title, const QRect& titleRect,
                        std::initializer_list<TPlainButton> buttons) {
    QPixmap skin = mainstyle::DisplayPixmap(size);
    QPainter p(&skin);
    const int w = size.width();
    const int h = size.height();
    const int middle = h - BottomBand - topBand;
    p.fillRect(0, 0, w, topBand, SkinBand);
    p.fillRect(0, h - BottomBand, w, BottomBand, SkinBand);
    p.fillRect(0, topBand, SideBand, middle, SkinBand);
    p.fillRect(w - SideBand, topBand, SideBand, middle, SkinBand);
    canvas::SetFont(p, QStringLiteral("Arial"), canvas::ScreenPointSize(11), true);
    p.setPen(Qt::white);
    p.drawText(titleRect, Qt::AlignCenter, title);
    p.setPen(mainstyle::Aqua);
    p.setBrush(Qt::NoBrush);
    for (const TPlainButton& b : buttons) {
        p.drawRect(b.Rect.adjusted(0, 0, -1, -1));
        p.drawText(b.Rect, Qt::AlignCenter, b.Caption);
    }
    return skin;
}
