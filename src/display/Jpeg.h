// Background pictures stored as JPEG files, decoded with libjpeg.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/Picture.h"

namespace velmor {

// Pictures wider or taller than this are refused before anything big is allocated: a backdrop
// never needs more, and a damaged header must not make us ask for gigabytes.
constexpr int MaxJpegSide = 8192;

// Decodes a whole JPEG picture (baseline, progressive, greyscale or CMYK) into `out`. Returns
// false with a one-sentence reason in `error` for anything it cannot decode completely, and
// then leaves `out` untouched.
bool DecodeJpeg(const uint8_t* data, size_t size, Picture& out, std::string& error);

// The same for a file; errors name the file.
bool DecodeJpegFile(const std::string& path, Picture& out, std::string& error);

}  // namespace velmor
