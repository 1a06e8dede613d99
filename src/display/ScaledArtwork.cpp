#include "display/ScaledArtwork.h"

#include "base/Files.h"

namespace velmor {

std::string ScaledArtworkName(const std::string& path, int scale) {
  if (scale == 1) return path;
  // The extension is the part after the last dot of the file's own name, not of a folder's.
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.rfind('.');
  const size_t stem = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
  return path.substr(0, stem) + "@" + std::to_string(scale) + "x.png";
}

std::string ArtworkForScale(const std::string& path, int scale, const std::function<bool(const std::string&)>& exists) {
  if (scale == 1) return path;
  if (scale < 1 || scale > MaxArtworkScale || path.empty()) return {};
  std::string larger = ScaledArtworkName(path, scale);
  return exists(larger) ? larger : std::string();
}

std::string ArtworkForScale(const std::string& path, int scale) {
  return ArtworkForScale(path, scale, [](const std::string& file) { return IsFile(file); });
}

}  // namespace velmor
