#include "layouts/ImportHeap.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Say.h"

namespace velmor {

bool ToShape(const SlotList& list, LayoutShape& shape, std::string& refusal) {
  if (list.count != HeapTiles) {
    refusal = Fill(VELMOR_TEXT("it has %1 tiles; a heap needs exactly %2"), list.count, HeapTiles);
    return false;
  }
  int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN, minZ = INT64_MAX, maxZ = INT64_MIN;
  for (const Slot& s : list.slots) {
    minX = std::min(minX, s.x), maxX = std::max(maxX, s.x);
    minY = std::min(minY, s.y), maxY = std::max(maxY, s.y);
    minZ = std::min(minZ, s.z), maxZ = std::max(maxZ, s.z);
  }
  if (minZ < 0) {
    refusal = Fill(VELMOR_TEXT("a tile lies below the bottom layer (layer %1)"), minZ);
    return false;
  }
  if (maxZ + 1 > LayoutShape::Layers) {
    refusal = Fill(VELMOR_TEXT("it has %1 layers; the board holds %2"), maxZ + 1, LayoutShape::Layers);
    return false;
  }
  // A tile covers two half tiles each way from where it stands.
  const int64_t width = maxX - minX + 2, height = maxY - minY + 2;
  if (width > LayoutShape::Columns) {
    refusal = Fill(VELMOR_TEXT("it is %1 half tiles wide; the board holds %2"), width, LayoutShape::Columns);
    return false;
  }
  if (height > LayoutShape::Rows) {
    refusal = Fill(VELMOR_TEXT("it is %1 half tiles high; the board holds %2"), height, LayoutShape::Rows);
    return false;
  }
  const int64_t left = (LayoutShape::Columns - width) / 2, top = (LayoutShape::Rows - height) / 2;
  LayoutShape result;
  std::array<std::array<std::array<bool, LayoutShape::Columns>, LayoutShape::Rows>, LayoutShape::Layers> covered{};
  for (const Slot& s : list.slots) {
    const int column = static_cast<int>(s.x - minX + left), row = static_cast<int>(s.y - minY + top);
    const int layer = static_cast<int>(s.z);
    for (int dr = 0; dr < 2; ++dr)
      for (int dc = 0; dc < 2; ++dc) {
        bool& cell =
            covered[static_cast<size_t>(layer)][static_cast<size_t>(row + dr)][static_cast<size_t>(column + dc)];
        if (cell) {
          refusal = Fill(VELMOR_TEXT("two tiles overlap on layer %1"), layer + 1);
          return false;
        }
        cell = true;
      }
    result.at(layer + 1, row, column) = 1;
  }
  shape = result;
  return true;
}

ImportedHeap MakeHeap(std::string name, const SlotList& list) {
  ImportedHeap heap;
  heap.name = std::move(name);
  heap.imported = ToShape(list, heap.shape, heap.refusal);
  return heap;
}

ImportedHeap RefusedHeap(std::string name, std::string refusal) {
  ImportedHeap heap;
  heap.name = std::move(name);
  heap.refusal = std::move(refusal);
  return heap;
}

std::string CleanName(std::string_view name) {
  std::string out;
  for (char ch : name) out.push_back(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F ? ' ' : ch);
  const size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view SkipByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace velmor
