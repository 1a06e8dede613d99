// The layout editor's rules: where a tile may be added or taken away while a heap is built on the
// board, and how the whole heap moves. It works on the game's own shape, board and count of tiles
// still to place, so what it changes is exactly what the board shows next.
#pragma once

#include <cstdint>
#include <optional>

#include "board/Grid.h"
#include "board/LayoutShape.h"

namespace velmor {

class LayoutEditor {
 public:
  LayoutEditor(LayoutShape& shape, BoardState& board, int32_t& tilesToPlace)
      : shape_(shape), board_(board), tilesToPlace_(tilesToPlace) {}

  // Starts editing: `empty` clears the shape for a new layout, else its positions count as
  // placed. No tile has a place until the shape is dealt onto the board again.
  void Start(bool empty);
  // Counts what is still to place from the shape alone, as saving does.
  int32_t Recount();

  // Adds a tile, under the first free tile number, where one added at (x, y) (board pixels) would
  // go. Refused when nothing is left to place, nothing can go there, or the 3x3 block around the
  // place already holds a tile on that layer.
  std::optional<Place> Add(int x, int y);

  struct Removed {
    int tile = 0;
    Place place;
  };
  // Takes away the topmost tile under (x, y), unless a tile one layer up stands on its 3x3 block.
  std::optional<Removed> Remove(int x, int y);

  // Shifts the whole heap one column (dc) or one row (dr), when the edge it would cross is empty
  // on every layer; false, and nothing changed, otherwise.
  bool Move(int dc, int dr);

  int32_t TilesToPlace() const { return tilesToPlace_; }

 private:
  LayoutShape& shape_;
  BoardState& board_;
  int32_t& tilesToPlace_;
};

}  // namespace velmor
