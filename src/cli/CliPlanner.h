// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar observer's commands: the features near the terminator at an instant, and the good
// nights for one feature.
#pragma once

#include "astro/fGlobals.h"
#include "cli/CliArgs.h"

#include <QJsonObject>

#include <string>

namespace cli {

// Features of the features file with the Sun between --min and --max (default 0..8 degrees)
// over them at the local instant, lowest Sun first.
QJsonObject TerminatorCommand(const astro::DateTimeRec& local, const astro::Observer& observer,
                              const Options& options);

struct PlanResult {
    QJsonObject Json;
    std::string Calendar; // the windows as an iCalendar file
};
// plan NAME YYYY-MM [MONTHS]: the windows of the months from the given one.
PlanResult PlanCommand(const Options& options, const astro::Observer& observer);

} // namespace cli
