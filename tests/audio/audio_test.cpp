// The sound device with the real mixer and synthesizer. The process runs under SDL's dummy
// driver, which pulls audio at the pace of a sound card that plays nothing; tests that need
// another driver run their body in a child process, which starts SDL afresh.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/Audio.h"

namespace velmor {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path DataDir = VELMOR_DATA_DIR;

std::vector<std::string> ShippedTunes() {
  std::vector<std::string> tunes;
  for (const auto& entry : fs::directory_iterator(DataDir / "Musics"))
    if (entry.path().extension() == ".mid") tunes.push_back(entry.path().string());
  std::sort(tunes.begin(), tunes.end());
  return tunes;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) { return fs::path(info.param).stem().string(); }

// Polls until `done` holds; the bound only keeps a broken player from hanging the run.
bool WaitFor(const std::function<bool()>& done) {
  const auto giveUp = std::chrono::steady_clock::now() + 60s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

class Scratch {
 public:
  Scratch() : dir_(fs::temp_directory_path() / ("velmor-audio-" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const fs::path file = dir_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  fs::path dir_;
};

// ---- Reading a Standard MIDI File's timing, independently of FluidSynth ----

struct Timing {
  int division = 0;
  std::map<long long, double> tempo;  // tick -> microseconds per quarter note
  long long endTick = 0;              // the last event of the longest track

  double Seconds(long long tick) const {
    double seconds = 0, usPerQuarter = 500000;
    long long at = 0;
    for (const auto& [change, us] : tempo) {
      if (change >= tick) break;
      seconds += (change - at) * usPerQuarter / division / 1e6;
      at = change;
      usPerQuarter = us;
    }
    return seconds + (tick - at) * usPerQuarter / division / 1e6;
  }
};

Timing ReadTiming(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
  size_t at = 0;
  auto need = [&](size_t n) {
    if (at + n > b.size()) throw std::runtime_error(path + ": runs past its end");
  };
  auto big = [&](int n) {
    need(n);
    uint32_t v = 0;
    while (n--) v = v << 8 | b[at++];
    return v;
  };
  auto variable = [&] {
    uint32_t v = 0;
    for (;;) {
      need(1);
      const unsigned char c = b[at++];
      v = v << 7 | (c & 0x7F);
      if (!(c & 0x80)) return v;
    }
  };
  if (big(4) != 0x4D546864 || big(4) != 6) throw std::runtime_error(path + ": no MThd header");
  Timing t;
  big(2);
  const int tracks = int(big(2));
  t.division = int(big(2));
  for (int track = 0; track < tracks; ++track) {
    if (big(4) != 0x4D54726B) throw std::runtime_error(path + ": a chunk that is not MTrk");
    const size_t end = at + big(4);
    long long tick = 0;
    unsigned char status = 0;
    while (at < end) {
      tick += variable();
      need(1);
      if (b[at] & 0x80) status = b[at++];
      if (status == 0xFF) {
        need(1);
        const unsigned char type = b[at++];
        const uint32_t length = variable();
        need(length);
        if (type == 0x51 && length == 3) t.tempo[tick] = b[at] << 16 | b[at + 1] << 8 | b[at + 2];
        at += length;
      } else if (status == 0xF0 || status == 0xF7) {
        at += variable();
      } else {
        at += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      }
    }
    t.endTick = std::max(t.endTick, tick);
  }
  return t;
}

// Half a second at 120 a minute: one quarter note long, its note sounding for the first half.
// Piano by default, on channel 1.
std::string ShortTune(int channel = 0, int program = 0, int key = 0x3C) {
  const std::string events = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) +  // tempo 500000
                             std::string{'\0', char(0xC0 | channel), char(program)} +
                             std::string{'\0', char(0x90 | channel), char(key), '\x60'} +    // note on
                             std::string{'\x30', char(0x80 | channel), char(key), '\x40'} +  // off at 48
                             std::string("\x30\xFF\x2F\x00", 4);                             // end at 96
  std::string file = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk";
  for (int shift = 24; shift >= 0; shift -= 8) file += char(events.size() >> shift & 0xFF);
  return file + events;
}

// ---- A child process for the tests that need SDL started with another driver ----

// A forked copy of this process would hang in the soundfont loader's thread pool, so the test
// runs again in a fresh run of this program; the environment variable says which half to do.
bool IsChild() { return std::getenv("VELMOR_AUDIO_CHILD") != nullptr; }

// Runs the current test in a child with `environment` added; returns the child's output when
// it failed, empty when it passed.
std::string RunInChild(const std::map<std::string, std::string>& environment) {
  const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string("--gtest_filter=") + test.test_suite_name() + "." + test.name();
  std::vector<std::string> variables{"VELMOR_AUDIO_CHILD=1"};
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
  for (char** v = environ; *v != nullptr; ++v) {
    const std::string variable = *v;
    const std::string name = variable.substr(0, variable.find('='));
    if (!environment.count(name)) variables.push_back(variable);
  }
  std::vector<char*> envp, argv{const_cast<char*>("velmor_audio_tests"), const_cast<char*>(filter.c_str()), nullptr};
  for (std::string& v : variables) envp.push_back(v.data());
  envp.push_back(nullptr);

  int output[2];
  if (::pipe(output) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no fork";
  if (child == 0) {
    ::dup2(output[1], 1);
    ::dup2(output[1], 2);
    ::close(output[0]);
    ::close(output[1]);
    ::execve("/proc/self/exe", argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(output[1]);
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(output[0], buffer, sizeof buffer)) > 0) text.append(buffer, size_t(n));
  ::close(output[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  const bool passed =
      WIFEXITED(status) && WEXITSTATUS(status) == 0 && text.find("[  PASSED  ] 1 test.") != std::string::npos;
  return passed ? std::string() : "the child run failed:\n" + text;
}

// ---- The shipped tunes ----

class ShippedTune : public testing::TestWithParam<std::string> {};

TEST_P(ShippedTune, OpensWithTheFilesLengthOfOneToThreeMinutes) {
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(GetParam(), error)) << error;
  EXPECT_TRUE(audio.IsOpen());
  EXPECT_EQ(audio.Start(), 0);
  EXPECT_EQ(audio.Position(), 0);

  const Timing timing = ReadTiming(GetParam());
  EXPECT_EQ(audio.Length(), timing.endTick);
  const double seconds = timing.Seconds(audio.Start() + audio.Length());
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 180.0);
}

// SDL's disk driver writes what the mixer hands the sound card to a file, here about twenty
// times faster than it plays, so a whole tune can be heard out. (Without any pause between
// buffers the driver's thread would hold the device lock all the time.)
TEST_P(ShippedTune, SitsNearMinus22dBFSWithTheOthersWithoutClipping) {
  if (IsChild()) {
    Audio audio;
    std::string error;
    ASSERT_TRUE(audio.Open(GetParam(), error)) << error;
    audio.Play();
    ASSERT_TRUE(WaitFor([&] { return audio.Position() >= audio.Start() + audio.Length(); }));
    return;
  }
  Scratch scratch;
  const std::string output = scratch.Path("mixer.raw");
  ASSERT_EQ(RunInChild({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", output}, {"SDL_DISKAUDIODELAY", "1"}}), "");

  // 16-bit stereo; the level counts from the first sound to the last, not the silence around.
  std::ifstream in(output, std::ios::binary);
  std::vector<int16_t> samples;
  int16_t s;
  while (in.read(reinterpret_cast<char*>(&s), sizeof s)) samples.push_back(s);
  auto loud = [](int16_t v) { return std::abs(int(v)) > 64; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  ASSERT_LT(first, last) << "no music came out";
  double sum = 0;
  int peak = 0;
  for (auto i = first; i != last; ++i) {
    sum += double(*i) * *i;
    peak = std::max(peak, std::abs(int(*i)));
  }
  const double rmsDb = 10 * std::log10(sum / double(last - first) / (32768.0 * 32768.0));
  const double seconds = double(last - first) / 2 / 44100;
  EXPECT_GT(seconds, 55.0) << "the whole tune came through";
  // Looping at the length read from the file neither cuts the tune short nor waits in silence:
  // the sound spans the file's time, give or take the last notes ringing out.
  const Timing timing = ReadTiming(GetParam());
  EXPECT_NEAR(seconds, timing.Seconds(timing.endTick), 3.0);
  // Every tune at the one level the game mixes the effects against (scripts/sound-levels.sh).
  EXPECT_NEAR(rmsDb, -22.5, 1.0);
  EXPECT_LT(peak, 32767) << "clipped";
}

INSTANTIATE_TEST_SUITE_P(Musics, ShippedTune, testing::ValuesIn(ShippedTunes()), TestName);

TEST(ShippedTunes, AreThere) { EXPECT_GE(ShippedTunes().size(), 1u); }

// ---- Playing ----

TEST(Playback, AdvancesHoldsWhenStoppedOrPausedAndRewindsToTheStart) {
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(ShippedTunes().front(), error)) << error;

  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > 0; }));

  audio.Stop();  // carried out on the music's thread a moment later
  std::this_thread::sleep_for(50ms);
  const long long stopped = audio.Position();
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(audio.Position(), stopped);

  audio.PauseResume();  // resumes from where it stopped
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > stopped; }));
  audio.PauseResume();
  std::this_thread::sleep_for(50ms);
  const long long paused = audio.Position();
  EXPECT_GE(paused, stopped);
  EXPECT_LT(paused, audio.Length());
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(audio.Position(), paused);

  audio.Rewind();
  EXPECT_EQ(audio.Position(), 0);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(audio.Position(), 0) << "a paused tune stays paused when rewound";

  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > 0; }));
}

