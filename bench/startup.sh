#!/usr/bin/env bash
# Start-up time and memory of the real game, measured from outside: launch under Xvfb until the
# main window is mapped, then read the resident memory three seconds later. Median of five.
# Usage: bench/startup.sh [build/bin]     (needs xvfb and xdotool)
set -euo pipefail
bin=${1:-build/bin}
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
times=() ; rss=()
for run in 1 2 3 4 5; do
  rm -f "$bin/Velmor.ini"
  start=$(date +%s%N)
  DISPLAY=$display "$bin/velmor" >/dev/null 2>&1 &
  pid=$!
  # Poll often: xdotool's own --sync waits half a second between looks.
  until DISPLAY=$display xdotool search --onlyvisible --name "^Velmor 5.21( - .*)?$" >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || { echo "velmor ended before its window showed" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 3
  rss+=($(awk '/VmRSS/ {print $2}' /proc/$pid/status))
  kill $pid; wait $pid 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }
echo "start-up to mapped window (ms): ${times[*]}  median $(median "${times[@]}")"
echo "resident memory after 3 s (kB): ${rss[*]}  median $(median "${rss[@]}")"
rm -f "$bin/Velmor.ini"
