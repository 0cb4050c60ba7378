// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/EngineText.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {

// Every text the engine writes in English for a window or a printout.
constexpr const char* Texts[] = {
    QT_TRANSLATE_NOOP("EngineText", "New Moon"),
    QT_TRANSLATE_NOOP("EngineText", "First Quarter"),
    QT_TRANSLATE_NOOP("EngineText", "Full Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Last Quarter"),
    QT_TRANSLATE_NOOP("EngineText", "Waxing Crescent"),
    QT_TRANSLATE_NOOP("EngineText", "Waxing Gibbous"),
    QT_TRANSLATE_NOOP("EngineText", "Waning Gibbous"),
    QT_TRANSLATE_NOOP("EngineText", "Waning Crescent"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Wolf) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Snow) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Worm) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Pink) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Flower) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Strawberry) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Buck) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Sturgeon) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Harvest) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Hunter's) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Beaver) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Cold) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Full (Blue) Moon"),
    QT_TRANSLATE_NOOP("EngineText", "Penumbral Eclipse"),
    QT_TRANSLATE_NOOP("EngineText", "Partial Eclipse"),
    QT_TRANSLATE_NOOP("EngineText", "Total Eclipse"),
    QT_TRANSLATE_NOOP("EngineText", "Visible"),
    QT_TRANSLATE_NOOP("EngineText", "Partially Visible"),
    QT_TRANSLATE_NOOP("EngineText", "Not Visible"),
    QT_TRANSLATE_NOOP("EngineText", "None"),
    QT_TRANSLATE_NOOP("EngineText", "Outside years 1-9999"),
};

} // namespace

QString EngineText(std::string_view english) {
    const auto known = std::find_if(std::begin(Texts), std::end(Texts),
                                    [&](const char* t) { return english == t; });
    if (known == std::end(Texts)) return QString::fromUtf8(english.data(), std::ssize(english));
    return QCoreApplication::translate("EngineText", *known);
}

QString ShownNumber(double value, char format, int precision) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

// Grouped in the shown language's way; in English as the program has always written them
// ("405234 km"), which the layout of every window was drawn for.
QString ShownKilometres(long long km) {
    QLocale locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(km) + QCoreApplication::translate("EngineText", " km");
}
