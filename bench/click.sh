#!/usr/bin/env bash
# The first click after start against the later ones, measured from outside beside the other tile
# games installed (kshisen, kmahjongg), on one Xvfb with openbox, in interleaved rounds:
#  - click to screen: from an xdotool click to the first X Damage event it causes (bench/damage-watch.c
#    on the root window, damage thinner than 32 pixels left out), for the first click after the game
#    has shown and settled (a pick), the next two (a drop, a pick again) and, in Velmor, the pair
#    taken by the next click and a pair taken again after Back;
# Velmor is measured with its music on and off. It plays deal 7 of its default layout; its tiles are
# the pair its hint shows in a start before the rounds. A peer's tile is the one under the middle of
# its window. Every game runs at real-time priority (chrt), so that a busy machine disturbs it less.
# bench/effect.sh times the click's sound.
# Usage: bench/click.sh [build/bin] [rounds]   CLICK_DISPLAY=:95 picks another display;
#        CLICK_BEFORE=other/build/bin adds an earlier Velmor build to the same rounds.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
rounds=${2:-5}
before=
[ -z "${CLICK_BEFORE:-}" ] || before=$(cd "$CLICK_BEFORE" && pwd)
display=${CLICK_DISPLAY:-:95}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick cc:gcc chrt:util-linux; do
  command -v "${tool%%:*}" >/dev/null || { echo "click.sh needs ${tool%%:*} (Debian: ${tool#*:})" >&2; exit 1; }
done
[ ! -e "/tmp/.X${display#:}-lock" ] || { echo "display $display is taken: CLICK_DISPLAY picks another" >&2; exit 1; }
scratch=$(mktemp -d)
dw=$scratch/damage-watch
cc -O2 "$here/damage-watch.c" -o "$dw" -lX11 -lXdamage || { echo "install libxdamage-dev" >&2; exit 1; }
export DISPLAY=$display
xvfb='' wm='' bus='' pid=''
trap 'kill $pid $wm $bus $xvfb 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
# One session bus for every game: some of them will not start without one.
if command -v dbus-daemon >/dev/null; then
  { read -r DBUS_SESSION_BUS_ADDRESS && read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
fi
XDG_CONFIG_HOME=$scratch/wm openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5

PATH=$PATH:/usr/games
games=(velmor velmor-music-off)
[ -z "$before" ] || games+=(velmor-before velmor-before-music-off)
for peer in kshisen kmahjongg; do command -v $peer >/dev/null && games+=("$peer"); done

# Starts a game as a returning player (its settings kept in the scratch folder); sets pid and win.
launch() {
  local game=$1 home=$scratch/home-$1 program=$1 args=() query
  mkdir -p "$home"
  if [[ $game == velmor* ]]; then
    local from=$bin
    [[ $game != velmor-before* ]] || from=$before
    [ -d "$home/bin" ] || cp -r "$from" "$home/bin"
    rm -f "$home/bin/Resume.vsave"
    # Without the music: the settings its first start wrote, the music turned off. (A settings file
    # written beforehand would make that start a returning one, and the window would open elsewhere.)
    if [[ $game == *music-off ]] && [ -f "$home/bin/Velmor.ini" ]; then
      sed -i -e 's/^PlayMusic=.*/PlayMusic=0/' -e 's/^StartMusic=.*/StartMusic=0/' "$home/bin/Velmor.ini"
    fi
    program=$home/bin/velmor args=(--game 7) query=(--name "^Velmor [0-9.]+ - ")
  fi
  XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
    chrt -f 10 "$program" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  [[ $game == velmor* ]] || query=(--pid "$pid")
  win=
  for _ in $(seq 500); do
    win=$(timeout 2 xdotool search --onlyvisible "${query[@]}" 2>/dev/null | head -1) || true
    [ -n "$win" ] && break
    sleep 0.02
  done
  [ -n "$win" ] || { echo "  $game showed no window" >&2; return 1; }
  "$dw" -q 1000 -t 15000 -m 32 || true
}
finish() { kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; pid=; sleep 0.5; }
# Milliseconds from a click where the pointer is to the first damage it causes.
clicked() { local t; t=$(chrt -f 10 "$dw" -q 300 -t 3000 -m 32 -- xdotool click 1) && awk -v t="${t% *}" 'BEGIN {printf "%.1f", t / 1000}'; }
# The two tiles Velmor's hint shows, as "x1 y1 x2 y2" on the screen.
hinted_pair() {
  import -window root "$scratch/before.png"
  xdotool key ctrl+h
  sleep 0.3
  import -window root "$scratch/hint.png"
  convert "$scratch/before.png" "$scratch/hint.png" -compose difference -composite -threshold 10% \
    -define connected-components:verbose=true -connected-components 8 null: |
    awk '/srgb\(255,255,255\)|gray\(255\)/ {split($2, g, /[x+]/); if (g[1] >= 24 && g[2] >= 24) print int(g[3] + g[1] / 2), int(g[4] + g[2] / 2)}' |
    head -2 | tr '\n' ' '
  echo
}

declare -A values
add() { values[$1,$game]+="$2 "; }
launch velmor || exit 1
read -r ax ay bx by < <(hinted_pair)
finish
[ -n "${by:-}" ] || { echo "Velmor's hint showed no pair" >&2; exit 1; }
for game in "${games[@]}"; do launch "$game" && finish; done  # the returning players' settings
for round in $(seq "$rounds"); do
  for game in "${games[@]}"; do
    echo "round $round: $game" >&2
    launch "$game" || continue
    if [[ $game == velmor* ]]; then
      xdotool mousemove $ax $ay; sleep 0.3
      add "first click" "$(clicked)"; sleep 0.7
      add "later click" "$(clicked)"; sleep 0.7
      add "later click" "$(clicked)"; sleep 0.7
      xdotool mousemove $bx $by; sleep 0.3
      add "first pair" "$(clicked)"; sleep 0.7
      xdotool key ctrl+z; sleep 0.7  # Back: the pair returns
      xdotool mousemove $ax $ay click 1; sleep 0.7
      xdotool mousemove $bx $by; sleep 0.3
      add "later pair" "$(clicked)"
      finish
    else
      read -r w h < <(xdotool getwindowgeometry $win | awk '/Geometry/ {split($2, g, "x"); print g[1], g[2]}')
      xdotool mousemove --window $win $((w / 2)) $((h / 2)); sleep 0.3
      add "first click" "$(clicked)"; sleep 0.7
      add "later click" "$(clicked)"; sleep 0.7
      add "later click" "$(clicked)"
      finish
    fi
  done
done
median() { printf '%s\n' "$@" | grep -v none | sort -n | awk '{v[NR] = $1} END {print NR ? (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) : "n/a"}'; }
measures=("first click" "later click" "first pair" "later pair")
printf '%-24s' "median (ms)"; printf ' %24s' "${games[@]}"; echo
for m in "${measures[@]}"; do
  printf '%-24s' "$m"
  for game in "${games[@]}"; do printf ' %24s' "$(median ${values[$m,$game]:-})"; done
  echo
done
echo "all values:"
for m in "${measures[@]}"; do for game in "${games[@]}"; do
  [ -z "${values[$m,$game]:-}" ] || echo "  $m, $game: ${values[$m,$game]}"; done; done