TEST(Playback, RewindWhilePlayingGoesOnFromTheTop) {
  const std::string tune = ShippedTunes().front();
  const long long oneSecond = 2 * ReadTiming(tune).division;  // at least: no tune here is faster than 120
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(tune, error)) << error;
  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > oneSecond; }));
  audio.Rewind();
  const long long after = audio.Position();
  EXPECT_LT(after, oneSecond);
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > after; }));
}

TEST(Playback, AFinishedTuneStaysAtItsEndUntilRewound) {
  Scratch scratch;
  const std::string tune = scratch.Write("short.mid", ShortTune());
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(tune, error)) << error;
  EXPECT_EQ(audio.Length(), 96);
  const long long end = audio.Start() + audio.Length();

  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() >= end; }));
  std::this_thread::sleep_for(300ms);  // past the player's own wait for the notes to die away
  EXPECT_EQ(audio.Position(), end);
  audio.Play();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(audio.Position(), end) << "playing from the end plays nothing";
  EXPECT_TRUE(audio.IsOpen());

  // What the game does at the end of a tune: rewind and play it again.
  audio.Rewind();
  EXPECT_LT(audio.Position(), end);
  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() >= end; }));
}

TEST(Playback, OpenReplacesTheTuneAndCloseLeavesNothingToPlay) {
  Scratch scratch;
  const std::string shortTune = scratch.Write("short.mid", ShortTune());
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(ShippedTunes().front(), error)) << error;
  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return audio.Position() > 0; }));

  ASSERT_TRUE(audio.Open(shortTune, error)) << error;
  EXPECT_EQ(audio.Length(), 96);
  EXPECT_EQ(audio.Position(), 0);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(audio.Position(), 0) << "a tune just opened waits for Play";

  audio.Close();
  EXPECT_FALSE(audio.IsOpen());
  audio.Play();
  audio.PauseResume();
  audio.Rewind();
  audio.Stop();
  EXPECT_EQ(audio.Length(), 0);
  EXPECT_EQ(audio.Position(), 0);
}

