#!/usr/bin/env bash
# The game window, measured from outside side by side with the other tile games installed
# (kshisen, kmahjongg, gnome-mahjongg), on one Xvfb with openbox, in interleaved rounds:
#  - resize to redrawn: from an xdotool resize (from 1000x700) to 1600x1000, 1920x1200 (what a
#    maximised window is on a 1920x1200 screen) and 3840x2160 until the screen stops changing,
#    the first time with an empty cache folder, then again;
#  - a pair taken: from the click on the second tile of a free pair, found with the game's own
#    hint, to the end of the redraw (and to its first change), at 1600x1000 and 3840x2160;
#  - a start with a saved 3840x2160 window: the time to the mapped window, and VmRSS and
#    RssAnon three seconds later.
# "Stops changing" is the last X Damage event before a second of quiet, as bench/damage-watch.c
# sees them on the root window (there is no compositor); damage thinner than 32 pixels is not
# counted, so that the ticking clocks of status bars, the title bar and the pointer do not keep
# a redraw open. The pair is found without knowing any game's insides: shots of the window
# before and during its hint, and the two changed blobs (or the two ends of a drawn path).
# Usage: bench/window.sh [build/bin] [rounds]   (needs Xvfb, openbox, xdotool, xev, wmctrl,
#        ImageMagick, cc and libxdamage-dev)   WINDOW_DISPLAY=:94 picks another display;
#        WINDOW_PEERS="kshisen" picks the peers; WINDOW_BEFORE=other/build/bin adds an earlier
#        Velmor build to the same rounds ("velmor-before"), for a before-and-after in one run.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
before=
[ -z "${WINDOW_BEFORE:-}" ] || before=$(cd "$WINDOW_BEFORE" && pwd)
rounds=${2:-5}
display=${WINDOW_DISPLAY:-:93}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool xev:x11-utils wmctrl:wmctrl import:imagemagick cc:gcc; do
  command -v "${tool%%:*}" >/dev/null || { echo "window.sh needs ${tool%%:*} (Debian: ${tool#*:})" >&2; exit 1; }
done
[ -x "$bin/velmor" ] || { echo "no velmor in $bin" >&2; exit 1; }
[ ! -e "/tmp/.X${display#:}-lock" ] || { echo "display $display is taken: WINDOW_DISPLAY picks another" >&2; exit 1; }
scratch=$(mktemp -d)
dw=$scratch/damage-watch
cc -O2 "$here/damage-watch.c" -o "$dw" -lX11 -lXdamage 2>"$scratch/cc.log" || {
  cat "$scratch/cc.log" >&2; echo "cannot build damage-watch: install libxdamage-dev (and libx11-dev)" >&2
  rm -rf "$scratch"; exit 1; }
export DISPLAY=$display
# The folder the Velmor being measured runs from (and keeps its files in).
velmor_bin() { if [ "$game" = velmor-before ]; then echo "$before"; else echo "$bin"; fi; }
clean_velmor() { rm -f "${1:-$(velmor_bin)}"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}; }
xvfb='' bus='' wm='' xev='' watcher='' pid=''
trap 'kill $pid $xev $watcher $wm $bus $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true
  clean_velmor "$bin"; [ -z "$before" ] || clean_velmor "$before"; rm -rf "$scratch"' EXIT
