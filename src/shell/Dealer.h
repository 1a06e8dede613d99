// Dealing the layout in play and shuffling the board: at random, winnable, or by the game number
// asked for, shown tile by tile or pair by pair when the deal is animated.
#pragma once

#include <functional>
#include <string>

#include "base/Say.h"
#include "display/BoardPictures.h"
#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"
#include "shell/Platform.h"

namespace velmor {

class Dealer {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void()> fullRedraw;
    std::function<void(int tile)> redrawTile;
    std::function<void(const std::string& message)> status;
  };
  Dealer(Platform& platform, const GameMenus& menus, GameState& game, const LayoutInPlay& layout,
         const BoardPictures& pictures, Hooks hooks)
      : platform_(platform),
        menus_(menus),
        game_(game),
        layout_(layout),
        pictures_(pictures),
        hooks_(std::move(hooks)) {}
  Dealer(const Dealer&) = delete;
  Dealer& operator=(const Dealer&) = delete;

  void ReseedFromClock();
  // The layout's shape dealt onto the board; in the editor its places are only numbered.
  void Deal();
  // The winnable reshuffle of the tiles on the board, the flat game's layer by layer; false, the
  // board untouched, when none can be made.
  bool Shuffle();

 private:
  bool Animated() const;
  // One step of an animation: shown at once, then a short wait so the eye can follow it.
  void Step(int milliseconds) { platform_.Pace(milliseconds); }
  Platform& platform_;
  const GameMenus& menus_;
  GameState& game_;
  const LayoutInPlay& layout_;
  const BoardPictures& pictures_;
  Hooks hooks_;
};

}  // namespace velmor
