#include "base/Midi.h"

#include <algorithm>
#include <map>

#include "base/Say.h"

namespace velmor {

namespace {

constexpr uint32_t DefaultTempo = 500000;

class Reader {
 public:
  Reader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

  size_t At() const { return at_; }
  size_t Left() const { return size_ - at_; }
  bool Big(int bytes, uint32_t& value) {
    if (Left() < static_cast<size_t>(bytes)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | data_[at_++];
    return true;
  }
  bool Byte(unsigned char& value) {
    if (Left() < 1) return false;
    value = data_[at_++];
    return true;
  }
  unsigned char Peek() const { return data_[at_]; }
  // A variable-length quantity: at most four bytes, seven bits each.
  bool Variable(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      unsigned char c;
      if (!Byte(c)) return false;
      value = value << 7 | (c & 0x7F);
      if ((c & 0x80) == 0) return true;
    }
    return false;
  }
  bool Skip(size_t bytes) {
    if (Left() < bytes) return false;
    at_ += bytes;
    return true;
  }
  const unsigned char* Here() const { return data_ + at_; }

 private:
  const unsigned char* data_;
  size_t size_;
  size_t at_ = 0;
};

// A channel message that decides what sounds: a bank select, a program change or a note on.
struct ChannelEvent {
  long long tick;
  unsigned char status, first, second;
};

// Walks one track's events (the chunk's body), adding its tempo changes and, when asked, the
// channel messages that choose and sound instruments; false with a reason.
bool ReadTrack(Reader in, MidiTiming& out, std::vector<ChannelEvent>* events, long long& ticks, std::string& error) {
  // Running status carries over meta and system events: players accept files that rely on it.
  unsigned char running = 0;
  ticks = 0;
  while (in.Left() > 0) {
    uint32_t delta;
    if (!in.Variable(delta)) {
      error = VELMOR_TEXT("a track ends in the middle of an event");
      return false;
    }
    ticks += delta;
    if (in.Left() == 0) {
      error = VELMOR_TEXT("a track ends in the middle of an event");
      return false;
    }
    unsigned char status = running;
    if (in.Peek() & 0x80) {
      in.Byte(status);
    } else if (running == 0) {
      error = VELMOR_TEXT("a track has a data byte where an event should start");
      return false;
    }
    uint32_t length = 0;
    bool ok = true;
    if (status == 0xFF) {
      unsigned char type = 0;
      ok = in.Byte(type) && in.Variable(length) && in.Left() >= length;
      if (ok && type == 0x51 && length == 3) {
        const unsigned char* b = in.Here();
        out.tempo.emplace_back(ticks, uint32_t(b[0]) << 16 | uint32_t(b[1]) << 8 | b[2]);
      }
      ok = ok && in.Skip(length);
      if (ok && type == 0x2F) return true;  // end of track: anything after it is not played
    } else if (status == 0xF0 || status == 0xF7) {
      ok = in.Variable(length) && in.Skip(length);
    } else if (status > 0xF0) {
      error = VELMOR_TEXT("a track holds a system message that has no place in a file");
      return false;
    } else {
      running = status;
      const int kind = status & 0xF0;
      const size_t data = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      ok = in.Left() >= data;
      if (ok && events != nullptr) {
        const unsigned char first = in.Here()[0] & 0x7F, second = data == 2 ? in.Here()[1] & 0x7F : 0;
        if (kind == 0xC0 || (kind == 0x90 && second > 0) || (kind == 0xB0 && first == 0))
          events->push_back({ticks, status, first, second});
      }
      ok = ok && in.Skip(data);
    }
    if (!ok) {
      error = VELMOR_TEXT("a track ends in the middle of an event");
      return false;
    }
  }
  return true;  // no end-of-track event: the last event ends it
}

}  // namespace

double MidiTiming::Seconds(long long tick) const {
  if (division <= 0) return 0;
  if (smpte) return double(tick) / division;
  double seconds = 0;
  long long at = 0;
  uint32_t usPerQuarter = DefaultTempo;
  for (const auto& [change, us] : tempo) {
    if (change >= tick) break;
    seconds += double(change - at) * usPerQuarter / division / 1e6;
    at = change;
    usPerQuarter = us;
  }
  return seconds + double(tick - at) * usPerQuarter / division / 1e6;
}

namespace {

bool ReadMidi(const unsigned char* data, size_t size, MidiTiming& out, std::vector<ChannelEvent>* events,
              std::string& error) {
  out = MidiTiming();
  Reader in(data, size);
  uint32_t id = 0, headerLength = 0, format = 0, tracks = 0, division = 0;
  if (!in.Big(4, id) || id != 0x4D546864 || !in.Big(4, headerLength) || headerLength < 6) {
    error = VELMOR_TEXT("not a MIDI file");
    return false;
  }
  if (!in.Big(2, format) || !in.Big(2, tracks) || !in.Big(2, division) || !in.Skip(headerLength - 6)) {
    error = VELMOR_TEXT("its header is cut short");
    return false;
  }
  if (format > 2) {
    error = Fill(VELMOR_TEXT("MIDI format %1 is not one of 0, 1 and 2"), format);
    return false;
  }
  if (tracks == 0) {
    error = VELMOR_TEXT("it has no track");
    return false;
  }
  if (division & 0x8000) {
    // SMPTE: frames per second (as a negative byte) times ticks per frame.
    const int frames = 256 - int(division >> 8);
    out.smpte = true;
    out.division = frames * int(division & 0xFF);
  } else {
    out.division = int(division);
  }
  if (out.division <= 0) {
    error = VELMOR_TEXT("its time division is zero");
    return false;
  }
  for (uint32_t found = 0; found < tracks;) {
    uint32_t chunk = 0, length = 0;
    if (!in.Big(4, chunk) || !in.Big(4, length)) {
      error = Fill(VELMOR_TEXT("it has %1 of its %2 tracks"), found, tracks);
      return false;
    }
    if (in.Left() < length) {
      error = VELMOR_TEXT("a track runs past the end of the file");
      return false;
    }
    Reader body(in.Here(), length);
    in.Skip(length);
    if (chunk != 0x4D54726B) continue;  // a chunk of another kind: players pass over it
    long long ticks = 0;
    if (!ReadTrack(body, out, events, ticks, error)) return false;
    out.lengthTicks = std::max(out.lengthTicks, ticks);
    ++found;
  }
  // Format 1 keeps the tempo map in the first track but a change may stand in any of them.
  std::stable_sort(out.tempo.begin(), out.tempo.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return true;
}

}  // namespace

bool ReadMidiTiming(const unsigned char* data, size_t size, MidiTiming& out, std::string& error) {
  return ReadMidi(data, size, out, nullptr, error);
}

bool ReadMidiSounds(const unsigned char* data, size_t size, MidiSounds& out, std::string& error) {
  out = MidiSounds();
  MidiTiming timing;
  std::vector<ChannelEvent> events;
  if (!ReadMidi(data, size, timing, &events, error)) return false;
  // The tracks were read one after another; played, they interleave by tick.
  std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.tick < b.tick; });
  struct Channel {
    int selectedBank = 0;  // waits for the next program change
    int bank = 0, program = 0;
  };
  Channel channels[16];
  channels[MidiSounds::DrumChannel].bank = MidiSounds::DrumBank;
  std::map<std::pair<int, int>, std::bitset<128>> sounded;
  for (const ChannelEvent& e : events) {
    const int number = e.status & 0x0F;
    Channel& c = channels[number];
    switch (e.status & 0xF0) {
      case 0xB0:
        c.selectedBank = e.second;
        break;
      case 0xC0:
        c.bank = number == MidiSounds::DrumChannel ? MidiSounds::DrumBank : c.selectedBank;
        c.program = e.first;
        break;
      default:
        sounded[{c.bank, c.program}].set(e.first);
    }
  }
  for (const auto& [preset, keys] : sounded) out.presets.push_back({preset.first, preset.second, keys});
  return true;
}

}  // namespace velmor
