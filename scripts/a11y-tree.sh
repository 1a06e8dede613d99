#!/usr/bin/env bash
# Starts the built game on a virtual screen with its own session bus and accessibility bus, deals,
# presses some keys, and prints what a screen reader hears meanwhile and then sees (scripts/a11y-tree.py).
# Usage: scripts/a11y-tree.sh [keys for xdotool, default "Home Tab Tab"] [tiles listed, default 6]
# Needs xvfb, xdotool, at-spi2-core and python3-pyatspi (scripts/setup.sh --dev).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${VELMOR_A11Y_INNER:-}" != 1 ]; then
  exec env VELMOR_A11Y_INNER=1 dbus-run-session -- "$0" "$@"
fi
keys=${1:-Home Tab Tab}
display=:97
home=$(mktemp -d)
Xvfb $display -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill ${game:-} $bus $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 100); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
# A home of its own: a first start, and nothing of the player's settings touched.
DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 build/bin/velmor >/dev/null 2>&1 &
game=$!
until id=$(DISPLAY=$display xdotool search --onlyvisible --name "^Velmor [0-9.]+( - .*)?$" 2>/dev/null); do
  kill -0 $game 2>/dev/null || { echo "velmor ended before its window showed" >&2; exit 1; }
  sleep 0.05
done
sleep 2
id=$(echo "$id" | head -1)
DISPLAY=$display xdotool windowactivate --sync "$id" >/dev/null 2>&1 || DISPLAY=$display xdotool windowfocus "$id"
# What a reader hears while the keys go in, then what it sees.
scripts/a11y-tree.py --listen $((2 + $(wc -w <<<"$keys"))) &
listener=$!
sleep 1.5
for key in $keys; do
  DISPLAY=$display xdotool key --window "$id" "$key"
  sleep 0.5
done
wait $listener
scripts/a11y-tree.py --tiles "${2:-6}"
