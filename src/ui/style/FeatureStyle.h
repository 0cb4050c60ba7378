// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and fonts of the two lunar feature windows.
#pragma once

#include "print/Canvas.h"
#include "ui/frame/TClickLabel.h"
#include "ui/style/Style.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QString>

#include <algorithm>

namespace featurestyle {

inline const QColor ValueTextColour = mainstyle::ValueTextColour;
inline const QColor Aqua = mainstyle::Aqua;
inline const QColor StripeGrey = mainstyle::StripeGrey;

// 96 / the screen's pixels per inch.
inline double FontScale() {
    return canvas::FontScale();
}

// Arial at a nominal point size times FontScale, rounded to the nearest (halves to even).
inline QFont ScaledFont(const QString& family, double nominalPoints, bool bold = false) {
    QFont font(family);
    font.setPointSize(std::max(1, canvas::ScreenPointSize(nominalPoints)));
    font.setBold(bold);
    return font;
}

// An aqua Arial 8 caption over a column or a box, sized to its text.
inline QLabel* AquaCaption(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Aqua);
    label->setPalette(pal);
    label->move(at);
    label->adjustSize();
    return label;
}

// The row stripes of a list picture: `rows` rows of `rowHeight` from the top, grey on the odd
// rows of the whole list (`first` is the list row shown at the top), black on the even ones.
inline void FillListStripes(QPainter& painter, int rows, int first, int width, int rowHeight) {
    for (int k = 0; k < rows; ++k) {
        const QColor band = (k + first) % 2 ? StripeGrey : QColor(Qt::black);
        painter.fillRect(QRect(0, rowHeight * k, width - 1, rowHeight), band);
    }
}

// A caption wider than `room` is set smaller, from 8 points down to 6.
inline void FitCaption(QLabel* label, int room) {
    for (double points = 8; points >= 6 && label->width() > room; points -= 0.5) {
        label->setFont(ScaledFont(QStringLiteral("Arial"), points));
        label->adjustSize();
    }
}

// Sets `text` on a band button, its font shrunk from 8 points (to 5.5 at least) until the text
// fits the button's width.
inline void SetBandText(QLabel* label, const QString& text) {
    double points = 8;
    QFont font = ScaledFont(QStringLiteral("Arial"), points);
    while (points > 5.5 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
        points -= 0.5;
        font = ScaledFont(QStringLiteral("Arial"), points);
    }
    label->setFont(font);
    label->setText(text);
}

// A clickable aqua caption in a window's bottom band (print, save, order ...).
inline TClickLabel* BandButton(QWidget* parent, const QString& text, const QRect& geometry,
                               const QString& hint) {

    auto* label = new TClickLabel(parent, geometry, hint);
    label->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Aqua);
    label->setPalette(pal);
    SetBandText(label, text);

    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace featurestyle
