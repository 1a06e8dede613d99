#include "shell/TuneList.h"

#include <algorithm>
#include <filesystem>

#include "base/Text.h"

namespace velmor {

std::vector<std::string> TuneList::Scan(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
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
  return names;
}

void TuneList::Settle(const std::vector<std::string>& names) {
  if (Number == -1) {
    const auto night = std::find(names.begin(), names.end(), "Night");
    if (night != names.end()) Number = static_cast<int32_t>(night - names.begin()) + 1;
  }
  Number = std::clamp(Number, 1, std::max(1, Count()));
  Entries.CheckOnly(Number);
}

bool TuneList::Choose(const MenuItem& entry) {
  const int k = Entries.NumberOf(entry);
  if (k == 0) return false;
  Number = k;
  Entries.CheckOnly(k);
  return true;
}

}  // namespace velmor
