#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "layouts/LayoutFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  volatile size_t sink = 0;
  for (const std::string& line : velmor::SplitLayoutLines(text)) sink = sink + line.size();
  velmor::LayFile lay;
  std::string error;
  if (velmor::ParseLayFile(text, lay, error) && lay.magicOk) {
    // What was read must be writable again and read back the same way.
    const std::string again = velmor::FormatLayFile(lay.name, lay.shape);
    velmor::LayFile back;
    std::string error2;
    if (!velmor::ParseLayFile(again, back, error2) || !back.magicOk) __builtin_trap();
  }
  return 0;
}
