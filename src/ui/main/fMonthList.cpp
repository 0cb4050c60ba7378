// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/fMonthList.h"

#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/style/PaintedTexts.h"
#include "ui/style/Style.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>

#include <algorithm>

using namespace mainstyle;

namespace {

void PaintPlainMonths(QPainter& p, QSize size) {
    p.setFont(ArialPixels(13, true));
    const QLocale locale;
    for (int row = 0; row < 12; ++row) {
        const QRect band(0, row * TMonthList::RowHeight, size.width(), TMonthList::RowHeight);
        p.fillRect(band, row % 2 == 0 ? QColor(0, 0, 0) : QColor(70, 70, 70));
        p.setPen(Aqua);
        p.drawText(band.adjusted(26, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   locale.standaloneMonthName(row + 1, QLocale::LongFormat));
    }
}

void PaintPlainArrow(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(ValueTextColour);
    p.setPen(Qt::NoPen);
    const QPointF tip[3] = {QPointF(1, 8), QPointF(11, 14.5), QPointF(1, 21)};
    p.drawPolygon(tip, 3);
}

} // namespace

TMonthList::TMonthList(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Months"));
    QPixmap months =
        LoadPicture(QStringLiteral("month_list.jpg"), QSize(100, 348), PaintPlainMonths);
    const QLocale locale;
    if (locale.language() != QLocale::English &&
        months.deviceIndependentSize() == QSizeF(100, 348)) {
        // The picture's month names are English: painted again in the program's language.
        for (int row = 0; row < 12; ++row) {
            QString name = locale.standaloneMonthName(row + 1, QLocale::LongFormat);
            if (!name.isEmpty()) name[0] = name[0].toUpper();
            const paintedtexts::PaintedText painted{
                "TMonthList",
                "",
                QRect(24, RowHeight * row + 2, 74, RowHeight - 3),
                20,
                13,
                true,
                Aqua,
                QColor(0, 0, 0),
                Qt::AlignLeft | Qt::AlignVCenter};
            paintedtexts::RepaintCaption(months, painted, name);
        }
    }

    const QSize points = months.deviceIndependentSize().toSize();
    setFixedSize(points);
    imgMonths = new TClickLabel(this, QRect(QPoint(0, 0), points));
    imgMonths->setObjectName(QStringLiteral("imgMonths"));
    imgMonths->setPixmap(months);
    imgMonths->setCursor(Qt::PointingHandCursor);
    imgMonthArrow = new QLabel(this);
    imgMonthArrow->setObjectName(QStringLiteral("imgMonthArrow"));
    imgMonthArrow->setPixmap(
        LoadPicture(QStringLiteral("month_arrow.png"), QSize(12, 29), PaintPlainArrow));
    imgMonthArrow->adjustSize();
    imgMonthArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgMonthArrow->hide();
    setClosesOnDeactivate(true);

    connect(imgMonths, &TClickLabel::mouseMove, this,
            [this](Qt::MouseButtons, QPoint pos) { imgMonthsMouseMove(pos.y()); });
    // The row under the pointer when it is released counts, also without a move before it.
    connect(imgMonths, &TClickLabel::mouseUp, this, [this](Qt::MouseButton button, QPoint pos) {
        if (button != Qt::LeftButton || !imgMonths->rect().contains(pos)) return;
        imgMonthsMouseMove(pos.y());
        imgMonthsClick();
    });
}

void TMonthList::FormShow() {
    setFixedWidth(qRound(imgMonths->pixmap().deviceIndependentSize().width()));
    if (const QWidget* main = Windows().Main) {
        const QPoint at = BesideCalendarHeading(*main);
        move(Clamp(at, size(), screenArea(at), ClampOrder::RightFirst));
    }
    imgMonthArrow->move(10, imgMonthArrow->y());
    imgMonthArrow->hide();
}

// Up and Down move the marker (from the shown month), Enter or Space picks its month.
void TMonthList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home || key == Qt::Key_End) {
        int row = imgMonthArrow->y() / RowHeight;
        if (!imgMonthArrow->isVisible()) {
            const TMain* main = Windows().Main;
            row = main ? main->SelectedDate.Month - 1 : 0;
        } else if (key == Qt::Key_Up) {
            row = (row + 11) % 12;
        } else if (key == Qt::Key_Down) {
            row = (row + 1) % 12;
        }
        if (key == Qt::Key_Home) row = 0;
        if (key == Qt::Key_End) row = 11;
        imgMonthsMouseMove(row * RowHeight);
        return;
    }
    if (key == Qt::Key_Space && imgMonthArrow->isVisible()) {
        imgMonthsClick();
        return;
    }
    TFrame::keyPressEvent(event);
}

bool TMonthList::FormEnter() {
    if (!imgMonthArrow->isVisible()) return false;
    imgMonthsClick();
    return true;
}

void TMonthList::imgMonthsMouseMove(int y) {
    const int row = std::clamp(y / RowHeight, 0, 11);
    imgMonthArrow->move(10, row * RowHeight);
    imgMonthArrow->show();
}

void TMonthList::imgMonthsClick() {
    hide();
    const int month = imgMonthArrow->y() / RowHeight + 1;
    if (TMain* main = Windows().Main) main->SelectMonth(month);
}
