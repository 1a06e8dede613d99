#!/usr/bin/env bash
# What the game costs while the player looks at it: CPU time and wake-ups (context switches of
# all its threads) over 10 s, with the music on and off, a game running and paused; then the
# memory after the first game and after 50 more (F2, the New Game key).
# Usage: bench/idle.sh [build/bin] [games]     (needs Xvfb and xdotool)
#        IDLE_DISPLAY=:92 picks another display number.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
games=${2:-50}
display=${IDLE_DISPLAY:-:92}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
trap 'kill $pid $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -f "$bin"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}' EXIT
for _ in $(seq 200); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "no X server on $display" >&2; exit 1; }

start() {
  DISPLAY=$display "$bin/velmor" >/dev/null 2>&1 &
  pid=$!
  until window=$(DISPLAY=$display xdotool search --onlyvisible --name "^Velmor [0-9.]+( - .*)?$" 2>/dev/null); do
    sleep 0.02
  done
  # No window manager: the game is given the focus, or it pauses itself as a window left alone.
  DISPLAY=$display xdotool windowfocus "$window" 2>/dev/null || true
  sleep 5
}
stop() {
  kill -TERM $pid
  wait $pid 2>/dev/null || true
}
key() { DISPLAY=$display xdotool key --window "$window" "$1"; }
cpu() { awk '{print $14 + $15}' /proc/$pid/stat; }
switches() { cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
sample() {
  local c0 s0 c1 s1
  c0=$(cpu) s0=$(switches)
  sleep 10
  c1=$(cpu) s1=$(switches)
  printf '%-36s CPU %4d ms / 10 s   wake-ups %5d / 10 s\n' "$1" $(((c1 - c0) * 1000 / $(getconf CLK_TCK))) $((s1 - s0))
}
rss() { awk '/^VmRSS/ {r = $2} /^RssAnon/ {a = $2} END {printf "RSS %d kB, anonymous %d kB", r, a}' /proc/$pid/status; }

rm -f "$bin"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}
start
sample "music on, game running"
key F12
sleep 1
sample "music on, game paused"
stop
sed -i 's/^PlayMusic=.*/PlayMusic=0/' "$bin/Velmor.ini"
start
sample "music off, game running"
key F12
sleep 1
sample "music off, game paused"
stop

rm -f "$bin"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}
start
echo "after the first game: $(rss)"
for _ in $(seq "$games"); do
  key F2
  sleep 1.2
done
sleep 3
echo "after $games new games: $(rss)"
stop
