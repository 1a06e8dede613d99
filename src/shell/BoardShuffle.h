// The shuffle: the tiles left change places, winnable when the option asks for it, and the
// player is told how many moves the new board offers, at ten seconds a move.
#pragma once

#include <functional>
#include <string>

#include "base/Say.h"
#include "modes/GameState.h"
#include "shell/Dealer.h"
#include "shell/FreeMoves.h"
#include "shell/GameMenus.h"
#include "shell/Platform.h"

namespace velmor {

class BoardShuffle {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void(const std::string& message)> status;
    std::function<void()> fullRedraw;
    std::function<void()> afterMove;
  };
  BoardShuffle(Platform& platform, const GameMenus& menus, GameState& game, Dealer& deals, FreeMoves& moves,
               Hooks hooks)
      : platform_(platform), menus_(menus), game_(game), deals_(deals), moves_(moves), hooks_(std::move(hooks)) {}
  BoardShuffle(const BoardShuffle&) = delete;
  BoardShuffle& operator=(const BoardShuffle&) = delete;

  void Shuffle();

 private:
  Platform& platform_;
  const GameMenus& menus_;
  GameState& game_;
  Dealer& deals_;
  FreeMoves& moves_;
  Hooks hooks_;
};

}  // namespace velmor
