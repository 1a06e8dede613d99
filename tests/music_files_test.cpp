// The tunes and sound effects the game ships, read back the way a player or a mixer reads them.
// The readers here are separate from the writers in tools/musicgen on purpose: a misreading of
// the file formats there must not be able to hide itself here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path DataDir = VELMOR_DATA_DIR;
constexpr int DrumChannel = 9;  // the tenth channel, counted from zero

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads within [from, to) of a file and throws rather than run past the end.
class Bytes {
 public:
  Bytes(const std::vector<std::uint8_t>& data, std::size_t from, std::size_t to)
      : data_(data), at_(from), end_(std::min(to, data.size())) {}

  bool done() const { return at_ >= end_; }
  std::size_t position() const { return at_; }
  void skip(std::size_t n) {
    if (n > end_ - at_) throw std::runtime_error("a chunk runs past the end of the file");
    at_ += n;
  }

  std::uint8_t byte() {
    if (at_ >= end_) throw std::runtime_error("runs past the end of its chunk");
    return data_[at_++];
  }
  std::uint32_t big(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | byte();
    return v;
  }
  std::uint32_t little(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= std::uint32_t(byte()) << (8 * i);
    return v;
  }
  std::uint32_t variable() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = byte();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    throw std::runtime_error("a variable-length number longer than four bytes");
  }
  std::string text(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += char(byte());
    return s;
  }

 private:
  const std::vector<std::uint8_t>& data_;
  std::size_t at_;
  std::size_t end_;
};

// ---------------------------------------------------------------------------------------------
// Standard MIDI Files

struct MidiEvent {
  long tick = 0;
  int status = 0;  // 0xFF meta, 0xF0 / 0xF7 sysex, else a channel message
  int data1 = 0;   // the meta type, or the first data byte as found (not masked)
  int data2 = 0;
  std::string payload;  // meta and sysex contents

  int kind() const { return status & 0xF0; }
  int channel() const { return status & 0x0F; }
  bool isMeta(int type) const { return status == 0xFF && data1 == type; }
  bool isNoteOn() const { return kind() == 0x90 && status < 0xF0 && data2 > 0; }
  bool isNoteOff() const { return status < 0xF0 && (kind() == 0x80 || (kind() == 0x90 && data2 == 0)); }
};

struct Midi {
  int format = -1;
  int declaredTracks = 0;
  int division = 0;
  std::vector<std::vector<MidiEvent>> tracks;
};

std::vector<MidiEvent> readTrack(Bytes in) {
  std::vector<MidiEvent> events;
  long tick = 0;
  int running = 0;
  while (!in.done()) {
    MidiEvent e;
    tick += long(in.variable());
    e.tick = tick;
    const int first = in.byte();
    if (first == 0xFF) {
      e.status = first;
      e.data1 = in.byte();
      e.payload = in.text(in.variable());
      running = 0;  // meta and sysex events cancel running status
    } else if (first == 0xF0 || first == 0xF7) {
      e.status = first;
      e.payload = in.text(in.variable());
      running = 0;
    } else if (first > 0xF0) {
      throw std::runtime_error("a system message inside a track");
    } else {
      const bool hasStatus = first >= 0x80;
      if (!hasStatus && running == 0) throw std::runtime_error("a data byte with no running status");
      e.status = hasStatus ? first : running;
      running = e.status;
      e.data1 = hasStatus ? in.byte() : first;
      if (e.kind() != 0xC0 && e.kind() != 0xD0) e.data2 = in.byte();
    }
    events.push_back(e);
  }
  return events;
}

Midi readMidi(const std::vector<std::uint8_t>& data) {
  Midi midi;
  Bytes in(data, 0, data.size());
  if (in.text(4) != "MThd") throw std::runtime_error("no MThd header");
  const std::uint32_t headerLength = in.big(4);
  if (headerLength < 6) throw std::runtime_error("MThd too short");
  midi.format = int(in.big(2));
  midi.declaredTracks = int(in.big(2));
  midi.division = int(in.big(2));
  in.skip(headerLength - 6);
  while (!in.done()) {
    const std::string type = in.text(4);
    const std::uint32_t length = in.big(4);
    if (type == "MTrk") midi.tracks.push_back(readTrack(Bytes(data, in.position(), in.position() + length)));
    in.skip(length);  // chunks of other types are allowed, and ignored
  }
  return midi;
}

