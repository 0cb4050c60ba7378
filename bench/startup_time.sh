#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from process start to the main window mapped, under an X server (Xvfb), and the CPU
# time the program has used by then. Usage: bench/startup_time.sh <path to cresselle> [runs]
# Needs DISPLAY (e.g. Xvfb :57 & export DISPLAY=:57) and xev. The map is seen through one
# connection listening on the root window (polling with new connections can crowd the server
# out). Each run starts with a fresh HOME, so the settings are created as on a first start.
set -u
program=${1:?path to cresselle}
runs=${2:-5}
home=$(mktemp -d)
events=$(mktemp -u)
tck=$(getconf CLK_TCK)
mkfifo "$events"
for ((i = 1; i <= runs; i++)); do
  stdbuf -oL xev -root -event substructure >"$events" &
  listener=$!
  exec 3<"$events"
  sleep 0.2 # the listener is attached before the program starts
  start=$(date +%s%N)
  HOME=$home "$program" >/dev/null 2>&1 &
  pid=$!
  mapped=no
  while read -r -t 20 line <&3; do
    if [[ $line == MapNotify* ]]; then
      mapped=yes
      break
    fi
  done
  end=$(date +%s%N)
  if [[ $mapped == yes ]] && kill -0 "$pid" 2>/dev/null; then
    read -r -a stat <"/proc/$pid/stat"
    echo "run $i: $(((end - start) / 1000000)) ms to the window, $(((stat[13] + stat[14]) * 1000 / tck)) ms CPU"
  else
    echo "run $i: no window"
  fi
  kill "$pid" "$listener" 2>/dev/null
  wait "$pid" "$listener" 2>/dev/null
  exec 3<&-
done
rm -rf "$home" "$events"
