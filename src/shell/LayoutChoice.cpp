#include "shell/LayoutChoice.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/ImportLayout.h"
#include "shell/HallOfFameFile.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

constexpr const char* ImportFilter = VELMOR_TEXT("Layouts from other games (*.layout *.map)|*.layout;*.map");

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? between : "") + parts[i];
  return out;
}

}  // namespace

void LayoutChoice::Choose() {
  TVelmor& g = game_;
  const int inPlay = g.Layout.BoardNumber >= RiversEasyList ? g.Layout.SavedLayoutNumber : g.Layout.BoardNumber;
  model_.Fill(g.Layouts, g.Hall.Book, g.Records.Figures(), inPlay, &odds_);
  // Looking through the layouts takes no time off the clock.
  const bool paused = g.Current.Play.Solo();
  if (paused) g.PauseClick();
  const int chosen = g.platform.ChooseLayout(model_);
  if (MenuItem* entry = g.LayoutEntries.Entry(chosen)) entry->Click();
  // Nothing chosen, or a file that was refused: the game goes on where it was.
  if (paused && g.Current.Play.Paused()) g.PauseClick();
}

void LayoutChoice::Import() {
  TVelmor& g = game_;
  const auto chosen = g.platform.OpenFileDialog({VELMOR_TEXT("Import Layout"), ImportFilter,
                                                 ImportDialogFolder(lastFolder_, g.platform.DocumentsFolder(),
                                                                    [](const std::string& f) { return IsFolder(f); })});
  if (!chosen || chosen->empty()) return;
  lastFolder_ = FolderOf(*chosen) + "/";
  std::vector<ImportedHeap> heaps;
  std::string error;
  if (!ImportLayoutFile(*chosen, heaps, error)) {
    g.platform.ShowError(Fill(VELMOR_TEXT("%1. No layout was imported."), error));
    return;
  }

  const std::string folder = g.Folders.SaveLayoutsFolder();
  const std::vector<ImportedLayout> layouts = ImportedLayouts(heaps);
  std::vector<std::string> imported, refused, kept;
  for (size_t i = 0; i < heaps.size(); ++i) {
    const ImportedHeap& heap = heaps[i];
    const auto& [name, file] = layouts[i];
    if (!heap.imported) {
      refused.push_back(Fill(VELMOR_TEXT("%1 (%2)"), heap.name, heap.refusal));
      continue;
    }
    // A layout of the name is replaced only when the player agrees, unless its file holds this
    // very heap already: the same file imported again.
    std::string before, unread;
    const bool same =
        IsFile(folder + file) && ReadWholeFile(folder + file, before, unread) && before == ImportedLayText(name, heap);
    const bool exists = Exists(folder + file) || g.Layouts.FindFile(file) != 0;
    if (exists && !same &&
        !g.platform.Confirm(VELMOR_TEXT("Import Layout"),
                            Fill(VELMOR_TEXT("The layout \"%1\" already exists. Do you want to replace it?"), name))) {
      kept.push_back(name);
      continue;
    }
    if (!MakeFolder(folder, error) || !SaveImportedHeap(folder + file, name, heap, error)) {
      refused.push_back(Fill(VELMOR_TEXT("%1 (%2)"), heap.name, error));
      continue;
    }
    imported.push_back(name);
  }

  // Each line that applies goes below the report so far, which fills the line's first hole.
  std::string report = Fill(VELMOR_TEXT("From \"%1\":"), FileNamePart(*chosen));
  if (!imported.empty())
    report = Fill(VELMOR_TEXT("%1\nImported into the Layout menu: %2."), report, Joined(imported, ", "));
  if (!refused.empty()) {
    // Each refusal holds a reason the window translates, so they are joined by a pattern of their own.
    std::string list = refused[0];
    for (size_t i = 1; i < refused.size(); ++i) list = Fill(VELMOR_TEXT("%1; %2"), list, refused[i]);
    report = Fill(VELMOR_TEXT("%1\nRefused: %2."), report, list);
  }
  if (!kept.empty()) report = Fill(VELMOR_TEXT("%1\nKept as they were: %2."), report, Joined(kept, ", "));
  if (imported.empty()) {
    g.platform.ShowError(Fill(VELMOR_TEXT("%1\nNo layout was imported."), report));
    return;
  }
  const std::vector<std::string> leftOut = Relist();
  if (!leftOut.empty())
    report = Fill(VELMOR_TEXT("%1\nThe Layout menu holds %2 layouts at most; %3 were left out: %4."), report,
                  LayoutLibrary::MaxEntries, leftOut.size(), Joined(leftOut, ", "));
  g.platform.ShowMessage(report);
}

std::vector<std::string> LayoutChoice::Relist() {
  TVelmor& g = game_;
  const bool flat = g.Layout.BoardNumber >= RiversEasyList;
  const int inPlay = flat ? g.Layout.SavedLayoutNumber : g.Layout.BoardNumber;
  const std::string inPlayFile = g.Layouts.Has(inPlay) ? g.Layouts[inPlay].file : std::string();
  std::vector<std::string> leftOut;
  g.Layouts.Scan(g.Folders.LayoutsFolder(), g.Folders.UserLayoutsFolder, leftOut);
  if (MenuItem* first = g.LayoutEntries.Entry(1)) g.Menus.Layout1.RemoveFrom(g.Menus.Layout1.IndexOf(*first));
  g.LayoutEntries.Clear();
  g.AddLayoutEntries(1);

  // The book knows each list by its layout's file, so only a layout new to it reads its list.
  for (int k = 1; k <= g.Layouts.Count(); ++k)
    if (!g.Hall.Book.Has(g.Layouts[k].file)) g.Hall.LoadList(k, true);
  g.FillLayoutChooser();
  Survey();

  int number = g.Layouts.FindFile(inPlayFile);
  if (number == 0) number = std::clamp(inPlay, 1, std::max(1, g.Layouts.Count()));
  (flat ? g.Layout.SavedLayoutNumber : g.Layout.BoardNumber) = number;
  g.LayoutEntries.CheckOnly(number);
  return leftOut;
}

void LayoutChoice::Survey() { odds_.Survey(game_.Layouts, game_.Folders.UserLayoutsFolder); }

}  // namespace velmor