// ---- The music's own thread ----

// The first tune makes the synthesizer and reads its soundfont, tens of milliseconds; the window
// meanwhile changes its mind, and every call answers from what it asked for (how soon is
// bench_music's business).
TEST(MusicThread, CallsReturnAtOnceWhileTheSynthesizerStartsAndTheLastTunePlays) {
  const std::vector<std::string> tunes = ShippedTunes();
  ASSERT_GE(tunes.size(), 2u);
  const std::string& first = tunes.front();
  const std::string& last = tunes.back();
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(first, error)) << error;
  audio.Play();
  audio.PauseResume();
  audio.PauseResume();
  ASSERT_TRUE(audio.Open(last, error)) << error;
  audio.Play();
  EXPECT_TRUE(audio.IsOpen());
  EXPECT_EQ(audio.Length(), ReadTiming(last).endTick);

  ASSERT_TRUE(WaitFor([&] { return audio.Position() > 0; }));
  EXPECT_EQ(audio.Length(), ReadTiming(last).endTick);
  audio.Stop();
  audio.Close();
  EXPECT_FALSE(audio.IsOpen());
  EXPECT_EQ(audio.Position(), 0);
  EXPECT_EQ(audio.Length(), 0);
}

// The window closing while its first tune starts: the player goes at any point of the start
// without a crash and without waiting for more than the soundfont being read.
TEST(MusicThread, ThePlayerCanGoWhileItsMusicStarts) {
  for (const auto delay : {0ms, 1ms, 5ms, 15ms, 40ms}) {
    auto audio = std::make_unique<Audio>();
    std::string error;
    ASSERT_TRUE(audio->Open(ShippedTunes().front(), error)) << error;
    audio->Play();
    std::this_thread::sleep_for(delay);
    const auto start = std::chrono::steady_clock::now();
    audio.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "after " << delay.count() << " ms";
  }
}

