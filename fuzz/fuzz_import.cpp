#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/ImportLayout.h"
#include "layouts/LayoutFile.h"

// Both foreign readers on the same bytes. Whatever they import must be a whole heap that this
// game's own reader takes back, under a file name that stays in its folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<velmor::ImportedHeap> heaps;
  std::string error;
  velmor::ReadKMahjonggLayout(text, "Fuzz", heaps, error);
  velmor::ReadGnomeMahjonggMaps(text, heaps, error);
  velmor::ImportLayoutText(text, "fuzz.layout", heaps, error, text);  // the bytes as its ".desktop" too
  const std::vector<velmor::ImportedLayout> layouts = velmor::ImportedLayouts(heaps);
  for (size_t i = 0; i < heaps.size(); ++i) {
    const velmor::ImportedHeap& heap = heaps[i];
    const std::string& file = layouts[i].file;
    if (file.find('/') != std::string::npos || file[0] == '.' || file.size() > 255) __builtin_trap();
    if (!heap.imported) continue;
    if (heap.shape.Count() != 144) __builtin_trap();
    velmor::LayFile back;
    if (!velmor::ParseLayFile(velmor::FormatLayFile(heap.name, heap.shape), back, error) || !back.magicOk ||
        back.name != heap.name || !(back.shape == heap.shape))
      __builtin_trap();
  }
  return 0;
}
