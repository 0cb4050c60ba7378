#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the engine's observed Delta T (kObservedDeltaT in src/astro/fGlobals.cpp) with
Delta T = 32.184 s + (TAI - UTC) - (UT1 - UTC) on 1 January of each year, UT1 - UTC read from an
IERS EOP C04 file (as Debian's python3-astropy ships it:
/usr/lib/python3/dist-packages/astropy/utils/iers/data/eopc04_IAU2000.62-now).

    /usr/bin/python3 tools/check_delta_t.py [C04 file]
"""
import re
import sys

C04 = "/usr/lib/python3/dist-packages/astropy/utils/iers/data/eopc04_IAU2000.62-now"
# TAI - UTC in force on 1 January of the year, seconds (leap seconds of 2006, 2009, 2012 July,
# 2015 July and 2017).
TAI_UTC = [(2017, 37), (2016, 36), (2013, 35), (2009, 34), (2006, 33), (1999, 32)]


def tai_utc(year):
    return next(value for since, value in TAI_UTC if year >= since)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else C04
    ut1 = {}
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) > 6 and parts[0].isdigit() and parts[1] == "1" and parts[2] == "1":
                ut1[int(parts[0])] = float(parts[6])
    source = open("src/astro/fGlobals.cpp").read()
    table = re.search(r"kObservedDeltaT\[\] = \{([^}]*)\}", source).group(1)
    engine = [float(v) for v in table.replace("\n", " ").split(",") if v.strip()]
    worst = 0.0
    for i, value in enumerate(engine):
        year = 2000 + i
        if year not in ut1:
            print("%d  engine %.2f  (not in the file)" % (year, value))
            continue
        observed = 32.184 + tai_utc(year) - ut1[year]
        worst = max(worst, abs(observed - value))
        print("%d  engine %.2f  IERS %.3f  difference %+.3f" % (year, value, observed,
                                                              value - observed))
    print("worst difference %.3f s" % worst)
    return 0 if worst < 0.01 else 1


if __name__ == "__main__":
    sys.exit(main())
