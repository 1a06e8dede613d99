#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace musicgen {

// One MTrk chunk. Events may be added in any order; at the same tick, meta events come first,
// then program and controller settings, then note-offs, then note-ons, so a repeated note is
// released before it is struck again.
class MidiTrack {
 public:
  explicit MidiTrack(const std::string& name);

  void tempo(int tick, double quartersPerMinute);
  void timeSignature(int tick, int beats, int unit);
  // Channels here are 0 to 15 and programs 0 to 127, as they are sent.
  void program(int tick, int channel, int program);
  void controller(int tick, int channel, int number, int value);
  void note(int tick, int channel, int key, int velocity, int length);

  int lastTick() const;
  // The chunk with delta times, running status and End of Track at endTick.
  std::vector<std::uint8_t> chunk(int endTick) const;

 private:
  struct Event {
    int tick;
    int order;
    std::vector<std::uint8_t> bytes;  // the whole message, status byte first
  };
  void add(int tick, int order, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
};

// A format 1 file: the first track carries the tempo map, the others the instruments.
std::vector<std::uint8_t> midiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, int endTick);

}  // namespace musicgen
