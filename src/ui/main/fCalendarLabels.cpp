// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/fCalendarLabels.h"

#include "ui/style/Style.h"

TDayLabel::TDayLabel(QWidget* parent, int index) : QLabel(parent) {
    setObjectName(QStringLiteral("lblDay%1").arg(index));
    setGeometry(420 + 29 * index, 291, 29, 16);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
    mainstyle::SetTransparentLabelStyle(this, mainstyle::Aqua);
    setFont(mainstyle::ArialPoints(9));
}

TDateLabel::TDateLabel(QWidget* parent, int row, int column) : TClickLabel(parent) {
    setObjectName(QStringLiteral("lblDate%1%2").arg(QChar('A' + row)).arg(QChar('A' + column)));
    setGeometry(420 + 29 * column, 316 + 25 * row, 20, 16);
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    mainstyle::SetTransparentLabelStyle(this, mainstyle::ValueTextColour);
    setFont(mainstyle::ArialPoints(11, true));
    setText(QStringLiteral(" "));
    setCursor(Qt::PointingHandCursor);
}

int TDateLabel::dayNumber() const {
    bool ok = false;
    const int n = text().trimmed().toInt(&ok);
    return ok ? n : 0;
}
