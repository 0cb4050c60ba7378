#!/bin/bash
# Time from process start to the main window mapped, under an X server (Xvfb), and the CPU
# time the program has used by then. Usage: bench/startup_time.sh <path to cresselle> [runs]
# Needs DISPLAY (e.g. Xvfb :99 & export DISPLAY=:99) and xdotool. Runs with a fresh HOME, so
# the settings are created as on a first start.
set -u
program=${1:?path to cresselle}
runs=${2:-5}
home=$(mktemp -d)
tck=$(getconf CLK_TCK)
for ((i = 1; i <= runs; i++)); do
  start=$(date +%s%N)
  HOME=$home "$program" >/dev/null 2>&1 &
  pid=$!
  n=0
  until xdotool search --onlyvisible --name '^Cresselle$' >/dev/null 2>&1 || ((n > 500)); do
    sleep 0.02
    n=$((n + 1))
  done
  end=$(date +%s%N)
  read -r -a stat <"/proc/$pid/stat"
  echo "run $i: $(((end - start) / 1000000)) ms to the window, $(((stat[13] + stat[14]) * 1000 / tck)) ms CPU"
  kill "$pid"
  wait "$pid" 2>/dev/null
done
rm -rf "$home"
