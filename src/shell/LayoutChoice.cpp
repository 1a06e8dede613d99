#include "shell/LayoutChoice.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/Text.h"
#include "layouts/ImportLayout.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

constexpr const char* ImportFilter = "Layouts from other games (*.layout *.map)|*.layout;*.map";

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? between : "") + parts[i];
  return out;
}

}  // namespace

void LayoutChoice::Choose() {
  TVelmor& g = game_;
  const int inPlay = g.BoardNumber >= RiversEasyList ? g.SavedLayoutNumber : g.BoardNumber;
  model_.Fill(g.Layouts, g.HallOfFame, g.Records.Figures(), inPlay);
  // Looking through the layouts takes no time off the clock.
  const bool paused = g.GameMode == ModeSolitaire || g.GameMode == ModeRivers;
  if (paused) g.PauseClick();
  const int chosen = g.platform.ChooseLayout(model_);
  if (MenuItem* entry = g.LayoutEntries.Entry(chosen)) entry->Click();
  // Nothing chosen, or a file that was refused: the game goes on where it was.
  if (paused && g.GameMode == ModePaused) g.PauseClick();
}

void LayoutChoice::Import() {
  namespace fs = std::filesystem;
  TVelmor& g = game_;
  const auto chosen = g.platform.OpenFileDialog({"Import Layout", ImportFilter, lastFolder_});
  if (!chosen || chosen->empty()) return;
  lastFolder_ = fs::path(*chosen).parent_path().string() + "/";
  std::vector<ImportedHeap> heaps;
  std::string error;
  if (!ImportLayoutFile(*chosen, heaps, error)) {
    g.platform.ShowError(error + ". No layout was imported.");
    return;
  }

  const std::string folder = g.SaveLayoutsFolder();
  std::vector<std::string> imported, refused, kept, written;
  for (const ImportedHeap& heap : heaps) {
    if (!heap.imported) {
      refused.push_back(heap.name + " (" + heap.refusal + ")");
      continue;
    }
    // Two maps of one name in a file both come in, the second numbered.
    std::string file = ImportedLayFileName(heap.name);
    const std::string stem = file.substr(0, file.size() - 4);
    for (int copy = 2; std::find(written.begin(), written.end(), file) != written.end(); ++copy)
      file = stem + " (" + std::to_string(copy) + ").lay";
    const std::string name = file.substr(0, file.size() - 4);
    std::error_code ec;
    // A shipped layout of the name is not overwritten, but the player's file would take its place.
    const bool exists = fs::exists(folder + file, ec) || g.Layouts.FindFile(file) != 0;
    if (exists && !g.platform.Confirm("Import Layout",
                                      "The layout \"" + name + "\" already exists. Do you want to replace it?")) {
      kept.push_back(name);
      continue;
    }
    if (!MakeFolder(folder, error) || !SaveImportedHeap(folder + file, heap, error)) {
      refused.push_back(heap.name + " (" + error + ")");
      continue;
    }
    written.push_back(file);
    imported.push_back(name);
  }

  std::string report = "From \"" + FileNamePart(*chosen) + "\":";
  if (!imported.empty()) report += "\nImported into the Layout menu: " + Joined(imported, ", ") + ".";
  if (!refused.empty()) report += "\nRefused: " + Joined(refused, "; ") + ".";
  if (!kept.empty()) report += "\nKept as they were: " + Joined(kept, ", ") + ".";
  if (imported.empty()) {
    g.platform.ShowError(report + "\nNo layout was imported.");
    return;
  }
  const std::vector<std::string> leftOut = Relist();
  if (!leftOut.empty())
    report += "\nThe Layout menu holds " + std::to_string(LayoutLibrary::MaxEntries) + " layouts at most; " +
              std::to_string(leftOut.size()) + " were left out: " + Joined(leftOut, ", ") + ".";
  g.platform.ShowMessage(report);
}

std::vector<std::string> LayoutChoice::Relist() {
  TVelmor& g = game_;
  const bool flat = g.BoardNumber >= RiversEasyList;
  const int inPlay = flat ? g.SavedLayoutNumber : g.BoardNumber;
  const std::string inPlayFile = g.Layouts.Has(inPlay) ? g.Layouts[inPlay].file : std::string();
  // The Hall of Fame counts its lists by menu number: each list follows its layout's file.
  std::map<std::string, HallList> lists;
  for (int k = 1; k <= g.Layouts.Count(); ++k) lists[g.Layouts[k].file] = g.HallOfFame[k];

  std::vector<std::string> leftOut;
  g.Layouts.Scan(g.LayoutsFolder(), g.UserLayoutsFolder, leftOut);
  if (MenuItem* first = g.LayoutEntries.Entry(1)) g.Layout1.RemoveFrom(g.Layout1.IndexOf(*first));
  g.LayoutEntries.Clear();
  for (int k = 1; k <= g.Layouts.Count(); ++k) g.AddLayoutEntry(k);

  for (int k = 1; k < RiversEasyList; ++k) {
    const auto kept = g.Layouts.Has(k) ? lists.find(g.Layouts[k].file) : lists.end();
    if (kept != lists.end()) {
      g.HallOfFame[k] = kept->second;
    } else {
      g.HallOfFame[k].Reset();
      if (g.Layouts.Has(k)) g.LoadHallTableFor(k, true);  // a layout new to the menu may have had a list before
    }
  }
  g.FillLayoutChooser();

  int number = g.Layouts.FindFile(inPlayFile);
  if (number == 0) number = std::clamp(inPlay, 1, std::max(1, g.Layouts.Count()));
  (flat ? g.SavedLayoutNumber : g.BoardNumber) = number;
  g.LayoutEntries.CheckOnly(number);
  return leftOut;
}

}  // namespace velmor
