// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/NumericKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

// The character code a key press types, or -1 for a key that types none.
int TypedKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return kBackspace;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return kEnter;
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F) return -1;
    return text[0].unicode();
}
} // namespace

int NumericKeyFilter(int key, int mode) {
    if (mode != 0 && mode != 1) return key;
    if (IsDigit(key) || key == kBackspace || key == kEnter) return key;
    if (mode == 1 && (key == '.' || key == '-')) return key;
    return 0;
}

TNumericKeyFilter::TNumericKeyFilter(QLineEdit* box, int mode) : QObject(box), mode_(mode) {}

bool TNumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = TypedKey(*static_cast<QKeyEvent*>(event));
    return key >= 0 && NumericKeyFilter(key, mode_) == 0;
}

void InstallNumericKeyFilter(QLineEdit* box, int mode) {
    box->installEventFilter(new TNumericKeyFilter(box, mode));
}
