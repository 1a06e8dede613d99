#include "shell/HallOfFameFile.h"

#include "base/Say.h"
#include "layouts/LayoutLibrary.h"
#include "shell/IniFile.h"

namespace velmor {

namespace {
std::string RankKey(int rank) { return "Rank" + std::to_string(rank); }

void WriteList(const HallList& table, const std::string& section, IniFile& ini) {
  for (int r = 1; r <= HallRanks; ++r) ini.WriteString(section, RankKey(r), table.entries[static_cast<size_t>(r)]);
}

// What the player is told when `repaired` entries were replaced: %1 is the list's section, %2 the count.
const char* RepairedPattern(int repaired) {
  return repaired == 1
             ? VELMOR_TEXT("The Hall of Fame of \"%1\" held 1 unreadable entry; it was replaced by empty places.")
             : VELMOR_TEXT(
                   "The Hall of Fame of \"%1\" held %2 unreadable entries; they were replaced by empty places.");
}
}  // namespace

std::string HallKeyOf(const LayoutLibrary& layouts, int number) {
  if (number == RiversEasyList) return RiversEasyHall;
  if (number == RiversHardList) return RiversHardHall;
  return layouts.Has(number) ? layouts[number].file : std::string();
}

std::string ReadHallList(const IniFile& ini, const std::string& section, const std::string& key, bool padShortValues,
                         HallOfFameBook& book) {
  if (key.empty()) return {};
  HallList& table = book[key];
  int repaired = 0;
  for (int r = 1; r <= HallRanks; ++r) {
    std::string value = ini.ReadString(section, RankKey(r), FillerEntry(r));
    if (padShortValues && value.size() < HallEntryLength) value.insert(0, HallEntryLength - value.size(), '-');
    // An entry spoilt by hand would break every later drawing of the list: its rank's filler
    // stands in for it.
    if (!EntryReadable(value)) {
      value = FillerEntry(r);
      ++repaired;
    }
    table.entries[static_cast<size_t>(r)] = value;
  }
  if (!repaired) return {};
  return Fill(RepairedPattern(repaired), section, repaired);
}

void WriteHallLists(const HallOfFameBook& book, const std::vector<HallLayout>& layouts, IniFile& ini) {
  for (const HallLayout& layout : layouts) {
    const std::string section = HallOfFameBook::Section(layout.recordName);
    if (book.Get(layout.key).IsEmpty())
      ini.EraseSection(section);
    else
      WriteList(book.Get(layout.key), section, ini);
  }
  WriteList(book.Get(RiversEasyHall), RiversEasyHall, ini);
  WriteList(book.Get(RiversHardHall), RiversHardHall, ini);
}

}  // namespace velmor
