// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's English texts (phase and full-moon names, eclipse kinds and visibility, "None")
// in the user's language. A program that installs no translator, as the CLI, gets them unchanged.
#pragma once

#include <QString>

#include <string>
#include <string_view>

// `english` translated when it is one of the engine's texts, else unchanged.
QString EngineText(std::string_view english);
inline QString EngineText(const char* english) {
    return EngineText(std::string_view(english));
}
inline QString EngineText(const std::string& english) {

    return EngineText(std::string_view(english));
}
inline QString EngineText(const QString& english) {
    const std::string utf8 = english.toStdString();
    return EngineText(std::string_view(utf8));
}

// `value` as QString::number(value, format, precision) writes it, in the format of the shown
// language's locale ("92,73" in French and German), its digits not grouped. For the windows
// and printouts: the CLI writes its numbers as QString::number does.
QString ShownNumber(double value, char format = 'f', int precision = 6);

// A whole number of kilometres with the locale's grouping ("384 400 km", "384.400 km"), none
// in English ("384400 km"); the unit as the window's texts have it.
QString ShownKilometres(long long km);
