// The sound system and the music's device: opened by whichever thread wants a sound first, and
// closed with the rest.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/AudioImpl.h"

namespace velmor {

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

Audio::Impl::~Impl() {
  StopEffects();
  {
    std::lock_guard guard(queueLock);
    quitting = true;
    queue.clear();
  }
  wake.notify_one();
  // A soundfont being read cannot be interrupted; the wait is at most that load.
  if (worker.joinable()) worker.join();
  if (musicDeviceOpen) {
    Mix_HookMusic(nullptr, nullptr);  // returns once the mixer thread is out of MixMusic
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
  }
  for (auto& [path, sound] : decoded)
    if (sound.chunk != nullptr) Mix_FreeChunk(sound.chunk);
  if (systemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (player != nullptr) delete_fluid_player(player);
  if (synth != nullptr) delete_fluid_synth(synth);
  if (settings != nullptr) delete_fluid_settings(settings);
}

// The game goes silent for good, said once on standard error.
// Called under `deviceLock`, so the problem is written once, before `device` says Missing.
void Audio::Impl::NoSound(const std::string& problem) {
  if (device == Missing) return;
  deviceProblem = problem;
  device = Missing;
  std::fprintf(stderr, "velmor: no sound device, playing silently (%s)\n", problem.c_str());
}

bool Audio::Impl::EnsureSystem() {
  if (const int known = device.load(); known != Untried) return known == Ready;
  std::lock_guard guard(deviceLock);
  if (device != Untried) return device == Ready;
  // The libraries are opened here, by whichever thread wants a sound first; the window's start
  // never waits for them.
  std::string problem;
  if (OpenSoundLibraries(problem)) {
    // The game's window belongs to Qt; SDL is here for the sound only.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Velmor");  // the name in the desktop's mixer
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
      systemStarted = true;
      device = Ready;
      return true;
    }
    problem = SDL_GetError();
  }
  NoSound(problem);
  return false;
}

// On the music's thread (or the window's, to say at once that there is no device to play on).
bool Audio::Impl::EnsureMusicDevice() {
  if (!EnsureSystem()) return false;
  std::lock_guard guard(deviceLock);
  if (musicDeviceOpen) return true;
  if (device != Ready) return false;
  // No format changes allowed: SDL converts for the hardware, so MixMusic always writes
  // interleaved 16-bit stereo.
  const auto open = [] { return Mix_OpenAudioDevice(MixerRate, AUDIO_S16SYS, 2, MusicChunkFrames, nullptr, 0) == 0; };
  if (!open()) {
    const std::string problem = Mix_GetError();
    // A driver that takes one stream: the effects give theirs up and play on the music's.
    const bool shared = effectsDevice != 0;
    if (shared) {
      SDL_CloseAudioDevice(effectsDevice);
      effectsDevice = 0;
      effectsShareMusic = true;
    }
    if (!shared || !open()) {
      NoSound(problem);
      return false;
    }
  }
  Mix_AllocateChannels(1);  // for the effects, should they have to share this device
  Uint16 format;
  int channels;
  Mix_QuerySpec(&rate, &format, &channels);
  musicDeviceOpen = true;
  return true;
}

Audio::Audio(std::string soundFont, std::string tuneFont) : impl_(std::make_unique<Impl>()) {
  impl_->soundFont = std::move(soundFont);
  impl_->tuneFont = std::move(tuneFont);
}

Audio::~Audio() = default;

bool Audio::LibrariesOpen() { return SoundLibrariesOpen(); }

void Audio::Prepare() {
  if (impl_->device == Impl::Untried) impl_->Send({Impl::Command::Prepare});
}

bool Audio::NoDevice() const { return impl_->device == Impl::Missing; }

}  // namespace velmor
