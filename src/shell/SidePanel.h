// The panel beside the board: the Hall of Fame list of the layout in play with the pointed tile's
// picture below it, or in a two-player game both clocks, the player on turn blinking.
#pragma once

#include <cstdint>
#include <string>

#include "display/BoardPictures.h"
#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"
#include "shell/HallOfFameFile.h"
#include "shell/Platform.h"

namespace velmor {

class SidePanel {
 public:
  VELMOR_SPEAKS(velmor)

  SidePanel(Platform& platform, const GameMenus& menus, const GameState& game, BoardPictures& pictures,
            const LayoutInPlay& layout, const HallRecords& hall)
      : platform_(platform), menus_(menus), game_(game), pictures_(pictures), layout_(layout), hall_(hall) {}
  SidePanel(const SidePanel&) = delete;
  SidePanel& operator=(const SidePanel&) = delete;

  // The list changed or the panel came back while the help window was up: the next board
  // picture brings the panel up to date too.
  bool Stale = false;
  // The list of the layout in play (the first layout's before any game), `reachedRank` in bold.
  void ShowHall(int reachedRank);
  void ShowTurns();
  // The pointed tile's face; none when a tile lies exactly on it.
  void ShowTile(int tile);
  void ClearTile();
  void Present();

 private:
  // Text placed and sized in 1x panel pixels.
  void Text(int x, int y, const std::string& text, Platform::TextStyle style, uint32_t colour);
  Platform& platform_;
  const GameMenus& menus_;
  const GameState& game_;
  BoardPictures& pictures_;
  const LayoutInPlay& layout_;
  const HallRecords& hall_;
};

}  // namespace velmor
