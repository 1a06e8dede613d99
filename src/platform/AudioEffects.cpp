// The sound effects: one wave at a time, on a device and a thread of their own. The window only
// hands the wave over: opening the device, decoding and queueing never hold up a click, and the
// music's long periods never delay an effect.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/AudioImpl.h"

namespace velmor {

bool Audio::PlayWave(const std::string& path, std::string& error) {
  Impl& m = *impl_;
  if (m.device == Impl::Missing) return true;  // a silent game: the missing device was reported once

  // The game plays the same few effects all along: each file is read and checked once.
  auto& wave = m.waves[path];
  if (wave == nullptr) {
    auto bytes = std::make_shared<std::vector<unsigned char>>();
    if (!ReadWholeFile(path, *bytes, error)) return false;
    // SDL would also try to read a tune or a compressed sound as a wave.
    if (bytes->size() < 12 || std::memcmp(bytes->data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes->data() + 8, "WAVE", 4) != 0) {
      error = path + " is not a wave file";
      return false;
    }
    wave = std::move(bytes);
  }
  {
    std::lock_guard guard(m.effectsLock);
    m.nextEffect = Impl::Effect{path, wave};
  }
  if (!m.effectsWorker.joinable())
    m.effectsWorker = std::thread([&m] { m.RunEffects(); });
  else
    m.effectsWake.notify_one();
  return true;
}

void Audio::SetEffectsVolume(double volume) {
  impl_->effectsVolume = int(std::lround(std::clamp(volume, 0.0, 1.0) * MIX_MAX_VOLUME));
}

void Audio::Impl::StopEffects() {
  {
    std::lock_guard guard(effectsLock);
    effectsQuitting = true;
  }
  effectsWake.notify_one();
  if (effectsWorker.joinable()) effectsWorker.join();
  CloseEffectsDevice();
}

void Audio::Impl::RunEffects() {
  SdlThreadCleanup cleanup;
  std::unique_lock guard(effectsLock);
  const auto asked = [this] { return effectsQuitting || nextEffect.has_value(); };
  for (;;) {
    if (effectsDevice == 0) {
      effectsWake.wait(guard, asked);
    } else if (!effectsWake.wait_until(guard, effectsQuietAt, asked)) {
      // Quiet for a while: a closed device lets SDL's thread sleep.
      guard.unlock();
      CloseEffectsDevice();
      guard.lock();
      continue;
    }
    if (effectsQuitting) return;
    Effect effect = std::move(*nextEffect);
    nextEffect.reset();
    guard.unlock();
    StartEffect(effect);
    guard.lock();
  }
}

namespace {

// The wave at the effects device's format (16-bit stereo at the mixer's rate); empty when SDL
// cannot read it, said once on standard error.
std::vector<Uint8> Decode(const std::string& path, const std::vector<unsigned char>& wave) {
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  std::vector<Uint8> out;
  SDL_AudioCVT convert;
  int built = -1;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1, &spec, &samples, &length) !=
      nullptr) {
    built = SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2, MixerRate);
    if (built >= 0) out.assign(samples, samples + length);
    SDL_FreeWAV(samples);
  }
  if (built > 0) {
    out.resize(size_t(length) * size_t(convert.len_mult));
    convert.buf = out.data();
    convert.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&convert) == 0)
      out.resize(size_t(convert.len_cvt));
    else
      built = -1;
  }
  if (built < 0) {
    std::fprintf(stderr, "velmor: cannot play %s (%s)\n", path.c_str(), SDL_GetError());
    out.clear();
  }
  return out;
}

}  // namespace

// On the effects' thread.
void Audio::Impl::StartEffect(const Effect& effect) {
  if (!EnsureSystem()) return;
  auto [known, added] = decoded.try_emplace(effect.path);
  if (added) known->second.pcm = Decode(effect.path, *effect.wave);
  if (known->second.pcm.empty() || !QueueEffect(known->second)) return;
  const auto lasts = std::chrono::microseconds(known->second.pcm.size() / 4 * 1'000'000 / MixerRate);
  effectsQuietAt = std::chrono::steady_clock::now() + lasts + EffectsDeviceKept;
}

// Plays the sound on the effects' device, opening it when it is closed, or on the music's where
// the driver takes one stream. False when nothing can play it.
bool Audio::Impl::QueueEffect(Decoded& sound) {
  std::unique_lock guard(deviceLock);
  if (device != Ready) return false;
  if (!effectsShareMusic && effectsDevice == 0) {
    SDL_AudioSpec wanted{};
    wanted.freq = MixerRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = EffectChunkFrames;
    SDL_AudioSpec obtained;
    effectsDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (effectsDevice == 0) {
      if (!musicDeviceOpen) {
        NoSound(SDL_GetError());
        return false;
      }
      effectsShareMusic = true;
    } else {
      SDL_PauseAudioDevice(effectsDevice, 0);
    }
  }
  const int volume = effectsVolume;
  if (effectsShareMusic) {
    if (sound.chunk == nullptr) sound.chunk = Mix_QuickLoad_RAW(sound.pcm.data(), Uint32(sound.pcm.size()));
    if (sound.chunk == nullptr) return false;
    Mix_Volume(EffectChannel, volume);
    // Starting on the one effect channel halts the effect there.
    return Mix_PlayChannel(EffectChannel, sound.chunk, 0) >= 0;
  }
  // A new effect cuts off the one still sounding.
  SDL_ClearQueuedAudio(effectsDevice);
  if (volume >= MIX_MAX_VOLUME) return SDL_QueueAudio(effectsDevice, sound.pcm.data(), Uint32(sound.pcm.size())) == 0;
  std::vector<int16_t> quieter(sound.pcm.size() / sizeof(int16_t));
  std::memcpy(quieter.data(), sound.pcm.data(), quieter.size() * sizeof(int16_t));
  for (int16_t& sample : quieter) sample = static_cast<int16_t>(sample * volume / MIX_MAX_VOLUME);
  return SDL_QueueAudio(effectsDevice, quieter.data(), Uint32(quieter.size() * sizeof(int16_t))) == 0;
}

void Audio::Impl::CloseEffectsDevice() {
  std::lock_guard guard(deviceLock);
  if (effectsDevice == 0) return;
  SDL_CloseAudioDevice(effectsDevice);
  effectsDevice = 0;
}

}  // namespace velmor
