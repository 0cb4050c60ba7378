// SPDX-License-Identifier: GPL-3.0-or-later
// The observer and the dates the report window tests and printout tests work with.
#pragma once

#include "astro/fGlobals.h"

#include <cstdint>

namespace reporttest {

// London, 51.5° N 0.12° W (radians, west positive).
inline astro::Observer London() {
    return {astro::DegToRad(51.5), astro::DegToRad(0.12), 0};
}

// 0h local of a civil date.
inline astro::DateTimeRec Date(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    return d;
}

} // namespace reporttest
