#!/usr/bin/env bash
# Start-up of the real game, measured from outside beside the floor Qt itself sets and the other
# solitaire games installed (kshisen, kmahjongg, gnome-mahjongg). bench/hello is that floor: a bare Qt 6
# Widgets window of Velmor's natural size painted with one picture, built with the same flags.
# Every game plays a returning player: one start before the rounds, uncounted, makes its settings
# and caches, which every counted start then finds (no game is given fresh settings). The rounds
# are interleaved on one Xvfb and one session bus. Each start is measured twice:
#  - to the first drawn board: from the start to the last X Damage event before a second of
#    quiet (bench/damage-watch.c on the root window; damage thinner than 32 pixels, a status
#    bar's clock or text, does not count), so a splash, a deal or a late repaint is inside it;
#    hello's one frame is its first;
#  - to the mapped window, from the X server's MapNotify events as they come (xev on the root
#    window), then the resident (VmRSS) and anonymous memory (RssAnon) three seconds later.
# Prints the medians and the ratios of every game's drawn board to hello's first frame.
# Velmor plays its music into SDL's dummy device, as it would into a sound card.
# Usage: bench/startup.sh [build/bin] [rounds]     (needs Xvfb, xev, xdotool, cc, libxdamage-dev)
#        STARTUP_DISPLAY=:91 picks another display number; STARTUP_HELLO=path/to/hello another
#        floor program (default: build/bench/hello beside build/bin).
#        STARTUP_BEFORE=other/build/bin adds an earlier Velmor build to the same rounds
#        ("velmor-before"), for a before-and-after in one run.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
rounds=${2:-5}
before=
[ -z "${STARTUP_BEFORE:-}" ] || before=$(cd "$STARTUP_BEFORE" && pwd)
display=${STARTUP_DISPLAY:-:90}
hello=${STARTUP_HELLO:-$bin/../bench/hello}
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$hello" ] || { echo "no hello at $hello: build the bench folder (cmake --build build --target hello)" >&2; exit 1; }
scratch=$(mktemp -d)
dw=$scratch/damage-watch
cc -O2 "$here/damage-watch.c" -o "$dw" -lX11 -lXdamage 2>"$scratch/cc.log" || {
  cat "$scratch/cc.log" >&2; echo "cannot build damage-watch: install libxdamage-dev (and libx11-dev)" >&2
  rm -rf "$scratch"; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
bus=
# The server is waited for as it ends, so that a run right after this one finds the display free.
xev=
watcher=
trap 'kill $xvfb $bus $xev $watcher 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
# One session bus for every game: some of them will not start without one.
if command -v dbus-daemon >/dev/null; then
  { read -r DBUS_SESSION_BUS_ADDRESS && read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
fi
for _ in $(seq 200); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "no X server on $display" >&2; exit 1; }

# Every top-level window mapped, as "microseconds window-id", stamped the moment the event arrives.
maps=$scratch/maps
mkfifo "$scratch/events"
DISPLAY=$display stdbuf -oL xev -root -event substructure >"$scratch/events" 2>/dev/null &
xev=$!
while IFS= read -r line; do
  case $line in
    MapNotify*)
      at=${EPOCHREALTIME/./}
      IFS= read -r line
      id=${line#*window }
      echo "$at ${id%%,*}"
      ;;
  esac
done <"$scratch/events" >"$maps" &
watcher=$!
sleep 0.2

PATH=$PATH:/usr/games  # where Debian puts games
games=(velmor)
[ -z "$before" ] || games+=(velmor-before)
games+=(hello)
command -v kshisen >/dev/null && games+=(kshisen)
command -v kmahjongg >/dev/null && games+=(kmahjongg)
command -v gnome-mahjongg >/dev/null && games+=(gnome-mahjongg)

# The window to wait for: Velmor's main window by its title (its splash comes first), another
# program's first visible window of its own process.
windows() {
  local game=$1 pid=$2
  if [[ $game == velmor* ]]; then
    DISPLAY=$display xdotool search --onlyvisible --name "^Velmor [0-9.]+( - .*)?$" 2>/dev/null
  else
    DISPLAY=$display xdotool search --onlyvisible --pid "$pid" 2>/dev/null
  fi
}

# When the first of these windows was mapped after `since` (microseconds), from the server's events.
mapped() {
  local since=$1 ids=() id
  shift
  for id in "$@"; do ids+=("$(printf '0x%x' "$id")"); done
  awk -v since="$since" -v ids="${ids[*]}" 'BEGIN {n = split(ids, list, " "); for (i = 1; i <= n; ++i) want[list[i]] = 1}
    $1 >= since && ($2 in want) && (first == "" || $1 < first) {first = $1} END {print first}' "$maps"
}

declare -A times drawn rss anon
# The program and its arguments, as one line per word.
command_of() {
  case $1 in
    velmor) echo "$bin/velmor" ;;
    velmor-before) echo "$before/velmor" ;;
    hello) printf '%s\n' "$hello" "$bin/Backgrounds/andromeda.jpg" "${natural% *}" "${natural#* }" ;;
    *) echo "$1" ;;
  esac
}
# Velmor's natural size, which hello takes: the window of its first start, without settings.
natural=

