#include "board/Grid.h"

namespace velmor {

bool IsFreeAt(const Grid& g, int c, int r, int l, bool vertical) {
  if (c == 0 || r == 0 || l == 0) return false;
  bool firstSideClear, secondSideClear;
  if (vertical) {
    firstSideClear = !g.at(c - 1, r - 2, l) && !g.at(c, r - 2, l) && !g.at(c + 1, r - 2, l);
    secondSideClear = !g.at(c - 1, r + 2, l) && !g.at(c, r + 2, l) && !g.at(c + 1, r + 2, l);
  } else {
    firstSideClear = !g.at(c - 2, r - 1, l) && !g.at(c - 2, r, l) && !g.at(c - 2, r + 1, l);
    secondSideClear = !g.at(c + 2, r - 1, l) && !g.at(c + 2, r, l) && !g.at(c + 2, r + 1, l);
  }
  if (!firstSideClear && !secondSideClear) return false;
  if (l == AnchorLayers) return true;
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if (g.at(c + dc, r + dr, l + 1)) return false;
  return true;
}

bool IsTileFree(const BoardState& board, int tile, bool vertical) {
  if (tile < 1 || tile > TileTotal) return false;
  const Place& p = board.TilePlace[static_cast<size_t>(tile)];
  if (p.column == 0 && p.row == 0) return false;
  return IsFreeAt(board.BoardGrid, p.column, p.row, p.layer, vertical);
}

int WhatTileThere(const Grid& g, int x, int y) {
  int hit = 0;
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int c = AnchorColumns; c >= 1; --c)
      for (int r = 1; r <= AnchorRows; ++r) {
        const uint8_t v = g.at(c, r, l);
        if (!v) continue;
        const int left = TileLeft(c, l), top = TileTop(r, l);
        if (x >= left && x < left + TileBoxWidth && y >= top && y < top + TileBoxHeight) hit = v;
      }
  return hit;
}

namespace {
bool Supported(const Grid& g, int c, int r, int l) {
  if (l == 1) return true;
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if (g.at(c + dc, r + dr, l - 1)) return true;
  return false;
}
}  // namespace

Place WhatAdd(const Grid& g, int x, int y) {
  Place hit;
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int c = AnchorColumns; c >= 1; --c)
      for (int r = 1; r <= AnchorRows; ++r) {
        const int left = TileLeft(c, l), top = TileTop(r, l);
        if (x < left || x >= left + 30 || y < top || y >= top + 35) continue;
        if (Supported(g, c, r, l)) hit = Place{c, r, l};
      }
  return hit;
}

}  // namespace velmor
