#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace velmor {

namespace {

constexpr int MixerRate = 44100;
constexpr int MixerChunkFrames = 1024;  // about 23 ms: a click's effect still feels immediate
constexpr int EffectChannel = 0;

// The tunes come out of this soundfont at about -35 dBFS RMS at FluidSynth's default gain of
// 0.2. This lifts them by 15 dB, to about -20 dBFS; the loudest peak then sits near -1 dBFS.
constexpr double MusicGain = 1.1;

// FluidSynth reports through a global log. Its complaints about a tune or a soundfont become
// the reason Open gives, instead of lines on standard error; the calls that load tunes and
// soundfonts run on the caller's thread, so a thread-local keeps them apart from the mixer's.
thread_local std::string lastFluidError;

void KeepFluidError(int level, const char* message, void*) {
  if (level <= FLUID_ERR && message != nullptr) lastFluidError = message;
}

void RouteFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, KeepFluidError, nullptr);
    fluid_set_log_function(FLUID_ERR, KeepFluidError, nullptr);
    fluid_set_log_function(FLUID_WARN, KeepFluidError, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
  });
}

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  bytes.clear();
  unsigned char buffer[16384];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    error = "cannot read " + path;
    return false;
  }
  if (bytes.empty()) {
    error = path + " is empty";
    return false;
  }
  return true;
}

int IgnoreEvent(void*, fluid_midi_event_t*) { return FLUID_OK; }

}  // namespace

struct Audio::Impl {
  std::string soundFont;

  enum class Device { Untried, Ready, Missing } device = Device::Untried;
  std::string deviceProblem;
  int rate = MixerRate;
  Mix_Chunk* effect = nullptr;  // the last effect started; freed when the next one replaces it

  // The synthesizer is rendered on SDL's audio thread, inside MixMusic: everything that touches
  // the synth or the player holds this lock.
  mutable std::mutex lock;
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  std::string soundFontProblem;  // set once loading failed, so it is not tried again per tune
  fluid_player_t* player = nullptr;
  std::vector<unsigned char> tune;  // kept to start the tune afresh on Rewind
  long long length = 0;
  bool playing = false;

  // A synthesizer that never sounds, for reading a tune's length before it plays.
  fluid_settings_t* probeSettings = nullptr;
  fluid_synth_t* probeSynth = nullptr;

  ~Impl();
  bool EnsureDevice();
  bool EnsureSynth(std::string& error);
  long long MeasureTune(std::string& error);
  fluid_player_t* NewPlayer();
  void DropPlayer();
  long long PositionLocked() const;
  void PlayLocked();
  void StopLocked();

  static void SDLCALL MixMusic(void* data, Uint8* stream, int bytes);
};

Audio::Impl::~Impl() {
  if (device == Device::Ready) {
    Mix_HookMusic(nullptr, nullptr);  // returns once the mixer thread is out of MixMusic
    Mix_HaltChannel(-1);
    if (effect != nullptr) Mix_FreeChunk(effect);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  if (player != nullptr) delete_fluid_player(player);
  if (synth != nullptr) delete_fluid_synth(synth);
  if (settings != nullptr) delete_fluid_settings(settings);
  if (probeSynth != nullptr) delete_fluid_synth(probeSynth);
  if (probeSettings != nullptr) delete_fluid_settings(probeSettings);
}

bool Audio::Impl::EnsureDevice() {
  if (device != Device::Untried) return device == Device::Ready;
  device = Device::Missing;
  // The game's window belongs to Qt; SDL is here for the sound only.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Velmor");  // the name in the desktop's mixer
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    deviceProblem = SDL_GetError();
  } else if (Mix_OpenAudioDevice(MixerRate, AUDIO_S16SYS, 2, MixerChunkFrames, nullptr, 0) != 0) {
    // No format changes allowed: SDL converts for the hardware, so MixMusic always writes
    // interleaved 16-bit stereo.
    deviceProblem = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  } else {
    device = Device::Ready;
    Mix_AllocateChannels(1);
    Uint16 format;
    int channels;
    Mix_QuerySpec(&rate, &format, &channels);
    return true;
  }
  std::fprintf(stderr, "velmor: no sound device, playing silently (%s)\n", deviceProblem.c_str());
  return false;
}

