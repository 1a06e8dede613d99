// Presses on tiles: selecting, refusing and removing pairs.
#include "shell/TilePicking.h"

#include "board/Geometry.h"

namespace velmor {

void TilePicking::Press(Button button, int X, int Y) {
  if (!game_.Play.Live()) return;
  if (hooks_.stopDemo()) return;  // the click takes the game back, nothing more
  const int x = X - pictures_.BoardOriginX, y = Y - pictures_.BoardOriginY;
  if (button == Button::Secondary && !game_.Play.Editing()) {
    game_.HintTileA = game_.HintTileB = 0;
    game_.Clear();
    hooks_.fullRedraw();
    hooks_.presentPanel();
    return;
  }
  Choose(x, y, x / CellWidth, y / CellHeight, button);
}

void TilePicking::Choose(int x, int y, int column, int row, Button button) {
  const bool inside = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;
  hooks_.boardSeen();
  if (game_.Play.Editing()) {
    if (inside && button != Button::Middle) hooks_.editorClick(button == Button::Primary, x, y, column, row);
    return;
  }
  const int q = WhatTileThere(game_.Board.BoardGrid, x, y);
  if (!inside || q <= 0) return;

  Selection::Result picked = game_.Click(q, moves_.Playable(q));
  switch (picked.outcome) {
    case Selection::Outcome::Refused:
      hooks_.sound("noway");
      return;
    case Selection::Outcome::Picked:
      hooks_.sound("select");
      hooks_.redrawTile(q);
      return;
    case Selection::Outcome::Dropped:
      hooks_.sound("select");
      hooks_.redrawTile(q);
      return;
    case Selection::Outcome::Repicked:
    case Selection::Outcome::Pair:
      hooks_.redrawTile(q);
      break;
  }
  const int a = game_.FirstTile, b = game_.SecondTile;
  // In the flat game the path search may slide the first tile; its history entry keeps where it was.
  const Place placeA = game_.Board.TilePlace[static_cast<size_t>(a)];
  if (picked.outcome == Selection::Outcome::Pair && game_.Play.Is(GameKind::Flat) && !hooks_.flatReach(b, a))
    picked = game_.Repick();
  if (picked.outcome == Selection::Outcome::Repicked) {
    hooks_.redrawTile(picked.released);
    hooks_.sound("select");
    return;
  }
  Take(a, placeA, b);
}

void TilePicking::Take(int a, Place placeA, int b) {
  hooks_.goingOn();
  game_.Clear();
  const Place placeB = game_.Board.TilePlace[static_cast<size_t>(b)];
  game_.History.TakePair(game_.Board, a, placeA, b);
  hooks_.redrawTaken(placeA, placeB);
  hooks_.sound("done");
  hooks_.taken();
}

}  // namespace velmor
