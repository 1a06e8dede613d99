// The board: which tile stands where, and the lookups from board pixels to places.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "board/Geometry.h"
#include "board/Tiles.h"

namespace velmor {

struct Place {
  int32_t column = 0;
  int32_t row = 0;
  int32_t layer = 0;
  bool empty() const { return column == 0 && row == 0 && layer == 0; }
  friend bool operator==(const Place&, const Place&) = default;
};

class Grid {
 public:
  // Reads outside the stored range count as empty: the free rule looks two cells beyond an anchor.
  uint8_t at(int c, int r, int l) const {
    if (static_cast<unsigned>(c) >= GridColumns || static_cast<unsigned>(r) >= GridRows ||
        static_cast<unsigned>(l) >= GridLayers)
      return 0;
    return cells_[c][r][l];
  }
  uint8_t at(const Place& p) const { return at(p.column, p.row, p.layer); }
  void set(int c, int r, int l, uint8_t v) {
    if (static_cast<unsigned>(c) < GridColumns && static_cast<unsigned>(r) < GridRows &&
        static_cast<unsigned>(l) < GridLayers)
      cells_[c][r][l] = v;
  }
  void set(const Place& p, uint8_t v) { set(p.column, p.row, p.layer, v); }
  void clear() { std::memset(cells_, 0, sizeof cells_); }
  friend bool operator==(const Grid& a, const Grid& b) { return std::memcmp(a.cells_, b.cells_, sizeof a.cells_) == 0; }

 private:
  uint8_t cells_[GridColumns][GridRows][GridLayers] = {};
};

// The board tables and counters every rule works on.
struct BoardState {
  Grid BoardGrid;
  std::array<Place, TileTotal + 1> TilePlace{};
  int32_t TileCount = TileTotal;
  int32_t TilesLeft = TileTotal;

  void PutTile(int tile, const Place& p) {
    BoardGrid.set(p, static_cast<uint8_t>(tile));
    TilePlace[tile] = p;
  }
  void TakeTile(int tile) {
    BoardGrid.set(TilePlace[tile], 0);
    TilePlace[tile] = Place{};
  }
};

bool IsFreeAt(const Grid& grid, int c, int r, int l, bool vertical);
// Tile `tile` (1..144) stands on the board and may be taken, by the standard or vertical rule.
bool IsTileFree(const BoardState& board, int tile, bool vertical);

// Topmost tile whose picture covers (x, y), relative to the board origin; 0 if none.
int WhatTileThere(const Grid& grid, int x, int y);

// The place a tile added at (x, y) would take: highest supported layer wins; (0,0,0) if none.
Place WhatAdd(const Grid& grid, int x, int y);

}  // namespace velmor
