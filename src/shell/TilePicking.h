// A press on the board: which tile it reaches, the pick it makes or drops, and the pair it takes.
#pragma once

#include <functional>
#include <string>

#include "board/Grid.h"
#include "display/BoardPictures.h"
#include "modes/GameState.h"
#include "shell/FreeMoves.h"

namespace velmor {

class TilePicking {
 public:
  enum class Button { Primary, Secondary, Middle };
  struct Hooks {
    std::function<void(const std::string& name)> sound;
    std::function<void(int tile)> redrawTile;
    std::function<void()> fullRedraw;
    std::function<void()> boardSeen;  // the side panel's tile no longer stands for the board
    std::function<void()> presentPanel;
    std::function<bool()> stopDemo;  // true when a demo was running: the press only stops it
    std::function<void(bool add, int x, int y, int column, int row)> editorClick;
    std::function<bool(int b, int a)> flatReach;  // the flat game's path from b to a, a sliding along it
    std::function<void()> goingOn;                // the game went on: the status line gives way
    std::function<void(const Place& a, const Place& b)> redrawTaken;
    std::function<void()> taken;  // what follows a pair leaving the board
  };
  TilePicking(GameState& game, const BoardPictures& pictures, const FreeMoves& moves, Hooks hooks)
      : game_(game), pictures_(pictures), moves_(moves), hooks_(std::move(hooks)) {}
  TilePicking(const TilePicking&) = delete;
  TilePicking& operator=(const TilePicking&) = delete;

  // A press at (X, Y) in the window's board picture.
  void Press(Button button, int X, int Y);
  // A press at (x, y) from the board's origin, inside anchor (column, row).
  void Choose(int x, int y, int column, int row, Button button);
  // A matching pair of free tiles leaves the board, as a click on the second one does it.
  // `placeA` by value: callers may name the very entry of TilePlace that the pair clears.
  void Take(int a, Place placeA, int b);

 private:
  GameState& game_;
  const BoardPictures& pictures_;
  const FreeMoves& moves_;
  Hooks hooks_;
};

}  // namespace velmor
