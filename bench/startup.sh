#!/usr/bin/env bash
# Start-up time and memory of the real game, measured from outside, side by side with two other
# solitaire games when they are installed (kshisen, gnome-mahjongg). Each round starts every game
# once, in turn, on the same Xvfb with fresh settings: the time until its main window is mapped,
# then its resident memory (VmRSS) and anonymous memory (RssAnon) three seconds later. Prints the
# medians and Velmor's ratios against each peer.
# The moment of mapping is taken from the X server's own MapNotify events, read as they come
# (xev on the root window); polling with xdotool alone would add its 20-odd ms per look to every
# game alike. Velmor plays its music into SDL's dummy device, as it would into a sound card.
# Usage: bench/startup.sh [build/bin] [rounds]     (needs Xvfb, xev and xdotool)
#        STARTUP_DISPLAY=:91 picks another display number.
#        STARTUP_BEFORE=other/build/bin adds an earlier Velmor build to the same rounds
#        ("velmor-before"), for a before-and-after in one run.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
rounds=${2:-5}
before=
[ -z "${STARTUP_BEFORE:-}" ] || before=$(cd "$STARTUP_BEFORE" && pwd)
display=${STARTUP_DISPLAY:-:90}
scratch=$(mktemp -d)
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
command -v kshisen >/dev/null && games+=(kshisen)
command -v gnome-mahjongg >/dev/null && games+=(gnome-mahjongg)

# The window to wait for: Velmor's main window by its title (its splash comes first), a peer's
# first visible window of its own process.
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

declare -A times rss anon
measure() {
  local game=$1 home=$scratch/$1
  rm -rf "$home" && mkdir -p "$home/config" "$home/data"
  local program=$game folder=
  [ "$game" = velmor ] && folder=$bin
  [ "$game" = velmor-before ] && folder=$before
  if [ -n "$folder" ]; then
    rm -f "$folder"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}
    program=$folder/velmor
  fi
  local start end pid shown
  start=${EPOCHREALTIME/./}
  DISPLAY=$display XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 &
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

declare -A failed
for round in $(seq "$rounds"); do
  for game in "${games[@]}"; do
    [ -z "${failed[$game]:-}" ] || continue
    measure "$game" || failed[$game]=1
  done
done
kept=()
for game in "${games[@]}"; do [ -z "${failed[$game]:-}" ] && kept+=("$game"); done
games=("${kept[@]}")
[ "${games[0]:-}" = velmor ] || { echo "velmor did not start" >&2; exit 1; }
for folder in "$bin" $before; do rm -f "$folder"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}; done

median() { printf '%s\n' $@ | sort -n | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
printf '%-16s %-34s %-44s %s\n' game "start-up to mapped window (ms)" "resident after 3 s (kB)" "anonymous (kB)"
for game in "${games[@]}"; do
  printf '%-16s %-34s %-44s %s\n' "$game" "median $(median ${times[$game]}) (${times[$game]% })" \
    "median $(median ${rss[$game]}) (${rss[$game]% })" "median $(median ${anon[$game]})"
done
velmorTime=$(median ${times[velmor]})
velmorRss=$(median ${rss[velmor]})
velmorAnon=$(median ${anon[velmor]})
for game in "${games[@]:1}"; do
  awk -v g="$game" -v vt="$velmorTime" -v pt="$(median ${times[$game]})" -v vr="$velmorRss" \
    -v pr="$(median ${rss[$game]})" -v va="$velmorAnon" -v pa="$(median ${anon[$game]})" 'BEGIN {
      printf "against %s: Velmor starts %.2fx sooner; resident %.2fx, anonymous %.2fx of %s'"'"'s\n", g, pt / vt, vr / pr, va / pa, g
    }'
done
[ ${#games[@]} -gt 1 ] || echo "(kshisen and gnome-mahjongg are not installed: Velmor alone)"
