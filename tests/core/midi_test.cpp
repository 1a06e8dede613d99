// The timing read from a MIDI file, which the music player loops by, and the instruments it sounds.
#include <gtest/gtest.h>

#include <bitset>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Midi.h"

using namespace velmor;
using namespace velmor::test;

namespace {

std::vector<unsigned char> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<unsigned char> ReadTune(const std::string& name) {
  std::ifstream in(DataDir() + "/Musics/" + name + ".mid", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string Chunk(const char* id, const std::string& body) {
  std::string s(id, 4);
  for (int shift = 24; shift >= 0; shift -= 8) s += char(body.size() >> shift & 0xFF);
  return s + body;
}

std::string Header(int tracks, int division) {
  return Chunk("MThd", std::string("\0\1", 2) + char(tracks >> 8) + char(tracks & 0xFF) + char(division >> 8) +
                           char(division & 0xFF));
}

}  // namespace

// The lengths the synthesizer itself reported for the shipped tunes (its player, run silently).
TEST(MidiTiming, ShippedTunesLastAsLongAsTheSynthesizerMeasured) {
  const std::pair<const char*, long long> measured[] = {{"Garden", 92160},  {"Greensleeves", 103680},
                                                        {"Jasmine", 65280}, {"Lanterns", 69120},
                                                        {"Night", 57600},   {"Sakura", 69120}};
  for (const auto& [name, ticks] : measured) {
    const std::vector<unsigned char> tune = ReadTune(name);
    MidiTiming timing;
    std::string error;
    ASSERT_TRUE(ReadMidiTiming(tune.data(), tune.size(), timing, error)) << name << ": " << error;
    EXPECT_EQ(timing.lengthTicks, ticks) << name;
    EXPECT_GT(timing.LengthSeconds(), 60.0) << name;
    EXPECT_LT(timing.LengthSeconds(), 180.0) << name;

    // Every cut of the file is refused with a reason, never read as a shorter tune.
    for (size_t size = 0; size < tune.size(); ++size) {
      MidiTiming cut;
      error.clear();
      EXPECT_FALSE(ReadMidiTiming(tune.data(), size, cut, error)) << name << " cut at " << size;
      EXPECT_FALSE(error.empty());
    }
  }
}

// Two tracks, the longer one deciding; a tempo change halfway; running status carried over a
// meta event; a chunk of another kind passed over.
TEST(MidiTiming, TempoChangesTurnTicksIntoSeconds) {
  const std::string first = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) +      // 500 000 us a quarter
                            std::string("\x00\x90\x3C\x60", 4) +                  // note on
                            std::string("\x81\x40\xFF\x51\x03\x03\xD0\x90", 8) +  // 192: 250 000
                            std::string("\x00\x3C\x00", 3) +                      // running status: note off
                            std::string("\x81\x40\xFF\x2F\x00", 5);               // ends at 384
  const std::string second = std::string("\x60\xF0\x02\x7E\xF7", 5) + std::string("\x00\xFF\x2F\x00", 4);
  const auto file = Bytes(Header(2, 96) + Chunk("XFIH", "skip me") + Chunk("MTrk", first) + Chunk("MTrk", second));
  MidiTiming timing;
  std::string error;
  ASSERT_TRUE(ReadMidiTiming(file.data(), file.size(), timing, error)) << error;
  EXPECT_EQ(timing.lengthTicks, 384);
  EXPECT_DOUBLE_EQ(timing.Seconds(192), 1.0);
  EXPECT_DOUBLE_EQ(timing.LengthSeconds(), 1.5);
}

TEST(MidiTiming, MalformedFilesAreRefusedWithAReason) {
  const std::string ok = std::string("\x00\xFF\x2F\x00", 4);
  const std::pair<std::string, std::string> cases[] = {
      {"RIFF" + std::string(20, '\0'), "not a MIDI file"},
      {Header(0, 96), "no track"},
      {Header(1, 0) + Chunk("MTrk", ok), "division"},
      {Header(1, 96) + Chunk("MTrk", std::string("\x00\x3C\x40", 3)), "data byte"},
      {Header(1, 96) + Chunk("MTrk", std::string("\x00\xF1\x00", 3) + ok), "system message"},
      {Header(1, 96) + Chunk("MTrk", std::string("\xFF\xFF\xFF\xFF\x00", 5)), "middle of an event"},
      {Header(2, 96) + Chunk("MTrk", ok), "1 of its 2 tracks"},
  };
  for (const auto& [bytes, reason] : cases) {
    const auto file = Bytes(bytes);
    MidiTiming timing;
    std::string error;
    EXPECT_FALSE(ReadMidiTiming(file.data(), file.size(), timing, error)) << reason;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

namespace {

// A preset as the reader lists it, from its bank, program and keys.
MidiSounds::Preset Sounded(int bank, int program, std::initializer_list<int> keys) {
  MidiSounds::Preset preset{bank, program, {}};
  for (int key : keys) preset.keys.set(size_t(key));
  return preset;
}

}  // namespace

// Two tracks played together: a program change takes the bank selected on its channel before it,
// whichever track either came from; channel 10 stays on the drum bank; a silent note, a program
// never played and bank select's second controller leave no trace.
TEST(MidiSounds, PresetsAreResolvedPerChannelAcrossTracksAsTheyPlay) {
  const std::string first = std::string("\x00\x90\x3C\x60", 4) +  // ch 1 at 0: bank 0 program 0
                            std::string("\x0A\xB0\x00\x08", 4) +  // 10: bank 8, waiting
                            std::string("\x00\xB0\x20\x05", 4) +  // controller 32: not heard
                            std::string("\x14\x90\x3E\x60", 4) +  // 30: after the other track's change
                            std::string("\x14\x41\x00", 3) +      // 50: running status, velocity 0
                            std::string("\x00\xC1\x05", 3) +      // ch 2 program 5, never played
                            std::string("\x00\xB9\x00\x05", 4) +  // ch 10: bank select passed over
                            std::string("\x00\xC9\x10", 3) +      // ch 10 kit 16
                            std::string("\x00\x99\x24\x40", 4) + std::string("\x00\xFF\x2F\x00", 4);
  const std::string second = std::string("\x14\xC0\x30", 3) +      // 20: ch 1 program 48 from bank 8
                             std::string("\x14\x90\x40\x50", 4) +  // 40
                             std::string("\x00\xFF\x2F\x00", 4);
  const auto file = Bytes(Header(2, 96) + Chunk("MTrk", first) + Chunk("MTrk", second));
  MidiSounds sounds;
  std::string error;
  ASSERT_TRUE(ReadMidiSounds(file.data(), file.size(), sounds, error)) << error;
  const std::vector<MidiSounds::Preset> expected = {Sounded(0, 0, {0x3C}), Sounded(8, 48, {0x3E, 0x40}),
                                                    Sounded(128, 16, {0x24})};
  EXPECT_EQ(sounds.presets, expected);
}

// What the soundfont for the shipped tunes is cut to, as their notation gives it: twelve General
// MIDI programs and the open triangle. Any cut of a file is refused exactly as its timing is.
TEST(MidiSounds, ShippedTunesSoundTheirTwelveInstrumentsAndTheTriangle) {
  std::set<std::pair<int, int>> presets;
  std::bitset<128> drums;
  for (const char* name : {"Garden", "Greensleeves", "Jasmine", "Lanterns", "Night", "Sakura"}) {
    const std::vector<unsigned char> tune = ReadTune(name);
    MidiSounds sounds;
    std::string error;
    ASSERT_TRUE(ReadMidiSounds(tune.data(), tune.size(), sounds, error)) << name << ": " << error;
    for (const auto& p : sounds.presets) {
      presets.insert({p.bank, p.program});
      if (p.bank == MidiSounds::DrumBank) drums |= p.keys;
    }
    for (size_t size = 0; size < tune.size(); size += 7) {
      MidiTiming timing;
      std::string timingError, soundsError;
      EXPECT_EQ(ReadMidiSounds(tune.data(), size, sounds, soundsError),
                ReadMidiTiming(tune.data(), size, timing, timingError));
      EXPECT_EQ(soundsError, timingError) << name << " cut at " << size;
    }
  }
  const std::set<std::pair<int, int>> expected = {{0, 8},  {0, 10}, {0, 45}, {0, 46}, {0, 48},  {0, 49}, {0, 73},
                                                  {0, 75}, {0, 77}, {0, 88}, {0, 89}, {0, 107}, {128, 0}};
  EXPECT_EQ(presets, expected);
  EXPECT_EQ(drums, std::bitset<128>().set(81));  // the open triangle
}
