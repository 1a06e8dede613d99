// What the three parts of the sound share: the sound system and the music's device
// (AudioDevice.cpp), the music's thread (AudioMusic.cpp) and the effects with their own device
// and thread (AudioEffects.cpp). Only they include it.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/SoundFontKeys.h"
#include "platform/Audio.h"
#include "platform/SoundLibraries.h"

namespace velmor {

inline constexpr int MixerRate = 44100;
// An open device wakes its thread every period, sounding or not. The music needs no quick answer,
// so it takes long periods (about 93 ms); the effects have a device of their own with short ones
// (about 12 ms, so that a click is heard at once), open while the player is clicking: a sound
// server can take long to start a new stream (up to a second, seen with an idle null sink), so
// it is kept for the pauses between moves and closed only after ten quiet seconds.
inline constexpr int MusicChunkFrames = 4096;
inline constexpr int MusicRenderFrames = 1024;  // what the synthesizer is asked for at a time
inline constexpr int EffectChunkFrames = 512;
inline constexpr auto EffectsDeviceKept = std::chrono::seconds(10);
inline constexpr int EffectChannel = 0;  // on the music's device, where the effects must share it

// The tunes are made to come out of this soundfont equally loud, about -39.5 dBFS RMS at
// FluidSynth's default gain of 0.2. This lifts them by 17 dB, to about -22.5 dBFS: some 3 dB
// under the sound effects, with the loudest peak near -3.5 dBFS (scripts/sound-levels.sh).
inline constexpr double MusicGain = 1.4;

// Reads a tune or an effect whole; false with the reason for a missing, unreadable or empty file.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error);

// The window asks for the position many times a second while the synthesizer renders on SDL's
// thread: the renderer publishes it in one word, with the number of the tune (and rewind) it
// belongs to, so a question never waits for a block being rendered.
inline constexpr int TickBits = 40;
inline constexpr uint64_t TickMask = (uint64_t{1} << TickBits) - 1;
inline constexpr uint32_t GenerationMask = (1u << (64 - TickBits)) - 1;

inline uint64_t Pack(uint32_t generation, long long tick) {
  return uint64_t(generation & GenerationMask) << TickBits | (uint64_t(std::max(tick, 0LL)) & TickMask);
}

// SDL keeps per-thread state (its error text) for threads it did not start; the sound's own
// threads free it as they end.
struct SdlThreadCleanup {
  SdlThreadCleanup() = default;
  SdlThreadCleanup(const SdlThreadCleanup&) = delete;
  SdlThreadCleanup& operator=(const SdlThreadCleanup&) = delete;
  ~SdlThreadCleanup() {
    if (SoundLibrariesOpen()) SDL_TLSCleanup();
  }
};

struct Audio::Impl {
  std::string soundFont;
  std::string tuneFont;  // empty: every tune plays from `soundFont`

  // ---- The sound system (the libraries and SDL's audio), started by whichever thread needs a
  // sound first: the music's or the effects'. `deviceLock` also keeps their devices' opens and
  // closes apart, which SDL does not.
  enum Device { Untried, Ready, Missing };
  std::mutex deviceLock;
  std::atomic<int> device{Untried};
  std::string deviceProblem;   // written before `device` turns Missing
  bool systemStarted = false;  // SDL's audio, to be stopped at the end
  bool musicDeviceOpen = false;
  int rate = MixerRate;

  // ---- The effects: the window hands over the latest one and never waits for the device ----
  struct Effect {
    std::string path;
    std::shared_ptr<const std::vector<unsigned char>> wave;  // the file, read and checked
  };
  std::map<std::string, std::shared_ptr<const std::vector<unsigned char>>> waves;  // the window's
  std::atomic<int> effectsVolume{MIX_MAX_VOLUME};
  std::thread effectsWorker;
  std::mutex effectsLock;  // guards the three below
  std::condition_variable effectsWake;
  std::optional<Effect> nextEffect;  // only the latest: an effect cuts off the one before
  bool effectsQuitting = false;
  // Under `deviceLock`: the effects' own device, and whether they play on the music's instead.
  // Some drivers (SDL's dummy and disk writers, a sound card without a software mixer) take one
  // stream at a time; there the effects share the music's device, on a mixer channel.
  std::atomic<SDL_AudioDeviceID> effectsDevice{0};
  bool effectsShareMusic = false;
  // The effects' thread's own.
  std::chrono::steady_clock::time_point effectsQuietAt;  // when the open device may close
  struct Decoded {
    std::vector<Uint8> pcm;      // at the devices' format; empty: undecodable
    Mix_Chunk* chunk = nullptr;  // the same samples for the music's mixer, made when first needed
  };
  std::map<std::string, Decoded> decoded;

