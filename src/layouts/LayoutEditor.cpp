#include "layouts/LayoutEditor.h"

#include <algorithm>

namespace velmor {

namespace {
bool BlockHolds(const Grid& g, int c, int r, int layer) {
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if (g.at(c + dc, r + dr, layer)) return true;
  return false;
}
}  // namespace

void LayoutEditor::Start(bool empty) {
  if (empty) {
    tilesToPlace_ = TileTotal;
    shape_.Clear();
  } else {
    tilesToPlace_ = TileTotal - shape_.Count();
  }
  for (int t = 1; t <= TileTotal; ++t) board_.TilePlace[static_cast<size_t>(t)] = Place{};
}

int32_t LayoutEditor::Recount() {
  tilesToPlace_ = TileTotal - shape_.Count();
  return tilesToPlace_;
}

std::optional<Place> LayoutEditor::Add(int x, int y) {
  if (tilesToPlace_ <= 0) return std::nullopt;
  const Grid& grid = board_.BoardGrid;
  const Place p = WhatAdd(grid, x, y);
  if (p.layer == 0) return std::nullopt;
  if (BlockHolds(grid, p.column, p.row, p.layer)) return std::nullopt;
  for (int i = 1; i <= TileTotal; ++i)
    if (board_.TilePlace[static_cast<size_t>(i)].empty()) {
      board_.PutTile(i, p);
      shape_.atPlace(p) = 1;
      --tilesToPlace_;
      return p;
    }
  return std::nullopt;
}

std::optional<LayoutEditor::Removed> LayoutEditor::Remove(int x, int y) {
  if (tilesToPlace_ >= TileTotal) return std::nullopt;
  Grid& grid = board_.BoardGrid;
  const int q = WhatTileThere(grid, x, y);
  if (q == 0) return std::nullopt;
  const Place p = board_.TilePlace[static_cast<size_t>(q)];
  if (p.layer < AnchorLayers && BlockHolds(grid, p.column, p.row, p.layer + 1)) return std::nullopt;
  shape_.atPlace(p) = 0;
  grid.set(p, 0);
  board_.TilePlace[static_cast<size_t>(q)] = Place{};
  ++tilesToPlace_;
  return Removed{q, p};
}

bool LayoutEditor::Move(int dc, int dr) {
  Grid& grid = board_.BoardGrid;
  // The edge the heap would cross must be empty on every layer.
  for (int l = 1; l <= AnchorLayers; ++l) {
    if (dc) {
      const int edge = dc < 0 ? 1 : AnchorColumns;
      for (int r = 1; r <= AnchorRows; ++r)
        if (grid.at(edge, r, l)) return false;
    } else {
      const int edge = dr < 0 ? 1 : AnchorRows;
      for (int c = 1; c <= AnchorColumns; ++c)
        if (grid.at(c, edge, l)) return false;
    }
  }
  // Shift each layer of the shape in its flat cell order, and the grid with it.
  const int shift = dc + dr * LayoutShape::Columns;
  for (int l = 1; l <= AnchorLayers; ++l) {
    uint8_t* cells = &shape_.cells[static_cast<size_t>((l - 1) * LayoutShape::LayerCells)];
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
    Place& p = board_.TilePlace[static_cast<size_t>(t)];
    if (dc && p.column > 0) p.column += dc;
    if (dr && p.row > 0) p.row += dr;
  }
  return true;
}

}  // namespace velmor
