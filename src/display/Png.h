// Pictures stored as PNG files, decoded here with zlib for the compressed data. The artwork for
// large windows ships as PNG, and players may bring their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/Picture.h"

namespace velmor {

// Pictures wider or taller than this are refused before anything big is allocated.
constexpr int MaxPngSide = 8192;

// Decodes a whole non-interlaced PNG picture: greyscale, RGB, palette, with or without alpha, at
// any bit depth (16-bit samples keep their high byte). Alpha is dropped: every picture the game
// draws is opaque. Returns false with a one-sentence reason in `error` for anything it cannot
// decode completely (interlaced files included), and then leaves `out` untouched.
bool DecodePng(const uint8_t* data, size_t size, Picture& out, std::string& error);

// The same for a file; errors name the file.
bool DecodePngFile(const std::string& path, Picture& out, std::string& error);

// True for a path the PNG reader should take (it ends in ".png", in any case).
bool IsPngPath(const std::string& path);

}  // namespace velmor
