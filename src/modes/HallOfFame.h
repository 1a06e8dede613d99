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
  void Reset();          // the ten filler entries
  bool IsEmpty() const;  // every entry holds the filler mark "--- "
  // Inserts a result by time, then malus, older entries first among equals. Returns the rank
  // taken, or 0 when the result does not enter the list.
  int Add(std::string_view name, int total, int malus);
  // The name of the entry at `rank` (1..10) becomes `name`, cut or padded to 8; false for no rank.
  bool Rename(int rank, std::string_view name);
};

// Every list the game keeps: one per layout, numbered as the Layout menu (1..99), and one per flat
// game (RiversEasyList, RiversHardList). List 0 is never used.
class HallOfFameBook {
 public:
  static bool IsList(int list) { return list >= 1 && list <= RiversHardList; }

  HallList& operator[](int list) { return lists_[static_cast<size_t>(list)]; }
  const HallList& operator[](int list) const { return lists_[static_cast<size_t>(list)]; }
  // The list a game on `boardNumber` records to; layout 1's for a number that names no list.
  HallList& ListOf(int boardNumber) { return lists_[static_cast<size_t>(IsList(boardNumber) ? boardNumber : 1)]; }
  // The time a result must beat to enter `list`: its tenth. 0 for a number that names no list.
  int TenthTime(int list) const;
  // Enters a finished game's result in `list` when its time beats the tenth (an equal time does
  // not enter, whatever its malus). Returns the rank taken, or 0.
  int Enter(int list, std::string_view name, int total, int malus);

  // The file's section for a list: the layout's name without its spaces (the file's sections
  // predate names with spaces); the flat games have fixed names.
  static std::string Section(int list, std::string_view layoutName);

 private:
  std::array<HallList, RiversHardList + 1> lists_;
};

}  // namespace velmor
