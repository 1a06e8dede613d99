#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "modes/HallOfFame.h"
#include "shell/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::IniFile ini;
  if (!ini.LoadText(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;

  for (const char* section : {"Rivers", "Traditional"}) {
    velmor::HallList list;
    for (int r = 1; r <= velmor::HallRanks; ++r) {
      std::string value = ini.ReadString(section, "Rank" + std::to_string(r), velmor::FillerEntry(r));
      int t = 0, m = 0;
      velmor::EntryTime(value, t);
      velmor::EntryMalus(value, m);
      if (value.size() < velmor::HallEntryLength) value.insert(0, velmor::HallEntryLength - value.size(), '-');
      if (!velmor::EntryReadable(value)) value = velmor::FillerEntry(r);
      list.entries[static_cast<size_t>(r)] = value;
    }
    list.IsEmpty();
    const int rank = list.Add("Fuzzer", 300, 20);
    if (rank < 0 || rank > velmor::HallRanks) __builtin_trap();
    list.Add("", 0, 0);
    list.Add("A very long player name", 9999, 9999);
    for (int r = 1; r <= velmor::HallRanks; ++r)
      if (!velmor::EntryReadable(list.entries[static_cast<size_t>(r)])) __builtin_trap();
  }
  return 0;
}
