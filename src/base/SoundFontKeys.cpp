#include "base/SoundFontKeys.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/Files.h"

namespace velmor {

bool ReadSoundFontKeys(const std::string& path, SoundFontKeys& out) {
  auto u32 = [](const unsigned char* b) {
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
  };
  // Only the chunk headers and the preset data are read: the samples are most of the file.
  std::string part;
  auto read = [&](uintmax_t at, size_t count) { return ReadFilePart(path, at, count, part) && part.size() == count; };
  if (!ReadFilePart(path, 0, 12, part)) return false;
  std::vector<unsigned char> pdta;
  if (part.size() == 12 && std::memcmp(part.data(), "RIFF", 4) == 0 && std::memcmp(part.data() + 8, "sfbk", 4) == 0) {
    for (uintmax_t at = 12; read(at, 12);) {
      unsigned char head[12];
      std::memcpy(head, part.data(), 12);
      const uint32_t size = u32(head + 4);
      if (std::memcmp(head, "LIST", 4) == 0 && std::memcmp(head + 8, "pdta", 4) == 0 && size >= 4 &&
          size < (64u << 20)) {
        if (read(at + 12, size - 4)) pdta.assign(part.begin(), part.end());
        break;
      }
      if (size < 4) break;
      at += 8 + size + (size & 1);
    }
  }
  std::map<std::string, std::pair<const unsigned char*, size_t>> tables;
  for (size_t at = 0; at + 8 <= pdta.size();) {
    const size_t size = u32(&pdta[at + 4]);
    if (size > pdta.size() - at - 8) return false;
    tables[std::string(pdta.begin() + long(at), pdta.begin() + long(at) + 4)] = {&pdta[at + 8], size};
    at += 8 + size;
  }
  struct Level {
    const unsigned char *headers, *bags, *gens;
    size_t count, bagCount, genCount;
  };
  auto level = [&](const char* h, const char* b, const char* g, size_t headerSize, Level& made) {
    if (!tables.count(h) || !tables.count(b) || !tables.count(g)) return false;
    made = {tables[h].first,      tables[b].first,     tables[g].first, tables[h].second / headerSize,
            tables[b].second / 4, tables[g].second / 4};
    return made.count >= 1 && made.bagCount >= 1;
  };
  Level presets, instruments;
  if (!level("phdr", "pbag", "pgen", 38, presets) || !level("inst", "ibag", "igen", 22, instruments)) return false;
  auto u16 = [](const unsigned char* b) { return size_t(b[0] | b[1] << 8); };
  // Calls `zone` with each zone's keys and link of header `h` (its last record only closes the list).
  auto zones = [&](const Level& l, size_t headerSize, size_t bagField, size_t h, int link, auto zone) {
    const size_t firstBag = u16(l.headers + h * headerSize + bagField);
    const size_t endBag = u16(l.headers + (h + 1) * headerSize + bagField);
    std::bitset<128> defaults;
    defaults.set();
    for (size_t bag = firstBag; bag < endBag && bag + 1 < l.bagCount; ++bag) {
      std::bitset<128> keys = defaults;
      int target = -1;
      for (size_t g = u16(l.bags + bag * 4); g < u16(l.bags + bag * 4 + 4) && g < l.genCount; ++g) {
        const unsigned char* gen = l.gens + g * 4;
        if (u16(gen) == 43) {
          keys.reset();
          for (int k = gen[2]; k <= gen[3] && k < 128; ++k) keys.set(size_t(k));
        } else if (int(u16(gen)) == link) {
          target = int(u16(gen + 2));
        }
      }
      if (target >= 0)
        zone(keys, target);
      else if (bag == firstBag)
        defaults = keys;
    }
  };
  std::vector<std::bitset<128>> instrumentKeys(instruments.count);
  for (size_t i = 0; i + 1 < instruments.count; ++i)
    zones(instruments, 22, 20, i, 53, [&](std::bitset<128> keys, int) { instrumentKeys[i] |= keys; });
  out.clear();
  for (size_t p = 0; p + 1 < presets.count; ++p) {
    const unsigned char* header = presets.headers + p * 38;
    std::bitset<128>& keys = out[{int(u16(header + 22)), int(u16(header + 20))}];
    zones(presets, 38, 24, p, 41, [&](std::bitset<128> zoneKeys, int instrument) {
      if (size_t(instrument) < instrumentKeys.size()) keys |= zoneKeys & instrumentKeys[size_t(instrument)];
    });
  }
  return true;
}

bool HoldsAll(const SoundFontKeys& font, const MidiSounds& sounds) {
  for (const MidiSounds::Preset& preset : sounds.presets) {
    const auto held = font.find({preset.bank, preset.program});
    if (held == font.end() || (preset.keys & ~held->second).any()) return false;
  }
  return true;
}

}  // namespace velmor
