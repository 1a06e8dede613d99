// The tunes of the Music menu: one entry per ".mid" file of the tunes folder, in the order the
// menu lists them, and the one the player chose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/MenuItem.h"

namespace velmor {

struct TuneList {
  NumberedEntries Entries;
  int32_t Number = -1;        // the chosen entry; -1 until the settings or the list choose
  std::string Current;        // path of the tune chosen last
  bool ProblemShown = false;  // a tune that cannot play is reported once per session
  bool FirstPending = false;  // the first tune waits for the window's first heartbeat

  MenuItem* Entry(int number) const { return Entries.Entry(number); }
  int Count() const { return Entries.Count(); }
  // The names (without ".mid") of the tunes in `folder`, sorted as the menu lists them.
  static std::vector<std::string> Scan(const std::string& folder);
  // Once the entries are listed: "Night" when nothing was chosen yet, the number kept inside the
  // list, and its entry checked alone.
  void Settle(const std::vector<std::string>& names);
  // The entry the player clicked becomes the chosen one; false when it is no tune entry.
  bool Choose(const MenuItem& entry);
};

}  // namespace velmor
