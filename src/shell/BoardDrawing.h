// The board's picture: the renderer over the looks in use and the marks of the game in progress,
// composed whole or inside the box a change touches, and shown; the bare background instead while
// the game is paused or won.
#pragma once

#include <functional>

#include "display/BoardPictures.h"
#include "display/BoardRenderer.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"
#include "shell/KeyboardPlay.h"
#include "shell/Platform.h"

namespace velmor {

class BoardDrawing {
 public:
  struct Hooks {
    std::function<void()> panelFirst;  // the side panel brought up to date when it waits for it
    std::function<void()> fullRedraw;
  };
  BoardDrawing(Platform& platform, const GameMenus& menus, const GameState& game, BoardPictures& pictures,
               const KeyboardPlay& keys, Hooks hooks)
      : platform_(platform), menus_(menus), game_(game), pictures_(pictures), keys_(keys), hooks_(std::move(hooks)) {}
  BoardDrawing(const BoardDrawing&) = delete;
  BoardDrawing& operator=(const BoardDrawing&) = delete;

  BoardRenderer Renderer() const;
  BoardMarks Marks() const;
  // Screen rectangle of the whole picture of a tile anchored at `p`.
  Rect TileBox(const Place& p) const;
  // The board composed, inside RedrawBox when it is set, and shown.
  void Redraw();
  // The whole board composed again; only the box of one tile's picture.
  void RedrawAll();
  void RedrawTile(int tile);
  // After a pair has left the board: redraws what the two places change.
  void RedrawTaken(const Place& a, const Place& b);
  void ShowBackground();

 private:
  Platform& platform_;
  const GameMenus& menus_;
  const GameState& game_;
  BoardPictures& pictures_;
  const KeyboardPlay& keys_;
  Hooks hooks_;
};

}  // namespace velmor
