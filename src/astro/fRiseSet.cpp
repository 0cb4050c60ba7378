#include "astro/fRiseSet.h"

#include "astro/fMoonCalcs.h"
#include "astro/fSidereal.h"
#include "astro/fVsop87Tables.h"

#include <cmath>

namespace astro {

// ---------------------------------------------------------------------------------------------
// The Sun's position
// ---------------------------------------------------------------------------------------------

namespace {

// Astronomical unit in kilometres.
constexpr double kAuKm = 149597900;
// Correction of the VSOP87 longitude and latitude to the FK5 system, degrees (Meeus 25.9).
constexpr double kFk5LongitudeDeg = 0.09033 / 3600;
constexpr double kFk5LatitudeDeg = 0.03916 / 3600;
// Constant of aberration for the Sun, degrees AU (20.4898 arcseconds, Meeus 25.10).
constexpr double kAberrationDeg = 20.4898 / 3600;

// Sum of A cos(B + C tau) over the rows of one series, in table order.
double SumSeries(vsop87::TermSpan series, double tau) {
    double sum = 0;
    for (const vsop87::EarthTerm& term : series)
        sum += term.A * std::cos(term.B + term.C * tau);
    return sum;
}

// The Earth's heliocentric place from the truncated VSOP87 series.
struct HeliocentricEarth {
    double longitudeDeg = 0; // not reduced
    double latitudeDeg = 0;
    double radiusAu = 0;
};

HeliocentricEarth EarthPlace(JulianDay jd) {
    const vsop87::EarthSeries& s = vsop87::Earth();
    const double tau = (jd - 2451545) / 365250;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;
    const double l = SumSeries(s.L0, tau) + SumSeries(s.L1, tau) * tau +
                     SumSeries(s.L2, tau) * tau2 + SumSeries(s.L3, tau) * tau3 +
                     SumSeries(s.L4, tau) * tau4 + SumSeries(s.L5, tau) * tau5;
    const double b = SumSeries(s.B0, tau) + SumSeries(s.B1, tau) * tau;
    const double r = SumSeries(s.R0, tau) + SumSeries(s.R1, tau) * tau +
                     SumSeries(s.R2, tau) * tau2 + SumSeries(s.R3, tau) * tau3 +
                     SumSeries(s.R4, tau) * tau4;
    return {RadToDeg(l / 1e8), RadToDeg(b / 1e8), r / 1e8};
}

} // namespace

SunRec SunPosition(JulianDay jd, const Observer& observer, double obliquityRad,
                   double deltaPsiArcsec) {
    const HeliocentricEarth earth = EarthPlace(jd);

    // Geocentric place, then to the FK5 system.
    const double theta = ReduceDegrees(earth.longitudeDeg + 180);
    const double lambdaFk5 = theta - kFk5LongitudeDeg;
    const double lambdaRad = DegToRad(lambdaFk5);
    const double beta =
        -earth.latitudeDeg + kFk5LatitudeDeg * (std::cos(lambdaRad) - std::sin(lambdaRad));

    // Apparent longitude: nutation and aberration.
    const double lambda = lambdaFk5 + deltaPsiArcsec / 3600 - kAberrationDeg / earth.radiusAu;

    SunRec sun;
    sun.Longitude = lambda;
    sun.Latitude = beta;
    sun.DistanceKm = earth.radiusAu * kAuKm;
    sun.Equatorial = EclipticToEquatorial(obliquityRad, DegToRad(beta), DegToRad(lambda));

    const double hourAngle =
        HourAngle(MeanSiderealTime(jd), sun.Equatorial.RightAscension, observer);
    const HorizontalRec horizontal =
        EquatorialToHorizontal(hourAngle, sun.Equatorial.Declination, observer);
    sun.Altitude = horizontal.Altitude;
    sun.Azimuth = horizontal.Azimuth;
    return sun;
}

SunRec SunPosition(JulianDay jd, const Observer& observer) {
    NutationRec nutation;
    const double obliquity = TrueObliquity(jd, nutation);
    return SunPosition(jd, observer, obliquity, nutation.DeltaPsi);
}

// ---------------------------------------------------------------------------------------------
// Rise, transit and set
// ---------------------------------------------------------------------------------------------

} // namespace astro
