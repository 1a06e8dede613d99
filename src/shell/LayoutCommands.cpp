// Layout files, the layout list and the "&Layout" menu entries.
#include <algorithm>
#include <map>
#include <string>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "base/Version.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutLibrary.h"
#include "shell/GameFolders.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::AfterLayoutRead() {
  ReachedRank = 0;
  if (StartingUp) {
    Current.Status.ShowUntilMove(
        Fill(platform.Translate(VELMOR_TEXT("Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !")),
             VELMOR_VERSION));
    return;
  }
  ShowStatus(Fill(VELMOR_TEXT("Layout %1 selected."), UpperCase(Layout.LayoutName)));
  BeginGame();
}

// A ".lay" file with another first line only lends its name to the shape in use, so the reader
// starts from that shape; a ".shp" file always brings a whole shape. A refusal is shown to the
// player, or handed back in `refusal` when the caller has more to say.
bool TVelmor::PlayLayoutFile(const std::string& path, bool shp, LayoutRefusal* refusal) {
  LayoutShape shape = shp ? LayoutShape{} : Layout.Shape;
  std::string name;
  LayoutRefusal refused;
  if (!ReadPlayableLayout(path, shp, shape, name, refused)) {
    if (refusal)
      *refusal = refused;
    else
      platform.ShowError(refused.currentStays ? Fill(VELMOR_TEXT("%1 The current layout stays."), refused.reason)
                                              : refused.reason);
    return false;
  }
  Layout.Shape = shape;
  Layout.LayoutName = name;
  AfterLayoutRead();
  return true;
}

bool TVelmor::RunLayout(const std::string& path) { return PlayLayoutFile(path, false); }
bool TVelmor::RunShpLayout(const std::string& path) { return PlayLayoutFile(path, true); }

bool TVelmor::LoadCurrentLayout() {
  return IsShpPath(Layout.LayoutPath) ? RunShpLayout(Layout.LayoutPath) : RunLayout(Layout.LayoutPath);
}

// A remembered layout that has become unreadable must not keep the game from starting: the
// player is told which file was refused and why, and "Traditional" (or else the first readable
// entry) is played instead.
bool TVelmor::LoadStartLayout() {
  auto read = [this](LayoutRefusal& refusal) {
    return PlayLayoutFile(Layout.LayoutPath, IsShpPath(Layout.LayoutPath), &refusal);
  };
  LayoutRefusal refused;
  if (read(refused)) return true;
  const int failed = Layout.BoardNumber;
  std::vector<int> order;
  if (const int traditional = Listed.Layouts.FindFile("Traditional.lay")) order.push_back(traditional);
  for (int k = 1; k <= Listed.Layouts.Count(); ++k) order.push_back(k);
  for (int k : order) {
    if (k == failed) continue;
    Layout.BoardNumber = k;
    Layout.LayoutPath = Listed.Layouts[k].Path();
    LayoutRefusal ignored;
    if (!read(ignored)) continue;
    Listed.Entries.CheckOnly(k);
    platform.ShowError(
        Fill(VELMOR_TEXT("%1 Velmor starts with the layout \"%2\" instead."), refused.reason, Listed.Layouts[k].name));
    return true;
  }
  platform.ShowError(refused.reason);
  return false;
}

bool TVelmor::BuildLayoutList() {
  const bool listed = Listed.Build(Asked);
  Choice.Survey();
  return listed;
}

}  // namespace velmor
