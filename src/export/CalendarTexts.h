// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the exported calendar entries. They stay English unless the program installs a
// translation (the windows do; the CLI never does, so its files stay the same).
#pragma once

#include <initializer_list>
#include <string>

// Marks an English text for the translation tools; it stays the English text in the code.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace ics {

// Gives the text in the user's language for `english` of `context`, UTF-8.
using TextTranslator = std::string (*)(const char* context, const char* english);

// Installs `translate` for every later entry; nullptr goes back to English.
void SetTextTranslator(TextTranslator translate);

// `english` (of the context "Calendar") in the installed language.
std::string Text(const char* english);

// `pattern` with %1 .. %9 replaced by `args` in order; a number with no argument stays.
std::string Format(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace ics
