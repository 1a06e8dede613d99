#!/usr/bin/env bash
# From a click to its sound: a private PulseAudio server with a null sink on one Xvfb with openbox;
# Velmor with its music off, started as a returning player, and a click on a free tile. Each time is
# from the xdotool click to the first loud sample the sink's monitor hands back (parec), for the
# first effect of a start, one soon after, and one after 2.5 s of quiet.
# Usage: bench/effect.sh [build/bin] [rounds]   (needs Xvfb, openbox, xdotool, imagemagick,
#        pulseaudio and pulseaudio-utils)   EFFECT_DISPLAY=:96 picks another display;
#        EFFECT_BEFORE=other/build/bin adds an earlier build to the same rounds.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
rounds=${2:-5}
builds=("$bin")
[ -z "${EFFECT_BEFORE:-}" ] || builds+=("$(cd "$EFFECT_BEFORE" && pwd)")
display=${EFFECT_DISPLAY:-:96}
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick pulseaudio:pulseaudio parec:pulseaudio-utils; do
  command -v "${tool%%:*}" >/dev/null || { echo "effect.sh needs ${tool%%:*} (Debian: ${tool#*:})" >&2; exit 1; }
done
[ ! -e "/tmp/.X${display#:}-lock" ] || { echo "display $display is taken: EFFECT_DISPLAY picks another" >&2; exit 1; }
scratch=$(mktemp -d)
unset DBUS_SESSION_BUS_ADDRESS
export DISPLAY=$display XDG_RUNTIME_DIR=$scratch/run SDL_AUDIODRIVER=pulseaudio
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb='' wm='' pulse='' pid=''
trap 'kill $pid $wm $pulse $xvfb 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
XDG_CONFIG_HOME=$scratch/wm openbox --sm-disable >/dev/null 2>&1 &
wm=$!
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-null-sink --load=module-native-protocol-unix \
  >/dev/null 2>&1 &
pulse=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start" >&2; exit 1; }

# Starts the copy of a build in folder $1 on deal 7; sets pid.
start() {
  XDG_CONFIG_HOME=$1/config XDG_CACHE_HOME=$1/cache "$1/velmor" --game 7 >/dev/null 2>&1 &
  pid=$!
  sleep 3
}
finish() { kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; pid=; sleep 0.5; }
heard() {
  python3 -c '
import struct, subprocess, threading, time
record = subprocess.Popen(["parec", "--latency-msec=2", "--raw", "--format=s16le", "--rate=44100", "--channels=2",
                           "-d", "null.monitor"], stdout=subprocess.PIPE)
clicked, heard = [None], [None]
def listen():
    while heard[0] is None:
        block = record.stdout.read(256)
        if not block: return
        if clicked[0] and any(abs(v) > 200 for v in struct.unpack("<%dh" % (len(block) // 2), block)):
            heard[0] = time.time()
listener = threading.Thread(target=listen, daemon=True)
listener.start()
time.sleep(0.8)
clicked[0] = time.time()
subprocess.run(["xdotool", "click", "1"])
listener.join(2)
record.kill()
print("%.1f" % ((heard[0] - clicked[0]) * 1000) if heard[0] else "none")'
}

# Each build in a folder of its own, started once to write its settings, then with its music off.
declare -A values
n=0
for build in "${builds[@]}"; do
  home=$scratch/build-$n
  cp -r "$build" "$home"
  rm -f "$home"/{Velmor.ini,Hallfame.ini,Statistics.ini,Resume.vsave}
  start "$home"
  if [ $n = 0 ]; then
    # The first of the pair the hint shows, on the screen.
    import -window root "$scratch/before.png"
    xdotool key ctrl+h
    sleep 0.3
    import -window root "$scratch/hint.png"
    read -r x y < <(convert "$scratch/before.png" "$scratch/hint.png" -compose difference -composite -threshold 10% \
      -define connected-components:verbose=true -connected-components 8 null: |
      awk '/srgb\(255,255,255\)|gray\(255\)/ {split($2, g, /[x+]/); if (g[1] >= 24 && g[2] >= 24) {print int(g[3] + g[1] / 2), int(g[4] + g[2] / 2); exit}}')
    [ -n "${y:-}" ] || { echo "the hint showed no pair" >&2; exit 1; }
  fi
  finish
  sed -i 's/^PlayMusic=.*/PlayMusic=0/; s/^StartMusic=.*/StartMusic=0/' "$home/Velmor.ini"
  n=$((n + 1))
done
for round in $(seq "$rounds"); do
  for ((i = 0; i < n; ++i)); do
    home=$scratch/build-$i
    rm -f "$home/Resume.vsave"
    start "$home"
    xdotool mousemove "$x" "$y"
    sleep 0.3
    values[first,$i]+="$(heard) "
    sleep 0.3
    values[soon,$i]+="$(heard) "
    sleep 2.5
    values[quiet,$i]+="$(heard) "
    finish
  done
done
median() { printf '%s\n' "$@" | grep -v none | sort -n | awk '{v[NR] = $1} END {print NR ? (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) : "n/a"}'; }
for ((i = 0; i < n; ++i)); do
  echo "${builds[$i]}: click to sound (ms), median of $rounds"
  for m in first soon quiet; do echo "  $m effect: $(median ${values[$m,$i]})   (${values[$m,$i]% })"; done
done