# To its first drawn board: what damage-watch saw, the program ended once the screen is quiet.
draw() {
  local game=$1 words
  mapfile -t words < <(command_of "$game")
  local out
  out=$(env DISPLAY=$display "$dw" -q 1000 -m 32 -t 20000 -- \
    env XDG_CONFIG_HOME="$scratch/$game/config" XDG_DATA_HOME="$scratch/$game/data" SDL_AUDIODRIVER=dummy \
    "${words[@]}" 2>/dev/null) || { echo "$game drew nothing that settled" >&2; return 1; }
  drawn[$game]+="$((${out#* } / 1000)) "
  sleep 1
}

measure() {
  local game=$1 words
  mapfile -t words < <(command_of "$game")
  local start end pid shown
  start=${EPOCHREALTIME/./}
  DISPLAY=$display XDG_CONFIG_HOME=$scratch/$game/config XDG_DATA_HOME=$scratch/$game/data SDL_AUDIODRIVER=dummy \
    "${words[@]}" >/dev/null 2>&1 &
  pid=$!
  until shown=$(windows "$game" $pid) && [ -n "$shown" ]; do
    if ! kill -0 $pid 2>/dev/null; then echo "$game ended before its window showed" >&2; return 1; fi
    sleep 0.005
  done
  sleep 0.05  # the event is on its way to the reader
  end=$(mapped "$start" $shown)
  [ -n "$end" ] || end=${EPOCHREALTIME/./}
  times[$game]+="$(((end - start) / 1000)) "
  sleep 3
  rss[$game]+="$(awk '/^VmRSS/ {print $2}' /proc/$pid/status) "
  anon[$game]+="$(awk '/^RssAnon/ {print $2}' /proc/$pid/status) "
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  # What a game leaves running as it goes (its helpers winding down) must not weigh on the next.
  sleep 1
}

# The returning player: every game's first start makes its settings and caches, and is not counted.
warm() {
  local game=$1 words pid shown
  mkdir -p "$scratch/$game/config" "$scratch/$game/data"
  mapfile -t words < <(command_of "$game")
  DISPLAY=$display XDG_CONFIG_HOME=$scratch/$game/config XDG_DATA_HOME=$scratch/$game/data SDL_AUDIODRIVER=dummy \
    "${words[@]}" >/dev/null 2>&1 &
  pid=$!
  until shown=$(windows "$game" $pid) && [ -n "$shown" ]; do
    if ! kill -0 $pid 2>/dev/null; then echo "$game ended before its window showed" >&2; return 1; fi
    sleep 0.05
  done
  sleep 3
  if [ "$game" = velmor ]; then
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$(echo "$shown" | head -1)")"
    natural="$WIDTH $HEIGHT"
  fi
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  sleep 1
}

declare -A failed
for folder in "$bin" $before; do rm -f "$folder"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}; done
for game in "${games[@]}"; do
  [ "$game" != hello ] || continue  # it keeps nothing, and needs Velmor's size first
  warm "$game" || failed[$game]=1
done
[ -n "$natural" ] || { echo "velmor did not start" >&2; exit 1; }
for round in $(seq "$rounds"); do
  for game in "${games[@]}"; do
    [ -z "${failed[$game]:-}" ] || continue
    { draw "$game" && measure "$game"; } || failed[$game]=1
  done
done
kept=()
for game in "${games[@]}"; do [ -z "${failed[$game]:-}" ] && kept+=("$game"); done
games=("${kept[@]}")
[ "${games[0]:-}" = velmor ] || { echo "velmor did not start" >&2; exit 1; }
[ -n "${drawn[hello]:-}" ] || { echo "hello did not draw" >&2; exit 1; }
for folder in "$bin" $before; do rm -f "$folder"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}; done

median() { printf '%s\n' $@ | sort -n | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
echo "window ${natural/ /x}, $rounds rounds, each game a returning player"
printf '%-15s %-30s %-30s %-22s %s\n' game "first drawn board (ms)" "mapped window (ms)" "resident after 3 s (kB)" \
  "anonymous (kB)"
for game in "${games[@]}"; do
  printf '%-15s %-30s %-30s %-22s %s\n' "$game" "median $(median ${drawn[$game]}) (${drawn[$game]% })" \
    "median $(median ${times[$game]}) (${times[$game]% })" "median $(median ${rss[$game]})" \
    "median $(median ${anon[$game]})"
done
floor=$(median ${drawn[hello]})
velmorDrawn=$(median ${drawn[velmor]})
for game in "${games[@]}"; do
  [ "$game" != hello ] || continue
  awk -v g="$game" -v d="$(median ${drawn[$game]})" -v f="$floor" -v v="$velmorDrawn" 'BEGIN {
    printf "%-15s first board %.2fx hello'"'"'s first frame", g, d / f
    if (g != "velmor") printf "; Velmor draws its board %.2fx sooner", d / v
    printf "\n"
  }'
done
[ ${#games[@]} -gt 2 ] || echo "(no peer game is installed: Velmor and hello alone)"
