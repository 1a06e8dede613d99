#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  velmor::IniFile ini;
  if (!ini.LoadText(text)) return 0;

  // Names taken from the input itself reach sections and keys the fixed names never would.
  const size_t cut = size / 2;
  const std::string_view section = text.substr(0, cut < 12 ? cut : 12);
  const std::string_view key = text.substr(cut, 8);

  volatile int sink = 0;
  for (std::string_view s : {std::string_view("Options"), std::string_view("Rivers"), section}) {
    sink = sink + static_cast<int>(ini.ReadString(s, "Player", "x").size());
    sink = sink + ini.ReadInteger(s, key, 7);
    sink = sink + ini.ReadBool(s, "Sound", false);
    sink = sink + ini.SectionExists(s);
  }

  ini.WriteString("Options", "Player", text.substr(0, 20));
  ini.WriteInteger(section, key, -42);
  ini.WriteBool(section, "Sound", true);
  if (ini.WriteString(section, key, "value") && ini.ReadString(section, key, "") != "value") __builtin_trap();
  ini.EraseSection(section);
  ini.EraseSection("Options");

  // The rewritten text must load again.
  const std::string out = ini.Text();
  velmor::IniFile again;
  again.LoadText(out);
  return 0;
}
