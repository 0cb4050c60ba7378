#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendar file of 2026 read back with a real iCalendar parser: every line within 75
octets and ended by CRLF, unique UIDs, UTC times, and the count of events counted here
without the program: published phases and eclipses, the Moon's distance extremes from the
largest terms of the lunar theory, and the four seasons."""
import datetime
import math
import subprocess
import sys
import tempfile
import os

import icalendar

# Principal phases of 2026 (UT), from published almanacs: 12 new moons, 12 first quarters,
# 13 full moons (two in May), 13 last quarters (two in December).
PHASES_2026 = 12 + 12 + 13 + 13
# Lunar eclipses of 2026: total on 3 March, partial on 28 August.
ECLIPSES_2026 = 2
SEASONS = 4

# Distance of the Moon: the largest terms of the lunar theory (D, M, M', F, metres).
TERMS = [
    (0, 0, 1, 0, -20905355), (2, 0, -1, 0, -3699111), (2, 0, 0, 0, -2955968),
    (0, 0, 2, 0, -569925), (0, 1, 0, 0, 48888), (0, 0, 0, 2, -3149),
    (2, 0, -2, 0, 246158), (2, -1, -1, 0, -152138), (2, 0, 1, 0, -170733),
    (2, -1, 0, 0, -204586), (0, 1, -1, 0, -129620), (1, 0, 0, 0, 108743),
    (0, 1, 1, 0, 104755), (2, 0, 0, -2, 10321), (4, 0, -1, 0, 30824), (4, 0, -2, 0, 24208),
    (2, 1, -1, 0, -8379), (2, 1, 0, 0, -16675), (1, 0, 1, 0, -12831), (0, 0, 3, 0, -10445),
    (4, 0, 0, 0, -11650), (2, 0, -3, 0, 14403), (0, 1, -2, 0, -7003), (2, -1, -2, 0, 10056),
    (1, 1, 0, 0, 6322), (2, -2, 0, 0, -9884),
]


def distance_km(jd):
    t = (jd - 2451545.0) / 36525.0
    d = math.radians(297.8501921 + 445267.1114034 * t)
    m = math.radians(357.5291092 + 35999.0502909 * t)
    mp = math.radians(134.9633964 + 477198.8675055 * t)
    f = math.radians(93.2720950 + 483202.0175233 * t)
    e = 1 - 0.002516 * t
    total = sum(c * e ** abs(cm) * math.cos(cd * d + cm * m + cmp_ * mp + cf * f)
                for cd, cm, cmp_, cf, c in TERMS)
    return 385000.56 + total / 1000.0


def apsides_in(jd_start, jd_end):
    """Local minima and maxima of the distance, sampled hourly."""
    step = 1 / 24
    jd0 = jd_start - 2
    r = [distance_km(jd0 + i * step) for i in range(int((jd_end - jd0 + 2) / step))]
    count = 0
    for i in range(1, len(r) - 1):
        extreme = (r[i] < r[i - 1] and r[i] <= r[i + 1]) or (r[i] > r[i - 1] and r[i] >= r[i + 1])
        if extreme and jd_start <= jd0 + i * step < jd_end:
            count += 1
    return count


def main():
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as home:
        out = os.path.join(home, "moon.ics")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"))
        subprocess.run([cli, "--lat", "51.4769", "--lon", "0", "--zone", "0", "ical", "2026",
                        "-o", out], check=True, env=env)
        raw = open(out, "rb").read()
    failures = []
    lines = raw.split(b"\r\n")
    if lines[-1] != b"":
        failures.append("the file does not end with CRLF")
    for line in lines[:-1]:
        if b"\n" in line or b"\r" in line:
            failures.append("a bare LF or CR in %r" % line)
        if len(line) > 75:
            failures.append("%d octets: %r" % (len(line), line))

    calendar = icalendar.Calendar.from_ical(raw)
    for key in ("VERSION", "PRODID"):
        if key not in calendar:
            failures.append("no " + key)
    # The name a calendar program gives the imported calendar.
    if str(calendar.get("X-WR-CALNAME")) != "Moon 2026 (Cresselle)":
        failures.append("calendar name %r" % calendar.get("X-WR-CALNAME"))
    events = calendar.walk("VEVENT")
    uids = [str(e["UID"]) for e in events]
    if len(set(uids)) != len(uids):
        failures.append("UIDs repeat")
    for e in events:
        start = e.decoded("DTSTART")
        if start.utcoffset() != datetime.timedelta(0) or "DTSTAMP" not in e:
            failures.append("%s: not in UTC or no DTSTAMP" % e["UID"])
        if start.year != 2026:
            failures.append("%s: not in 2026" % e["UID"])

    jan1, next_jan1 = 2461041.5, 2461406.5  # 2026-01-01 and 2027-01-01, 0h UT
    expected = PHASES_2026 + ECLIPSES_2026 + apsides_in(jan1, next_jan1) + SEASONS
    if len(events) != expected:
        failures.append("%d events, expected %d" % (len(events), expected))
    eclipses = [e for e in events if "Eclipse" in str(e["SUMMARY"])]
    if len(eclipses) != ECLIPSES_2026 or not all(
            "magnitude" in str(e["DESCRIPTION"]) and "Visible" in str(e["DESCRIPTION"])
            for e in eclipses):
        failures.append("eclipses without their unfolded description")

    failures += plan_failures(cli)
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


def plan_failures(cli):
    """The good nights of a feature as a calendar: one event per window of the JSON list, at
    its times, with the feature's name in the title and UIDs that stay when made again."""
    data = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "runtime",
                        "data.dat")
    args = [cli, "--lat", "51.4769", "--lon", "0", "--zone", "0", "--file", data,
            "plan", "Plato", "2026-09", "3"]
    failures = []
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"))
        out = os.path.join(home, "plato.ics")
        again = os.path.join(home, "again.ics")
        listed = subprocess.run(args[:1] + ["--json"] + args[1:] + ["-o", out], check=True,
                                env=env, capture_output=True).stdout
        subprocess.run(args + ["-o", again], check=True, env=env, capture_output=True)
        nights = __import__("json").loads(listed)["nights"]
        events = icalendar.Calendar.from_ical(open(out, "rb").read()).walk("VEVENT")
        uids_again = [str(e["UID"]) for e in
                      icalendar.Calendar.from_ical(open(again, "rb").read()).walk("VEVENT")]
    if not nights or len(events) != len(nights):
        failures.append("plan: %d events for %d windows" % (len(events), len(nights)))
    for e, n in zip(events, nights):
        start = e.decoded("DTSTART").strftime("%Y-%m-%dT%H:%M")
        end = e.decoded("DTEND").strftime("%Y-%m-%dT%H:%M")
        if "Plato" not in str(e["SUMMARY"]):
            failures.append("plan: no feature name in %r" % str(e["SUMMARY"]))
        if abs(minutes(start) - minutes(n["start_ut"][:16])) > 1 or \
                abs(minutes(end) - minutes(n["end_ut"][:16])) > 1:
            failures.append("plan: event %s-%s, window %s-%s" % (start, end, n["start_ut"],
                                                                 n["end_ut"]))
    if [str(e["UID"]) for e in events] != uids_again:
        failures.append("plan: the UIDs change when the file is made again")
    return failures


def minutes(iso):
    t = datetime.datetime.strptime(iso, "%Y-%m-%dT%H:%M")
    return t.timestamp() / 60


if __name__ == "__main__":
    sys.exit(main())
