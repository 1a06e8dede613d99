// The timing of a Standard MIDI File, read without a synthesizer: how many ticks the tune lasts
// and how its tempo changes turn ticks into seconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velmor {

struct MidiTiming {
  // Ticks per quarter note, or with SMPTE time ticks per second (then `smpte` is set).
  int division = 0;
  bool smpte = false;
  // The tick of the last event of the longest track, end-of-track included: where a player
  // reading the file reaches its end.
  long long lengthTicks = 0;
  // Tempo changes in tick order: tick, microseconds per quarter note. The tempo before the
  // first is 500 000 (120 a minute).
  std::vector<std::pair<long long, uint32_t>> tempo;

  double Seconds(long long tick) const;
  double LengthSeconds() const { return Seconds(lengthTicks); }
};

// Reads the header and walks every track's events. False with a reason when the bytes are not a
// well-formed MIDI file (a track running past the end, a data byte with no status before it, ...).
bool ReadMidiTiming(const unsigned char* data, size_t size, MidiTiming& out, std::string& error);

}  // namespace velmor