  // ---- The music's thread: it alone creates the synthesizer and hands it tunes ----
  // A tune's start (the synthesizer, its soundfont, the player) takes tens of milliseconds; the
  // window only queues what it wants and reads what this thread and the renderer publish.
  struct Command {
    enum Kind { Prepare, Open, Close, Play, Stop, Rewind } kind = Prepare;
    uint32_t generation = 0;
    std::string path;
    std::vector<unsigned char> tune;
    long long length = 0;

    Command() = default;
    Command(Kind what, uint32_t of = 0) : kind(what), generation(of) {}  // NOLINT: Send({Command::Stop})
  };
  std::thread worker;
  std::mutex queueLock;
  std::condition_variable wake;
  std::deque<Command> queue;
  bool quitting = false;

  // Everything below is the worker's, shared with the renderer (MixMusic) under `synthLock`.
  std::mutex synthLock;
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  std::vector<unsigned char> tune;  // kept to start the tune afresh on Rewind
  long long length = 0;
  bool playing = false;
  std::string loadedFont;  // the font `synth` holds
  // What the small font can play, read when the first tune comes; `tuneFontUsable` turns false
  // for good when it cannot be read or loaded.
  bool tuneFontRead = false, tuneFontUsable = true;
  SoundFontKeys tuneFontKeys;
  uint32_t playerGeneration = 0;      // of the open or rewind the player was made for
  uint32_t openGeneration = 0;        // of the open that brought the tune
  float appliedGain = MusicGain;      // what the synthesizer was last told
  std::atomic<float> musicVolume{1};  // the window's wish, taken up by the renderer

  // What the worker and the renderer publish for the window.
  std::atomic<uint64_t> published{0};    // Pack(generation, tick)
  std::atomic<uint32_t> failedOpen{0};   // an open the worker could not carry out
  std::mutex problemLock;                // guards the two strings below
  std::string soundFontProblem;          // the whole font's: once set, it is not tried again
  std::string publishedFont;             // `loadedFont` as the window may read it
  std::string failedPath, failedReason;  // why `failedOpen` failed

  // ---- The window's view: what it asked for, so every answer is immediate ----
  uint32_t generation = 0;  // counts opens, closes and rewinds
  uint32_t viewOpen = 0;    // generation of the open tune, 0 for none
  long long viewLength = 0;
  bool viewPlaying = false;
  bool soundFontChecked = false;

  ~Impl();
  bool EnsureSystem();
  bool EnsureMusicDevice();
  void NoSound(const std::string& problem);
  void RunEffects();
  void StartEffect(const Effect& effect);
  bool QueueEffect(Decoded& sound);
  void CloseEffectsDevice();
  void StopEffects();
  const std::string& FontFor(const std::vector<unsigned char>& tune);
  bool UseFont(const std::string& font, std::string& error);
  void Send(Command command);
  void Work();
  void Run(Command& command);
  void Fail(const Command& command, const std::string& reason);
  fluid_player_t* NewPlayer();
  void DropPlayer();
  long long PositionLocked() const;
  void Publish() { published.store(Pack(playerGeneration, PositionLocked()), std::memory_order_release); }
  void PlayLocked();
  void StopLocked();
  bool ViewOpen() const {
    return viewOpen != 0 && device.load() != Missing && failedOpen.load(std::memory_order_acquire) != viewOpen;
  }

  static void SDLCALL MixMusic(void* data, Uint8* stream, int bytes);
};

}  // namespace velmor
