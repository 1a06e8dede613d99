// The layout editor: building a heap tile by tile on the board itself.
#include "shell/TVelmor.h"

namespace velmor {

namespace {
bool BlockHolds(const Grid& g, int c, int r, int layer) {
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if (g.at(c + dc, r + dr, layer)) return true;
  return false;
}
}  // namespace

void TVelmor::EnterEditor(bool create) {
  IM(ModeEditor);
  GhostBox = NoBox;
  EditorStartedEmpty = create;
  if (create) {
    TilesToPlace = TileTotal;
    Shape.Clear();
  } else {
    TilesToPlace = TileTotal - Shape.Count();
  }
  for (int t = 1; t <= TileTotal; ++t) Board.TilePlace[static_cast<size_t>(t)] = Place{};
  VO.SetVisible(false);
  EditorMenu.SetVisible(true);
  Tools.SetVisible(false);
  if (create) LayoutName = "New Layout";
  Edit1.SetCaption(LayoutName);
  Label40.SetCaption(std::to_string(TilesToPlace));
  EditorPanel.SetVisible(true);
  ShowStatus("      ");
  RandomSolitaireGame1Click();
}

void TVelmor::EditorClick(Button button, int x, int y, int column, int row) {
  if (column > AnchorColumns || row > AnchorRows) return;
  Grid& grid = Board.BoardGrid;
  if (button == Button::Primary) {
    if (TilesToPlace <= 0) return;
    const Place p = WhatAdd(grid, x, y);
    if (p.layer == 0) return;
    if (BlockHolds(grid, p.column, p.row, p.layer)) return;
    for (int i = 1; i <= TileTotal; ++i)
      if (Board.TilePlace[static_cast<size_t>(i)].empty()) {
        Board.PutTile(i, p);
        Shape.atPlace(p) = 1;
        FullRedraw();
        --TilesToPlace;
        break;
      }
    Label40.SetCaption(std::to_string(TilesToPlace));
  } else if (button == Button::Secondary) {
    if (TilesToPlace >= TileTotal) return;
    const int q = WhatTileThere(grid, x, y);
    if (q == 0) return;
    const Place p = Board.TilePlace[static_cast<size_t>(q)];
    if (p.layer < AnchorLayers && BlockHolds(grid, p.column, p.row, p.layer + 1)) return;
    Shape.atPlace(p) = 0;
    grid.set(p, 0);
    FullRedraw();
    Board.TilePlace[static_cast<size_t>(q)] = Place{};
    ++TilesToPlace;
    Label40.SetCaption(std::to_string(TilesToPlace));
  }
}

void TVelmor::MoveBoard(int dc, int dr) {
  Grid& grid = Board.BoardGrid;
  // The edge the heap would cross must be empty on every layer.
  for (int l = 1; l <= AnchorLayers; ++l) {
    if (dc) {
      const int edge = dc < 0 ? 1 : AnchorColumns;
      for (int r = 1; r <= AnchorRows; ++r)
        if (grid.at(edge, r, l)) return;
    } else {
      const int edge = dr < 0 ? 1 : AnchorRows;
      for (int c = 1; c <= AnchorColumns; ++c)
        if (grid.at(c, edge, l)) return;
    }
  }
  // Shift each layer of the shape in its flat cell order, and the grid with it.
  const int shift = dc + dr * LayoutShape::Columns;
  for (int l = 1; l <= AnchorLayers; ++l) {
    uint8_t* cells = &Shape.cells[static_cast<size_t>((l - 1) * LayoutShape::LayerCells)];
    uint8_t moved[LayoutShape::LayerCells] = {};
    for (int j = 0; j < LayoutShape::LayerCells; ++j) {
      const int from = j - shift;
      if (from >= 0 && from < LayoutShape::LayerCells) moved[j] = cells[from];
    }
    std::copy(moved, moved + LayoutShape::LayerCells, cells);

    uint8_t layer[AnchorColumns + 2][AnchorRows + 2] = {};
    for (int c = 1; c <= AnchorColumns; ++c)
      for (int r = 1; r <= AnchorRows; ++r) {
        const int fc = c - dc, fr = r - dr;
        if (fc >= 1 && fc <= AnchorColumns && fr >= 1 && fr <= AnchorRows) layer[c][r] = grid.at(fc, fr, l);
      }
    for (int c = 1; c <= AnchorColumns; ++c)
      for (int r = 1; r <= AnchorRows; ++r) grid.set(c, r, l, layer[c][r]);
  }
  for (int t = 1; t <= TileTotal; ++t) {
    Place& p = Board.TilePlace[static_cast<size_t>(t)];
    if (dc && p.column > 0) p.column += dc;
    if (dr && p.row > 0) p.row += dr;
  }
  FullRedraw();
  AnimationStep(0);
}

void TVelmor::SaveandexitClick(MenuItem& sender) {
  TilesToPlace = TileTotal - Shape.Count();
  Label40.SetCaption(std::to_string(TilesToPlace));
  if (TilesToPlace != 0) {
    platform.ShowMessage("You haven't finished building the layout yet !");
    return;
  }
  LayoutName = Edit1.Caption();
  // A new layout never overwrites the layout that was current before it: its first "Save"
  // asks for a name, as "Save as..." does.
  if (&sender == &SaveAs1 || (&sender == &Save1 && EditorStartedEmpty)) LayoutPath.clear();
  if (&sender == &Save1 || &sender == &SaveAs1) {
    const bool saved = SaveLayout();
    if (!saved && SaveFailed) return;  // the player was told; the layout stays in the editor
    if (saved) EditorStartedEmpty = false;
  }
  VO.SetVisible(true);
  EditorMenu.SetVisible(false);
  IM(ModeNoGame);
  EditorGhost = Place{-1, -1, -1};
  EditorPanel.SetVisible(false);
  Tools.SetVisible(true);
  BeginGame();
}

void TVelmor::Cancel2Click() {
  EditorGhost = Place{-1, -1, -1};
  EditorPanel.SetVisible(false);
  Tools.SetVisible(true);
  VO.SetVisible(true);
  EditorMenu.SetVisible(false);
  if (BoardNumber > Layouts.Count()) BoardNumber = Layouts.Count();
  ResolveLayoutPath();
  IM(ModeSolitaire);
  LoadCurrentLayout();
}

}  // namespace velmor
