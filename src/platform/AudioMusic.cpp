// The music's thread: it alone makes the synthesizer, loads the soundfont and hands it tunes,
// while the window's calls only queue what they want and read what it publishes.
#include <malloc.h>
#include <unistd.h>

#include <cstring>

#include "base/Midi.h"
#include "platform/AudioImpl.h"

namespace velmor {

namespace {

// FluidSynth reports through a global log. Its complaints about a soundfont become the reason
// the music gives, instead of lines on standard error; the soundfont loads on the music's own
// thread, so a thread-local keeps them apart from the mixer's.
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

}  // namespace

// On the worker: the small font when it holds every preset and key the tune plays, else the whole
// one. A tune that cannot be read here was already refused by Open.
const std::string& Audio::Impl::FontFor(const std::vector<unsigned char>& tune) {
  if (tuneFont.empty() || !tuneFontUsable) return soundFont;
  if (!tuneFontRead) {
    tuneFontRead = true;
    tuneFontUsable = ReadSoundFontKeys(tuneFont, tuneFontKeys);
    if (!tuneFontUsable) return soundFont;
  }
  MidiSounds sounds;
  std::string error;
  return ReadMidiSounds(tune.data(), tune.size(), sounds, error) && HoldsAll(tuneFontKeys, sounds) ? tuneFont
                                                                                                   : soundFont;
}

// On the worker. One synthesizer holding one soundfont serves the tunes; a tune that needs the
// other font gets a new synthesizer, the old one and its font going first so that the two are
// never in memory together.
bool Audio::Impl::UseFont(const std::string& font, std::string& error) {
  if (synth != nullptr && loadedFont == font) return true;
  if (font == soundFont) {
    std::lock_guard guard(problemLock);
    if (!soundFontProblem.empty()) {
      error = soundFontProblem;
      return false;
    }
  }
  if (synth != nullptr) {
    Mix_HookMusic(nullptr, nullptr);  // returns once the mixer thread is out of MixMusic
    if (player != nullptr) delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    player = nullptr;
    synth = nullptr;
    settings = nullptr;
    loadedFont.clear();
  }
  RouteFluidLog();
  fluid_settings_t* madeSettings = new_fluid_settings();
  fluid_settings_setnum(madeSettings, "synth.sample-rate", rate);
  fluid_settings_setnum(madeSettings, "synth.gain", MusicGain);
  // Let the last notes ring out instead of silencing the synth the moment a tune ends.
  fluid_settings_setint(madeSettings, "player.reset-synth", 0);
  // Only the instruments a tune asks for are read into memory, not the whole soundfont. Even the
  // small font's samples cost 0.7 MB more when all are read at once.
  fluid_settings_setint(madeSettings, "synth.dynamic-sample-loading", 1);
  // Every voice costs about 6 kB whether it sounds or not. The shipped tunes never sound more
  // than 56 notes at once (rendered with 64 voices they come out sample for sample as with 96);
  // 96 leaves a player's own tunes room without the default's 256.
  fluid_settings_setint(madeSettings, "synth.polyphony", font == tuneFont ? 64 : 96);
  fluid_synth_t* made = new_fluid_synth(madeSettings);
  lastFluidError.clear();
  if (made == nullptr || fluid_synth_sfload(made, font.c_str(), 1) == FLUID_FAILED) {
    if (::access(font.c_str(), R_OK) != 0 && font == soundFont)
      error = "no General MIDI soundfont found at " + font;
    else
      error = "cannot load the soundfont " + font + (lastFluidError.empty() ? std::string() : ": " + lastFluidError);
    if (made != nullptr) delete_fluid_synth(made);
    delete_fluid_settings(madeSettings);
    if (font == tuneFont) {
      tuneFontUsable = false;
    } else {
      std::lock_guard guard(problemLock);
      soundFontProblem = error;
    }
    return false;
  }
  // Reading the soundfont leaves megabytes of its buffers free but kept; they go back now.
  malloc_trim(0);
  {
    std::lock_guard guard(synthLock);
    settings = madeSettings;
    synth = made;
    appliedGain = MusicGain;
  }
  loadedFont = font;
  {
    std::lock_guard guard(problemLock);
    publishedFont = font;
  }
  Mix_HookMusic(MixMusic, this);
  return true;
}

void Audio::Impl::Send(Command command) {
  {
    std::lock_guard guard(queueLock);
    queue.push_back(std::move(command));
  }
  if (!worker.joinable()) {
    worker = std::thread([this] { Work(); });
  } else {
    wake.notify_one();
  }
}

void Audio::Impl::Work() {
  SdlThreadCleanup cleanup;
  for (;;) {
    Command command;
    {
      std::unique_lock guard(queueLock);
      wake.wait(guard, [this] { return quitting || !queue.empty(); });
      if (quitting) return;
      command = std::move(queue.front());
      queue.pop_front();
    }
    Run(command);
  }
}

void Audio::Impl::Fail(const Command& command, const std::string& reason) {
  {
    std::lock_guard guard(problemLock);
    failedPath = command.path;
    failedReason = reason;
  }
  failedOpen.store(command.generation, std::memory_order_release);
}

void Audio::Impl::Run(Command& command) {
  if (command.kind == Command::Prepare) {
    // The libraries and SDL's audio, which meets the sound server, but no device: an open one
    // keeps SDL's thread waking every period, silence or not.
    EnsureSystem();
    return;
  }
  if (command.kind == Command::Open) {
    if (!EnsureMusicDevice()) return;  // the window learns it from NoDevice
    std::string error;
    const std::string& font = FontFor(command.tune);
    if (font != loadedFont) {
      std::lock_guard guard(synthLock);
      DropPlayer();  // the tune before stops here, not when the new font is in
    }
    if (!UseFont(font, error) && (font == soundFont || !UseFont(soundFont, error))) return Fail(command, error);
  }
  if (synth == nullptr) return;  // nothing was ever opened: nothing to close, play or stop
  std::lock_guard guard(synthLock);
  switch (command.kind) {
    case Command::Prepare:
      break;
    case Command::Open:
      DropPlayer();
      // A fresh start for the new tune's instruments and controllers.
      fluid_synth_system_reset(synth);
      tune = std::move(command.tune);
      length = command.length;
      openGeneration = playerGeneration = command.generation;
      playing = false;
      player = NewPlayer();
      if (player == nullptr) {
        tune.clear();
        Fail(command, command.path + ": the synthesizer could not take it");
      }
      break;
    case Command::Close:
      DropPlayer();
      tune.clear();
      length = 0;
      playing = false;
      playerGeneration = command.generation;
      break;
    case Command::Play:
      PlayLocked();
      break;
    case Command::Stop:
      StopLocked();
      break;
    case Command::Rewind: {
      if (player == nullptr) break;
      // A new player rather than a seek: it works the same whether the tune is playing, paused,
      // or finished (see PlayLocked).
      const bool wasPlaying = playing;
      DropPlayer();
      player = NewPlayer();
      playing = false;
      playerGeneration = command.generation;
      if (player == nullptr) {
        tune.clear();
        Command failed = command;
        failed.generation = openGeneration;
        Fail(failed, "the synthesizer could not start the tune again");
      } else if (wasPlaying) {
        PlayLocked();
      }
      break;
    }
  }
  Publish();
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
  std::lock_guard guard(self.synthLock);
  // The renderer takes the volume up itself: the music's thread may be busy for a while with a
  // soundfont or a tune, and the level is heard at once all the same.
  const float gain = float(MusicGain) * self.musicVolume.load(std::memory_order_relaxed);
  if (gain != self.appliedGain) {
    fluid_synth_set_gain(self.synth, gain);
    self.appliedGain = gain;
  }
  // The synthesizer frees finished voices at the end of each call, and which voice a note gets
  // changes how the voices sum: rendered in pieces of the length the tunes were tuned with,
  // every tune comes out sample for sample the same whatever the device's period.
  auto* samples = reinterpret_cast<int16_t*>(stream);
  for (int frames = bytes / 4; frames > 0; frames -= MusicRenderFrames, samples += 2 * MusicRenderFrames)
    fluid_synth_write_s16(self.synth, std::min(frames, MusicRenderFrames), samples, 0, 2, samples, 1, 2);
  self.Publish();
}

bool Audio::Open(const std::string& path, std::string& error) {
  Close();
  Impl& m = *impl_;
  if (m.device == Impl::Missing) {
    error = "no sound device (" + m.deviceProblem + ")";
    return false;
  }
  {
    std::lock_guard guard(m.problemLock);
    // With a small font at hand the music's thread decides whether the tune needs the whole one.
    if (!m.soundFontProblem.empty() && m.tuneFont.empty()) {
      error = m.soundFontProblem;
      return false;
    }
    // A tune the synthesizer refused after Open said yes gives its reason when asked for again.
    if (!m.failedReason.empty() && m.failedPath == path) {
      error = m.failedReason;
      m.failedPath.clear();
      m.failedReason.clear();
      return false;
    }
  }
  if (!m.soundFontChecked) {
    m.soundFontChecked = true;
    if (::access(m.soundFont.c_str(), R_OK) != 0 && (m.tuneFont.empty() || ::access(m.tuneFont.c_str(), R_OK) != 0)) {
      // Said at once, and only on a machine that has a device to play it on.
      if (!m.EnsureMusicDevice()) {
        error = "no sound device (" + m.deviceProblem + ")";
        return false;
      }
      // Neither font: the small one is forgotten too, so every tune is refused here from now on.
      // No music thread has started yet to be reading it.
      m.tuneFont.clear();
      std::lock_guard guard(m.problemLock);
      m.soundFontProblem = "no General MIDI soundfont found at " + m.soundFont;
      error = m.soundFontProblem;
      return false;
    }
  }

  Impl::Command command{Impl::Command::Open};
  if (!ReadWholeFile(path, command.tune, error)) return false;
  if (command.tune.size() < 14 || std::memcmp(command.tune.data(), "MThd", 4) != 0) {
    error = path + " is not a MIDI file";
    return false;
  }
  MidiTiming timing;
  if (!ReadMidiTiming(command.tune.data(), command.tune.size(), timing, error)) {
    error = path + ": " + error;
    return false;
  }
  if (timing.lengthTicks <= 0) {
    error = path + ": there is nothing to play in it";
    return false;
  }
  if (timing.lengthTicks > INT32_MAX) {  // the synthesizer counts ticks in an int
    error = path + ": it is too long to play";
    return false;
  }
  command.generation = ++m.generation;
  command.path = path;
  command.length = timing.lengthTicks;
  m.viewOpen = command.generation;
  m.viewLength = timing.lengthTicks;
  m.viewPlaying = false;
  m.Send(std::move(command));
  return true;
}

void Audio::Close() {
  Impl& m = *impl_;
  const bool wasOpen = m.viewOpen != 0;
  m.viewOpen = 0;
  m.viewLength = 0;
  m.viewPlaying = false;
  if (wasOpen) m.Send({Impl::Command::Close, ++m.generation});
}

bool Audio::IsOpen() const { return impl_->ViewOpen(); }

void Audio::Play() {
  Impl& m = *impl_;
  if (!m.ViewOpen()) return;
  m.viewPlaying = true;
  m.Send({Impl::Command::Play});
}

void Audio::Stop() {
  Impl& m = *impl_;
  if (!m.ViewOpen()) return;
  m.viewPlaying = false;
  m.Send({Impl::Command::Stop});
}

void Audio::PauseResume() {
  if (impl_->viewPlaying)
    Stop();
  else
    Play();
}

void Audio::Rewind() {
  Impl& m = *impl_;
  if (!m.ViewOpen()) return;
  m.Send({Impl::Command::Rewind, ++m.generation});
}

long long Audio::Start() const { return 0; }

long long Audio::Length() const { return impl_->ViewOpen() ? impl_->viewLength : 0; }

long long Audio::Position() const {
  const Impl& m = *impl_;
  if (!m.ViewOpen()) return 0;
  // Until the worker has carried out the last open or rewind, the tune is at its start.
  const uint64_t now = m.published.load(std::memory_order_acquire);
  if ((now >> TickBits) != (m.generation & GenerationMask)) return 0;
  return static_cast<long long>(now & TickMask);
}

std::string Audio::SoundFont() const {
  std::lock_guard guard(impl_->problemLock);
  return impl_->publishedFont;
}

void Audio::SetVolume(double volume) {
  impl_->musicVolume.store(float(std::clamp(volume, 0.0, 1.0)), std::memory_order_relaxed);
}

}  // namespace velmor
