#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "base/Midi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::MidiTiming timing;
  std::string error;
  if (velmor::ReadMidiTiming(data, size, timing, error)) {
    // What the music player relies on: a length to loop at, a tempo map in order, a finite time.
    if (timing.lengthTicks < 0 || timing.division <= 0) __builtin_trap();
    for (size_t i = 1; i < timing.tempo.size(); ++i)
      if (timing.tempo[i].first < timing.tempo[i - 1].first) __builtin_trap();
    const double seconds = timing.LengthSeconds();
    if (!std::isfinite(seconds) || seconds < 0) __builtin_trap();
  } else if (error.empty()) {
    __builtin_trap();
  }
  // What picks the soundfont: the same verdict, and presets a synthesizer can be asked for, each
  // once, in order, each with a key that sounded.
  velmor::MidiSounds sounds;
  std::string soundsError;
  if (velmor::ReadMidiSounds(data, size, sounds, soundsError) != error.empty() || soundsError != error)
    __builtin_trap();
  for (size_t i = 0; i < sounds.presets.size(); ++i) {
    const auto& p = sounds.presets[i];
    if (p.keys.none() || p.program < 0 || p.program > 127 || p.bank < 0 || p.bank > velmor::MidiSounds::DrumBank)
      __builtin_trap();
    if (i > 0 && std::pair(sounds.presets[i - 1].bank, sounds.presets[i - 1].program) >= std::pair(p.bank, p.program))
      __builtin_trap();
  }
  return 0;
}
