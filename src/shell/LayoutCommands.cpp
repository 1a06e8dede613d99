// Layout files, the layout list and the "&Layout" menu entries.
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "base/Text.h"
#include "layouts/LayoutFile.h"
#include "shell/GameFolders.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

const char* const CreditLine = "Welcome to Velmor 5.21 : Mah-Jongg solitaire for Linux. Have fun !";

}  // namespace

bool TVelmor::ReadLayoutFile(const std::string& path, bool shp, LayoutShape& shape, std::string& name) {
  LayoutRefusal refusal;
  if (ReadPlayableLayout(path, shp, shape, name, refusal)) return true;
  platform.ShowError(refusal.reason + (refusal.currentStays ? " The current layout stays." : ""));
  return false;
}

void TVelmor::AfterLayoutRead() {
  ReachedRank = 0;
  if (StartingUp) {
    ShowStatus(CreditLine);
    return;
  }
  ShowStatus("Layout " + UpperCase(LayoutName) + " selected.");
  BeginGame();
}

bool TVelmor::RunLayout(const std::string& path) {
  LayoutShape shape = Shape;
  std::string name;
  if (!ReadLayoutFile(path, false, shape, name)) return false;
  Shape = shape;
  LayoutName = name;
  AfterLayoutRead();
  return true;
}

bool TVelmor::RunShpLayout(const std::string& path) {
  LayoutShape shape;
  std::string name;
  if (!ReadLayoutFile(path, true, shape, name)) return false;
  Shape = shape;
  LayoutName = name;
  AfterLayoutRead();
  return true;
}

bool TVelmor::LoadCurrentLayout() {
  return IsShpPath(LayoutPath) ? RunShpLayout(LayoutPath) : RunLayout(LayoutPath);
}

// A remembered layout that has become unreadable must not keep the game from starting: the
// player is told which file was refused and why, and "Traditional" (or else the first readable
// entry) is played instead.
bool TVelmor::LoadStartLayout() {
  auto read = [this](LayoutRefusal& refusal) {
    LayoutShape shape = Shape;
    std::string name;
    if (!ReadPlayableLayout(LayoutPath, IsShpPath(LayoutPath), shape, name, refusal)) return false;
    Shape = shape;
    LayoutName = name;
    AfterLayoutRead();
    return true;
  };
  LayoutRefusal refused;
  if (read(refused)) return true;
  const int failed = BoardNumber;
  std::vector<int> order;
  for (int k = 1; k <= LayoutCount; ++k)
    if (LayoutFiles[static_cast<size_t>(k)] == "Traditional.lay") order.push_back(k);
  for (int k = 1; k <= LayoutCount; ++k) order.push_back(k);
  for (int k : order) {
    if (k == failed) continue;
    BoardNumber = k;
    LayoutPath = EntryFolder(k) + LayoutFiles[static_cast<size_t>(k)];
    LayoutRefusal ignored;
    if (!read(ignored)) continue;
    CheckLayoutEntry(k);
    platform.ShowError(refused.reason + " Velmor starts with the layout \"" + LayoutList[static_cast<size_t>(k)] +
                       "\" instead.");
    return true;
  }
  platform.ShowError(refused.reason);
  return false;
}

MenuItem* TVelmor::LayoutEntry(int boardNumber) {
  const auto& items = Layout1.Items();
  const size_t index = static_cast<size_t>(boardNumber) + 2;
  if (boardNumber < 1 || index >= items.size()) return nullptr;
  return items[index];
}

void TVelmor::CheckLayoutEntry(int boardNumber) {
  for (int k = 1; k <= LayoutCount; ++k)
    if (MenuItem* entry = LayoutEntry(k)) entry->SetChecked(k == boardNumber);
}

void TVelmor::AddLayoutEntry(const std::string& caption, bool shp, const std::string& folder) {
  auto entry = std::make_unique<MenuItem>("", caption);
  entry->SetCheckable();
  if (shp)
    entry->OnClick([this](MenuItem& item) { LoadShplayoutClick(item); });
  else
    entry->OnClick([this](MenuItem& item) { LoadlayoutClick(item); });
  Layout1.AddOwned(std::move(entry));
  ++LayoutCount;
  LayoutList.resize(static_cast<size_t>(LayoutCount) + 1);
  LayoutList[static_cast<size_t>(LayoutCount)] = caption;
  LayoutFolders.resize(static_cast<size_t>(LayoutCount) + 1);
  LayoutFolders[static_cast<size_t>(LayoutCount)] = folder;
  LayoutFiles.resize(static_cast<size_t>(LayoutCount) + 1);
  LayoutFiles[static_cast<size_t>(LayoutCount)] = shp ? caption : caption + ".lay";
}

