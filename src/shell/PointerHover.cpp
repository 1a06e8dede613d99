// The pointer over the board: the hover mark, the editor's ghost tile and the side panel's preview.
#include "shell/PointerHover.h"

#include "board/Geometry.h"

namespace velmor {

void PointerHover::Move(int X, int Y) {
  hooks_.pointerMoved();
  if (pictures_.HighlightMode == HighlightNone && !game_.Play.Editing()) return;
  if (!game_.Play.Live()) return;
  const int x = X - pictures_.BoardOriginX, y = Y - pictures_.BoardOriginY;
  const int column = x / CellWidth, row = y / CellHeight;
  const bool onBoard = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;

  if (game_.Play.Editing() && onBoard) {
    pictures_.EditorGhost = Place{-1, -1, -1};
    const Place p = WhatAdd(game_.Board.BoardGrid, x, y);
    if (p.layer == 0) return;
    const Rect box = view_.TileBox(p);
    if (box.left == pictures_.GhostBox.left && box.top == pictures_.GhostBox.top) return;
    pictures_.RedrawBox = pictures_.GhostBox;
    view_.Redraw();
    pictures_.RedrawBox = pictures_.NoBox;
    pictures_.EditorGhost = p;
    pictures_.GhostBox = box;
    pictures_.RedrawBox = box;
    view_.Redraw();
    pictures_.RedrawBox = pictures_.NoBox;
    return;
  }

  game_.PrevPointedTile = game_.PointedTile;
  if (!onBoard || game_.Play.Editing()) return;
  const int t = WhatTileThere(game_.Board.BoardGrid, x, y);
  const bool eligible = t > 0 && (!menus_.OnlyPossibleMoves.Checked() || moves_.Free(t));
  if (eligible) {
    game_.PointedTile = t;
    if (menus_.ShowCurrentTile.Checked() && !game_.Play.Is(GameKind::TwoPlayers)) hooks_.showTile(t);
    if (game_.PrevPointedTile == game_.PointedTile) return;
    if (game_.PrevPointedTile != 0) {
      const int h = game_.HoverTile;
      game_.HoverTile = 0;
      hooks_.redrawTile(h);
    }
    game_.HoverTile = static_cast<uint8_t>(t);
    hooks_.redrawTile(t);
    return;
  }
  if (!game_.Play.Is(GameKind::TwoPlayers) && menus_.ShowCurrentTile.Checked()) hooks_.clearTile();
  if (game_.HoverTile != 0) {
    const int h = game_.HoverTile;
    game_.HoverTile = 0;
    hooks_.redrawTile(h);
  }
  game_.PointedTile = 0;
  game_.PrevPointedTile = 0;
}

}  // namespace velmor
