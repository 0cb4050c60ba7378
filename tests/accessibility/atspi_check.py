#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program through AT-SPI as a screen reader does: the main window's rise
and set values with their titles ("Moonrise 05:10"), the painted panel values, the selected
day of the calendar by its date, a name on every button; then presses the reports button
through its accessible action and finds the menu's rows, and opens the configuration window:
its boxes named, its printer pictures radio buttons with the chosen one checked."""
import re
import sys
import time

import pyatspi

MAX_NODES = 5000


def find_app(deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and "cresselle" in (app.name or "").lower() and app.childCount:
                return app
        time.sleep(0.5)
    return None


def walk(root):
    """Every node under root (bounded), as (role name, name, states, node)."""
    found, todo = [], [root]
    while todo and len(found) < MAX_NODES:
        node = todo.pop()
        try:
            found.append((node.getRoleName(), node.name or "", node.getState(), node))
            todo.extend(node.getChildAtIndex(i) for i in range(min(node.childCount, 3000)))
        except Exception:  # a node that went away while read
            continue
    return [f for f in found if f[3] is not None]


def names(nodes):
    return [n[1] for n in nodes]


def main():
    app = find_app(time.time() + 60)
    if app is None:
        print("FAIL: the program never appeared on the accessibility bus")
        return 1
    failures = []
    nodes = []
    # The panel fills in once the window is shown and its clock ticks.
    deadline = time.time() + 30
    while time.time() < deadline:
        nodes = walk(app)
        if any(re.match(r"^Visible \d+%$", n) for n in names(nodes)):
            break
        time.sleep(0.5)
    all_names = names(nodes)

    def expect(pattern, what):
        if not any(re.search(pattern, n) for n in all_names):
            failures.append("no %s (%s)" % (what, pattern))

    expect(r"^Moonrise (\d\d:\d\d|\S+)", "moonrise with its title")
    expect(r"^Sunrise \d\d:\d\d", "sunrise with its title")
    expect(r"^Visible \d+%$", "illuminated fraction (painted)")
    expect(r"^Age \d+ days", "the Moon's age (painted)")
    expect(r"^Moon drawing: ", "the Moon drawing")
    expect(r"^Right ascension \d+h", "right ascension (painted)")
    expect(r"^(Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday) \d+ \w+ \d{4}, selected",
           "the selected day by its date")

    showing = pyatspi.STATE_SHOWING
    unnamed = [n for n in nodes
               if n[0] in ("push button", "button") and n[2].contains(showing) and not n[1].strip()]
    if unnamed:
        failures.append("%d buttons without a name" % len(unnamed))

    reports = [n for n in nodes if n[0] in ("push button", "button") and "report" in n[1].lower()]
    if not reports:
        failures.append("no Reports button")
    else:
        action = reports[0][3].queryAction()
        action.doAction(0)
        deadline = time.time() + 15
        opened = False
        while time.time() < deadline and not opened:
            time.sleep(0.5)
            opened = any(n[1] == "Find Lunar Eclipses" and n[2].contains(showing)
                         for n in walk(app))
        if not opened:
            failures.append("pressing Reports through its action opened no menu")

    # The configuration window: every box named by its caption.
    gear = [n for n in nodes if n[0] in ("push button", "button") and "configuration" in n[1].lower()]
    if not gear:
        failures.append("no configuration button")
    else:
        gear[0][3].queryAction().doAction(0)
        deadline = time.time() + 15
        boxes = []
        while time.time() < deadline:
            time.sleep(0.5)
            shown = [n for n in walk(app) if n[2].contains(showing)]
            if any(n[1] == "Latitude degrees" for n in shown):
                boxes = [n for n in shown if n[0] in ("text", "entry", "combo box", "check box")]
                break
        if not boxes:
            failures.append("the configuration window's boxes were not read")
        unnamed = [n[0] for n in boxes if not n[1].strip()]
        if unnamed:
            failures.append("configuration boxes without a name: %s" % unnamed)
        # The printer pictures: radio buttons, the chosen one (Laser at the first start) checked.
        radios = [n for n in walk(app) if n[0] == "radio button" and n[2].contains(showing)]
        named = sorted(n[1] for n in radios)
        if named != ["Black and white inkjet printer", "Colour inkjet printer", "Laser printer"]:
            failures.append("the printer pictures are not read as three radio buttons: %s"
                            % named)
        else:
            checked = [n[1] for n in radios if n[2].contains(pyatspi.STATE_CHECKED)]
            if checked != ["Laser printer"]:
                failures.append("checked printer radio buttons: %s" % checked)

    for f in failures:
        print("FAIL:", f)
    if failures:
        print("names read:", sorted(set(all_names))[:200])
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
