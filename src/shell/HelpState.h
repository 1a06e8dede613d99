// What the help window shows: the page it opens on, the player's fields on the options page and
// the Hall of Fame page's list. The game fills it before the window is shown and reads back what
// the player typed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/Picture.h"
#include "modes/Statistics.h"

namespace velmor {

// In the order of the window's pages.
enum class HelpPage { Help, Whatsnew, Hello, Francais, SeeTiles, GoOptions, GoHall, GoStatistics };

struct HelpWindowState {
  HelpPage ActivePage = HelpPage::Help;
  std::string PlayerName, RandomSeed, HallEdit1, HallLabel1;
  bool NewRecordLook = false;  // label and name field instead of the list chooser and reset
  std::vector<std::string> LayoutChooser;
  int ChooserIndex = -1;
  struct Row {
    std::string rank, name, time, malus;
  };
  std::vector<Row> Scores;
  std::vector<StatisticsRow> Statistics;
  Picture Pai;                         // the tile faces page, drawn when the help window opens
  std::string HelpHtml, WhatsNewHtml;  // the two text pages, read at start-up
  int32_t Width = 0, Height = 0;       // the window's size when it was closed last; 0: never opened
};

}  // namespace velmor
