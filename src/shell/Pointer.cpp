// The pointer over the board: hover marks, the editor's ghost tile, the preview in the side
// panel, and button presses.
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FormMouseMove(int X, int Y) {
  Keys.PointerMoved();
  if (Pictures.HighlightMode == HighlightNone && !Current.Play.Editing()) return;
  if (!Current.Play.Live()) return;
  const int x = X - Pictures.BoardOriginX, y = Y - Pictures.BoardOriginY;
  const int column = x / CellWidth, row = y / CellHeight;
  const bool onBoard = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;

  if (Current.Play.Editing() && onBoard) {
    Pictures.EditorGhost = Place{-1, -1, -1};
    const Place p = WhatAdd(Current.Board.BoardGrid, x, y);
    if (p.layer == 0) return;
    const Rect box = View.TileBox(p);
    if (box.left == Pictures.GhostBox.left && box.top == Pictures.GhostBox.top) return;
    Pictures.RedrawBox = Pictures.GhostBox;
    View.Redraw();
    Pictures.RedrawBox = Pictures.NoBox;
    Pictures.EditorGhost = p;
    Pictures.GhostBox = box;
    Pictures.RedrawBox = box;
    View.Redraw();
    Pictures.RedrawBox = Pictures.NoBox;
    return;
  }

  Current.PrevPointedTile = Current.PointedTile;
  if (!onBoard || Current.Play.Editing()) return;
  const int t = WhatTileThere(Current.Board.BoardGrid, x, y);
  const bool eligible = t > 0 && (!Menus.OnlyPossibleMoves.Checked() || Moves.Free(t));
  if (eligible) {
    Current.PointedTile = t;
    if (Menus.ShowCurrentTile.Checked() && !Current.Play.Is(GameKind::TwoPlayers)) Panel.ShowTile(t);
    if (Current.PrevPointedTile == Current.PointedTile) return;
    if (Current.PrevPointedTile != 0) {
      const int h = Current.HoverTile;
      Current.HoverTile = 0;
      RedrawTile(h);
    }
    Current.HoverTile = static_cast<uint8_t>(t);
    RedrawTile(t);
    return;
  }
  if (!Current.Play.Is(GameKind::TwoPlayers) && Menus.ShowCurrentTile.Checked()) Panel.ClearTile();
  if (Current.HoverTile != 0) {
    const int h = Current.HoverTile;
    Current.HoverTile = 0;
    RedrawTile(h);
  }
  Current.PointedTile = 0;
  Current.PrevPointedTile = 0;
}

void TVelmor::ButtonDown(Button button, int X, int Y) { Picks.Press(button, X, Y); }

void TVelmor::ExplorerButton1MouseUp(Button button) {
  if (button == Button::Secondary) platform.PopupMenu(Menus.NewPopup, Menus.ExplorerButton1);
}

void TVelmor::ShowCurrentTileClick() {
  Menus.ShowCurrentTile.Toggle();
  ShowPanelHOF();
}

KeyboardPlay::Hands TVelmor::KeyHands() {
  const auto button = [](bool primary) { return primary ? Button::Primary : Button::Secondary; };
  return {[this](int tile) { return IsPlayable(tile); },
          [this, button](bool primary, int x, int y) {
            ButtonDown(button(primary), Pictures.BoardOriginX + x, Pictures.BoardOriginY + y);
          },
          [this](bool primary, int x, int y) { Editor.Click(primary, x, y, x / CellWidth, y / CellHeight); },
          [this](int x, int y) { FormMouseMove(Pictures.BoardOriginX + x, Pictures.BoardOriginY + y); },
          [this](int tile) { RedrawTile(tile); }};
}

}  // namespace velmor
