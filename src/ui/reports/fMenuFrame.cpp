// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fMenuFrame.h"

#include "ui/Windows.h"
#include "ui/style/PaintedTexts.h"
#include "ui/style/Style.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>

TMenuFrame::TMenuFrame(int width, int height, int buttonLeft, QWidget* parent)
    : TFrame(parent), buttonLeft_(buttonLeft) {
    setFixedSize(width, height);
    setClosesOnDeactivate(true);
    imgArrow = new QLabel(this);
    imgArrow->setGeometry(7, 0, 15, 20);
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPixmap arrow = mainstyle::SkinPicture(QStringLiteral("menu_arrow.png"));
    if (arrow.isNull()) {
        arrow = QPixmap(15, 20);
        arrow.fill(Qt::transparent);
        QPainter p(&arrow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        const QPointF tip[3] = {{3, 5}, {12, 10}, {3, 15}};
        p.drawPolygon(tip, 3);
    }
    imgArrow->setPixmap(arrow);
    imgArrow->hide();
}

TClickLabel* TMenuFrame::addRow(const QString& name, const QString& caption, const QString& picture,
                                bool heading) {
    auto* row = new TClickLabel(this, QRect(0, nextTop_, RowWidth, RowHeight));
    row->setObjectName(name);
    row->setAccessibleName(caption);
    QPixmap pixmap = mainstyle::SkinPicture(picture);
    if (pixmap.isNull() || pixmap.deviceIndependentSize() != QSizeF(RowWidth, RowHeight)) {
        pixmap = PaintedMenuRow(caption, heading);
    } else if (QLocale().language() != QLocale::English) {
        // The picture's caption is English: painted again in the program's language.
        const paintedtexts::PaintedText painted{
            metaObject()->className(),
            "",
            heading ? QRect(2, 1, RowWidth - 4, RowHeight - 4)
                    : QRect(26, 1, RowWidth - 30, RowHeight - 3),
            heading ? 2 : 22,
            12,
            heading,
            heading ? QColor(255, 255, 176) : QColor(236, 240, 255),
            heading ? QColor() : QColor(0, 0, 0),
            heading ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter)};
        paintedtexts::RepaintCaption(pixmap, painted, caption);
    }

    row->setPixmap(pixmap);
    if (!heading) {
        row->setCursor(Qt::PointingHandCursor);
        // Tab or the arrows reach the row, Enter or Space opens it; the arrow marks it.
        row->setKeyboardButton(Qt::Vertical);
        connect(row, &TClickLabel::focused, this, [this, row] { rowMouseMove(row, false); });
        rows_.push_back(row);
    }
    connect(row, &TClickLabel::mouseMove, this,
            [this, row, heading](Qt::MouseButtons, QPoint) { rowMouseMove(row, heading); });
    nextTop_ += RowHeight;
    imgArrow->raise();
    return row;
}

void TMenuFrame::rowMouseMove(TClickLabel* row, bool heading) {
    if (heading) {
        imgArrow->hide();
        return;
    }
    imgArrow->move(imgArrow->x(), row->y());
    imgArrow->show();
}

// Down or Up with no row chosen yet takes the first or the last row.
void TMenuFrame::keyPressEvent(QKeyEvent* event) {
    const bool down = event->key() == Qt::Key_Down;
    if ((down || event->key() == Qt::Key_Up) && !rows_.empty()) {
        (down ? rows_.front() : rows_.back())->setFocus(Qt::TabFocusReason);
        return;
    }
    TFrame::keyPressEvent(event);
}

void TMenuFrame::FormShow() {
    // Under its button, but whole on the screen when the main window stands near an edge.
    if (const QWidget* main = MainWidget()) {
        const QPoint below = BelowButton(*main, buttonLeft_);
        move(Clamp(below, size(), screenArea(below), ClampOrder::RightFirst));
    }
    imgArrow->move(7, imgArrow->y());
    // No row is chosen yet: Down takes the first, Up the last.
    setFocus(Qt::OtherFocusReason);
}

QPixmap PaintedMenuRow(const QString& caption, bool heading) {
    QPixmap row = mainstyle::DisplayPixmap(QSize(TMenuFrame::RowWidth, TMenuFrame::RowHeight));
    const QRect all(0, 0, TMenuFrame::RowWidth, TMenuFrame::RowHeight);
    QPainter p(&row);
    QLinearGradient bar(0, 0, 0, TMenuFrame::RowHeight);
    if (heading) {
        bar.setColorAt(0, QColor(70, 70, 120));
        bar.setColorAt(1, QColor(25, 25, 60));
    } else {
        bar.setColorAt(0, QColor(55, 55, 65));
        bar.setColorAt(1, QColor(15, 15, 20));
    }
    p.fillRect(all, bar);
    p.setPen(QColor(90, 90, 110));
    p.drawLine(0, TMenuFrame::RowHeight - 1, TMenuFrame::RowWidth, TMenuFrame::RowHeight - 1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(heading);
    p.setFont(font);
    p.setPen(heading ? QColor(255, 255, 176) : QColor(225, 225, 235));
    const QRect text = heading ? all : all.adjusted(26, 0, 0, 0);
    p.drawText(text, (heading ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, caption);
    return row;
}
