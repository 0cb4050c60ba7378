// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/Style.h"

#include "print/Canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace mainstyle {

double FontScale() {
    return canvas::FontScale();
}

int ScaledPointSize(double nominal) {
    return canvas::ScreenPointSize(nominal);
}

QFont ArialPoints(double nominalPoints, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(std::max(1, ScaledPointSize(nominalPoints)));
    font.setBold(bold);
    return font;
}

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString DoubleResolutionName(const QString& name) {
    const int dot = name.lastIndexOf(u'.');
    return dot < 0 ? name + QStringLiteral("@2x")
                   : name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QPixmap SkinPicture(const QString& name) {
    QString plain = name;
    if (plain.startsWith(QStringLiteral(":/"))) plain.remove(0, 2);
    if (DisplayRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/") + DoubleResolutionName(plain));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/") + plain);
}

QPixmap LoadPicture(const QString& name, QSize fallbackSize,
                    const std::function<void(QPainter&, QSize)>& paintFallback) {
    QPixmap picture = SkinPicture(name);
    if (!picture.isNull()) return picture;
    QPixmap fallback = DisplayPixmap(fallbackSize);
    if (paintFallback) {
        QPainter painter(&fallback);
        paintFallback(painter, fallbackSize);
    }
    return fallback;
}

void TextOut(QPainter& painter, int x, int y, const QString& text, bool opaque,
             const QColor& background) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (opaque)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                         background);
    painter.drawText(x, y + metrics.ascent(), text);
}

qreal DisplayRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap DisplayPixmap(QSize size, const QColor& fill) {
    const qreal ratio = DisplayRatio();
    QPixmap picture((QSizeF(size) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(fill);
    return picture;
}

QPixmap DisplayCopy(const QPixmap& picture) {
    const qreal ratio = DisplayRatio();
    if (ratio == picture.devicePixelRatio()) return picture.copy();
    const QSizeF size = picture.deviceIndependentSize();
    QPixmap copy((size * ratio).toSize());
    copy.setDevicePixelRatio(ratio);
    copy.fill(Qt::transparent);
    QPainter painter(&copy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), size), picture, QRectF(picture.rect()));
    return copy;
}

QSize PointSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}

void DrawPicturePart(QPainter& painter, QPoint at, const QPixmap& picture, const QRect& source) {
    const qreal ratio = picture.devicePixelRatio();
    const QRectF from(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio);
    painter.drawPixmap(QRectF(QPointF(at), QSizeF(source.size())), picture, from);
}

int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

QString TransparentLabelStyle(const QColor& colour) {
    return QStringLiteral("QLabel { background: transparent; color: %1; } "
                          "QToolTip { color: black; background-color: rgb(255, 255, 225); "
                          "border: 1px solid rgb(118, 118, 118); }")
        .arg(colour.name());
}

void SetTransparentLabelStyle(QWidget* label, const QColor& colour) {
    label->setStyleSheet(TransparentLabelStyle(colour));
}

int PlaceholderRoom(const QLineEdit& edit) {
    const QMargins m = edit.textMargins();
    return edit.width() - m.left() - m.right() - 10;
}

void SetFittingPlaceholder(QLineEdit* edit, const QString& text) {
    edit->setPlaceholderText(text);
    QFont font = edit->font();
    double points = font.pointSizeF();
    for (int i = 0; i < 8 && points > 6.5 &&
                    QFontMetrics(font).horizontalAdvance(text) > PlaceholderRoom(*edit);
         ++i) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    edit->setFont(font);
}

} // namespace mainstyle
