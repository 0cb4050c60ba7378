// SPDX-License-Identifier: GPL-3.0-or-later
// The good nights of a lunar feature as calendar events, for the shared iCalendar writer.
#pragma once

#include "astro/fLunarPlanner.h"
#include "export/IcsCalendar.h"

#include <string>
#include <vector>

namespace ics {

// One event per window: the feature's name in the title, the Sun over the feature and the Moon's
// altitude at the middle in the description. The UID is the window's start minute and the
// feature's name, so the same window keeps its UID when the file is made again.
std::vector<CalendarEvent> GoodNightEvents(const std::string& featureName,
                                           const astro::GoodNight* nights, int count,
                                           const astro::NightConditions& conditions);

// The tag of a name in a UID: lowercase letters and digits, runs of anything else as one "-".
std::string NameTag(const std::string& name);

} // namespace ics
