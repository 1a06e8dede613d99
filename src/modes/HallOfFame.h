// The Hall of Fame: ten fixed-width entries per layout and per flat game.
#pragma once

#include <array>
#include <map>
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

// Every list the game keeps: one per layout, known by the layout's file ("Pyramid.lay"), and one
// per flat game (RiversEasyHall, RiversHardHall), so that a list follows its layout wherever the
// Layout menu lists it.
inline constexpr const char* RiversEasyHall = "Rivers";  // no extension: never a layout's file
inline constexpr const char* RiversHardHall = "Rivers2";

class HallOfFameBook {
 public:
  // Whether `number` names a list by the game's numbering: a layout's menu entry (1..99) or a
  // flat game (RiversEasyList, RiversHardList).
  static bool IsList(int number) { return number >= 1 && number <= RiversHardList; }

  // The list kept under `key`, made empty when there was none. An empty key names no list.
  HallList& operator[](const std::string& key) { return lists_[key]; }
  // The same without making one: an empty list stands in for a key that has none.
  const HallList& Get(const std::string& key) const;
  bool Has(const std::string& key) const { return lists_.count(key) != 0; }
  // The time a result must beat to enter `key`'s list: its tenth. 0 for the empty key.
  int TenthTime(const std::string& key) const;
  // Enters a finished game's result when its time beats the tenth (an equal time does not enter,
  // whatever its malus). Returns the rank taken, or 0; nothing enters under the empty key.
  int Enter(const std::string& key, std::string_view name, int total, int malus);

  // The file's section for a layout's list: its record name without spaces (the file's sections
  // predate names with spaces). The flat games' sections are their keys.
  static std::string Section(std::string_view layoutRecordName);

 private:
  std::map<std::string, HallList, std::less<>> lists_;
};

}  // namespace velmor
