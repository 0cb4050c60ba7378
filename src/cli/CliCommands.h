// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of cresselle-cli: each computes with the engine and returns a JSON object whose
// texts are those the windows show.
#pragma once

#include "astro/fGlobals.h"
#include "cli/CliArgs.h"

#include <QJsonObject>

#include <string>

namespace cli {

// The observer from the options, or from the stored settings (read only) when none is given.
astro::Observer ObserverFor(const Options& options);

QJsonObject MoonCommand(const astro::DateTimeRec& local, const astro::Observer& observer);
QJsonObject PhasesCommand(const astro::DateTimeRec& month, const astro::Observer& observer);
QJsonObject ApsidesCommand(const astro::DateTimeRec& local, const astro::Observer& observer);
QJsonObject RiseSetCommand(const astro::DateTimeRec& day, const astro::Observer& observer);
QJsonObject TimesCommand(const astro::DateTimeRec& month, const astro::Observer& observer);
QJsonObject EclipsesCommand(int fromYear, int toYear, const astro::Observer& observer);
QJsonObject SeasonsCommand(int year, const astro::Observer& observer);
QJsonObject EasterCommand(int year);

// The system clock's "now" as a UT Julian Day, to the second: the CLI's one reading of it.
astro::JulianDay NowUt();

// The iCalendar file of the year's events for the observer (CRLF line ends).
std::string IcalText(int year, const astro::Observer& observer);
// Writes `text` to `path` (atomically) or to stdout when it is empty; returns the exit status.
int WriteIcal(const std::string& text, const std::string& path);

// Runs the command of `options`; returns the process exit status. Throws UsageError.
int Run(const Options& options);

// Text forms.
QString TimesCsv(const QJsonObject& times);
QString AlignedText(const QJsonObject& result);

} // namespace cli