std::string TVelmor::EntryFolder(int boardNumber) const {
  if (boardNumber >= 1 && static_cast<size_t>(boardNumber) < LayoutFolders.size() &&
      !LayoutFolders[static_cast<size_t>(boardNumber)].empty())
    return LayoutFolders[static_cast<size_t>(boardNumber)];
  return LayoutsFolder();
}

void TVelmor::ChooseLayout(MenuItem& entry, const std::string& path, bool shp) {
  const std::string oldPath = LayoutPath;
  const int oldNumber = BoardNumber;
  LayoutPath = path;
  BoardNumber = Layout1.IndexOf(entry) - 2;
  CheckLayoutEntry(BoardNumber);
  if (!(shp ? RunShpLayout(path) : RunLayout(path))) {
    // The previous layout stays current, and so does its menu entry.
    LayoutPath = oldPath;
    BoardNumber = oldNumber;
    CheckLayoutEntry(oldNumber);
  }
}

void TVelmor::LoadlayoutClick(MenuItem& entry) {
  ChooseLayout(entry, EntryFolder(Layout1.IndexOf(entry) - 2) + entry.Caption() + ".lay", false);
}

void TVelmor::LoadShplayoutClick(MenuItem& entry) {
  ChooseLayout(entry, EntryFolder(Layout1.IndexOf(entry) - 2) + entry.Caption(), true);
}

bool TVelmor::BuildLayoutList() {
  namespace fs = std::filesystem;
  // Name -> folder; a player's layout of the same file name replaces the shipped one.
  std::map<std::string, std::string> layFolder, shpFolder;
  auto scan = [&](const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      if (it->is_directory(typeError)) continue;
      const std::string file = it->path().filename().string();
      const size_t dot = file.rfind('.');
      if (dot == std::string::npos || dot == 0) continue;
      const std::string ext = file.substr(dot);
      if (ext == ".lay")
        layFolder[file.substr(0, file.size() - 4)] = folder;
      else if (ext == ".shp")
        shpFolder[file] = folder;
    }
  };
  scan(LayoutsFolder());
  if (!UserLayoutsFolder.empty()) scan(UserLayoutsFolder);
  std::vector<std::string> lay, shp;
  for (const auto& [name, folder] : layFolder) lay.push_back(name);
  for (const auto& [name, folder] : shpFolder) shp.push_back(name);
  auto byName = [](const std::string& a, const std::string& b) {
    const int c = CompareText(a, b);
    return c != 0 ? c < 0 : a < b;
  };
  std::sort(lay.begin(), lay.end(), byName);
  // The folder listing comes in no useful order on this system; sorting keeps it stable.
  std::sort(shp.begin(), shp.end(), byName);

  if (BoardNumber < -1) BoardNumber = -1;
  if (BoardNumber == -1) {
    BoardNumber = 1;
    for (size_t i = 0; i < lay.size(); ++i)
      if (lay[i] == "Traditional") {
        BoardNumber = static_cast<int>(i) + 1;
        break;
      }
  }

  LayoutCount = 0;
  LayoutList.assign(1, std::string());
  LayoutFolders.assign(1, std::string());
  LayoutFiles.assign(1, std::string());
  std::vector<std::string> leftOut;
  for (const std::string& name : lay) {
    if (LayoutCount < MaxLayouts) AddLayoutEntry(name, false, layFolder[name]);
    else leftOut.push_back(name + ".lay");
  }
  for (const std::string& name : shp) {
    if (LayoutCount < MaxLayouts) AddLayoutEntry(name, true, shpFolder[name]);
    else leftOut.push_back(name);
  }

  if (LayoutCount == 0) {
    platform.ShowError("No layout was found in \"" + LayoutsFolder() +
                       "\". Velmor needs at least one layout file (.lay or .shp) there to play.");
    return false;
  }
  if (!leftOut.empty()) {
    std::string list;
    for (size_t i = 0; i < leftOut.size() && i < 10; ++i) list += (i ? ", " : "") + leftOut[i];
    if (leftOut.size() > 10) list += ", ...";
    platform.ShowMessage("The Layout menu holds 99 layouts at most; " +
                         std::to_string(leftOut.size()) + " more were left out: " + list + ".");
  }
  if (BoardNumber > LayoutCount) BoardNumber = LayoutCount;
  // The remembered file wins over the remembered position, which a newly saved layout that
  // sorts before it would shift.
  for (int k = 1; k <= LayoutCount && !RememberedLayoutFile.empty(); ++k)
    if (LayoutFiles[static_cast<size_t>(k)] == RememberedLayoutFile) BoardNumber = k;
  ResolveLayoutPath();
  CheckLayoutEntry(BoardNumber);
  return true;
}