// Seconds at each tick, from the tempo events of every track (120 a minute until the first).
class TempoMap {
 public:
  explicit TempoMap(const Midi& midi) : division_(midi.division) {
    for (const auto& track : midi.tracks)
      for (const MidiEvent& e : track)
        if (e.isMeta(0x51) && e.payload.size() == 3)
          changes_[e.tick] =
              (std::uint8_t(e.payload[0]) << 16) | (std::uint8_t(e.payload[1]) << 8) | std::uint8_t(e.payload[2]);
  }

  double seconds(long tick) const {
    double total = 0;
    long from = 0;
    double micros = 500000;
    for (const auto& [at, perQuarter] : changes_) {
      if (at >= tick) break;
      total += double(at - from) * micros / division_ / 1e6;
      from = at;
      micros = perQuarter;
    }
    return total + double(tick - from) * micros / division_ / 1e6;
  }

 private:
  int division_;
  std::map<long, double> changes_;
};

long endTick(const Midi& midi) {
  long end = 0;
  for (const auto& track : midi.tracks)
    if (!track.empty()) end = std::max(end, track.back().tick);
  return end;
}

std::vector<fs::path> tuneFiles() {
  std::vector<fs::path> files;
  const fs::path dir = DataDir / "Musics";
  if (fs::is_directory(dir))
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.path().extension() == ".mid") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(MusicFolder, HoldsAtLeastSixTunesOneOfThemNight) {
  const std::vector<fs::path> files = tuneFiles();
  EXPECT_GE(files.size(), 6u);
  EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const fs::path& p) { return p.filename() == "Night.mid"; }));
}

class Tune : public testing::TestWithParam<fs::path> {
 protected:
  void SetUp() override {
    try {
      midi_ = readMidi(readBytes(GetParam()));
    } catch (const std::exception& e) {
      FAIL() << GetParam().filename() << " does not parse: " << e.what();
    }
  }
  Midi midi_;
};

TEST_P(Tune, IsFormatOneWithTempoFirstAndEveryTrackNamed) {
  EXPECT_EQ(midi_.format, 1);
  EXPECT_EQ(midi_.declaredTracks, int(midi_.tracks.size()));
  ASSERT_GE(midi_.tracks.size(), 2u) << "a tempo track and at least one instrument";
  EXPECT_GT(midi_.division, 0) << "ticks per quarter, not SMPTE time";

  const auto& first = midi_.tracks.front();
  const auto tempo = std::find_if(first.begin(), first.end(), [](const MidiEvent& e) { return e.isMeta(0x51); });
  ASSERT_NE(tempo, first.end()) << "no tempo in the first track";
  EXPECT_EQ(tempo->tick, 0) << "the tune would start at the default tempo";
  EXPECT_EQ(tempo->payload.size(), 3u);

  for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
    const auto& track = midi_.tracks[t];
    const auto named = [](const MidiEvent& e) { return e.isMeta(0x03) && !e.payload.empty(); };
    EXPECT_TRUE(std::any_of(track.begin(), track.end(), named)) << "track " << t << " has no name";
    if (t > 0) {
      EXPECT_FALSE(std::any_of(track.begin(), track.end(), [](const MidiEvent& e) { return e.isMeta(0x51); }))
          << "track " << t << ": in format 1 the tempo map belongs to the first track";
    }
  }
}

TEST_P(Tune, EveryTrackEndsWithEndOfTrackAndOnlyThere) {
  for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
    const auto& track = midi_.tracks[t];
    ASSERT_FALSE(track.empty()) << "track " << t;
    EXPECT_TRUE(track.back().isMeta(0x2F)) << "track " << t << " ends without End of Track";
    EXPECT_EQ(std::count_if(track.begin(), track.end(), [](const MidiEvent& e) { return e.isMeta(0x2F); }), 1)
        << "track " << t;
  }
}

