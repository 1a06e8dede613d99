// Which tiles may be taken now, how many moves are left, and the hint that shows the next one.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "modes/GameState.h"
#include "shell/GameMenus.h"

namespace velmor {

class FreeMoves {
 public:
  struct Hooks {
    std::function<void()> fullRedraw;
    // A pair whose taking keeps the game winnable, when the solver's watch knows one.
    std::function<std::optional<std::pair<int, int>>()> keepingPair;
    std::function<void()> flatHint;  // the flat game shows its hint as a path
  };
  FreeMoves(const GameMenus& menus, GameState& game, Hooks hooks)
      : menus_(menus), game_(game), hooks_(std::move(hooks)) {}
  FreeMoves(const FreeMoves&) = delete;
  FreeMoves& operator=(const FreeMoves&) = delete;

  // The free-tile rule of the game in progress, standard or vertical.
  bool Free(int tile) const;
  bool FreeVertical(int tile) const;
  // The play-time test: the vertical variation when it is checked.
  bool Playable(int tile) const { return menus_.Vertical.Checked() ? FreeVertical(tile) : Free(tile); }
  // Free tiles and moves counted again; other games keep the last count.
  void Recount();
  // The next move marked, at a hint's cost.
  void Hint();

 private:
  const GameMenus& menus_;
  GameState& game_;
  Hooks hooks_;
};

}  // namespace velmor
