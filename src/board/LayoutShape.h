// The shape of a heap: which places hold a tile before the tiles are dealt.
#pragma once

#include <array>
#include <cstdint>

#include "board/Grid.h"

namespace velmor {

struct LayoutShape {
  static constexpr int Layers = AnchorLayers, Rows = AnchorRows, Columns = AnchorColumns;
  static constexpr int LayerCells = Rows * Columns;      // 680
  static constexpr int CellCount = Layers * LayerCells;  // 3400

  // Flat index: (layer - 1) * 680 + row * 34 + column, layer 1..5, row 0..19, column 0..33.
  std::array<uint8_t, CellCount> cells{};

  static constexpr int Index(int layer, int row, int column) {
    return (layer - 1) * LayerCells + row * Columns + column;
  }
  uint8_t& at(int layer, int row, int column) { return cells[Index(layer, row, column)]; }
  uint8_t at(int layer, int row, int column) const { return cells[Index(layer, row, column)]; }
  // The shape cell of a board anchor (c, r, l).
  uint8_t& atPlace(const Place& p) { return at(p.layer, p.row - 1, p.column - 1); }

  int Count() const {
    int n = 0;
    for (uint8_t v : cells) n += v != 0;
    return n;
  }
  void Clear() { cells.fill(0); }
  friend bool operator==(const LayoutShape&, const LayoutShape&) = default;
};

// A shape the dealer can fill: an even number of positions, at least 2 and at most 144.
bool IsDealableCount(int positions);

}  // namespace velmor
