#include "shell/LayoutMenu.h"

#include <algorithm>
#include <memory>

#include "base/Files.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"
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
  if (!Play(path, shp)) {
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

// A ".lay" file with another first line only lends its name to the shape in use, so the reader
// starts from that shape; a ".shp" file always brings a whole shape. A refusal is shown to the
// player, or handed back in `refusal` when the caller has more to say.
bool LayoutMenu::Play(const std::string& path, bool shp, LayoutRefusal* refusal) {
  LayoutShape shape = shp ? LayoutShape{} : layout_.Shape;
  std::string name;
  LayoutRefusal refused;
  if (!ReadPlayableLayout(path, shp, shape, name, refused)) {
    if (refusal)
      *refusal = refused;
    else
      platform_.ShowError(refused.currentStays ? Fill(VELMOR_TEXT("%1 The current layout stays."), refused.reason)
                                               : refused.reason);
    return false;
  }
  layout_.Shape = shape;
  layout_.LayoutName = name;
  read_();
  return true;
}

bool LayoutMenu::LoadCurrent() { return Play(layout_.LayoutPath, IsShpPath(layout_.LayoutPath)); }

// A remembered layout that has become unreadable must not keep the game from starting: the
// player is told which file was refused and why, and "Traditional" (or else the first readable
// entry) is played instead.
bool LayoutMenu::LoadStart() {
  auto read = [this](LayoutRefusal& refusal) {
    return Play(layout_.LayoutPath, IsShpPath(layout_.LayoutPath), &refusal);
  };
  LayoutRefusal refused;
  if (read(refused)) return true;
  const int failed = layout_.BoardNumber;
  std::vector<int> order;
  if (const int traditional = Layouts.FindFile("Traditional.lay")) order.push_back(traditional);
  for (int k = 1; k <= Layouts.Count(); ++k) order.push_back(k);
  for (int k : order) {
    if (k == failed) continue;
    layout_.BoardNumber = k;
    layout_.LayoutPath = Layouts[k].Path();
    LayoutRefusal ignored;
    if (!read(ignored)) continue;
    Entries.CheckOnly(k);
    platform_.ShowError(
        Fill(VELMOR_TEXT("%1 Velmor starts with the layout \"%2\" instead."), refused.reason, Layouts[k].name));
    return true;
  }
  platform_.ShowError(refused.reason);
  return false;
}

}  // namespace velmor