bool Audio::Impl::EnsureSynth(std::string& error) {
  if (synth != nullptr) return true;
  if (!soundFontProblem.empty()) {
    error = soundFontProblem;
    return false;
  }
  RouteFluidLog();
  if (std::FILE* file = std::fopen(soundFont.c_str(), "rb")) {
    std::fclose(file);
  } else {
    soundFontProblem = "no General MIDI soundfont found at " + soundFont;
    error = soundFontProblem;
    return false;
  }

  settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", rate);
  fluid_settings_setnum(settings, "synth.gain", MusicGain);
  // Let the last notes ring out instead of silencing the synth the moment a tune ends.
  fluid_settings_setint(settings, "player.reset-synth", 0);
  // Only the instruments a tune asks for are read into memory, not the whole soundfont.
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* made = new_fluid_synth(settings);
  lastFluidError.clear();
  if (made == nullptr || fluid_synth_sfload(made, soundFont.c_str(), 1) == FLUID_FAILED) {
    soundFontProblem =
        "cannot load the soundfont " + soundFont + (lastFluidError.empty() ? std::string() : ": " + lastFluidError);
    if (made != nullptr) delete_fluid_synth(made);
    error = soundFontProblem;
    return false;
  }

  probeSettings = new_fluid_settings();
  fluid_settings_setint(probeSettings, "synth.reverb.active", 0);
  fluid_settings_setint(probeSettings, "synth.chorus.active", 0);
  fluid_settings_setint(probeSettings, "player.reset-synth", 0);
  probeSynth = new_fluid_synth(probeSettings);

  {
    std::lock_guard guard(lock);
    synth = made;
  }
  Mix_HookMusic(MixMusic, this);
  return true;
}

// FluidSynth reads a tune only once its player runs, on the thread that renders. A silent
// player on the probe synth, run for one block, gives the length right away and refuses the
// same files the real player would.
long long Audio::Impl::MeasureTune(std::string& error) {
  if (probeSynth == nullptr) {
    error = "the synthesizer could not be started";
    return 0;
  }
  lastFluidError.clear();
  fluid_player_t* probe = new_fluid_player(probeSynth);
  if (probe == nullptr) {
    error = "the synthesizer could not be started";
    return 0;
  }
  fluid_player_set_playback_callback(probe, IgnoreEvent, nullptr);
  fluid_player_add_mem(probe, tune.data(), tune.size());
  fluid_player_play(probe);
  float left[64], right[64];
  fluid_synth_write_float(probeSynth, 64, left, 0, 1, right, 0, 1);
  const long long ticks = fluid_player_get_total_ticks(probe);
  delete_fluid_player(probe);
  if (ticks <= 0) error = lastFluidError.empty() ? "there is nothing to play in it" : lastFluidError;
  return ticks;
}

fluid_player_t* Audio::Impl::NewPlayer() {
  fluid_player_t* made = new_fluid_player(synth);
  if (made != nullptr && fluid_player_add_mem(made, tune.data(), tune.size()) != FLUID_OK) {
    delete_fluid_player(made);
    made = nullptr;
  }
  return made;
}

void Audio::Impl::DropPlayer() {
  if (player == nullptr) return;
  delete_fluid_player(player);
  player = nullptr;
  fluid_synth_all_notes_off(synth, -1);
}

long long Audio::Impl::PositionLocked() const {
  if (player == nullptr) return 0;
  // The player keeps counting for a moment after the last event while the notes die away.
  return std::clamp<long long>(fluid_player_get_current_tick(player), 0, length);
}

void Audio::Impl::PlayLocked() {
  if (player == nullptr) return;
  playing = true;
  // A tune played to its end stays there until Rewind: a stopped, finished FluidSynth player
  // has forgotten its file and cannot seek.
  if (PositionLocked() >= length) return;
  fluid_player_play(player);
}