// Notes are 7-bit keys and velocities; every one is released, and a key is not struck again on
// its channel while it still sounds (the release of the first would cut the second short).
TEST_P(Tune, NotesAreInRangeAndAllReleased) {
  int notes = 0;
  for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
    std::set<std::pair<int, int>> sounding;  // channel, key
    for (const MidiEvent& e : midi_.tracks[t]) {
      if (!e.isNoteOn() && !e.isNoteOff()) continue;
      ASSERT_LE(e.data1, 127) << "track " << t << " tick " << e.tick;
      ASSERT_LE(e.data2, 127) << "track " << t << " tick " << e.tick;
      const std::pair<int, int> note{e.channel(), e.data1};
      if (e.isNoteOn()) {
        ++notes;
        EXPECT_TRUE(sounding.insert(note).second)
            << "track " << t << " strikes key " << e.data1 << " again at tick " << e.tick;
      } else {
        EXPECT_EQ(sounding.erase(note), 1u)
            << "track " << t << " releases key " << e.data1 << " at tick " << e.tick << " that was not sounding";
      }
    }
    EXPECT_TRUE(sounding.empty()) << "track " << t << " leaves notes hanging at its end";
  }
  EXPECT_GT(notes, 100) << "hardly a tune";
}

// Channel 10 is the General MIDI drum kit: what is played there must be a percussion key, and
// every other channel must choose its instrument before it plays, or a player that has just
// looped the tune, or played another, keeps whatever instrument it had.
TEST_P(Tune, DrumChannelHoldsOnlyPercussionAndOthersChooseAnInstrument) {
  for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
    std::set<int> chosen;
    for (const MidiEvent& e : midi_.tracks[t]) {
      if (e.status >= 0xF0) continue;
      if (e.kind() == 0xC0) {
        EXPECT_NE(e.channel(), DrumChannel) << "track " << t << " sets a program on 10";
        chosen.insert(e.channel());
      }
      if (!e.isNoteOn()) continue;
      if (e.channel() == DrumChannel) {
        EXPECT_GE(e.data1, 35) << "not a General MIDI percussion key";
        EXPECT_LE(e.data1, 81) << "not a General MIDI percussion key";
      } else {
        EXPECT_TRUE(chosen.count(e.channel()))
            << "track " << t << " plays on channel " << e.channel() + 1 << " before choosing a program";
      }
    }
  }
}

TEST_P(Tune, LastsOneToThreeMinutesAndLoopsWithoutSilence) {
  const TempoMap tempo(midi_);
  const double seconds = tempo.seconds(endTick(midi_));
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 180.0);

  long firstOn = -1, lastOff = 0;
  for (const auto& track : midi_.tracks)
    for (const MidiEvent& e : track) {
      if (e.isNoteOn() && (firstOn < 0 || e.tick < firstOn)) firstOn = e.tick;
      if (e.isNoteOff()) lastOff = std::max(lastOff, e.tick);
    }
  ASSERT_GE(firstOn, 0);
  // When the game starts the tune over, a gap at either end is heard as a dropout.
  EXPECT_LE(tempo.seconds(firstOn), 1.0);
  EXPECT_LE(seconds - tempo.seconds(lastOff), 3.0);
}

std::string testName(const testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Musics, Tune, testing::ValuesIn(tuneFiles()), testName);

// ---------------------------------------------------------------------------------------------
// Sound effects

struct Wave {
  int format = 0;
  int channels = 0;
  int sampleRate = 0;
  int byteRate = 0;
  int blockAlign = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;  // interleaved

  double seconds() const { return double(samples.size()) / channels / sampleRate; }
};

Wave readWave(const std::vector<std::uint8_t>& data) {
  Wave wave;
  Bytes in(data, 0, data.size());
  if (in.text(4) != "RIFF") throw std::runtime_error("no RIFF header");
  if (in.little(4) != data.size() - 8) throw std::runtime_error("the RIFF size is not the file size");
  if (in.text(4) != "WAVE") throw std::runtime_error("not a WAVE file");
  bool haveFormat = false, haveData = false;
  while (!in.done()) {
    const std::string id = in.text(4);
    const std::uint32_t length = in.little(4);
    const std::size_t next = in.position() + length + (length & 1);  // chunks are padded
    Bytes chunk(data, in.position(), in.position() + length);
    if (id == "fmt ") {
      wave.format = int(chunk.little(2));
      wave.channels = int(chunk.little(2));
      wave.sampleRate = int(chunk.little(4));
      wave.byteRate = int(chunk.little(4));
      wave.blockAlign = int(chunk.little(2));
      wave.bits = int(chunk.little(2));
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) throw std::runtime_error("data before fmt");
      if (length > data.size() - in.position())
        throw std::runtime_error("the data chunk runs past the end of the file");
      while (!chunk.done()) wave.samples.push_back(std::int16_t(chunk.little(2)));
      haveData = true;
    }
    in.skip(std::min(next, data.size()) - in.position());
  }
  if (!haveFormat || !haveData) throw std::runtime_error("no fmt or no data chunk");
  return wave;
}

