// Bitmap files in and PNG files out, through Qt's image readers and writers.
#pragma once

#include <string>

#include "display/Picture.h"

namespace velmor {

constexpr int MaxBitmapSide = 8192;

// Reads a bitmap file into `out`, or a ".png" file through DecodePngFile. Refuses pictures
// larger than MaxBitmapSide on a side before decoding them.
bool LoadPictureFile(const std::string& path, Picture& out, std::string& error);

// Writes `picture` as a 24-bit RGB PNG file.
bool SavePng(const Picture& picture, const std::string& path, std::string& error);

}  // namespace velmor
