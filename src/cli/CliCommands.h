// The commands of cresselle-cli: each computes with the engine and returns a JSON object whose
// texts are those the windows show.
#pragma once

#include "astro/fGlobals.h"
#include "cli/CliArgs.h"

#include <QJsonObject>

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

// Runs the command of `options`; returns the process exit status. Throws UsageError.
int Run(const Options& options);

// Text forms.
QString TimesCsv(const QJsonObject& times);
QString AlignedText(const QJsonObject& result);

} // namespace cli
