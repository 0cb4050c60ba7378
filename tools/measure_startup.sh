#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the time from process start to the main window shown (mapped and viewable) under
# Xvfb, in a fresh home: the first run is a first start (settings created, working folder
# seeded), the later runs are ordinary starts. Needs Xvfb and xwininfo (x11-utils).
# Usage: tools/measure_startup.sh [program] [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-${BUILD_DIR:-$root/build}/cresselle}"
runs="${2:-5}"
display=":$((90 + RANDOM % 100))"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
home="$(mktemp -d)"
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 100); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.05; done

for run in $(seq "$runs"); do
  start=$(date +%s%N)
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" DISPLAY="$display" \
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  pid=$!
  shown=""
  for _ in $(seq 4000); do
    if xwininfo -display "$display" -name Cresselle 2>/dev/null | grep -q "IsViewable"; then
      shown=$(date +%s%N)
      break
    fi
    sleep 0.002
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$shown" ]; then
    echo "run $run: the main window did not appear"
    exit 1
  fi
  kind="later start"
  [ "$run" -eq 1 ] && kind="first start"
  echo "run $run ($kind): $(((shown - start) / 1000000)) ms"
done
