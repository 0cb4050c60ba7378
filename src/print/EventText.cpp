// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/EventText.h"

#include <QCoreApplication>

QString EventText(const std::string& text, astro::EventState state) {
    if (state == astro::EventState::AlwaysUp) return QCoreApplication::translate("EventText", "Up");
    if (state == astro::EventState::AlwaysDown)
        return QCoreApplication::translate("EventText", "Down");
    return QString::fromStdString(text);
}
