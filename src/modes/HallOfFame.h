// The Hall of Fame: ten fixed-width entries per layout and per flat game.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmor {

// "NNNNNNNN TTTT MMMM": the player's name in 8, the total seconds in 4, the penalty ("malus")
// seconds it contains in 4, separated by single spaces.
constexpr int HallEntryLength = 18;
constexpr int HallRanks = 10;
constexpr int RiversEasyList = 100;
constexpr int RiversHardList = 101;

std::string FillerEntry(int rank);
std::string MakeHallEntry(std::string_view name, int total, int malus);
// The name as entries store it: cut to 8 characters, padded with spaces.
std::string HallName(std::string_view name);
// Characters 10-13 and 15-18 as numbers: leading spaces allowed, digits only. False otherwise.
bool EntryTime(const std::string& entry, int& seconds);
bool EntryMalus(const std::string& entry, int& seconds);
bool EntryReadable(const std::string& entry);

struct HallList {
  std::array<std::string, HallRanks + 1> entries;  // 1-based

  HallList();
  void Reset();  // the ten filler entries
  bool IsEmpty() const;  // every entry holds the filler mark "--- "
  // Inserts a result by time, then malus, older entries first among equals. Returns the rank
  // taken, or 0 when the result does not enter the list.
  int Add(std::string_view name, int total, int malus);
};

}  // namespace velmor
