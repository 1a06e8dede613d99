#include "MidiFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace musicgen {
namespace {

enum Order { Meta, Setting, NoteOff, NoteOn };

void putVariable(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = std::uint8_t(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(std::uint8_t(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

void putBig(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(std::uint8_t(value >> (8 * i)));
}

std::uint8_t dataByte(int value) {
  if (value < 0 || value > 127) throw std::runtime_error("MIDI data byte out of range: " + std::to_string(value));
  return std::uint8_t(value);
}

std::uint8_t channelStatus(int kind, int channel) {
  if (channel < 0 || channel > 15) throw std::runtime_error("MIDI channel out of range: " + std::to_string(channel));
  return std::uint8_t(kind | channel);
}

std::vector<std::uint8_t> meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out{0xFF, type};
  putVariable(out, std::uint32_t(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

}  // namespace

MidiTrack::MidiTrack(const std::string& name) {
  add(0, Meta, meta(0x03, std::vector<std::uint8_t>(name.begin(), name.end())));
}

void MidiTrack::add(int tick, int order, std::vector<std::uint8_t> bytes) {
  if (tick < 0) throw std::runtime_error("MIDI event before the start of the track");
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::tempo(int tick, double quartersPerMinute) {
  const auto micros = std::uint32_t(std::lround(60'000'000.0 / quartersPerMinute));
  std::vector<std::uint8_t> data;
  putBig(data, micros, 3);
  add(tick, Meta, meta(0x51, data));
}

void MidiTrack::timeSignature(int tick, int beats, int unit) {
  std::uint8_t power = 0;
  while ((1 << power) < unit) ++power;
  // 24 clocks to the metronome click (a quarter), 8 thirty-seconds to the quarter.
  add(tick, Meta, meta(0x58, {dataByte(beats), power, 24, 8}));
}

void MidiTrack::program(int tick, int channel, int program) {
  add(tick, Setting, {channelStatus(0xC0, channel), dataByte(program)});
}

void MidiTrack::controller(int tick, int channel, int number, int value) {
  add(tick, Setting, {channelStatus(0xB0, channel), dataByte(number), dataByte(value)});
}

void MidiTrack::note(int tick, int channel, int key, int velocity, int length) {
  if (length <= 0) throw std::runtime_error("a note must last at least one tick");
  if (velocity < 1) throw std::runtime_error("a note-on needs a velocity above zero");
  const std::uint8_t status = channelStatus(0x90, channel);
  add(tick, NoteOn, {status, dataByte(key), dataByte(velocity)});
  // Note-on with velocity 0 rather than 0x80, so one running status covers a whole part.
  add(tick + length, NoteOff, {status, dataByte(key), 0});
}

int MidiTrack::lastTick() const {
  int last = 0;
  for (const Event& e : events_) last = std::max(last, e.tick);
  return last;
}

std::vector<std::uint8_t> MidiTrack::chunk(int endTick) const {
  if (endTick < lastTick()) throw std::runtime_error("End of Track before the last event");
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });

  std::vector<std::uint8_t> body;
  int tick = 0;
  std::uint8_t running = 0;
  for (const Event& e : sorted) {
    putVariable(body, std::uint32_t(e.tick - tick));
    tick = e.tick;
    const std::uint8_t status = e.bytes.front();
    if (status == 0xFF) {
      running = 0;  // a meta event cancels running status
      body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    } else {
      const auto from = status == running ? e.bytes.begin() + 1 : e.bytes.begin();
      body.insert(body.end(), from, e.bytes.end());
      running = status;
    }
  }
  putVariable(body, std::uint32_t(endTick - tick));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> out{'M', 'T', 'r', 'k'};
  putBig(out, std::uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::uint8_t> midiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, int endTick) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  putBig(out, std::uint32_t(tracks.size()), 2);
  putBig(out, std::uint32_t(ticksPerQuarter), 2);
  for (const MidiTrack& track : tracks) {
    const std::vector<std::uint8_t> chunk = track.chunk(endTick);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace musicgen
