#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

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
  return 0;
}
