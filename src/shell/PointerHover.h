// The pointer over the board: the tile under it marked in the highlight style, the place the
// editor would add a tile to shown as a ghost, and the tile previewed in the side panel.
#pragma once

#include <functional>

#include "display/BoardPictures.h"
#include "modes/GameState.h"
#include "shell/BoardDrawing.h"
#include "shell/FreeMoves.h"
#include "shell/GameMenus.h"

namespace velmor {

class PointerHover {
 public:
  struct Hooks {
    std::function<void()> pointerMoved;  // the keyboard's cursor gives way to the pointer
    std::function<void(int tile)> redrawTile;
    std::function<void(int tile)> showTile;
    std::function<void()> clearTile;
  };
  PointerHover(const GameMenus& menus, GameState& game, BoardPictures& pictures, const FreeMoves& moves,
               BoardDrawing& view, Hooks hooks)
      : menus_(menus), game_(game), pictures_(pictures), moves_(moves), view_(view), hooks_(std::move(hooks)) {}
  PointerHover(const PointerHover&) = delete;
  PointerHover& operator=(const PointerHover&) = delete;

  // The pointer at (X, Y) in the window's board picture.
  void Move(int X, int Y);

 private:
  const GameMenus& menus_;
  GameState& game_;
  BoardPictures& pictures_;
  const FreeMoves& moves_;
  BoardDrawing& view_;
  Hooks hooks_;
};

}  // namespace velmor
