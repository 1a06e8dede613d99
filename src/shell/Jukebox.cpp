#include "shell/Jukebox.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"

namespace velmor {

namespace {

// The Music menu names each tune by its file, translated when the catalogues know the name (as the
// layouts' names are); the shipped tunes are marked here so that the catalogues hold them all.
[[maybe_unused]] constexpr const char* ShippedTunes[] = {VELMOR_TEXT("Garden"),  VELMOR_TEXT("Greensleeves"),
                                                         VELMOR_TEXT("Jasmine"), VELMOR_TEXT("Lanterns"),
                                                         VELMOR_TEXT("Night"),   VELMOR_TEXT("Sakura")};

std::vector<std::string> TuneNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& file : FilesIn(folder))
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".mid") == 0)
      names.push_back(file.substr(0, file.size() - 4));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int c = CompareText(a, b);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}

}  // namespace

bool Jukebox::BuildTuneList(const std::string& folder) {
  folder_ = folder;
  const std::vector<std::string> names = TuneNames(folder);
  entries_.Clear();
  for (const std::string& name : names) {
    auto entry = std::make_unique<MenuItem>("", name);
    entry->SetCheckable().OnClick([this](MenuItem& item) { LoadMidiClick(item); });
    entries_.Set(Count() + 1, *entry);
    items_.musicMenu.AddOwned(std::move(entry));
  }
  if (Count() == 0) {
    platform_.ShowError(
        Fill(VELMOR_TEXT("No tune was found in \"%1\". Velmor needs its tunes (.mid files) there."), folder));
    return false;
  }
  if (Number == -1) {
    const auto night = std::find(names.begin(), names.end(), "Night");
    if (night != names.end()) Number = static_cast<int32_t>(night - names.begin()) + 1;
  }
  Number = std::clamp(Number, 1, Count());
  entries_.CheckOnly(Number);
  return true;
}

void Jukebox::LoadMidiClick(MenuItem& entry) {
  const int k = entries_.NumberOf(entry);
  if (k == 0) return;
  Number = k;
  entries_.CheckOnly(k);
  SelectedMusic(folder_ + entry.Caption() + ".mid");
}

void Jukebox::SelectedMusic(const std::string& path) {
  Current = path;
  started_ = false;
  if (!items_.playMusic.Checked() || !IsFile(path)) return;
  MediaPlayer& media = platform_.Media();
  media.Close();
  std::string error;
  if (!media.Open(path, error)) {
    // A machine without sound plays silently; a missing soundfont or a bad tune is worth a word.
    if (!problemShown_ && !media.NoDevice()) tell_(Fill(VELMOR_TEXT("No music: %1."), error));
    problemShown_ = true;
    return;
  }
  media.Play();
  started_ = true;
}

void Jukebox::PlayRandomTune() {
  if (Count() < 1) return;
  if (MenuItem* tune = Entry(randomBelow_(Count()) + 1)) tune->Click();
}

void Jukebox::MusicSupervision() {
  const MediaPlayer& media = platform_.Media();
  if (!media.IsOpen() && started_ && !media.NoDevice()) {
    // The player starts a tune in the background and may refuse it after Open said yes; opening
    // it again brings the reason, told like any tune that cannot play.
    started_ = false;
    SelectedMusic(Current);
    return;
  }
  if (!media.IsOpen() || media.Length() <= 0) return;
  if (media.Position() < media.Start() + media.Length()) return;
  if (items_.randomMusic.Checked()) {
    PlayRandomTune();
  } else {
    platform_.Media().Rewind();
    platform_.Media().Play();
  }
}

bool Jukebox::Listening() const {
  const MediaPlayer& media = platform_.Media();
  return media.IsOpen() ? media.Length() > 0 : started_ && !media.NoDevice();
}

void Jukebox::PlayMusicClick() {
  items_.playMusic.Toggle();
  items_.setMusic.SetEnabled(items_.playMusic.Checked());
  if (items_.playMusic.Checked()) {
    if (MenuItem* tune = Entry(Number)) tune->Click();
  } else {
    platform_.Media().Stop();
  }
}

void Jukebox::RandomMusicClick() {
  items_.randomMusic.Toggle();
  if (items_.randomMusic.Checked()) PlayRandomTune();
}

void Jukebox::SetMusicClick() {
  // With no tune open there is nothing to pause; the button simply does nothing.
  if (platform_.Media().IsOpen()) platform_.Media().PauseResume();
}

}  // namespace velmor
