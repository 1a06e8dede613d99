#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace musicgen {

struct Voice {
  std::string name;  // the track name
  int channel = 1;   // 1 to 16 as players count them; 10 is the drum channel
  int program = 1;   // General MIDI 1 to 128; not sent on channel 10
  int volume = 100;
  int pan = 64;
  int reverb = 48;
  int chorus = 0;
  // Share of each written note that sounds. Plucked instruments die away on their own, so the
  // gap only matters for winds and bowed strings, where it lets repeated notes speak.
  double gate = 0.95;
  std::string notes;
};

struct TempoChange {
  int bar = 1;  // from the start of this bar, counted from 1
  double quartersPerMinute = 120;
};

struct Tune {
  std::string fileName;
  std::string title;
  int beats = 4;  // time signature
  int unit = 4;
  std::vector<TempoChange> tempo;
  std::vector<Voice> voices;
  // Moves the whole tune by this many dB through every part's channel volume, the balance of
  // the parts kept: the voices are set by ear within a tune, this evens the tunes out with one
  // another (scripts/sound-levels.sh measures them).
  double levelDb = 0;

  int ticksPerBar() const;
};

struct WrittenTune {
  std::vector<std::uint8_t> bytes;
  double seconds = 0;
  int bars = 0;
  int notes = 0;
};

// Throws std::runtime_error, naming the tune and the part, when the parts are not all the same
// number of bars, two parts share a channel, or the note text is wrong.
WrittenTune writeTune(const Tune& tune);

}  // namespace musicgen
