// The pointer over the board: hover marks, the editor's ghost tile, the preview in the side
// panel, and button presses.
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FormMouseMove(int X, int Y) {
  Keys.PointerMoved();
  if (HighlightMode == HighlightNone && !Play.Editing()) return;
  if (!Play.Live()) return;
  const int x = X - BoardOriginX, y = Y - BoardOriginY;
  const int column = x / CellWidth, row = y / CellHeight;
  const bool onBoard = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;

  if (Play.Editing() && onBoard) {
    EditorGhost = Place{-1, -1, -1};
    const Place p = WhatAdd(Board.BoardGrid, x, y);
    if (p.layer == 0) return;
    const Rect box = TileBox(p);
    if (box.left == GhostBox.left && box.top == GhostBox.top) return;
    RedrawBox = GhostBox;
    Redraw();
    RedrawBox = NoBox;
    EditorGhost = p;
    GhostBox = box;
    RedrawBox = box;
    Redraw();
    RedrawBox = NoBox;
    return;
  }

  PrevPointedTile = PointedTile;
  if (!onBoard || Play.Editing()) return;
  const int t = WhatTileThere(Board.BoardGrid, x, y);
  const bool eligible = t > 0 && (!OnlyPossibleMoves.Checked() || Dispo(t));
  if (eligible) {
    PointedTile = t;
    if (ShowCurrentTile.Checked() && !Play.Is(GameKind::TwoPlayers)) ShowTileInPreview(t);
    if (PrevPointedTile == PointedTile) return;
    if (PrevPointedTile != 0) {
      const int h = HoverTile;
      HoverTile = 0;
      RedrawTile(h);
    }
    HoverTile = static_cast<uint8_t>(t);
    RedrawTile(t);
    return;
  }
  if (!Play.Is(GameKind::TwoPlayers) && ShowCurrentTile.Checked()) ClearPreview();
  if (HoverTile != 0) {
    const int h = HoverTile;
    HoverTile = 0;
    RedrawTile(h);
  }
  PointedTile = 0;
  PrevPointedTile = 0;
}

void TVelmor::ButtonDown(Button button, int X, int Y) {
  if (!Play.Live()) return;
  if (Solver.DemoRunning()) return Solver.StopDemo();  // the click takes the game back, nothing more
  const int x = X - BoardOriginX, y = Y - BoardOriginY;
  if (button == Button::Secondary && !Play.Editing()) {
    HintTileA = HintTileB = 0;
    Selection::Clear();
    FullRedraw();
    RedrawHOF();
    return;
  }
  ChoisitPai(x, y, x / CellWidth, y / CellHeight, button);
}

void TVelmor::ExplorerButton1MouseUp(Button button) {
  if (button == Button::Secondary) platform.PopupMenu(NewPopup, ExplorerButton1);
}

void TVelmor::ShowCurrentTileClick() {
  ShowCurrentTile.Toggle();
  ShowPanelHOF();
}

void TVelmor::ShowTileInPreview(int tile) {
  const Place& p = Board.TilePlace[static_cast<size_t>(tile)];
  if (p.layer != 5 && Board.BoardGrid.at(p.column, p.row, p.layer + 1) != 0) {
    ClearPreview();  // a tile lies exactly on it: its face must stay hidden
    return;
  }
  const Rect area = CurrentTilePreview.Scaled(Scale), mask = tileset::TileMask.Scaled(Scale);
  const SheetCell cell = FaceCell(FaceOfTile(tile));
  const int w = TileBoxWidth * Scale, h = TileBoxHeight * Scale;
  BitBlt(SaveHof, area.left, area.top, w, h, TilesetPicture, mask.left, mask.top, RasterOp::SRCAND);
  BitBlt(SaveHof, area.left, area.top, w, h, TileSheet, w * cell.column, h * cell.row, RasterOp::SRCPAINT);
  RedrawHOF();
}

void TVelmor::ClearPreview() {
  const Rect area = CurrentTilePreview.Scaled(Scale);
  BitBlt(SaveHof, area.left, area.top, area.width(), area.height(), HofPic, area.left, area.top, RasterOp::SRCCOPY);
  RedrawHOF();
}

void TVelmor::RedrawHOF() { platform.PresentPanel(SaveHof, {0, 0, SaveHof.width(), SaveHof.height()}); }

}  // namespace velmor
