#pragma once

#include <string>
#include <vector>

namespace musicgen {

struct Sound {
  std::string fileName;
  int sampleRate = 44100;
  std::vector<float> samples;  // mono, peak at -6 dBFS, faded in and out
};

// select.wav (a tile is picked), noway.wav (that move is not allowed), done.wav (a pair is
// taken).
std::vector<Sound> effects();

}  // namespace musicgen
