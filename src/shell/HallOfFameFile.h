// The Hall of Fame's file: the book's lists as sections of ten "RankN" keys. It lives beside the
// ini reader rather than with the book, so the game's models stay free of the shell.
#pragma once

#include <string>
#include <vector>

#include "modes/HallOfFame.h"

namespace velmor {

class IniFile;
class LayoutLibrary;

// The book's key for the game's list number `number`: the flat games' keys for RiversEasyList and
// RiversHardList, the file of the layout the menu lists as `number`, or empty for no list.
std::string HallKeyOf(const LayoutLibrary& layouts, int number);

// Reads the list kept under `key` from section `section` of `ini` into the book; a missing rank
// holds its filler.
// The reader trims a name that began with spaces; `padShortValues` gives it back as hyphens.
// Returns the player's message when unreadable entries were replaced by fillers, else nothing.
std::string ReadHallList(const IniFile& ini, const std::string& section, const std::string& key, bool padShortValues,
                         HallOfFameBook& book);

// A listed layout as the file knows its records: the book's key (the layout's file) and the name
// its section is made from.
struct HallLayout {
  std::string key, recordName;
};

// Writes the lists of `layouts`, each section erased while its list is empty, and the two flat
// games' lists, always. Sections of layouts not listed now are left as they are.
void WriteHallLists(const HallOfFameBook& book, const std::vector<HallLayout>& layouts, IniFile& ini);

}  // namespace velmor
