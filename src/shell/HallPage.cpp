#include "shell/HallPage.h"

#include "base/Format.h"
#include "base/Text.h"

namespace velmor {

void HallPage::FillChooser() {
  help_.LayoutChooser.clear();
  for (int k = 1; k <= listed_.Layouts.Count(); ++k)
    help_.LayoutChooser.push_back(Fill(VELMOR_TEXT("%1 Layout"), listed_.Layouts[k].name));
  help_.LayoutChooser.push_back(VELMOR_TEXT("Voverizo Dadazu (Easy)"));
  help_.LayoutChooser.push_back(VELMOR_TEXT("Voverizo Dadazu (Hard)"));
  help_.ChooserIndex =
      layout_.BoardNumber >= 100 ? listed_.Layouts.Count() + layout_.BoardNumber - 100 : layout_.BoardNumber - 1;
}

void HallPage::Show(int list) {
  if (!HallOfFameBook::IsList(list)) return;
  help_.ChooserIndex = list == RiversEasyList   ? listed_.Layouts.Count()
                       : list == RiversHardList ? listed_.Layouts.Count() + 1
                                                : list - 1;
  help_.Scores.clear();
  const HallList& table = hall_.Of(list);
  for (int r = 1; r <= HallRanks; ++r) {
    const std::string& entry = table.entries[static_cast<size_t>(r)];
    int time = 0, malus = 0;
    EntryTime(entry, time);
    EntryMalus(entry, malus);
    help_.Scores.push_back({std::to_string(r), entry.substr(0, 8), FormatMinSec(time), FormatMinSec(malus)});
  }
}

namespace {
int ListOfChooserIndex(int index, int layoutCount) {
  if (index < 0) return 0;
  if (index == layoutCount) return RiversEasyList;
  if (index == layoutCount + 1) return RiversHardList;
  return index + 1;
}
}  // namespace

void HallPage::ChooserChange(int index) {
  const int list = ListOfChooserIndex(index, listed_.Layouts.Count());
  if (list) Show(list);
}

void HallPage::ResetClick(int index) {
  const int list = ListOfChooserIndex(index, listed_.Layouts.Count());
  if (!list) return;
  if (platform_.Confirm(VELMOR_TEXT("Please confirm..."),
                        VELMOR_TEXT("Do you really want to remove the Hall of Fame entries for this layout ?")))
    hall_.Reset(list);
  panel_.ShowHall(reachedRank_);
  Show(list);
  panel_.Stale = true;
}

void HallPage::NameChange(const std::string& text) {
  help_.HallEdit1 = text;
  if (text != player_) {
    player_ = text.empty() ? "-" : text;
    std::string name = player_;
    if (!name.empty() && name[0] == ' ') name[0] = '-';
    // The record on disk carries its owner's name at once.
    if (hall_.Rename(layout_.BoardNumber, reachedRank_, name)) hall_.Save();
    Show(layout_.BoardNumber);
  }
  panel_.ShowHall(reachedRank_);
}

}  // namespace velmor