void Audio::Impl::StopLocked() {
  if (player == nullptr) return;
  playing = false;
  fluid_player_stop(player);  // keeps the tick: the next play seeks back to it
}

void SDLCALL Audio::Impl::MixMusic(void* data, Uint8* stream, int bytes) {
  Impl& self = *static_cast<Impl*>(data);
  std::lock_guard guard(self.lock);
  fluid_synth_write_s16(self.synth, bytes / 4, stream, 0, 2, stream, 1, 2);
}

Audio::Audio(std::string soundFont) : impl_(std::make_unique<Impl>()) { impl_->soundFont = std::move(soundFont); }

Audio::~Audio() = default;

bool Audio::Open(const std::string& path, std::string& error) {
  Close();
  Impl& m = *impl_;
  if (!m.EnsureDevice()) {
    error = "no sound device (" + m.deviceProblem + ")";
    return false;
  }
  if (!m.EnsureSynth(error)) return false;

  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) {
    error = path + " is not a MIDI file";
    return false;
  }
  m.tune = std::move(bytes);
  const long long length = m.MeasureTune(error);
  if (length <= 0) {
    error = path + ": " + error;
    m.tune.clear();
    return false;
  }

  std::lock_guard guard(m.lock);
  // A fresh start for the new tune's instruments and controllers.
  fluid_synth_system_reset(m.synth);
  m.player = m.NewPlayer();
  if (m.player == nullptr) {
    error = path + ": the synthesizer could not take it";
    m.tune.clear();
    return false;
  }
  m.length = length;
  m.playing = false;
  return true;
}

void Audio::Close() {
  Impl& m = *impl_;
  std::lock_guard guard(m.lock);
  m.DropPlayer();
  m.tune.clear();
  m.length = 0;
  m.playing = false;
}

bool Audio::IsOpen() const {
  std::lock_guard guard(impl_->lock);
  return impl_->player != nullptr;
}

void Audio::Play() {
  std::lock_guard guard(impl_->lock);
  impl_->PlayLocked();
}

void Audio::Stop() {
  std::lock_guard guard(impl_->lock);
  impl_->StopLocked();
}

void Audio::PauseResume() {
  std::lock_guard guard(impl_->lock);
  if (impl_->playing)
    impl_->StopLocked();
  else
    impl_->PlayLocked();
}

void Audio::Rewind() {
  Impl& m = *impl_;
  std::lock_guard guard(m.lock);
  if (m.player == nullptr) return;
  // A new player rather than a seek: it works the same whether the tune is playing, paused,
  // or finished (see PlayLocked).
  const bool wasPlaying = m.playing;
  m.DropPlayer();
  m.player = m.NewPlayer();
  m.playing = false;
  if (m.player == nullptr) {
    m.tune.clear();
    m.length = 0;
  } else if (wasPlaying) {
    m.PlayLocked();
  }
}

long long Audio::Start() const { return 0; }

long long Audio::Length() const {
  std::lock_guard guard(impl_->lock);
  return impl_->length;
}

long long Audio::Position() const {
  std::lock_guard guard(impl_->lock);
  return impl_->PositionLocked();
}

bool Audio::PlayWave(const std::string& path, std::string& error) {
  Impl& m = *impl_;
  if (!m.EnsureDevice()) return true;  // a silent game: the missing device was reported once

  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  // The mixer would also decode a tune or a compressed sound, taking seconds over it.
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    error = path + " is not a wave file";
    return false;
  }
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
  if (chunk == nullptr) {
    error = path + ": " + Mix_GetError();
    return false;
  }
  // Starting on the one effect channel halts the effect there, so the chunk it played is free.
  if (Mix_PlayChannel(EffectChannel, chunk, 0) < 0) {
    error = path + ": " + Mix_GetError();
    Mix_FreeChunk(chunk);
    return false;
  }
  if (m.effect != nullptr) Mix_FreeChunk(m.effect);
  m.effect = chunk;
  return true;
}

bool Audio::NoDevice() const { return impl_->device == Impl::Device::Missing; }

}  // namespace velmor
