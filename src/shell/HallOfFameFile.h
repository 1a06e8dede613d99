// The Hall of Fame's file: the book's lists as sections of ten "RankN" keys. It lives beside the
// ini reader rather than with the book, so the game's models stay free of the shell.
#pragma once

#include <string>
#include <vector>

#include "base/BackgroundWriter.h"
#include "base/Say.h"
#include "modes/HallOfFame.h"

namespace velmor {

class IniFile;
class LayoutLibrary;
struct FolderPaths;
class Platform;

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

// The Hall of Fame as the game keeps it: every list read at start-up and the file written whole
// whenever a list changes, so that a crash later in the session loses no record. A failure is
// reported to the player and leaves the lists in memory as they were.
class HallRecords {
 public:
  VELMOR_SPEAKS(velmor)
  HallRecords(Platform& platform, BackgroundWriter& writer, const FolderPaths& folders, const LayoutLibrary& layouts)
      : platform_(platform), writer_(writer), folders_(folders), layouts_(layouts) {}

  HallOfFameBook Book;  // keyed by layout file; the flat games by their sections' names

  // The list of the game's list number `list`; an empty one when there is no such list.
  const HallList& Of(int list) const;
  // Every listed layout's list and both flat games', short values padded.
  void Load();
  // One list, as kept on disk now (a layout listed after an import).
  void LoadList(int list, bool padShortValues);
  bool Save();
  // Enters the time into the list of `list`; the rank reached (0: none), kept on disk at once.
  int Enter(int list, const std::string& player, int total, int malus);
  // Empties the list of `list`, or gives the entry at `rank` another name; true when it changed.
  bool Reset(int list);
  bool Rename(int list, int rank, const std::string& name);

 private:
  Platform& platform_;
  BackgroundWriter& writer_;
  const FolderPaths& folders_;
  const LayoutLibrary& layouts_;
};

}  // namespace velmor
