// The tune list and the "M&usic" menu entries.
#include <algorithm>
#include <filesystem>

#include "base/Text.h"
#include "shell/TVelmor.h"

namespace velmor {

MenuItem* TVelmor::TuneEntry(int number) {
  if (number < 1 || number > MusicCount) return nullptr;
  return TuneEntries[static_cast<size_t>(number)];
}

bool TVelmor::BuildTuneList() {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(AppFolder + "Musics/", ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    const std::string file = it->path().filename().string();
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".mid") == 0)
      names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int c = CompareText(a, b);
    return c != 0 ? c < 0 : a < b;
  });
  MusicCount = 0;
  TuneEntries.assign(1, nullptr);
  for (const std::string& name : names) {
    auto entry = std::make_unique<MenuItem>("", name);
    entry->SetCheckable().OnClick([this](MenuItem& item) { LoadMidiClick(item); });
    TuneEntries.push_back(entry.get());
    Music.AddOwned(std::move(entry));
    ++MusicCount;
  }
  if (MusicCount == 0) {
    platform.ShowError("No tune was found in \"" + AppFolder + "Musics/\". Velmor needs its tunes (.mid files) there.");
    return false;
  }
  if (MidiNumber == -1) {
    const auto night = std::find(names.begin(), names.end(), "Night");
    if (night != names.end()) MidiNumber = static_cast<int32_t>(night - names.begin()) + 1;
  }
  MidiNumber = std::clamp(MidiNumber, 1, MusicCount);
  for (int k = 1; k <= MusicCount; ++k) TuneEntry(k)->SetChecked(k == MidiNumber);
  return true;
}

void TVelmor::LoadMidiClick(MenuItem& entry) {
  const std::string path = AppFolder + "Musics/" + entry.Caption() + ".mid";
  const auto it = std::find(TuneEntries.begin(), TuneEntries.end(), &entry);
  if (it == TuneEntries.end()) return;
  MidiNumber = static_cast<int32_t>(it - TuneEntries.begin());
  for (int k = 1; k <= MusicCount; ++k) TuneEntry(k)->SetChecked(k == MidiNumber);
  SelectedMusic(path);
}

}  // namespace velmor
