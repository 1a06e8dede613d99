// A Standard MIDI File read without a synthesizer: how many ticks the tune lasts and how its
// tempo changes turn ticks into seconds, and which instruments and keys it sounds.
#pragma once

#include <bitset>
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

// The presets a tune's notes sound on, resolved per channel the way a General MIDI player does:
// a program change takes the bank last selected on its channel (controller 0; controller 32 is
// not heard), a channel starts on bank 0 program 0, and channel 10 always plays the drum kits of
// bank 128. A program chosen but never played is not listed: it makes no sound.
struct MidiSounds {
  static constexpr int DrumBank = 128;
  static constexpr int DrumChannel = 9;
  struct Preset {
    int bank = 0;
    int program = 0;
    std::bitset<128> keys;  // the keys that start a note on it
    bool operator==(const Preset&) const = default;
  };
  std::vector<Preset> presets;  // by bank, then program; each once
};

// Reads the tracks as they play together, an event at an equal tick in track order. False with a
// reason exactly when ReadMidiTiming refuses the bytes.
bool ReadMidiSounds(const unsigned char* data, size_t size, MidiSounds& out, std::string& error);

}  // namespace velmor
