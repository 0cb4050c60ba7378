// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/IsoTime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ics {
namespace {

std::string Iso(astro::JulianDay ut, int offsetMinutes) {
    const double seconds = std::round((ut + offsetMinutes / 1440.0 + 0.5) * 86400.0);
    const double day = std::floor(seconds / 86400.0);
    const auto ofDay = static_cast<int>(seconds - day * 86400.0);
    const astro::DateTimeRec d = astro::JulianToDate(day - 0.5 + 1.0 / 48); // 00:30 that day
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", d.Year, d.Month, d.Day,
                  ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
    return buffer;
}

} // namespace

std::string IsoLocal(astro::JulianDay ut, int offsetMinutes) {
    const int a = std::abs(offsetMinutes);
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', a / 60, a % 60);
    return Iso(ut, offsetMinutes) + zone;
}

std::string IsoUtc(astro::JulianDay ut) {
    return Iso(ut, 0) + "Z";
}

} // namespace ics
