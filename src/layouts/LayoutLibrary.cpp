#include "layouts/LayoutLibrary.h"

#include <algorithm>
#include <map>

#include "base/Files.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"

namespace velmor {

void LayoutLibrary::Scan(const std::string& shipped, const std::string& players, std::vector<std::string>& leftOut) {
  entries_.clear();
  leftOut.clear();
  // File name -> folder; the player's folder is scanned second, so its files win.
  std::map<std::string, std::string> layFolder, shpFolder;
  auto scan = [&](const std::string& folder) {
    for (const std::string& file : FilesIn(folder)) {
      const size_t dot = file.rfind('.');
      if (dot == std::string::npos || dot == 0) continue;
      const std::string ext = file.substr(dot);
      if (ext == ".lay")
        layFolder[file] = folder;
      else if (ext == ".shp")
        shpFolder[file] = folder;
    }
  };
  scan(shipped);
  if (!players.empty()) scan(players);
  auto byName = [](const LayoutInfo& a, const LayoutInfo& b) {
    const int c = CompareText(a.name, b.name);
    return c != 0 ? c < 0 : a.name < b.name;
  };
  std::vector<LayoutInfo> lay, shp;
  for (const auto& [file, folder] : layFolder) lay.push_back({file.substr(0, file.size() - 4), file, folder, false});
  for (const auto& [file, folder] : shpFolder) shp.push_back({file.substr(0, file.size() - 4), file, folder, true});
  std::sort(lay.begin(), lay.end(), byName);
  // The folder listing comes in no useful order on this system; sorting keeps it stable.
  std::sort(shp.begin(), shp.end(), byName);
  for (auto* list : {&lay, &shp})
    for (LayoutInfo& info : *list) {
      if (Count() < MaxEntries)
        entries_.push_back(std::move(info));
      else
        leftOut.push_back(info.file);
    }
}

int LayoutLibrary::Add(LayoutInfo info) {
  entries_.push_back(std::move(info));
  return Count();
}

int LayoutLibrary::FindFile(const std::string& file) const {
  int found = 0;
  for (int k = 1; k <= Count(); ++k)
    if ((*this)[k].file == file) found = k;  // the last one wins, as a saved name always has
  return found;
}

int LayoutLibrary::FindName(const std::string& name) const { return FindFile(name + ".lay"); }

std::string LayFilePathFor(const std::string& path) {
  if (IsShpPath(path)) return path.substr(0, path.size() - 4) + ".lay";
  if (!Contains(path, ".lay")) return path + ".lay";
  return path;
}

}  // namespace velmor
