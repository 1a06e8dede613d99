// The built-in artwork drawn larger for large windows: beside each 1x file lie PNG files drawn
// 2, 3 and 4 times larger ("Tilesets/pai.bmp" -> "Tilesets/pai@2x.png"), each with exactly the
// 1x file's layout, every coordinate multiplied by the scale.
#pragma once

#include <functional>
#include <string>

namespace velmor {

constexpr int MaxArtworkScale = 4;

// The name the picture drawn `scale` times larger has beside `path`; `path` itself for scale 1.
std::string ScaledArtworkName(const std::string& path, int scale);

// The file to read for `path` shown `scale` times larger: `path` for scale 1, the larger file
// when `exists` finds it, otherwise (or for a scale outside 1..MaxArtworkScale) empty.
std::string ArtworkForScale(const std::string& path, int scale, const std::function<bool(const std::string&)>& exists);

// The same, looking on disk.
std::string ArtworkForScale(const std::string& path, int scale);

}  // namespace velmor
