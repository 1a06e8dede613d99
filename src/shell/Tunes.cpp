// The "M&usic" menu's tune entries.
#include "shell/TVelmor.h"

namespace velmor {

bool TVelmor::BuildTuneList() {
  const std::vector<std::string> names = TuneList::Scan(AppFolder + "Musics/");
  Tunes.Entries.Clear();
  for (const std::string& name : names) {
    auto entry = std::make_unique<MenuItem>("", name);
    entry->SetCheckable().OnClick([this](MenuItem& item) { LoadMidiClick(item); });
    Tunes.Entries.Set(Tunes.Count() + 1, *entry);
    Music.AddOwned(std::move(entry));
  }
  if (Tunes.Count() == 0) {
    platform.ShowError("No tune was found in \"" + AppFolder + "Musics/\". Velmor needs its tunes (.mid files) there.");
    return false;
  }
  Tunes.Settle(names);
  return true;
}

void TVelmor::LoadMidiClick(MenuItem& entry) {
  if (Tunes.Choose(entry)) SelectedMusic(AppFolder + "Musics/" + entry.Caption() + ".mid");
}

}  // namespace velmor
