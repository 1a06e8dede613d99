#!/bin/bash
# Renders every shipped tune from the whole General MIDI font and from data/velmor.sf2 with the
# game's synthesizer settings, and prints how far apart the two renderings are: the small font
# must sound the same (identical, or the difference under -90 dBFS).
# Usage: scripts/soundfont-check.sh [FULL_FONT]   (needs fluidsynth and sox)
set -euo pipefail
cd "$(dirname "$0")/.."
full=${1:-/usr/share/sounds/sf2/TimGM6mb.sf2}
small=data/velmor.sf2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# As src/platform/AudioMusic.cpp sets them; reverb and chorus stay at their defaults.
render() {
  fluidsynth -n -i -q -F "$3" -T wav -O float -r 44100 -g 1.4 -o synth.polyphony=96 \
    -o synth.dynamic-sample-loading=1 -o player.reset-synth=0 "$1" "$2" 2>/dev/null
}

worst=-1000
for tune in data/Musics/*.mid; do
  name=$(basename "$tune" .mid)
  render "$full" "$tune" "$work/full.wav"
  render "$small" "$tune" "$work/small.wav"
  # The wave headers carry the time they were written; the sample points are what is heard.
  sox -V1 "$work/full.wav" -t f32 "$work/full.raw"
  sox -V1 "$work/small.wav" -t f32 "$work/small.raw"
  if cmp -s "$work/full.raw" "$work/small.raw"; then
    printf '%-14s identical: %s stereo frames, %.1f s\n' "$name" "$(($(stat -c %s "$work/full.raw") / 8))" \
      "$(soxi -V1 -D "$work/full.wav")"
    continue
  fi
  # The difference: one rendering minus the other, its peak in dBFS.
  peak=$(sox -m -v 1 "$work/full.wav" -v -1 "$work/small.wav" -n stats 2>&1 | awk '/Pk lev dB/ {print $4}')
  printf '%-14s differ, peak of the difference %s dBFS\n' "$name" "$peak"
  worst=$(awk -v a="$worst" -v b="$peak" 'BEGIN {print (b == "-inf" ? a : (b > a ? b : a))}')
done
if awk -v w="$worst" 'BEGIN {exit !(w >= -90)}'; then
  echo "FAIL: the small font sounds different (worst $worst dBFS)"
  exit 1
fi
echo "OK"
