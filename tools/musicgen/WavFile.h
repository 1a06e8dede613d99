#pragma once

#include <cstdint>
#include <vector>

namespace musicgen {

// A mono 16-bit PCM RIFF/WAVE file. Samples are in -1..1; anything beyond is an error, not
// something to clip quietly.
std::vector<std::uint8_t> wavFile(const std::vector<float>& samples, int sampleRate);

}  // namespace musicgen
