#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it: started under Xvfb with its own session and
# accessibility bus, its windows read through AT-SPI by atspi_check.py.
# Usage: atspi_test.sh PROGRAM. Exits 77 (skipped) when a part of the bus is not installed.
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
skip() {
  echo "SKIPPED: $*"
  exit 77
}
command -v dbus-run-session >/dev/null || skip "dbus-run-session not installed (package dbus-daemon)"
command -v xvfb-run >/dev/null || skip "xvfb-run not installed (package xvfb)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is not installed (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi not installed"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
  XDG_RUNTIME_DIR="$tmp/run" TZ=Europe/London
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "$here/atspi_session.sh" "$program" "$here/atspi_check.py"
