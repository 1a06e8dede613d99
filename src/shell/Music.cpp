// Music: the current tune, looping or changing at random when it ends, and the options.
#include <filesystem>

#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::SelectedMusic(const std::string& path) {
  Tunes.Current = path;
  std::error_code ec;
  if (!PlayMusic.Checked() || !std::filesystem::is_regular_file(path, ec)) return;
  MediaPlayer& media = platform.Media();
  media.Close();
  std::string error;
  if (!media.Open(path, error)) {
    // A machine without sound plays silently; a missing soundfont or a bad tune is worth a word.
    if (!Tunes.ProblemShown && !media.NoDevice()) ShowStatus("No music: " + error + ".");
    Tunes.ProblemShown = true;
    return;
  }
  media.Play();
}

void TVelmor::PlayRandomTune() {
  if (Tunes.Count() < 1) return;
  if (MenuItem* tune = Tunes.Entry(RandomBelow(Tunes.Count()) + 1)) tune->Click();
}

void TVelmor::MusicSupervision() {
  const MediaPlayer& media = platform.Media();
  if (!media.IsOpen() || media.Length() <= 0) return;
  if (media.Position() < media.Start() + media.Length()) return;
  if (RandomMusic.Checked()) {
    PlayRandomTune();
  } else {
    platform.Media().Rewind();
    platform.Media().Play();
  }
}

void TVelmor::PlayMusicClick() {
  PlayMusic.Toggle();
  SetMusic.SetEnabled(PlayMusic.Checked());
  if (PlayMusic.Checked()) {
    if (MenuItem* tune = Tunes.Entry(Tunes.Number)) tune->Click();
  } else {
    platform.Media().Stop();
  }
}

void TVelmor::RandomMusicClick() {
  RandomMusic.Toggle();
  if (RandomMusic.Checked()) PlayRandomTune();
}

void TVelmor::SetMusicClick() {
  // With no tune open there is nothing to pause; the button simply does nothing.
  if (platform.Media().IsOpen()) platform.Media().PauseResume();
}

}  // namespace velmor
