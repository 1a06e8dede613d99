// The sound: MIDI tunes through a General MIDI synthesizer, and one wave effect at a time on top.
// Nothing is opened before the first sound is asked for, so start-up stays quick and a game that
// stays mute never touches a device.
#pragma once

#include <memory>
#include <string>

#include "shell/Platform.h"

namespace velmor {

// Owns the process's sound devices; make a single instance. The music plays on a device with long
// periods, opened with the first tune; the effects on one of their own with short periods, opened
// by their own thread when an effect is wanted and closed ten quiet seconds later, so that a game that
// is quiet, or plays only music, is woken seldom. Where the driver takes one stream at a time
// the effects play on the music's device.
//
// The music has a thread of its own: it makes the one synthesizer, reads the soundfont and hands
// it each tune, so no call here waits for them. Open reads and checks the tune and answers at
// once; a refusal found later (no device, a soundfont that will not load) shows as NoDevice, or
// as IsOpen turning false with the reason given by the next Open of that tune.
//
// A tune plays from `tuneFont`, a small soundfont holding only what the shipped tunes sound,
// when it holds every preset and key the tune plays; any other tune from the whole General MIDI
// `soundFont`. The music's thread changes fonts when a tune needs the other one. A small font
// that is missing or will not load is passed over for the whole one.
//
// With no usable device the first use of it says so once on standard error, and from then on
// the game runs silently: PlayWave succeeds without a sound, Open fails with "no sound device
// ...", every other call does nothing. Without the whole soundfont the effects still play and a
// tune the small one cannot play fails with "no General MIDI soundfont found at ...".
class Audio : public MediaPlayer {
 public:
  static constexpr const char* DefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

  explicit Audio(std::string soundFont = DefaultSoundFont, std::string tuneFont = {});
  ~Audio() override;
  Audio(const Audio&) = delete;
  Audio& operator=(const Audio&) = delete;

  bool Open(const std::string& path, std::string& error) override;
  void Close() override;
  bool IsOpen() const override;
  void Play() override;
  void Stop() override;
  void PauseResume() override;
  void Rewind() override;
  // Positions are in the tune's ticks. Once a tune has played to its end, Position stays at
  // Start() + Length() until Rewind or Open.
  long long Start() const override;
  long long Length() const override;
  long long Position() const override;
  bool NoDevice() const override;
  // Takes effect from the next block the synthesizer renders, whatever its thread is doing.
  void SetVolume(double volume) override;

  // Hands a wave file to the effects' thread and returns at once; it cuts off the effect still
  // sounding. False with a reason when the file cannot be read or is not a wave file; a wave SDL
  // cannot decode is said once on standard error. Each file is read once.
  bool PlayWave(const std::string& path, std::string& error);
  // Opens the sound libraries and starts SDL's audio on the music's thread, so that the first
  // sound does not wait for them. The devices open with the first sound.
  void Prepare();
  // Whether the sound libraries have been opened in this process.
  static bool LibrariesOpen();
  // For the effects started from now on: 0 (silent) to 1 (as the file has it).
  void SetEffectsVolume(double volume);

  // The soundfont the last tune the music's thread started plays from; empty before the first.
  std::string SoundFont() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmor
