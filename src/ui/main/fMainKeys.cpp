// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keyboard: the arrows move the selected day, Ctrl with the arrows steps
// the shown time, Ctrl+C copies the panel, Ctrl+G opens the "go to date" entry.
#include "platform/Platform.h"
#include "ui/main/fMain.h"
#include "ui/style/Style.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>

using namespace mainstyle;

namespace {

// A month name or its first three letters, in English or the system's language: 1..12, or 0.
int MonthOfName(const QString& name) {
    static const char* const english[12] = {"january",   "february", "march",    "april",
                                            "may",       "june",     "july",     "august",
                                            "september", "october",  "november", "december"};
    const QString typed = name.toLower();
    if (typed.size() < 3) return 0;
    const QLocale system;
    for (int m = 1; m <= 12; ++m) {
        const QString names[2] = {QString::fromLatin1(english[m - 1]),
                                  system.monthName(m, QLocale::LongFormat).toLower()};
        for (const QString& full : names)
            if (full.startsWith(typed)) return m;
    }
    return 0;
}

} // namespace

// Left/Right a day, Up/Down a week; Ctrl+Left/Right the shown time an hour back or on,
// Ctrl+Up/Down a day back or on (the time of day kept); Ctrl+C copies the panel; Ctrl+G the
// date entry.
bool TMain::CommandKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        CopyToClipboard(PanelAsText());
        return true;
    }
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && event.key() == Qt::Key_G) {
        OpenDateEntry();
        return true;
    }
    if (mods != Qt::NoModifier && mods != Qt::ControlModifier) return false;
    const bool ctrl = mods == Qt::ControlModifier;
    // While an entry is open the keys belong to it.
    if (timeEditorOpen() || yearEntryOpen()) return false;
    switch (event.key()) {
    case Qt::Key_Left:
        ctrl ? StepHours(-1) : StepDays(-1);
        return true;
    case Qt::Key_Right:
        ctrl ? StepHours(1) : StepDays(1);
        return true;
    case Qt::Key_Up:
        StepDays(ctrl ? -1 : -7);
        return true;
    case Qt::Key_Down:
        StepDays(ctrl ? 1 : 7);
        return true;
    default:
        return false;
    }
}

// Tab in the time editor moves between its fields; elsewhere it walks the toolbar.
bool TMain::focusNextPrevChild(bool next) {
    if (timeEditorOpen()) {
        StepField(next ? 1 : -1);
        return true;
    }
    return TFrame::focusNextPrevChild(next);
}

void TMain::CreateDateEntry() {
    txtGoToDate = new QLineEdit(this);
    txtGoToDate->setObjectName(QStringLiteral("txtGoToDate"));
    txtGoToDate->setGeometry(430, 255, 180, 26); // over the heading
    txtGoToDate->setFont(ArialPixels(13));
    SetFittingPlaceholder(txtGoToDate, tr("2024-03-15 or 15 March 2024"));
    txtGoToDate->setToolTip(tr("Go to date: type a date, then Enter (Escape closes)"));
    txtGoToDate->setAccessibleName(tr("Go to date"));
    txtGoToDate->hide();
    connect(txtGoToDate, &QLineEdit::returnPressed, this, [this] {
        if (GoToTypedDate(txtGoToDate->text())) {
            txtGoToDate->hide();
            setFocus();
        }
    });
    // Escape or a click elsewhere closes the entry and leaves the calendar as it was.
    connect(txtGoToDate, &QLineEdit::editingFinished, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (txtGoToDate->isVisible() && !txtGoToDate->hasFocus()) txtGoToDate->hide();
        });
    });
    auto* escape = new QAction(txtGoToDate);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WidgetShortcut);
    connect(escape, &QAction::triggered, this, [this] {
        txtGoToDate->hide();
        setFocus();
    });
    txtGoToDate->addAction(escape);
}

void TMain::OpenDateEntry() {
    CancelEntries();
    txtGoToDate->clear();
    txtGoToDate->show();
    txtGoToDate->raise();
    txtGoToDate->setFocus();
}

bool TMain::GoToTypedDate(const QString& text) {
    static const QRegularExpression iso(
        QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    static const QRegularExpression named(
        QStringLiteral("^\\s*(\\d{1,2})\\s+(\\p{L}+)\\.?\\s+(\\d{1,4})\\s*$"));
    int day = 0, month = 0, year = 0;
    if (const auto m = iso.match(text); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else if (const auto n = named.match(text); n.hasMatch()) {
        day = n.captured(1).toInt();
        month = MonthOfName(n.captured(2));
        year = n.captured(3).toInt();
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 ||
        !astro::DateExists(day, month, year)) {
        platform::Beep();
        return false;
    }
    SelectedDate.Year = static_cast<std::uint16_t>(year);
    SelectedDate.Month = static_cast<std::uint16_t>(month);
    SelectedDate.Day = static_cast<std::uint16_t>(day);
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    ShowSelectedMonth();
    emit selectedMonthChanged();
    RefreshPanel();
    return true;
}
