// Voverizo Dadazu in play: a pair is taken only when a path of at most two bends joins its tiles,
// and then the second tile slides along it to the first one's side; a hint shows the path.
#pragma once

#include <functional>
#include <vector>

#include "board/Geometry.h"
#include "display/BoardPictures.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"
#include "shell/Platform.h"

namespace velmor {

class FlatPlay {
 public:
  struct Hooks {
    std::function<void(int tile)> redrawTile;
    std::function<void()> fullRedraw;
    std::function<Rect(const Place& p)> tileBox;  // on the screen
  };
  FlatPlay(Platform& platform, const GameMenus& menus, GameState& game, BoardPictures& pictures, Hooks hooks)
      : platform_(platform), menus_(menus), game_(game), pictures_(pictures), hooks_(std::move(hooks)) {}
  FlatPlay(const FlatPlay&) = delete;
  FlatPlay& operator=(const FlatPlay&) = delete;

  // Whether a path joins a to b; if so, b slides along it to a's side.
  bool Reach(int a, int b);
  // Marks a pair a path joins now and shows the path for a moment, at a hint's cost.
  void Hint();

 private:
  // Slides the tile standing on the first cell through the cells in turn, a shown step each.
  void Slide(const std::vector<Place>& cells);
  void Step(int column, int row, int layer);
  Platform& platform_;
  const GameMenus& menus_;
  GameState& game_;
  BoardPictures& pictures_;
  Hooks hooks_;
};

}  // namespace velmor
