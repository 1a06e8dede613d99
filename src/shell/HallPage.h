// The help window's Hall of Fame page: the list the chooser names, emptying a list once the
// player confirms, and the name typed in, which the record just reached takes at once.
#pragma once

#include <cstdint>
#include <string>

#include "base/Say.h"
#include "layouts/LayoutInPlay.h"
#include "shell/HallOfFameFile.h"
#include "shell/HelpState.h"
#include "shell/LayoutMenu.h"
#include "shell/Platform.h"
#include "shell/SidePanel.h"

namespace velmor {

class HallPage {
 public:
  VELMOR_SPEAKS(velmor)
  // `player` is the name records are entered under; `reachedRank` the rank the last game reached.
  HallPage(Platform& platform, HelpWindowState& help, const LayoutMenu& listed, const LayoutInPlay& layout,
           HallRecords& hall, SidePanel& panel, std::string& player, const int32_t& reachedRank)
      : platform_(platform),
        help_(help),
        listed_(listed),
        layout_(layout),
        hall_(hall),
        panel_(panel),
        player_(player),
        reachedRank_(reachedRank) {}
  HallPage(const HallPage&) = delete;
  HallPage& operator=(const HallPage&) = delete;

  // The chooser's entries: every layout, then both flat games; the one in play chosen.
  void FillChooser();
  // The rows of the game's list number `list`, which the chooser then names.
  void Show(int list);
  void ChooserChange(int index);
  void ResetClick(int index);
  void NameChange(const std::string& text);

 private:
  Platform& platform_;
  HelpWindowState& help_;
  const LayoutMenu& listed_;
  const LayoutInPlay& layout_;
  HallRecords& hall_;
  SidePanel& panel_;
  std::string& player_;
  const int32_t& reachedRank_;
};

}  // namespace velmor
