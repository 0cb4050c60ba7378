// SPDX-License-Identifier: GPL-3.0-or-later
// ISO 8601 date-times of UT instants for files and scripts, with the zone stated.
#pragma once

#include "astro/fGlobals.h"

#include <string>

namespace ics {

// "2026-09-03T21:14:05+01:00": the UT instant on a clock `offsetMinutes` ahead of UT, to the
// second, in the program's calendar.
std::string IsoLocal(astro::JulianDay ut, int offsetMinutes);
// "2026-09-03T20:14:05Z".
std::string IsoUtc(astro::JulianDay ut);

} // namespace ics
