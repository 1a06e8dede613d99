// The keyboard's place on the board: one tile, moved by the arrows to the nearest visible tile
// that way, and by Tab through the free tiles in reading order.
#pragma once

#include <functional>

#include "board/Grid.h"

namespace velmor {

enum class CursorStep { Left, Right, Up, Down };

// A point of the tile's face that shows (relative to the board origin); false when other tiles
// lie over all of it.
bool VisiblePoint(const BoardState& board, int tile, int& x, int& y);
bool TileVisible(const BoardState& board, int tile);
// Which tiles Tab stops at: those the player may take now.
using Selectable = std::function<bool(int tile)>;
// The nearest visible tile whose face lies that way from `from`'s (straight on counts more than
// across); among equals the upper layer, then the nearer. `from` itself when there is none, the
// first free tile when `from` is not on the board.
int CursorMove(const BoardState& board, int from, CursorStep step, const Selectable& selectable);
// Selectable tiles in reading order (row, then column, the upper layer first): the one after
// `from`, or before it, wrapping round; 0 when there is none.
int CursorNextFree(const BoardState& board, int from, bool backwards, const Selectable& selectable);
int FirstFreeTile(const BoardState& board, const Selectable& selectable);

}  // namespace velmor
