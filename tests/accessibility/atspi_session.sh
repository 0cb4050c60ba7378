#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Inside the test's session and display: starts the program with its accessibility bridge on,
# runs the check against it, and ends the program.
set -u
program="$1"
check="$2"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  "$program" >"$HOME/program.log" 2>&1 &
pid=$!
/usr/bin/python3 "$check"
rc=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ $rc -ne 0 ]; then
  echo "--- the program's output:"
  cat "$HOME/program.log"
fi
exit $rc
