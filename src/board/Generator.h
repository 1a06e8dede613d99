// The program's one random generator: every deal, shuffle and random tune draws from it.
#pragma once

#include <cstdint>

namespace velmor {

struct Generator {
  uint32_t GeneratorState = 0;

  // 0 .. n-1 for n in 1 .. 2^31-1: upper half of the 64-bit product of the new state and n.
  int RandomBelow(int n) {
    GeneratorState = GeneratorState * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(GeneratorState) * static_cast<uint32_t>(n)) >> 32);
  }

  // The clock seed is the UTC time of day in milliseconds (0 .. 86 399 999).
  void Reseed(uint32_t millisecondOfDay) { GeneratorState = millisecondOfDay; }
};

}  // namespace velmor
