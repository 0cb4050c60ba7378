// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in skin of a report window whose painted picture is missing: a band around a black
// middle, the title and framed button captions, drawn at the display's pixel ratio.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

#include <initializer_list>

struct TPlainButton {
    QRect Rect; // in the window; the caption is centred in it
    QString Caption;
};

// `topBand` is the height of the band above the middle; the bands below and at the sides
// are 21 and 20 pixels.
QPixmap PlainReportSkin(QSize size, int topBand, const QString& title, const QRect& titleRect,
                        std::initializer_list<TPlainButton> buttons);
