// The sound effects: one wave at a time on the mixer's one channel, on top of the music.
#include <cmath>
#include <cstring>

#include "platform/AudioImpl.h"

namespace velmor {

bool Audio::PlayWave(const std::string& path, std::string& error) {
  Impl& m = *impl_;
  // While the music's thread opens the device (the libraries, the sound server), the effect is
  // handed to it rather than keeping the click that asked for it waiting.
  const bool handOver = m.device == Impl::Untried && m.opening;
  if (!handOver && !m.EnsureDevice()) return true;  // a silent game: the missing device was reported once

  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  // The mixer would also decode a tune or a compressed sound, taking seconds over it.
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    error = path + " is not a wave file";
    return false;
  }
  if (handOver) {
    Impl::Command effect{Impl::Command::Effect};
    effect.path = path;
    effect.tune = std::move(bytes);
    m.Send(std::move(effect));
    return true;
  }
  return m.PlayEffect(bytes, path, error);
}

bool Audio::Impl::PlayEffect(const std::vector<unsigned char>& wave, const std::string& path, std::string& error) {
  std::lock_guard guard(effectLock);
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
  if (chunk == nullptr) {
    error = path + ": " + Mix_GetError();
    return false;
  }
  Mix_Volume(EffectChannel, effectsVolume);
  // Starting on the one effect channel halts the effect there, so the chunk it played is free.
  if (Mix_PlayChannel(EffectChannel, chunk, 0) < 0) {
    error = path + ": " + Mix_GetError();
    Mix_FreeChunk(chunk);
    return false;
  }
  if (effect != nullptr) Mix_FreeChunk(effect);
  effect = chunk;
  return true;
}

void Audio::SetEffectsVolume(double volume) {
  impl_->effectsVolume = int(std::lround(std::clamp(volume, 0.0, 1.0) * MIX_MAX_VOLUME));
}

}  // namespace velmor
