// The pointer over the board: hover marks, the editor's ghost tile, the preview in the side
// panel, and button presses.
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FormMouseMove(int X, int Y) {
  Keys.PointerMoved();
  if (Pictures.HighlightMode == HighlightNone && !Play.Editing()) return;
  if (!Play.Live()) return;
  const int x = X - Pictures.BoardOriginX, y = Y - Pictures.BoardOriginY;
  const int column = x / CellWidth, row = y / CellHeight;
  const bool onBoard = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;

  if (Play.Editing() && onBoard) {
    Pictures.EditorGhost = Place{-1, -1, -1};
    const Place p = WhatAdd(Board.BoardGrid, x, y);
    if (p.layer == 0) return;
    const Rect box = TileBox(p);
    if (box.left == Pictures.GhostBox.left && box.top == Pictures.GhostBox.top) return;
    Pictures.RedrawBox = Pictures.GhostBox;
    Redraw();
    Pictures.RedrawBox = Pictures.NoBox;
    Pictures.EditorGhost = p;
    Pictures.GhostBox = box;
    Pictures.RedrawBox = box;
    Redraw();
    Pictures.RedrawBox = Pictures.NoBox;
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
  const int x = X - Pictures.BoardOriginX, y = Y - Pictures.BoardOriginY;
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
  const Rect area = Pictures.CurrentTilePreview.Scaled(Pictures.Scale), mask = tileset::TileMask.Scaled(Pictures.Scale);
  const SheetCell cell = FaceCell(FaceOfTile(tile));
  const int w = TileBoxWidth * Pictures.Scale, h = TileBoxHeight * Pictures.Scale;
  BitBlt(Pictures.SaveHof, area.left, area.top, w, h, Pictures.TilesetPicture, mask.left, mask.top, RasterOp::SRCAND);
  BitBlt(Pictures.SaveHof, area.left, area.top, w, h, Pictures.TileSheet, w * cell.column, h * cell.row,
         RasterOp::SRCPAINT);
  RedrawHOF();
}

void TVelmor::ClearPreview() {
  const Rect area = Pictures.CurrentTilePreview.Scaled(Pictures.Scale);
  BitBlt(Pictures.SaveHof, area.left, area.top, area.width(), area.height(), Pictures.HofPic, area.left, area.top,
         RasterOp::SRCCOPY);
  RedrawHOF();
}

void TVelmor::RedrawHOF() {
  platform.PresentPanel(Pictures.SaveHof, {0, 0, Pictures.SaveHof.width(), Pictures.SaveHof.height()});
}

}  // namespace velmor
