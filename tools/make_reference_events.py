#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference instants of principal phases, equinoxes and solstices, and lunar eclipse maxima,
1900-2100, computed independently of the engine.

Source: PyEphem 4.1.4 (libastro; Debian's python3-ephem), whose Sun comes from the VSOP87
theory and whose Moon from its own lunar theory; every instant is found by PyEphem's own
search in Universal Time and written as a Julian Day of dynamical time, TT = UT + PyEphem's
delta T, so that the comparison does not depend on either program's delta T.

Method:
- phases: ephem.next_new_moon, next_first_quarter_moon, next_full_moon and
  next_last_quarter_moon (the Moon's geocentric apparent longitude minus the Sun's a multiple of
  90 degrees), every phase of every eighth lunation; the lunation number k (.0 new, .25 first
  quarter, .5 full, .75 last quarter, k = 0 the new moon of 2000 January 6) is written beside;
- seasons: ephem.next_vernal_equinox, next_summer_solstice, next_autumnal_equinox and
  next_winter_solstice from January 1 of each year;
- eclipses: at every full moon, the instant of least geocentric angular distance between the
  Moon's apparent place and the point opposite the Sun's apparent place (the shadow's axis),
  by golden-section search within half a day of the full moon; a full moon is kept when that
  distance is under 1.2 degrees, well inside the penumbra's reach (about 1.5 degrees), so that
  every row is an eclipse and none lies at the edge of one;
- eclipse contacts: the shadow's radii by Danjon's rule (the Earth's radius enlarged by 1/85 for
  its atmosphere and reduced for its flattening, together 1.01 times the Moon's parallax):
  penumbra 1.01 pi_M + pi_S + s_S, umbra 1.01 pi_M + pi_S - s_S, with pi_M and pi_S the Moon's
  and the Sun's equatorial horizontal parallaxes from PyEphem's distances (Earth radius
  6378.137 km), s_S the Sun's semidiameter 959.63"/R(au) and the Moon's s_M = asin(0.2725076
  sin pi_M); each contact is the instant the shadow distance equals a radius plus s_M (first and
  last penumbral and umbral contact) or minus s_M (beginning and end of totality), found by
  bisection between the maximum and six hours before or after it; a contact the eclipse does not
  reach is written as 0. Every full moon whose penumbral magnitude by that rule is above 0 is
  written, with its kind (1 penumbral, 2 partial, 3 total);

    /usr/bin/python3 tools/make_reference_events.py > tests/astro/reference_events.inc
"""
import math

import ephem

SYNODIC = 29.530588861
K0_JDE = 2451550.09766  # mean new moon of k = 0
FIRST_YEAR, LAST_YEAR = 1900, 2100
EVERY_NTH_LUNATION = 8
ECLIPSE_LIMIT_DEG = 1.2


def tt(date):
    """Julian Day of dynamical time of an ephem date (UT)."""
    return ephem.julian_date(date) + ephem.delta_t(date) / 86400.0


def lunation(jde, fraction):
    return round((jde - K0_JDE) / SYNODIC - fraction) + fraction


def shadow_distance(date):
    """Degrees between the Moon and the point opposite the Sun, geocentric apparent."""
    sun, moon = ephem.Sun(date), ephem.Moon(date)
    anti_ra = (float(sun.ra) + math.pi) % (2 * math.pi)
    return math.degrees(float(ephem.separation((moon.ra, moon.dec), (anti_ra, -float(sun.dec)))))


EARTH_RADIUS_KM = 6378.137
MOON_RADIUS_RATIO = 0.2725076


def shadow_radii(date):
    """Penumbral and umbral radius (Danjon) and the Moon's semidiameter, degrees."""
    sun, moon = ephem.Sun(date), ephem.Moon(date)
    pi_m = math.degrees(math.asin(EARTH_RADIUS_KM / (moon.earth_distance * ephem.meters_per_au / 1000)))
    pi_s = math.degrees(math.asin(EARTH_RADIUS_KM / (sun.earth_distance * ephem.meters_per_au / 1000)))
    s_s = 959.63 / 3600 / sun.earth_distance
    s_m = math.degrees(math.asin(MOON_RADIUS_RATIO * math.sin(math.radians(pi_m))))
    return 1.01 * pi_m + pi_s + s_s, 1.01 * pi_m + pi_s - s_s, s_m


def contact(maximum, side, which):
    """Instant (ephem date) of a contact, 0 when it is not reached. side -1 before, +1 after
    the maximum; which 0 penumbral, 1 umbral, 2 totality."""
    def reach(date):
        pen, umb, s_m = shadow_radii(date)
        limit = (pen + s_m, umb + s_m, umb - s_m)[which]
        return limit - shadow_distance(date)  # > 0 inside
    if reach(maximum) <= 0:
        return 0
    inside, outside = float(maximum), float(maximum) + side * 0.25
    if reach(outside) > 0:
        return 0
    for _ in range(50):  # 6 hours / 2^50
        mid = (inside + outside) / 2
        if reach(mid) > 0:
            inside = mid
        else:
            outside = mid
    return ephem.Date((inside + outside) / 2)


def least_distance(centre):
    """Instant (ephem date) and distance of the least shadow distance near `centre`."""
    a, b = centre - 0.5, centre + 0.5
    g = (math.sqrt(5) - 1) / 2
    c, d = b - g * (b - a), a + g * (b - a)
    fc, fd = shadow_distance(c), shadow_distance(d)
    for _ in range(60):  # 1 day * 0.618^60: far below a millisecond
        if fc < fd:
            b, d, fd = d, c, fc
            c = b - g * (b - a)
            fc = shadow_distance(c)
        else:
            a, c, fc = c, d, fd
            d = a + g * (b - a)
            fd = shadow_distance(d)
    t = (a + b) / 2
    return ephem.Date(t), shadow_distance(t)


def main():
    start = ephem.Date("%d/1/1" % FIRST_YEAR)
    end = ephem.Date("%d/1/1" % (LAST_YEAR + 1))
    finders = [
        ("new", 0.0, ephem.next_new_moon),
        ("first quarter", 0.25, ephem.next_first_quarter_moon),
        ("full", 0.5, ephem.next_full_moon),
        ("last quarter", 0.75, ephem.next_last_quarter_moon),
    ]

    phases, eclipses, contacts = [], [], []
    new_moon = ephem.next_new_moon(start)
    index = 0
    while new_moon < end:
        if index % EVERY_NTH_LUNATION == 0:
            for name, fraction, find in finders:
                when = find(new_moon - 1 if fraction == 0 else new_moon)
                if when < end:
                    jde = tt(when)
                    phases.append((lunation(jde, fraction), jde, name, when))
        full = ephem.next_full_moon(new_moon)
        if full < end and shadow_distance(full) < 2.2:
            when, distance = least_distance(full)
            jde = tt(when)
            if distance < ECLIPSE_LIMIT_DEG:
                eclipses.append((lunation(jde, 0.5), jde, distance, when))
            pen, umb, s_m = shadow_radii(when)
            if distance < pen + s_m:
                kind = 3 if distance < umb - s_m else 2 if distance < umb + s_m else 1
                times = [contact(when, -1, 0), contact(when, -1, 1), contact(when, -1, 2),
                         contact(when, 1, 2), contact(when, 1, 1), contact(when, 1, 0)]
                contacts.append((lunation(jde, 0.5), kind, [tt(c) if c else 0 for c in times],
                                 when, (pen + s_m - distance) / (2 * s_m)))
        new_moon = ephem.next_new_moon(new_moon + 1)
        index += 1

    seasons = []
    names = ["March equinox", "June solstice", "September equinox", "December solstice"]
    finders = [ephem.next_vernal_equinox, ephem.next_summer_solstice,
               ephem.next_autumnal_equinox, ephem.next_winter_solstice]
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        for event, find in enumerate(finders):
            when = find("%d/1/1" % year)
            seasons.append((year, event, tt(when), names[event], when))

    print("// Generated by tools/make_reference_events.py from PyEphem %s; instants are"
          % ephem.__version__)
    print("// Julian Days of dynamical time (UT + PyEphem's delta T). Do not edit by hand.")
    print("// Phases: { lunation number k, JDE }")
    print("#ifdef REFERENCE_PHASES")
    for k, jde, name, when in phases:
        print("    {%.2f, %.6f}, // %s, %s UT" % (k, jde, name, when))
    print("#endif")
    print("// Seasons: { year, event 0 March equinox .. 3 December solstice, JDE }")
    print("#ifdef REFERENCE_SEASONS")
    for year, event, jde, name, when in seasons:
        print("    {%d, %d, %.6f}, // %s, %s UT" % (year, event, jde, name, when))
    print("#endif")
    print("// Eclipse maxima: { lunation number k of the full moon, JDE of greatest eclipse }")
    print("#ifdef REFERENCE_ECLIPSES")
    for k, jde, distance, when in eclipses:
        print("    {%.1f, %.6f}, // %s UT, %.3f deg from the shadow's axis"
              % (k, jde, when, distance))
    print("#endif")
    print("// Eclipse contacts (Danjon's shadow): { k, kind, JDE of the first penumbral, first")
    print("// umbral contact, beginning of totality, end of totality, last umbral, last penumbral")
    print("// contact } (0: not reached)")
    print("#ifdef REFERENCE_CONTACTS")
    for k, kind, times, when, magnitude in contacts:
        print("    {%.1f, %d, {%s}}, // %s UT, penumbral magnitude %.4f"
              % (k, kind, ", ".join("%.6f" % t if t else "0" for t in times), when, magnitude))
    print("#endif")
    in_century = sum(1 for k, kind, times, when, m in contacts
                     if ephem.Date("2001/1/1") <= when < ephem.Date("2101/1/1"))
    print("// Eclipses 2001-2100 by this rule: %d" % in_century)


if __name__ == "__main__":
    main()
