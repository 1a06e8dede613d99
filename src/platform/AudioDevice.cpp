// The sound device: opened by whichever thread wants a sound first, and closed with the rest.
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
  {
    std::lock_guard guard(queueLock);
    quitting = true;
    queue.clear();
  }
  wake.notify_one();
  // A soundfont being read cannot be interrupted; the wait is at most that load.
  if (worker.joinable()) worker.join();
  if (device == Ready) {
    Mix_HookMusic(nullptr, nullptr);  // returns once the mixer thread is out of MixMusic
    Mix_HaltChannel(-1);
    if (effect != nullptr) Mix_FreeChunk(effect);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  if (player != nullptr) delete_fluid_player(player);
  if (synth != nullptr) delete_fluid_synth(synth);
  if (settings != nullptr) delete_fluid_settings(settings);
}

bool Audio::Impl::EnsureDevice() {
  if (const int known = device.load(); known != Untried) return known == Ready;
  std::lock_guard guard(deviceLock);
  if (device != Untried) return device == Ready;
  opening = true;
  struct Opened {
    std::atomic<bool>& flag;
    ~Opened() { flag = false; }
  } opened{opening};
  // The libraries are opened here, by whichever thread wants a sound first; the window's start
  // never waits for them.
  if (OpenSoundLibraries(deviceProblem)) {
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
      Mix_AllocateChannels(1);
      Uint16 format;
      int channels;
      Mix_QuerySpec(&rate, &format, &channels);
      device = Ready;
      return true;
    }
  }
  device = Missing;
  std::fprintf(stderr, "velmor: no sound device, playing silently (%s)\n", deviceProblem.c_str());
  return false;
}

Audio::Audio(std::string soundFont, std::string tuneFont) : impl_(std::make_unique<Impl>()) {
  impl_->soundFont = std::move(soundFont);
  impl_->tuneFont = std::move(tuneFont);
}

Audio::~Audio() = default;

bool Audio::LibrariesOpen() { return SoundLibrariesOpen(); }

void Audio::Prepare() {
  if (impl_->device == Impl::Untried && !SoundLibrariesOpen()) impl_->Send({Impl::Command::Prepare});
}

bool Audio::NoDevice() const { return impl_->device == Impl::Missing; }

}  // namespace velmor