struct Effect {
  const char* file;
  double shortest;  // seconds
  double longest;
};

std::ostream& operator<<(std::ostream& out, const Effect& effect) { return out << effect.file; }

class SoundEffect : public testing::TestWithParam<Effect> {
 protected:
  void SetUp() override {
    try {
      wave_ = readWave(readBytes(DataDir / GetParam().file));
    } catch (const std::exception& e) {
      FAIL() << GetParam().file << ": " << e.what();
    }
  }
  Wave wave_;
};

TEST_P(SoundEffect, IsPlain16BitPcmAtAStandardRate) {
  EXPECT_EQ(wave_.format, 1) << "PCM";
  EXPECT_EQ(wave_.bits, 16);
  EXPECT_TRUE(wave_.channels == 1 || wave_.channels == 2);
  EXPECT_TRUE(wave_.sampleRate == 22050 || wave_.sampleRate == 44100);
  EXPECT_EQ(wave_.blockAlign, wave_.channels * 2);
  EXPECT_EQ(wave_.byteRate, wave_.sampleRate * wave_.blockAlign);
  EXPECT_EQ(wave_.samples.size() % std::size_t(std::max(1, wave_.channels)), 0u);
}

TEST_P(SoundEffect, LastsAsLongAsItsJobNeeds) {
  ASSERT_GT(wave_.sampleRate, 0);
  ASSERT_GT(wave_.channels, 0);
  EXPECT_GE(wave_.seconds(), GetParam().shortest);
  EXPECT_LE(wave_.seconds(), GetParam().longest);
}

// Peaks near -6 dBFS leave room for the music under them; a sample at full scale means the sound
// was clipped; and a sound that starts or stops away from zero clicks.
TEST_P(SoundEffect, PeaksNearMinusSixWithoutClippingAndStartsAndEndsAtRest) {
  ASSERT_FALSE(wave_.samples.empty());
  int peak = 0;
  for (std::int16_t s : wave_.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_LT(peak, 32767) << "clipped";
  const double dbfs = 20 * std::log10(std::max(peak, 1) / 32768.0);
  EXPECT_GE(dbfs, -9.0);
  EXPECT_LE(dbfs, -3.0);
  EXPECT_LE(std::abs(int(wave_.samples.front())), 328) << "does not fade in";
  EXPECT_LE(std::abs(int(wave_.samples.back())), 328) << "does not fade out";
}

INSTANTIATE_TEST_SUITE_P(Data, SoundEffect,
                         testing::Values(Effect{"select.wav", 0.040, 0.080}, Effect{"noway.wav", 0.120, 0.200},
                                         Effect{"done.wav", 0.300, 0.500}),
                         [](const testing::TestParamInfo<Effect>& info) {
                           return fs::path(info.param.file).stem().string();
                         });

// Zero crossings a second stand in for pitch: the refusal must sound lower than the click and
// the chime, or the three are easy to mistake for one another.
TEST(SoundEffects, KnockIsLowerThanClickAndChime) {
  const auto crossingsPerSecond = [](const char* file) {
    const Wave wave = readWave(readBytes(DataDir / file));
    const auto step = std::size_t(wave.channels);
    if (step == 0) return 0.0;
    int crossings = 0;
    for (std::size_t i = step; i < wave.samples.size(); i += step)
      crossings += (wave.samples[i] < 0) != (wave.samples[i - step] < 0);
    return crossings / wave.seconds();
  };
  const double knock = crossingsPerSecond("noway.wav");
  EXPECT_LT(knock * 3, crossingsPerSecond("select.wav"));
  EXPECT_LT(knock * 3, crossingsPerSecond("done.wav"));
}

}  // namespace
