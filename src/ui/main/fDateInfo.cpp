// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/fDateInfo.h"

#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>

#include <cmath>

using namespace mainstyle;

namespace {

astro::JulianDay MidnightJulian(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    return astro::DateToJulian(d);
}

void PaintPlainBackground(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(10, 10, 30));
    p.fillRect(QRect(0, 0, size.width(), 30), QColor(180, 180, 200));
    p.setPen(Navy);
    p.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    p.fillRect(QRect(10, 37, size.width() - 20, 25), QColor(200, 200, 215));
    p.setFont(ArialPixels(12, true));
    p.drawText(QRect(0, 10, size.width(), 23), Qt::AlignHCenter | Qt::AlignTop,
               TDateInfo::tr("Date Information"));
    p.drawRect(QRect(size.width() - 27, 14, 14, 14));
    p.drawText(QRect(size.width() - 27, 14, 15, 15), Qt::AlignCenter, QStringLiteral("x"));
}

QLabel* InfoLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    SetTransparentLabelStyle(label, colour);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

DateInformation ComputeDateInformation(const astro::DateTimeRec& date) {
    DateInformation info;
    info.Julian = MidnightJulian(date.Day, date.Month, date.Year);
    info.DayNumber =
        static_cast<int>(std::trunc(info.Julian - MidnightJulian(1, 1, date.Year))) + 1;

    // ISO 8601: the week belongs to the year of its Thursday.
    // The day count of a (positive) Julian Day: JD + 0.5 truncated, as intended.
    const auto dayCount =
        static_cast<long long>(info.Julian + 0.5); // NOLINT(bugprone-incorrect-roundings)
    info.Weekday = static_cast<int>(dayCount % 7) + 1;
    const astro::JulianDay thursday = info.Julian + (4 - info.Weekday);
    const astro::DateTimeRec t = astro::JulianToDate(thursday + 0.5); // noon, clear of rounding
    info.WeekYear = t.Year;
    const int thursdayOfYear =
        static_cast<int>(std::trunc(thursday - MidnightJulian(1, 1, t.Year))) + 1;
    info.Week = (thursdayOfYear - 1) / 7 + 1;

    int c = static_cast<int>(std::trunc(MidnightJulian(25, 12, date.Year) - info.Julian));
    if (c < 0)
        c = static_cast<int>(std::trunc(MidnightJulian(25, 12, date.Year + 1) - info.Julian));
    info.DaysTillChristmas = c;
    return info;
}

TDateInfo::TDateInfo(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Date Information"));
    setBackground(
        LoadPicture(QStringLiteral("dateinfo.jpg"), QSize(250, 165), PaintPlainBackground));
    setFixedSize(250, 165);
    addTitleLabel(QRect(40, 10, 170, 23));
    addExitLabel(QRect(224, 14, 13, 15), tr("Close"));
    setClosesOnDeactivate(true);

    lblSelectedDate = InfoLabel(this, {}, 0, 44, Navy, ArialPixels(16, true));
    lblSelectedDate->setObjectName(QStringLiteral("lblSelectedDate"));
    const QFont rowFont = ArialPixels(12);
    const char* const titles[4] = {QT_TR_NOOP("Julian Day:"), QT_TR_NOOP("Day Number:"),
                                   QT_TR_NOOP("Week Number:"), QT_TR_NOOP("Days Till Xmas:")};
    QLabel** values[4] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        InfoLabel(this, tr(titles[i]), 20, 78 + 18 * i, Yellow, rowFont);

        *values[i] = InfoLabel(this, {}, 130, 78 + 18 * i, Aqua, rowFont);
        (*values[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
}

void TDateInfo::ShowDateInfo(const astro::DateTimeRec& date) {
    const DateInformation info = ComputeDateInformation(date);
    // The date part of the date-time text: "DD Month YYYY".
    const QString text = QString::fromStdString(astro::DateTimeText(date)).mid(10);
    lblSelectedDate->setText(text);
    lblSelectedDate->adjustSize();
    lblSelectedDate->move((width() - lblSelectedDate->width()) / 2, lblSelectedDate->y());
    Label1->setText(ShownNumber(info.Julian, 'f', QLocale::FloatingPointShortest));
    Label2->setText(QString::number(info.DayNumber));
    Label3->setText(QStringLiteral("%1  (%2-W%3-%4)")
                        .arg(info.Week)
                        .arg(info.WeekYear)
                        .arg(info.Week)
                        .arg(info.Weekday));
    Label4->setText(QString::number(info.DaysTillChristmas));
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->adjustSize();
    show();
    raise();
    activateWindow();
}

void TDateInfo::FormShow() {
    if (const QWidget* main = Windows().Main) move(CentredOn(*main, size()));
}
