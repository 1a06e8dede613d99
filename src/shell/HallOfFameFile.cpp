#include "shell/HallOfFameFile.h"

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/LayoutLibrary.h"
#include "shell/GameFolders.h"
#include "shell/IniFile.h"
#include "shell/Platform.h"

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

const HallList& HallRecords::Of(int list) const { return Book.Get(HallKeyOf(layouts_, list)); }

void HallRecords::LoadList(int list, bool padShortValues) {
  const std::string key = HallKeyOf(layouts_, list);
  if (key.empty()) return;
  IniFile ini;
  std::string error;
  if (!ini.Load(folders_.HallPath(), writer_, error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("The Hall of Fame could not be read: %1."), error));
    return;
  }
  const std::string section = layouts_.Has(list) ? HallOfFameBook::Section(layouts_[list].RecordName()) : key;
  const std::string repaired = ReadHallList(ini, section, key, padShortValues, Book);
  if (!repaired.empty()) platform_.ShowMessage(repaired);
}

void HallRecords::Load() {
  for (int k = 1; k <= layouts_.Count(); ++k) LoadList(k, true);
  LoadList(RiversEasyList, true);
  LoadList(RiversHardList, true);
}

bool HallRecords::Save() {
  IniFile ini;
  std::string error;
  if (!ini.Load(folders_.HallPath(), error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("The Hall of Fame was not saved: %1."), error));
    return false;
  }
  std::vector<HallLayout> listed;
  for (int k = 1; k <= layouts_.Count(); ++k) listed.push_back({layouts_[k].file, layouts_[k].RecordName()});
  WriteHallLists(Book, listed, ini);
  writer_.Put(ini.Path(), ini.Text(), [this](const std::string& why) {
    platform_.ShowError(Fill(VELMOR_TEXT("The Hall of Fame was not saved: %1."), why));
  });
  return true;
}

int HallRecords::Enter(int list, const std::string& player, int total, int malus) {
  const int rank = Book.Enter(HallKeyOf(layouts_, list), player, total, malus);
  if (rank != 0) Save();
  return rank;
}

bool HallRecords::Reset(int list) {
  const std::string key = HallKeyOf(layouts_, list);
  if (key.empty()) return false;
  Book[key].Reset();
  return true;
}

bool HallRecords::Rename(int list, int rank, const std::string& name) {
  const std::string key = HallKeyOf(layouts_, list);
  return !key.empty() && Book[key].Rename(rank, name);
}

}  // namespace velmor