// The renderer takes the level up itself, so it holds while the music's thread is still making
// the synthesizer: a tune asked to play silent stays silent through its first quarter, then is
// heard once turned up while it plays. (SDL's disk driver keeps what was played, as above.)
TEST(MusicThread, AVolumeReachesTheSynthesizerWhileItStartsAndWhileItPlays) {
  const std::string tune = ShippedTunes().front();
  const Timing timing = ReadTiming(tune);
  if (IsChild()) {
    Audio audio;
    std::string error;
    ASSERT_TRUE(audio.Open(tune, error)) << error;
    audio.Play();
    audio.SetVolume(0);
    ASSERT_TRUE(WaitFor([&] { return audio.Position() >= timing.endTick / 4; }));
    audio.SetVolume(1);
    ASSERT_TRUE(WaitFor([&] { return audio.Position() >= timing.endTick / 2; }));
    return;
  }
  Scratch scratch;
  const std::string output = scratch.Path("mixer.raw");
  ASSERT_EQ(RunInChild({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", output}, {"SDL_DISKAUDIODELAY", "1"}}), "");

  std::ifstream in(output, std::ios::binary);
  std::vector<int16_t> samples;
  int16_t s;
  while (in.read(reinterpret_cast<char*>(&s), sizeof s)) samples.push_back(s);
  const auto first = std::find_if(samples.begin(), samples.end(), [](int16_t v) { return std::abs(int(v)) > 64; });
  ASSERT_NE(first, samples.end()) << "the music was never heard";
  const double silentSeconds = double(first - samples.begin()) / 2 / 44100;
  EXPECT_GE(silentSeconds, timing.Seconds(timing.endTick / 4) - 0.1);
}

// ---- Sound effects ----

TEST(Effects, EveryShippedEffectPlaysAndCutsOffTheOneBefore) {
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.Open(ShippedTunes().front(), error)) << error;
  audio.Play();
  // Each start halts and frees the effect before it, mid-sound or not.
  for (int round = 0; round < 20; ++round)
    for (const char* name : {"select.wav", "noway.wav", "done.wav"}) {
      EXPECT_TRUE(audio.PlayWave((DataDir / name).string(), error)) << name << ": " << error;
      if (round % 5 == 0) std::this_thread::sleep_for(30ms);
    }
  EXPECT_TRUE(WaitFor([&] { return audio.Position() > 0; })) << "the music plays under the effects";
}

// The first click can come before the sound has started: the effect it asks for is handed to the
// effects' thread, which opens the libraries and a device of its own and plays it whole, sample
// for sample at the volume asked (the mono wave on both sides).
TEST(Effects, AnEffectAskedForBeforeTheSoundStartsIsHeardWholeAtItsVolume) {
  const std::string wave = (DataDir / "select.wav").string();
  if (IsChild()) {
    Audio audio;
    audio.SetEffectsVolume(0.5);
    std::string error;
    ASSERT_TRUE(audio.PlayWave(wave, error)) << error;
    std::this_thread::sleep_for(500ms);  // the disk driver plays many times faster than real time
    return;
  }
  Scratch scratch;
  const std::string output = scratch.Path("effects.raw");
  ASSERT_EQ(RunInChild({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", output}, {"SDL_DISKAUDIODELAY", "1"}}), "");

  std::ifstream file(wave, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  const size_t data = bytes.find("data");
  ASSERT_NE(data, std::string::npos);
  std::vector<int16_t> expected((bytes.size() - data - 8) / 2);
  std::memcpy(expected.data(), bytes.data() + data + 8, expected.size() * 2);
  std::ifstream in(output, std::ios::binary);
  std::vector<int16_t> heard;
  for (int16_t s; in.read(reinterpret_cast<char*>(&s), sizeof s);) heard.push_back(s);
  const auto first = std::find_if(heard.begin(), heard.end(), [](int16_t v) { return v != 0; });
  const auto start = std::find_if(expected.begin(), expected.end(), [](int16_t v) { return v / 2 != 0; });
  ASSERT_NE(start, expected.end());
  ASSERT_GE(heard.end() - first, 2 * (expected.end() - start)) << "the effect was cut short or never heard";
  for (auto e = start, h = first; e != expected.end(); ++e, h += 2) {
    ASSERT_NEAR(h[0], *e / 2, 1) << "at sample " << (e - start);
    ASSERT_EQ(h[0], h[1]) << "at sample " << (e - start);
  }
}

// SDL's dummy driver, like a sound card without a software mixer, takes one stream at a time:
// the effects' device gives way to the music's, and the effects go on over the music.
TEST(Effects, WhereTheDriverTakesOneStreamTheMusicStillStartsAfterAnEffect) {
  Audio audio;
  std::string error;
  ASSERT_TRUE(audio.PlayWave((DataDir / "select.wav").string(), error)) << error;
  std::this_thread::sleep_for(100ms);  // the effects' thread has opened its device
  ASSERT_TRUE(audio.Open(ShippedTunes().front(), error)) << error;
  audio.Play();
  EXPECT_TRUE(WaitFor([&] { return audio.Position() > 0; }));
  EXPECT_FALSE(audio.NoDevice());
  EXPECT_TRUE(audio.PlayWave((DataDir / "done.wav").string(), error)) << error;
}

// ---- Files that cannot be played ----

TEST(BadFiles, TunesFailWithAReasonAndLeaveNothingOpen) {
  Scratch scratch;
  std::string truncated = ShortTune();
  truncated.resize(truncated.size() - 6);
  const std::map<std::string, std::string> files = {
      {"missing", scratch.Path("missing.mid")},
      {"empty", scratch.Write("empty.mid", "")},
      {"garbage", scratch.Write("garbage.mid", std::string(3000, '\x5A'))},
      {"truncated", scratch.Write("truncated.mid", truncated)},
      {"header only", scratch.Write("header.mid", ShortTune().substr(0, 14))},
  };
  Audio audio;
  for (const auto& [what, path] : files) {
    std::string error;
    ASSERT_TRUE(audio.Open(ShippedTunes().front(), error)) << error;
    error.clear();
    EXPECT_FALSE(audio.Open(path, error)) << what;
    EXPECT_NE(error.find(path), std::string::npos) << what << ": " << error;
    EXPECT_FALSE(audio.IsOpen()) << what;
    EXPECT_EQ(audio.Length(), 0) << what;
    audio.Play();
    EXPECT_EQ(audio.Position(), 0) << what;
  }
  std::string error;
  EXPECT_TRUE(audio.Open(ShippedTunes().back(), error)) << "a good tune still opens: " << error;
}

TEST(BadFiles, WavesFailWithAReason) {
  Scratch scratch;
  const std::map<std::string, std::string> files = {
      {"missing", scratch.Path("missing.wav")},
      {"empty", scratch.Write("empty.wav", "")},
      {"garbage", scratch.Write("garbage.wav", std::string(5000, '\x33'))},
      {"a tune", (DataDir / "Musics" / fs::path(ShippedTunes().front()).filename()).string()},
  };
  Audio audio;
  for (const auto& [what, path] : files) {
    std::string error;
    EXPECT_FALSE(audio.PlayWave(path, error)) << what;
    EXPECT_NE(error.find(path), std::string::npos) << what << ": " << error;
  }
  std::string error;
  EXPECT_TRUE(audio.PlayWave((DataDir / "select.wav").string(), error)) << error;
}

// ---- The small soundfont beside the tunes ----

const std::string TuneFont = (DataDir / "velmor.sf2").string();

// Plays `tune` until it is heard and answers the soundfont it came from.
std::string FontPlaying(Audio& audio, const std::string& tune) {
  std::string error;
  EXPECT_TRUE(audio.Open(tune, error)) << tune << ": " << error;
  audio.Play();
  EXPECT_TRUE(WaitFor([&] { return audio.Position() > 0; })) << tune;
  return audio.SoundFont();
}

TEST(SoundFonts, ShippedTunesPlayFromTheSmallFontAndOthersFromTheWholeOne) {
  Scratch scratch;
  Audio audio(Audio::DefaultSoundFont, TuneFont);
  for (const std::string& tune : ShippedTunes()) EXPECT_EQ(FontPlaying(audio, tune), TuneFont) << tune;
  // A program the shipped tunes never choose, and a drum they never strike: the whole font.
  EXPECT_EQ(FontPlaying(audio, scratch.Write("piano.mid", ShortTune())), Audio::DefaultSoundFont);
  EXPECT_EQ(FontPlaying(audio, ShippedTunes().front()), TuneFont);
  EXPECT_EQ(FontPlaying(audio, scratch.Write("kick.mid", ShortTune(9, 0, 36))), Audio::DefaultSoundFont);
}

TEST(SoundFonts, AMissingOrUnreadableSmallFontLeavesEveryTuneToTheWholeOne) {
  Scratch scratch;
  const std::string broken = scratch.Write("broken.sf2", std::string("RIFF\xFF\0\0\0sfbkLIST", 16));
  for (const std::string& small : {scratch.Path("none.sf2"), broken}) {
    Audio audio(Audio::DefaultSoundFont, small);
    EXPECT_EQ(FontPlaying(audio, ShippedTunes().back()), Audio::DefaultSoundFont) << small;
  }
}

TEST(SoundFonts, WithoutTheWholeFontOnlyTheTunesTheSmallOneHoldsPlay) {
  Scratch scratch;
  Audio audio("/nowhere/gm.sf2", TuneFont);
  EXPECT_EQ(FontPlaying(audio, ShippedTunes().front()), TuneFont);
  const std::string piano = scratch.Write("piano.mid", ShortTune());
  std::string error;
  ASSERT_TRUE(audio.Open(piano, error)) << "the music's thread finds out";
  audio.Play();
  ASSERT_TRUE(WaitFor([&] { return !audio.IsOpen(); }));
  EXPECT_FALSE(audio.Open(piano, error));
  EXPECT_EQ(error, "no General MIDI soundfont found at /nowhere/gm.sf2");
  EXPECT_EQ(FontPlaying(audio, ShippedTunes().front()), TuneFont);
}

// ---- Without a soundfont or without a device ----

TEST(Degraded, WithoutTheSoundFontMusicFailsOnceExplainedAndEffectsStillPlay) {
  Audio audio("/nowhere/gm.sf2");
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string error;
    EXPECT_FALSE(audio.Open(ShippedTunes().front(), error));
    EXPECT_EQ(error, "no General MIDI soundfont found at /nowhere/gm.sf2");
  }
  EXPECT_FALSE(audio.IsOpen());
  audio.Play();
  EXPECT_EQ(audio.Position(), 0);
  std::string error;
  EXPECT_TRUE(audio.PlayWave((DataDir / "done.wav").string(), error)) << error;
}

TEST(Degraded, WithoutADeviceEveryCallIsANoOpAndOneLineSaysSo) {
  if (!IsChild()) {
    EXPECT_EQ(RunInChild({{"SDL_AUDIODRIVER", "nonexistent"}}), "");
    return;
  }
  Scratch scratch;
  const std::string log = scratch.Path("stderr.txt");
  ASSERT_NE(std::freopen(log.c_str(), "w", stderr), nullptr);
  {
    // Getting ready starts the sound on the music's thread (the libraries and SDL's audio) but
    // opens no device, as an open one would keep SDL's thread waking; here it finds there is none.
    Audio prepared;
    EXPECT_FALSE(Audio::LibrariesOpen());
    prepared.Prepare();
    ASSERT_TRUE(WaitFor([&] { return prepared.NoDevice(); }));
    EXPECT_TRUE(Audio::LibrariesOpen());
  }
  {
    Audio audio;
    // The music's thread finds the device missing after Open has said yes.
    std::string error;
    audio.Open(ShippedTunes().front(), error);
    audio.Play();
    ASSERT_TRUE(WaitFor([&] { return audio.NoDevice(); }));
    EXPECT_FALSE(audio.IsOpen());
    for (int round = 0; round < 3; ++round) {
      std::string error;
      EXPECT_TRUE(audio.PlayWave((DataDir / "select.wav").string(), error)) << error;
      EXPECT_TRUE(audio.PlayWave("/nowhere/x.wav", error)) << "looked for the file";
      EXPECT_FALSE(audio.Open(ShippedTunes().front(), error));
      EXPECT_EQ(error.find("no sound device"), 0u) << error;
      audio.Play();
      audio.PauseResume();
      audio.Stop();
      audio.Rewind();
      EXPECT_FALSE(audio.IsOpen());
      EXPECT_EQ(audio.Length(), 0);
      EXPECT_EQ(audio.Position(), 0);
      audio.Close();
    }
  }
  std::fflush(stderr);
  std::ifstream in(log);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  EXPECT_EQ(lines, 2) << "one for each of the two players";
}

}  // namespace
}  // namespace velmor
