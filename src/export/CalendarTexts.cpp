// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/CalendarTexts.h"

#include <vector>

namespace ics {
namespace {

TextTranslator& Installed() {
    static TextTranslator translate = nullptr;
    return translate;
}

} // namespace

void SetTextTranslator(TextTranslator translate) {
    Installed() = translate;
}

std::string Text(const char* english) {
    const TextTranslator translate = Installed();
    return translate ? translate("Calendar", english) : std::string(english);
}

std::string Format(const std::string& pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace ics
