// The Highlight menu: how the tile under the pointer is marked, and the pen its frame is drawn in.
#pragma once

#include <functional>

#include "display/BoardPictures.h"
#include "display/BoardRenderer.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"

namespace velmor {

class HighlightChoice {
 public:
  HighlightChoice(GameMenus& menus, BoardPictures& pictures, GameState& game, std::function<void(int tile)> redrawTile)
      : menus_(menus), pictures_(pictures), game_(game), redrawTile_(std::move(redrawTile)) {}
  HighlightChoice(const HighlightChoice&) = delete;
  HighlightChoice& operator=(const HighlightChoice&) = delete;

  // The frame and its pen from the checked frame entry; with none checked the style stays.
  void Apply();
  // The entries: no mark, a frame of the sender's colour, the coloured tile.
  void None();
  void Frame(MenuItem& sender);
  void ColouredTile();

 private:
  // The mark of the old style leaves the tile under the pointer.
  void ClearHover();
  GameMenus& menus_;
  BoardPictures& pictures_;
  GameState& game_;
  std::function<void(int tile)> redrawTile_;
};

}  // namespace velmor
