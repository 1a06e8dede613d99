// The pairs taken in a game, in order, so that Back and Restart can put them back. A move is
// data: which two tiles left which places. The table keeps entries past Count until they are
// overwritten, so what was taken back is still known.
#pragma once

#include <array>
#include <cstdint>

#include "board/Grid.h"

namespace velmor {

struct HistoryEntry {
  uint8_t tile = 0;
  int32_t column = 0, row = 0, layer = 0;
  Place place() const { return {column, row, layer}; }
};

struct PairHistory {
  std::array<HistoryEntry, TileTotal + 2> Entries{};
  int32_t Count = 0;  // tiles taken so far in this game: the valid entries

  // A new game: nothing taken. The table itself stays.
  void Clear() { Count = 0; }
  bool Empty() const { return Count <= 0; }

  // Takes a and b off the board and records them. `placeA` is where a stood before the move,
  // which a flat-game slide may have changed since.
  void TakePair(BoardState& board, int a, const Place& placeA, int b) {
    const Place placeB = board.TilePlace[static_cast<size_t>(b)];
    Entries[static_cast<size_t>(Count)] = {static_cast<uint8_t>(a), placeA.column, placeA.row, placeA.layer};
    Entries[static_cast<size_t>(Count) + 1] = {static_cast<uint8_t>(b), placeB.column, placeB.row, placeB.layer};
    Count += 2;
    board.TakeTile(a);
    board.TakeTile(b);
    board.TilesLeft -= 2;
  }

  // Puts the pair taken last back where it stood; false when nothing was taken.
  bool TakeBackPair(BoardState& board) {
    if (Count <= 0) return false;
    board.TilesLeft += 2;
    Count -= 2;
    for (int k = Count; k <= Count + 1; ++k) {
      const HistoryEntry& e = Entries[static_cast<size_t>(k)];
      board.PutTile(e.tile, e.place());
    }
    return true;
  }
};

}  // namespace velmor
