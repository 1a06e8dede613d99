// How many random deals of a layout can be cleared: the difficulty the layout chooser shows. It is
// counted once for each heap (by the layout generator for the shipped layouts, in the background
// for the player's own) and kept beside the layouts, in each folder's "Clearable.ini".
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "board/LayoutShape.h"

namespace velmor {

struct ClearableCount {
  int cleared = 0, lost = 0;
  int open = 0;  // not decided within the allowance
  int Deals() const { return cleared + lost + open; }
  // Of the deals decided, the share that can be cleared in whole percent, rounded down so that
  // "100 %" means none was found lost; -1 when none was decided.
  int Percent() const;
  friend bool operator==(const ClearableCount&, const ClearableCount&) = default;
};

// What the game and the generator count: every layout the same deals with the same allowance, so
// that the figures compare. The allowance is in loose plays, not time, so a figure comes out the
// same on every machine (about a second each here).
inline constexpr int ClearableDeals = 1000;
inline constexpr uint64_t ClearableNodesPerDeal = 200'000;

// Games 1..`deals` of `shape` dealt as a new game is with winnable deals off, each solved under
// the standard free rule within `nodesPerDeal`, on `threads` threads. Nothing when `stop` is
// requested before the count is done.
std::optional<ClearableCount> CountClearable(const LayoutShape& shape, int deals = ClearableDeals,
                                             uint64_t nodesPerDeal = ClearableNodesPerDeal, int threads = 1,
                                             std::stop_token stop = {});

// Names a heap, so that a figure kept for a file serves only while the file holds that heap.
uint64_t HeapKey(const LayoutShape& shape);

// The figures of one folder's layouts, by file name ("Pyramid.lay"), each with the key of the
// heap it was counted on.
class ClearableBook {
 public:
  static constexpr std::string_view FileName = "Clearable.ini";

  // Takes the lines of `text` it can read; a damaged line or value is passed over, never guessed.
  void Read(std::string_view text);
  std::string Text() const;
  // The figure for `file` while it holds the heap `key`.
  std::optional<ClearableCount> Find(const std::string& file, uint64_t key) const;
  void Put(const std::string& file, uint64_t key, const ClearableCount& count);
  bool Empty() const { return entries_.empty(); }
  friend bool operator==(const ClearableBook&, const ClearableBook&) = default;

 private:
  struct Entry {
    uint64_t key = 0;
    ClearableCount count;
    friend bool operator==(const Entry&, const Entry&) = default;
  };
  std::map<std::string, Entry> entries_;
};

}  // namespace velmor
