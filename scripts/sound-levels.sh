#!/usr/bin/env bash
# Renders every shipped tune with the soundfont and the synthesizer gain the game uses, and prints
# the length, RMS and peak (dBFS) of each tune and of each sound effect, as the player hears them
# at full volume. Needs the fluidsynth and sox programs (Debian: fluidsynth sox timgm6mb-soundfont).
#
#   scripts/sound-levels.sh [DATA_DIR]      (default: data)
#
# SOUNDFONT and GAIN override the game's; the rendered waves stay in a temporary folder that is
# removed on exit, unless KEEP=DIR names a folder to leave them in.
set -euo pipefail
cd "$(dirname "$0")/.."
data=${1:-data}
soundfont=${SOUNDFONT:-$(sed -n 's/.*DefaultSoundFont = "\(.*\)";.*/\1/p' src/platform/Audio.h)}
gain=${GAIN:-$(sed -n 's/^inline constexpr double MusicGain = \([0-9.]*\);.*/\1/p' src/platform/AudioImpl.h)}
for tool in fluidsynth sox; do
  command -v "$tool" >/dev/null || { echo "sound-levels: needs the $tool program" >&2; exit 1; }
done
[ -r "$soundfont" ] || { echo "sound-levels: no soundfont at $soundfont" >&2; exit 1; }
[ -n "$gain" ] || { echo "sound-levels: cannot find MusicGain in src/platform/AudioImpl.h" >&2; exit 1; }

if [ -n "${KEEP:-}" ]; then
  work=$KEEP
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# One line of sox's statistics: the first figure is the whole file, both channels together.
stat() { sox "$1" -n stats 2>&1 | awk -v key="$2" 'index($0, key) == 1 { print $(NF - (NF > 5 ? 2 : 0)); exit }'; }
row() {
  printf '%-20s %8.2f %9s %9s\n' "$1" "$(sox --i -D "$2")" "$(stat "$2" 'RMS lev dB')" "$(stat "$2" 'Pk lev dB')"
}

echo "soundfont $soundfont, gain $gain"
printf '%-20s %8s %9s %9s\n' file seconds 'RMS dB' 'peak dB'
for tune in "$data"/Musics/*.mid; do
  name=$(basename "$tune" .mid)
  fluidsynth -ni -q -g "$gain" -r 44100 -F "$work/$name.wav" "$soundfont" "$tune" >/dev/null 2>&1
  row "$name.mid" "$work/$name.wav"
done
for effect in select noway done; do row "$effect.wav" "$data/$effect.wav"; done