# Big enough for a 3840x2160 window with its title bar.
Xvfb "$display" -screen 0 3840x2400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start on $display" >&2; exit 1; }
if command -v dbus-daemon >/dev/null; then
  # What the bus starts for the games keeps its settings in the scratch folder too.
  { read -r DBUS_SESSION_BUS_ADDRESS && read -r bus; } < <(XDG_CONFIG_HOME=$scratch/bus XDG_DATA_HOME=$scratch/bus \
    dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
fi
XDG_CONFIG_HOME=$scratch/wm openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do timeout 2 wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
timeout 2 wmctrl -m >/dev/null 2>&1 || { echo "openbox did not start" >&2; exit 1; }

# Every top-level window mapped, as "microseconds window-id", stamped as the event arrives.
maps=$scratch/maps
mkfifo "$scratch/events"
stdbuf -oL xev -root -event substructure >"$scratch/events" 2>/dev/null &
xev=$!
while IFS= read -r line; do
  case $line in MapNotify*) at=${EPOCHREALTIME/./}; IFS= read -r line; id=${line#*window }; echo "$at ${id%%,*}" ;; esac
done <"$scratch/events" >"$maps" &
watcher=$!
sleep 0.2

PATH=$PATH:/usr/games
games=(velmor)
[ -z "$before" ] || games+=(velmor-before)
for peer in ${WINDOW_PEERS-kshisen kmahjongg gnome-mahjongg}; do command -v $peer >/dev/null && games+=("$peer"); done
declare -A hintkey=([velmor]=ctrl+h [velmor-before]=ctrl+h [kshisen]=h [kmahjongg]=h [gnome-mahjongg]=ctrl+h)

settle() { "$dw" -q 400 -t 10000 -m 32 || echo "  (the screen of $game did not settle in 10 s)" >&2; }
# A timed request: "first last", the milliseconds from it to the first and the last damage it
# caused, the last before a second of quiet: one game shows the path between the two tiles for
# half a second before it takes them. (damage-watch ends the request itself if it hangs.)
timed() { local us; us=$("$dw" -q 1000 -t 15000 -m 32 -- "$@") && set -- $us && echo "$(($1 / 1000)) $(($2 / 1000))"; }
mapped() { awk -v since="$1" -v id="$(printf '0x%x' "$2")" '$1 >= since && $2 == id {print $1; exit}' "$maps"; }

# Starts a game with its settings under $home; sets pid, win and started (microseconds).
launch() {
  local home=$1 program=$game shown='' query
  # Velmor's main window by its title (its splash comes first), a peer's by its process.
  if [[ $game == velmor* ]]; then program=$(velmor_bin)/velmor query=(--name "^Velmor [0-9.]+( - .*)?$"); fi
  started=${EPOCHREALTIME/./}
  # GLib's keyfile back-end keeps gnome-mahjongg's settings under its own home, as dconf would.
  XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache GSETTINGS_BACKEND=keyfile \
    SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 &
  pid=$!
  [[ $game == velmor* ]] || query=(--pid "$pid")
  for _ in $(seq 600); do
    shown=$(timeout 2 xdotool search --onlyvisible "${query[@]}" 2>/dev/null | head -1) || true
    [ -n "$shown" ] && break
    kill -0 $pid 2>/dev/null || { echo "  $game ended before its window showed" >&2; return 1; }
    sleep 0.02
  done
  [ -n "$shown" ] || { echo "  $game showed no window in 30 s" >&2; return 1; }
  win=$shown
}
finish() { kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; pid=; sleep 1; }
size() { timeout 5 xdotool windowmove $win 0 0 windowsize $win "$1" "$2" || true; settle; }
geometry() { timeout 5 xwininfo -id $win | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }

# The two tiles the hint shows, as "x1 y1 x2 y2" inside the window. A flashing or fading hint is
# caught by taking shots for 1.5 s and keeping every pixel that differed in any of them from before.
find_pair() {
  local s=$scratch/shot i=1 end
  timeout 5 xdotool windowactivate --sync $win >/dev/null 2>&1 || true
  sleep 0.3
  rm -f "$s"-*
  timeout 10 import -window $win "$s-0.ppm"
  timeout 5 xdotool keyup ctrl alt shift super || true  # nothing held from before
  timeout 5 xdotool key "${hintkey[$game]}" || true
  end=$((${EPOCHREALTIME/./} + 1500000))
  while ((${EPOCHREALTIME/./} < end)); do timeout 10 import -window $win "$s-$i.ppm"; i=$((i + 1)); sleep 0.05; done
  read_pair "$s" $i
}
read_pair() {
  local s=$1 i=$2
  # 8-pixel cells, each lit where at least 30% of it changed in some colour.
  for ((j = 1; j < i; ++j)); do
    timeout 30 convert "$s-0.ppm" "$s-$j.ppm" -compose difference -composite -separate -evaluate-sequence max \
      -threshold 3% -scale 12.5% "$s-d$j.pgm"
  done
  # Changes in the top 48 and bottom 32 pixels are left out: menus, tool and status bars, where
  # clocks tick and buttons wake up.
  timeout 30 convert "$s"-d*.pgm -evaluate-sequence max -threshold 30% -background black -gravity north -chop 0x6 \
    -splice 0x6 -gravity south -chop 0x4 -splice 0x4 -morphology Close Square:1 "$s-grid.pgm"
  # Highlighted tiles, filled or outlined: the two biggest blobs at least 4 cells each way, of
  # about the same size and well above any other (a button that wakes up with the clock, say);
  # the hint's pair are their boxes' centres.
  local pair
  pair=$(timeout 30 convert "$s-grid.pgm" -define connected-components:verbose=true -connected-components 8 null: |
    awk '/gray\(255\)|#FFFFFF/ {split($2, g, /[x+]/); if (g[1] < 4 || g[2] < 4) next
      n++; area[n] = g[1] * g[2]; x[n] = (g[3] + g[1] / 2) * 8; y[n] = (g[4] + g[2] / 2) * 8}
      END {for (k = 1; k <= n; ++k) if (!a || area[k] > area[a]) a = k
        for (k = 1; k <= n; ++k) if (k != a && (!b || area[k] > area[b])) b = k
        for (k = 1; k <= n; ++k) if (k != a && k != b && 2 * area[k] > area[b]) b = 0
        if (b && area[a] < 2 * area[b]) print int(x[a]), int(y[a]), int(x[b]), int(y[b])}')
  if [ -z "$pair" ]; then
    # A path drawn from one tile to the other: the two ends of its skeleton, inside its biggest blob.
    local box
    box=$(timeout 30 convert "$s-grid.pgm" -define connected-components:verbose=true -connected-components 8 null: |
      awk '/gray\(255\)|#FFFFFF/ && $4 >= 4 {print $2; exit}')
    [ -n "$box" ] && pair=$(timeout 30 convert "$s-grid.pgm" -morphology Thinning:-1 Skeleton:3 \
      -morphology HitAndMiss LineEnds txt:- | awk -v box="$box" 'BEGIN {split(box, g, /[x+]/)}
      /gray\(255\)|#FFFFFF/ {split($1, p, /[,:]/); if (p[1] >= g[3] && p[1] < g[3] + g[1] && p[2] >= g[4] && p[2] < g[4] + g[2])
        {n++; e = e " " p[1] * 8 + 4 " " p[2] * 8 + 4}} END {if (n == 2) print substr(e, 2)}')
  fi
  [ -n "$pair" ] && echo "$pair"
}
# Whether the pair's places look different from before the hint: the tiles went.
changed() {
  timeout 10 import -window $win "$scratch/shot-after.ppm"
  local x y
  for xy in "$1,$2" "$3,$4"; do
    x=${xy%,*} y=${xy#*,}
    [ "$(timeout 30 compare -metric AE -fuzz 10% "$scratch/shot-0.ppm[24x24+$((x - 12))+$((y - 12))]" \
      "$scratch/shot-after.ppm[24x24+$((x - 12))+$((y - 12))]" null: 2>&1 | cut -d. -f1)" -gt 100 ] || return 1
  done
}

declare -A values notes
add() { values[$1,$game]+="$2 "; }
note() { notes[$1,$game]+=" (round ${round:-0}) $2"; echo "  $game, $1: $2" >&2; }

window_round() {
  local home=$scratch/home-$game t
  rm -rf "$home"; mkdir -p "$home"
  [[ $game != velmor* ]] || clean_velmor
  launch "$home" || { note resize "did not start"; return; }
  settle
  # Each game starts with an empty cache folder: the first pass is a first resize ever to that
  # size, the second finds what the game kept of the first (KShisen and KMahjongg keep their
  # tiles drawn at a size, Velmor its artwork decoded at a scale).
  for pass in "" " again"; do
    for target in 1600x1000 1920x1200 3840x2160; do
      size 1000 700
      if t=$(timed xdotool windowsize $win ${target/x/ }); then add "resize $target$pass" "${t#* }"
      else note "resize $target$pass" "no redraw seen"; fi
      [ "$(geometry)" = "$target" ] || note "resize $target$pass" "the window became $(geometry)"
    done
  done
  for target in 1600x1000 3840x2160; do
    size ${target/x/ }
    timeout 5 xdotool mousemove 3839 2399 || true  # below every window
    settle
    local pair tries=0
    until pair=$(find_pair) || ((++tries == 3)); do settle; done
    if [ -z "$pair" ]; then
      if [ "$(timeout 30 convert "$scratch/shot-grid.pgm" -format '%[fx:maxima]' info:)" = 0 ]; then
        note "pair $target" "its hint (${hintkey[$game]}) changed nothing in the window, three times"
      else note "pair $target" "its hint changed the window, but not into two tiles or a path, three times"; fi
      continue
    fi
    set -- $pair
    settle
    timeout 5 xdotool mousemove --window $win $1 $2 click 1 || true
    settle
    timeout 5 xdotool mousemove --window $win $3 $4 || true
    settle
    if t=$(timed xdotool click 1) && changed "$@"; then add "pair $target" "${t#* }"; add "pair $target first" "${t% *}"
    else note "pair $target" "the clicks at $1,$2 and $3,$4 took no pair"; fi
  done
  finish
}

# A first start made at 3840x2160 and closed the way a person closes it, so the game saves it.
save_big() {
  local home=$scratch/saved-$game
  rm -rf "$home"; mkdir -p "$home"
  [[ $game != velmor* ]] || clean_velmor
  launch "$home" || return 1
  settle
  size 3840 2160
  sleep 1.5  # some save their size a moment after it changes
  timeout 5 wmctrl -ic $win || true
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "  $game did not quit when its window was closed" >&2; finish; return 1; fi
  pid=
  mkdir "$home/beside"  # what Velmor keeps beside its binary
  [[ $game != velmor* ]] || for f in Velmor.ini Hallfame.ini Statistics.ini Resume.vsave; do
    [ ! -f "$(velmor_bin)/$f" ] || cp "$(velmor_bin)/$f" "$home/beside/"; done
}
big_round() {
  local home=$scratch/home-$game end
  rm -rf "$home"; cp -r "$scratch/saved-$game" "$home"
  [[ $game != velmor* ]] || { clean_velmor; cp "$home"/beside/* "$(velmor_bin)/" 2>/dev/null || true; }
  launch "$home" || { note start "did not start"; return; }
  sleep 0.05  # the event is on its way to the reader
  end=$(mapped "$started" $win)
  [ -n "$end" ] || end=${EPOCHREALTIME/./}
  add "start (ms)" $(((end - started) / 1000))
  sleep 3
  add "resident (kB)" "$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)"
  add "anonymous (kB)" "$(awk '/^RssAnon/ {print $2}' /proc/$pid/status)"
  [ "$(geometry)" = 3840x2160 ] || note "start (ms)" "its window came back at $(geometry), not 3840x2160"
  finish
}

declare -A saved
for game in "${games[@]}"; do save_big && saved[$game]=1; done
for round in $(seq "$rounds"); do
  for game in "${games[@]}"; do
    echo "round $round: $game" >&2
    window_round
    [ -z "${saved[$game]:-}" ] || big_round
  done
done
for game in "${games[@]}"; do [ -n "${saved[$game]:-}" ] || notes["start (ms),$game"]=" its window size could not be saved"; done

median() { [ $# -gt 0 ] || { echo n/a; return; }; printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
measures=("resize 1600x1000" "resize 1920x1200" "resize 3840x2160" "resize 1600x1000 again" \
  "resize 1920x1200 again" "resize 3840x2160 again" "pair 1600x1000" "pair 1600x1000 first" \
  "pair 3840x2160" "pair 3840x2160 first" "start (ms)" "resident (kB)" "anonymous (kB)")
declare -A med
label() { [[ $1 == *\(* ]] && echo "$1" || echo "${1/ first/, first change} (ms)"; }
printf '%-34s' median; printf ' %15s' "${games[@]}"; echo
for m in "${measures[@]}"; do
  printf '%-34s' "$(label "$m")"
  for game in "${games[@]}"; do med[$m,$game]=$(median ${values[$m,$game]:-}); printf ' %15s' "${med[$m,$game]}"; done
  echo
done
echo "all values, round by round:"
for m in "${measures[@]}"; do
  line="  $m:"
  for game in "${games[@]}"; do v=${values[$m,$game]:-none }; line+=" $game ${v% };"; done
  echo "${line%;}"
done
for key in "${!notes[@]}"; do echo "note: ${key#*,}, ${key%,*}:${notes[$key]}"; done | sort
[ ${#games[@]} -gt 1 ] || { echo "(no peer is installed: Velmor alone)"; exit 0; }
echo "Velmor against each: time theirs / Velmor's (>1: Velmor is faster), memory Velmor's / theirs"
printf '%-34s' ""; printf ' %15s' "${games[@]:1}"; echo
for m in "${measures[@]}"; do
  printf '%-34s' "$(label "$m")"
  for game in "${games[@]:1}"; do
    v=${med[$m,velmor]} p=${med[$m,$game]}
    if [ "$v" = n/a ] || [ "$p" = n/a ] || [ "$v" = 0 ] || [ "$p" = 0 ]; then r=n/a
    elif [[ $m == *kB* ]]; then r=$(awk -v v="$v" -v p="$p" 'BEGIN {printf "%.2fx", v / p}')
    else r=$(awk -v v="$v" -v p="$p" 'BEGIN {printf "%.2fx", p / v}'); fi
    printf ' %15s' "$r"
  done
  echo
done
