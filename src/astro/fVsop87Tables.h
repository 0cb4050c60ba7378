// SPDX-License-Identifier: GPL-3.0-or-later
// The Earth's truncated VSOP87 series (Meeus, appendix III), read by the Sun's position.
#pragma once

#include <cstddef>
#include <span>

namespace astro::vsop87 {

// One periodic term A cos(B + C tau).
struct EarthTerm {
    double A; // amplitude, 1e-8 radian (L, B) or 1e-8 AU (R)
    double B; // phase, radians
    double C; // frequency, radians per Julian millennium
};

using TermSpan = std::span<const EarthTerm>;

// The thirteen series: heliocentric longitude L0..L5, latitude B0..B1, radius vector R0..R4.
struct EarthSeries {
    TermSpan L0, L1, L2, L3, L4, L5;
    TermSpan B0, B1;
    TermSpan R0, R1, R2, R3, R4;
};

const EarthSeries& Earth();

} // namespace astro::vsop87
