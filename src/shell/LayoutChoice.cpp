#include "shell/LayoutChoice.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/ImportLayout.h"
#include "shell/HallOfFameFile.h"

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
  model_.Fill(listed_.Layouts, hall_.Book, records_.Figures(), listed_.InPlay(), &odds_);
  // Looking through the layouts takes no time off the clock.
  const bool paused = game_.Play.Solo();
  if (paused) hooks_.pause();
  const int chosen = platform_.ChooseLayout(model_);
  if (MenuItem* entry = listed_.Entries.Entry(chosen)) entry->Click();
  // Nothing chosen, or a file that was refused: the game goes on where it was.
  if (paused && game_.Play.Paused()) hooks_.pause();
}

void LayoutChoice::Import() {
  const auto chosen = platform_.OpenFileDialog(
      {VELMOR_TEXT("Import Layout"), ImportFilter,
       ImportDialogFolder(lastFolder_, platform_.DocumentsFolder(), [](const std::string& f) { return IsFolder(f); })});
  if (!chosen || chosen->empty()) return;
  lastFolder_ = FolderOf(*chosen) + "/";
  std::vector<ImportedHeap> heaps;
  std::string error;
  if (!ImportLayoutFile(*chosen, heaps, error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("%1. No layout was imported."), error));
    return;
  }

  const std::string folder = folders_.SaveLayoutsFolder();
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
    const bool exists = Exists(folder + file) || listed_.Layouts.FindFile(file) != 0;
    if (exists && !same &&
        !platform_.Confirm(VELMOR_TEXT("Import Layout"),
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
    platform_.ShowError(Fill(VELMOR_TEXT("%1\nNo layout was imported."), report));
    return;
  }
  const std::vector<std::string> leftOut = Relist();
  if (!leftOut.empty())
    report = Fill(VELMOR_TEXT("%1\nThe Layout menu holds %2 layouts at most; %3 were left out: %4."), report,
                  LayoutLibrary::MaxEntries, leftOut.size(), Joined(leftOut, ", "));
  platform_.ShowMessage(report);
}

std::vector<std::string> LayoutChoice::Relist() {
  const std::vector<std::string> leftOut = listed_.Relist();
  // The book knows each list by its layout's file, so only a layout new to it reads its list.
  for (int k = 1; k <= listed_.Layouts.Count(); ++k)
    if (!hall_.Book.Has(listed_.Layouts[k].file)) hall_.LoadList(k, true);
  hooks_.fillHallChooser();
  Survey();
  return leftOut;
}

void LayoutChoice::Survey() { odds_.Survey(listed_.Layouts, folders_.UserLayoutsFolder); }

}  // namespace velmor
