#!/usr/bin/env bash
# Plays a pair by keyboard in the built game on a virtual screen, with its own session bus and
# accessibility bus, and checks what a screen reader hears meanwhile (scripts/a11y-events.py):
# the cursor's moves as focus, a pick as a selection, the taken tiles leaving the board, every
# event well formed, and a clock that does not speak every second.
# Usage: scripts/a11y-events.sh [build directory, default build]
# Exits 77 (skipped) when a tool it needs is missing; scripts/setup.sh --dev installs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ "${VELMOR_A11Y_EVENTS_INNER:-}" != 1 ]; then
  for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing (scripts/setup.sh --dev)"; exit 77; }
  done
  /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is missing (scripts/setup.sh --dev)"; exit 77; }
  [ -x "$build/bin/velmor" ] || { echo "no game at $build/bin/velmor" >&2; exit 1; }
  exec env VELMOR_A11Y_EVENTS_INNER=1 dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill ${game:-} $bus ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
# The display number the server found free: tests run side by side.
start_server() {
  rm -f "$work/display"
  # -noreset: the probe below is the server's last client as it leaves, just before the game comes,
  # and a reset in between must not be what the game meets.
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { echo "Xvfb chose no display" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=:$(head -1 "$work/display")
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && return; sleep 0.05; done
  echo "no X server on $DISPLAY" >&2; cat "$work/xvfb.log" >&2; exit 1
}
# A home of its own: a first start, in English, and nothing of the player's settings touched.
start_game() {
  HOME=$work XDG_CONFIG_HOME=$work/.config XDG_DATA_HOME=$work/.local/share XDG_CACHE_HOME=$work/.cache \
    LC_ALL=C.UTF-8 LANGUAGE= SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    "$build/bin/velmor" >"$work/game.log" 2>&1 &
  game=$!
}
# Once, on a loaded machine, the game could not reach the server the probe had just reached
# ("could not connect to display"), said so and ended. That is between the toolkit and the server,
# not the game's doing: it gets one more server, and what happened is shown. Any other end before
# the window shows fails the test.
start_server
start_game
for attempt in 1 2; do
  id=
  until id=$(xdotool search --onlyvisible --name "^Velmor [0-9.]+( - .*)?$" 2>/dev/null); do
    kill -0 $game 2>/dev/null || break
    sleep 0.05
  done
  [ -z "$id" ] || break
  echo "velmor ended before its window showed" >&2
  cat "$work/game.log" >&2
  alive=no
  kill -0 $xvfb 2>/dev/null && alive=yes
  echo "the X server on $DISPLAY is running: $alive; its log:" >&2
  cat "$work/xvfb.log" >&2
  [ $attempt -eq 1 ] && grep -q "could not connect to display" "$work/game.log" || exit 1
  kill $xvfb 2>/dev/null || true
  wait $xvfb 2>/dev/null || true
  start_server
  start_game
done
id=$(echo "$id" | head -1)
xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus "$id"
# The system's Python, where python3-pyatspi installs. A malformed event reaches the listener only as a warning of its bus library on its stderr.
status=0
/usr/bin/python3 scripts/a11y-events.py --window "$id" 2>"$work/listener.err" || status=$?
if grep -E "dbind-WARNING|invalid signature" "$work/listener.err" >/dev/null; then
  echo "FAIL: malformed events:" >&2
  sort "$work/listener.err" | uniq -c >&2
  status=1
elif [ -s "$work/listener.err" ]; then
  cat "$work/listener.err" >&2
fi
exit $status
