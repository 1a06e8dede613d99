// What the readers of other games' heaps share: the tiles as read, and how a list of them becomes
// a heap on this game's board or a refusal. Only the import readers use this.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/ImportLayout.h"

namespace velmor {

constexpr int HeapTiles = 144;

// A tile of a foreign heap, in half tiles across and down, layer 0 at the bottom.
struct Slot {
  int64_t x = 0, y = 0, z = 0;
};

// The tiles of one heap as read. Only the first few are kept: a heap of more than 144 is refused
// by its count alone, however many a hostile file claims.
struct SlotList {
  std::vector<Slot> slots;
  int64_t count = 0;
  void Add(const Slot& s) {
    if (count < HeapTiles + 1) slots.push_back(s);
    ++count;
  }
  // Counts `n` more tiles without keeping them; the sum stops growing long before it overflows.
  void Skip(int64_t n) { count = std::min<int64_t>(count + n, INT64_C(1) << 60); }
};

// Puts the tiles on the board, centred, or says why they do not fit.
bool ToShape(const SlotList& list, LayoutShape& shape, std::string& refusal);
ImportedHeap MakeHeap(std::string name, const SlotList& list);
ImportedHeap RefusedHeap(std::string name, std::string refusal);
// A heap's name goes into a ".lay" file's second line, which must stay one line.
std::string CleanName(std::string_view name);
bool IsSpace(char ch);
std::string_view TrimBlanks(std::string_view s);
std::string_view SkipByteOrderMark(std::string_view text);
// Lines end at LF, CR LF or a lone CR.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace velmor
