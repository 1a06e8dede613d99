#pragma once

#include <string>

namespace velmor {

// "MM:SS" with two digits each: 425 -> "07:05".
inline std::string FormatMinSec(int seconds) {
  const int m = seconds / 60, s = seconds % 60;
  std::string out;
  out += static_cast<char>('0' + (m / 10) % 10);
  out += static_cast<char>('0' + m % 10);
  out += ':';
  out += static_cast<char>('0' + s / 10);
  out += static_cast<char>('0' + s % 10);
  return out;
}

}  // namespace velmor
