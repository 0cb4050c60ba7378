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
