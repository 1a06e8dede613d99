// The Hall of Fame's file: the book's lists as sections of ten "RankN" keys. It lives beside the
// ini reader rather than with the book, so the game's models stay free of the shell.
#pragma once

#include <string>
#include <vector>

#include "modes/HallOfFame.h"

namespace velmor {

class IniFile;

// Reads `list` from section `section` of `ini` into the book; a missing rank holds its filler.
// The reader trims a name that began with spaces; `padShortValues` gives it back as hyphens.
// Returns the player's message when unreadable entries were replaced by fillers, else nothing.
std::string ReadHallList(const IniFile& ini, const std::string& section, int list, bool padShortValues,
                         HallOfFameBook& book);

// Writes every list: `layoutNames[k - 1]` names layout k, whose section is erased while its list
// is empty; the two flat games' lists are always written.
void WriteHallLists(const HallOfFameBook& book, const std::vector<std::string>& layoutNames, IniFile& ini);

}  // namespace velmor
