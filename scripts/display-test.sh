#!/usr/bin/env bash
# The same numbered deal shown by the game under X11 (Xvfb) and as a native Wayland client of a
# headless weston, each screen taken from the display server itself: the tiles must be where and
# as velmor-cli renders them, and the two screens' boards equal pixel for pixel. A window whose pictures reach the screen
# transparent or not at all fails here, though Qt's own grab of the window would look right.
# Usage: scripts/display-test.sh [build-dir]   (default: build)
# Needs xvfb, xdotool, imagemagick, weston and qt6-wayland (scripts/setup.sh --dev).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bin=$(realpath "${1:-build}")/bin
work=$(mktemp -d)
pids=()
result() {
  local status=$?
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$status" -eq 0 ]; then echo "display-test: PASS ($((SECONDS - started)) s)"; else echo "display-test: FAIL ($((SECONDS - started)) s)"; fi
  [ -n "${DISPLAY_TEST_KEEP:-}" ] && echo "display-test: kept $work" || rm -rf "$work"
}
trap result EXIT
# A build tree keeps the game's settings beside the program: a copy without them starts as a new
# player's first start would, whatever window size an earlier run saved.
cp -r "$bin" "$work/bin"
bin=$work/bin
rm -f "$bin"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}
fail() {
  echo "display-test: $*" >&2
  exit 1
}
wait_for() {  # seconds, then a command that succeeds when ready
  local until=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $until ] || return 1
    sleep 0.1
  done
}

layout=Turtle
game=7
"$bin/velmor-cli" render "$bin/Layouts/$layout.lay" --game "$game" --tileset "$bin/Tilesets/bluepai.bmp" \
  --background "$bin/Backgrounds/andromeda.jpg" --out "$work/board.png" >/dev/null
game_env=(env -u WAYLAND_DISPLAY -u DISPLAY SDL_AUDIODRIVER=dummy LANG=C.UTF-8 LC_ALL=C.UTF-8)

# X11.
# A display number no other server holds: one taken makes Xvfb fail and the test with it.
display=
for n in $(shuf -i 90-199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
done
[ -n "$display" ] || fail "no free X display number"
Xvfb "$display" -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_for 10 env DISPLAY="$display" xdotool getdisplaygeometry || fail "Xvfb did not start"
mkdir -p "$work/x11"
"${game_env[@]}" HOME="$work/x11" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
  "$bin/velmor" --layout "$layout" --game "$game" >"$work/x11.log" 2>&1 &
pids+=($!)
wait_for 20 env DISPLAY="$display" xdotool search --onlyvisible --name "^Velmor [0-9.]+" || fail "no X11 window"
sleep 2
DISPLAY="$display" import -window root "$work/x11.png"

# Wayland, with a runtime folder of its own so that no desktop session is touched.
mkdir -m 700 "$work/run"
mkdir -p "$work/wl"
XDG_RUNTIME_DIR="$work/run" weston --backend=headless-backend.so --use-pixman --width=1280 --height=800 \
  --socket=velmor-test --debug --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$work/run/velmor-test" || fail "weston did not start: $(tail -3 "$work/weston.log")"
"${game_env[@]}" HOME="$work/wl" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=velmor-test QT_QPA_PLATFORM=wayland \
  "$bin/velmor" --layout "$layout" --game "$game" >"$work/wayland.log" 2>&1 &
game_pid=$!
pids+=($game_pid)
sleep 4
kill -0 $game_pid 2>/dev/null || fail "the game ended under Wayland: $(cat "$work/wayland.log")"
# The screenshooter has been seen to spin when the compositor goes away under it.
(cd "$work" && XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=velmor-test timeout 20 weston-screenshooter) ||
  fail "weston-screenshooter failed"
shot=$(ls "$work"/wayland-screenshot-*.png | head -1)
if grep -q "QWaylandShmBuffer\|mmap failed" "$work/wayland.log"; then fail "Qt's Wayland buffers failed: $(cat "$work/wayland.log")"; fi

python3 - "$work/board.png" "$work/x11.png" "$shot" "$work" <<'EOF'
import subprocess, sys

def read(path):
    # ImageMagick turns any PNG into a plain 8-bit RGB PPM: width, height and rows of bytes.
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1
    w, h = int(fields[1]), int(fields[2])
    return w, h, [data[at + y * w * 3: at + (y + 1) * w * 3] for y in range(h)]

bw, bh, board = read(sys.argv[1])
# A patch of tiles in the middle of the heap tells where each screen shows the board.
px, py, pw, ph = 330, 200, 60, 40
patch = [row[px * 3:(px + pw) * 3] for row in board[py:py + ph]]
shown = {}
for name, path in (("X11", sys.argv[2]), ("Wayland", sys.argv[3])):
    w, h, rows = read(path)
    found = None
    for y in range(h - ph + 1):
        x = rows[y].find(patch[0])
        while x >= 0 and found is None:
            if x % 3 == 0 and all(rows[y + r][x:x + pw * 3] == patch[r] for r in range(ph)):
                found = (x // 3 - px, y - py)
            x = rows[y].find(patch[0], x + 1)
        if found:
            break
    if not found or found[0] < 0 or found[1] < 0 or found[0] + bw > w or found[1] + bh > h:
        sys.exit(f"display-test: the {name} screen does not show the deal's tiles as rendered ({path})")
    bx, by = found
    shown[name] = [row[bx * 3:(bx + bw) * 3] for row in rows[by:by + bh]]
    print(f"display-test: {name} shows the board at {found}")
differ = sum(a != b for a, b in zip(shown["X11"], shown["Wayland"]))
if differ:
    sys.exit(f"display-test: {differ} of the board's {bh} rows differ between X11 and Wayland")
print("display-test: the board is the same under X11 and Wayland")
EOF
