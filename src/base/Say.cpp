#include "base/Say.h"

namespace velmor {

std::string FillPattern(std::string_view pattern, std::span<const std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const char next = pattern[i + 1];
      if (next >= '1' && next <= '9' && static_cast<size_t>(next - '1') < values.size()) {
        out += values[static_cast<size_t>(next - '1')];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace velmor