void TVelmor::ResolveLayoutPath() {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto firstEntryPath = [this] { return EntryFolder(1) + LayoutList[1] + ".lay"; };
  if (BoardNumber <= 0 || BoardNumber > LayoutCount) {
    BoardNumber = 1;
    LayoutPath = firstEntryPath();
    return;
  }
  // The entry's own file: a name can stand for a ".lay" and a ".shp" file at once.
  LayoutPath = EntryFolder(BoardNumber) + LayoutFiles[static_cast<size_t>(BoardNumber)];
  if (!fs::exists(LayoutPath, ec)) {
    BoardNumber = 1;
    LayoutPath = firstEntryPath();
  }
}

bool TVelmor::SaveLayout() {
  namespace fs = std::filesystem;
  SaveFailed = false;
  const std::string oldPath = LayoutPath;
  if (LayoutPath.empty()) {
    const auto chosen = platform.SaveFileDialog(
        {"Please choose a name for your layout file", "LAY Layout files (*.lay)|*.lay", SaveLayoutsFolder()});
    if (!chosen) return false;
    LayoutPath = *chosen;
  }
  const std::string confirmed = LayoutPath;  // the name the player saw (a dialog asked about it)
  // An edited ".shp" layout is written in the program's own format beside it, as "Spiral.lay",
  // never as "Spiral.shp.lay", which would be listed as a second "Spiral.shp".
  if (IsShpPath(LayoutPath))
    LayoutPath = LayoutPath.substr(0, LayoutPath.size() - 4) + ".lay";
  else if (!Contains(LayoutPath, ".lay"))
    LayoutPath += ".lay";
  // The shipped layouts are shared and may be read-only: a changed one becomes the player's own.
  if (!UserLayoutsFolder.empty() && fs::path(LayoutPath).parent_path() == fs::path(LayoutsFolder()).parent_path())
    LayoutPath = UserLayoutsFolder + FileNamePart(LayoutPath);
  std::error_code ec;
  if (LayoutPath != confirmed && fs::exists(LayoutPath, ec) &&
      !platform.Confirm("Save layout", "The layout file \"" + FileNamePart(LayoutPath) +
                                           "\" already exists. Do you want to replace it?")) {
    // Declined: nothing is written and the layout stays in the editor.
    LayoutPath = oldPath;
    SaveFailed = true;
    return false;
  }

  // The player's own folder does not exist until the first layout is kept there.
  const bool playersFolder =
      !UserLayoutsFolder.empty() && fs::path(LayoutPath).parent_path() == fs::path(UserLayoutsFolder).parent_path();
  std::string error;
  if ((playersFolder && !MakeFolder(UserLayoutsFolder, error)) ||
      !WriteFileAtomically(LayoutPath, FormatLayFile(LayoutName, Shape), error)) {
    platform.ShowError("The layout was not saved: " + error + ".");
    LayoutPath = oldPath;
    SaveFailed = true;
    return false;
  }
  IM(ModeNoGame);

  const std::string file = FileNamePart(LayoutPath);
  const std::string entryName = file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
  const int oldNumber = BoardNumber;
  BoardNumber = 0;
  // Only a ".lay" entry can stand for the file just written, even when a ".shp" entry has its name.
  for (int k = 1; k <= LayoutCount; ++k)
    if (LayoutFiles[static_cast<size_t>(k)] == entryName + ".lay") BoardNumber = k;
  const std::string savedFolder = fs::path(LayoutPath).parent_path().string() + "/";
  if (BoardNumber != 0) LayoutFolders[static_cast<size_t>(BoardNumber)] = savedFolder;

  if (BoardNumber == 0) {
    if (LayoutCount >= MaxLayouts) {
      BoardNumber = oldNumber;
      platform.ShowMessage("The layout was saved, but the Layout menu holds 99 layouts at most, "
                           "so it is not listed.");
      return true;
    }
    AddLayoutEntry(entryName, false, savedFolder);
    BoardNumber = LayoutCount;
    LoadHallTableFor(BoardNumber);
  }
  // The check mark always names the current layout, also when an existing file was overwritten.
  CheckLayoutEntry(BoardNumber);
  return true;
}

}  // namespace velmor
