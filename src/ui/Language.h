// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: the system's, or one chosen in the configuration window (the setting
// "Language"). It is installed once at the start, before the windows are made; a new choice
// takes effect at the next start.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace language {

// The code of the language the windows speak for `setting` ("System", "en", "fr", "de", "es"):
// the chosen one, or for "System" the system's when the program speaks it, else "en".
QString Effective(const QString& setting, const QLocale& system = QLocale::system());

// The locale for month and weekday names, numbers and dates: the system's whole when it speaks
// the effective language (its country's formats), else that language's in the system's
// country where there is such a locale, else the language's own (an Italian system gets
// English names with the English windows).
QLocale LocaleOf(const QString& setting, const QLocale& system = QLocale::system());

// Makes `setting` the program's language: the default locale, the program's translation and
// the toolkit's own (standard dialogs) when they are there, the words of exported calendars and
// the month names of the engine's texts. Calling it again replaces the earlier language.
void Install(QCoreApplication& app, const QString& setting);

// The effective language installed last ("en" before any).
QString Current();

// The help page in `folder` for the current language ("docs/cresselle_fr.htm") when it
// exists there, else the English one ("docs/cresselle.htm"); a path relative to `folder`.
QString HelpPage(const QString& folder);

// The name of the choice `setting` as the configuration window lists it, each language in its
// own words ("Français"), the system's choice in the program's language.
QString ChoiceName(const QString& setting);

} // namespace language
