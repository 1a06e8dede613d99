#include "WavFile.h"

#include <cmath>
#include <stdexcept>

namespace musicgen {
namespace {

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> wavFile(const std::vector<float>& samples, int sampleRate) {
  const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
  std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
  putLittle(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  putLittle(out, 16, 4);
  putLittle(out, 1, 2);  // PCM
  putLittle(out, 1, 2);  // mono
  putLittle(out, std::uint32_t(sampleRate), 4);
  putLittle(out, std::uint32_t(sampleRate) * 2, 4);  // bytes a second
  putLittle(out, 2, 2);                              // bytes a frame
  putLittle(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  putLittle(out, dataBytes, 4);
  for (float sample : samples) {
    if (!(std::fabs(sample) <= 1.0f)) throw std::runtime_error("a sample beyond full scale");
    const auto value = std::int16_t(std::lround(sample * 32767.0f));
    putLittle(out, std::uint16_t(value), 2);
  }
  return out;
}

}  // namespace musicgen
