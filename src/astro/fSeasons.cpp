// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fSeasons.h"

#include "astro/fRiseSet.h"

#include <cmath>

namespace astro {

namespace {

// Polynomials of Meeus table 27.B (years 1000 .. 3000), in y = (year - 2000) / 1000.
JulianDay SeasonPolynomial(int index, double y) {
    const double y2 = y * y, y3 = y2 * y, y4 = y3 * y;
    switch (index) {
    case 0:
        return 2451623.80984 + 365242.37404 * y + 0.05169 * y2 - 0.00411 * y3 - 0.00057 * y4;
    case 1:
        return 2451716.56767 + 365241.62603 * y + 0.00325 * y2 + 0.00888 * y3 - 0.00030 * y4;
    case 2:
        return 2451810.21715 + 365242.01767 * y - 0.11575 * y2 + 0.00337 * y3 + 0.00078 * y4;
    default:
        return 2451900.05952 + 365242.74049 * y - 0.06223 * y2 - 0.00823 * y3 + 0.00032 * y4;
    }
}

// Moves a UT instant until the Sun's apparent longitude reaches 90 * index degrees (Meeus ch. 27:
// 58 sin(target - longitude) days per round). At most 50 rounds; the last instant is kept.
JulianDay CorrectToLongitude(JulianDay instant, int index, const Observer& observer) {
    for (int round = 0; round < 50; ++round) {
        const double lambda = SunPosition(instant, observer).Longitude;
        const double c = 58 * std::sin(DegToRad(90.0 * index - lambda));
        instant += c;
        if (std::fabs(c) < 1e-8) break;
    }
    return instant;
}

} // namespace

JulianDay MeanSeasonInstant(int year, int index) {
    if (index >= 4) return SeasonPolynomial(0, (year + 1 - 2000) / 1000.0);
    return SeasonPolynomial(index, (year - 2000) / 1000.0);
}

SeasonsRec EquinoxesAndSolstices(std::uint16_t year, const Observer& observer) {
    SeasonsRec out;
    for (int i = 0; i < 5; ++i)
        out.MeanInstants[i] = MeanSeasonInstant(year, i);
    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;
    for (int i = 0; i < 4; ++i) {
        // The Sun's position takes a UT instant.
        const JulianDay ut =
            CorrectToLongitude(out.MeanInstants[i] - DeltaTDays(out.MeanInstants[i]), i, observer);
        out.Instants[i] = ut + DeltaTDays(ut);
        out.LocalDates[i] = JulianToDate(ut + zoneDays);
        out.Texts[i] = DateTimeText(out.LocalDates[i]);
    }
    for (int j = 0; j < 4; ++j) {
        const JulianDay end = j < 3 ? out.Instants[j + 1] : out.MeanInstants[4];
        out.Lengths[j] = std::trunc((end - out.Instants[j]) * 100) / 100;
    }
    return out;
}

} // namespace astro
