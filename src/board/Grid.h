// The board: which tile stands where, and the pixel geometry that maps places to pictures.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "board/Tiles.h"

namespace velmor {

constexpr uint8_t PlaceMarker = 155;  // a layout position still waiting for its tile during a deal

constexpr int GridColumns = 38;  // columns 0..37
constexpr int GridRows = 23;     // rows 0..22
constexpr int GridLayers = 6;    // layers 0..5; anchors use 1..5
constexpr int AnchorColumns = 34;
constexpr int AnchorRows = 20;
constexpr int AnchorLayers = 5;

// Tile picture size, thickness included, and the face inside it.
constexpr int TileBoxWidth = 46;
constexpr int TileBoxHeight = 56;
constexpr int FaceWidth = 40;
constexpr int FaceHeight = 50;

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
  friend bool operator==(const Grid& a, const Grid& b) {
    return std::memcmp(a.cells_, b.cells_, sizeof a.cells_) == 0;
  }

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

// Left edge of a face and top of a tile picture, from zero-based column, row and layer indices.
constexpr int CoordX(int i, int k, int originX) { return 20 * i + 6 * k - 20 + originX; }
constexpr int CoordY(int j, int k, int originY) { return 25 * j - 6 * k - 40 + originY; }

// Top-left corner of the picture of a tile anchored at (c, r, l), relative to the board origin.
constexpr int TileLeft(int c, int l) { return 20 * c + 6 * l - 52; }
constexpr int TileTop(int r, int l) { return 25 * r - 6 * l - 59; }

bool IsFreeAt(const Grid& grid, int c, int r, int l, bool vertical);

// Topmost tile whose picture covers (x, y), relative to the board origin; 0 if none.
int WhatTileThere(const Grid& grid, int x, int y);

// The place a tile added at (x, y) would take: highest supported layer wins; (0,0,0) if none.
Place WhatAdd(const Grid& grid, int x, int y);

}  // namespace velmor
