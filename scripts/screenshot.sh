#!/usr/bin/env bash
# Starts the built game on a virtual screen and saves a picture of its window.
# Usage: scripts/screenshot.sh OUT.png [seconds to wait after the window shows, default 2]
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png [seconds]}")
wait_s=${2:-2}
display=:98
Xvfb $display -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
DISPLAY=$display build/bin/velmor >/dev/null 2>&1 &
game=$!
until id=$(DISPLAY=$display xdotool search --onlyvisible --name "^Velmor [0-9.]+( - .*)?$" 2>/dev/null); do
  kill -0 $game 2>/dev/null || { echo "velmor ended before its window showed" >&2; exit 1; }
  sleep 0.05
done
sleep "$wait_s"
DISPLAY=$display import -window "$(echo "$id" | head -1)" "$out"
echo "saved $out"
