#include "shell/LayoutMenu.h"

#include <algorithm>
#include <memory>

#include "base/Files.h"
#include "base/Text.h"
#include "modes/HallOfFame.h"

namespace velmor {

bool LayoutMenu::Build(const StartRequest& asked) {
  std::vector<std::string> leftOut;
  Layouts.Scan(folders_.LayoutsFolder(), folders_.UserLayoutsFolder, leftOut);
  if (layout_.BoardNumber < -1) layout_.BoardNumber = -1;
  if (layout_.BoardNumber == -1) layout_.BoardNumber = std::max(1, Layouts.FindFile("Traditional.lay"));
  Entries.Clear();
  AddEntries(1);

  if (Layouts.Count() == 0) {
    platform_.ShowError(
        Fill(VELMOR_TEXT("No layout was found in \"%1\". Velmor needs at least one layout file (.lay or .shp) there "
                         "to play."),
             folders_.LayoutsFolder()));
    return false;
  }
  if (!leftOut.empty()) {
    std::string list;
    for (size_t i = 0; i < leftOut.size() && i < 10; ++i) list += (i ? ", " : "") + leftOut[i];
    if (leftOut.size() > 10) list += ", ...";
    platform_.ShowMessage(Fill(VELMOR_TEXT("The Layout menu holds 99 layouts at most; %1 more were left out: %2."),
                               leftOut.size(), list));
  }
  if (layout_.BoardNumber > Layouts.Count()) layout_.BoardNumber = Layouts.Count();
  // The remembered file wins over the remembered position, which a newly saved layout that
  // sorts before it would shift; the layout the command line names wins over both.
  if (!layout_.RememberedLayoutFile.empty())
    if (const int k = Layouts.FindFile(layout_.RememberedLayoutFile)) layout_.BoardNumber = k;
  if (const int k = asked.LayoutNumber(Layouts)) layout_.BoardNumber = k;
  ResolvePath();
  Entries.CheckOnly(layout_.BoardNumber);
  return true;
}

int LayoutMenu::InPlay() const {
  return layout_.BoardNumber >= RiversEasyList ? layout_.SavedLayoutNumber : layout_.BoardNumber;
}

std::vector<std::string> LayoutMenu::Relist() {
  const bool flat = layout_.BoardNumber >= RiversEasyList;
  const int inPlay = InPlay();
  const std::string inPlayFile = Layouts.Has(inPlay) ? Layouts[inPlay].file : std::string();
  std::vector<std::string> leftOut;
  Layouts.Scan(folders_.LayoutsFolder(), folders_.UserLayoutsFolder, leftOut);
  if (MenuItem* first = Entries.Entry(1)) menu_.RemoveFrom(menu_.IndexOf(*first));
  Entries.Clear();
  AddEntries(1);

  int number = Layouts.FindFile(inPlayFile);
  if (number == 0) number = std::clamp(inPlay, 1, std::max(1, Layouts.Count()));
  (flat ? layout_.SavedLayoutNumber : layout_.BoardNumber) = number;
  Entries.CheckOnly(number);
  return leftOut;
}

void LayoutMenu::AddEntries(int from) {
  std::vector<std::unique_ptr<MenuItem>> entries;
  for (int number = from; number <= Layouts.Count(); ++number) {
    const LayoutInfo& info = Layouts[number];
    auto entry = std::make_unique<MenuItem>("", info.name);
    entry->SetCheckable();
    entry->OnClick([this, shp = info.shp](MenuItem& item) { Choose(item, shp); });
    Entries.Set(number, *entry);
    entries.push_back(std::move(entry));
  }
  menu_.AddOwned(std::move(entries));
}

void LayoutMenu::Choose(MenuItem& entry, bool shp) {
  const int k = Entries.NumberOf(entry);
  if (k == 0) return;
  const std::string path = Layouts[k].Path();
  const std::string oldPath = layout_.LayoutPath;
  const int oldNumber = layout_.BoardNumber;
  layout_.LayoutPath = path;
  layout_.BoardNumber = k;
  Entries.CheckOnly(layout_.BoardNumber);
  if (!play_(path, shp)) {
    // The previous layout stays current, and so does its menu entry.
    layout_.LayoutPath = oldPath;
    layout_.BoardNumber = oldNumber;
    Entries.CheckOnly(oldNumber);
  }
}

void LayoutMenu::ResolvePath() {
  auto firstEntryPath = [this] { return Layouts[1].Path(); };
  if (!Layouts.Has(layout_.BoardNumber)) {
    layout_.BoardNumber = 1;
    layout_.LayoutPath = firstEntryPath();
    return;
  }
  // The entry's own file: a name can stand for a ".lay" and a ".shp" file at once.
  layout_.LayoutPath = Layouts[layout_.BoardNumber].Path();
  if (!Exists(layout_.LayoutPath)) {
    layout_.BoardNumber = 1;
    layout_.LayoutPath = firstEntryPath();
  }
}

void LayoutMenu::FromCheckedEntry() {
  if (layout_.BoardNumber < 100) return;
  for (int k = 1; k <= Layouts.Count(); ++k)
    if (MenuItem* entry = Entries.Entry(k); entry && entry->Checked()) layout_.BoardNumber = k;
}

}  // namespace velmor
