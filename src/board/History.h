// The pairs taken in a game, in order, so that Back and Restart can put them back and Redo can
// take them again. A move is data: which two tiles left which places. The table keeps entries
// past Count until they are overwritten, so what was taken back is still known; RedoEnd marks
// how far those entries still describe moves the board allows.
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
  int32_t Count = 0;    // tiles taken so far in this game: the valid entries
  int32_t RedoEnd = 0;  // entries Count .. RedoEnd - 1 were taken back and may be taken again

  // A new game: nothing taken and nothing to take again. The table itself stays.
  void Clear() { Count = RedoEnd = 0; }
  bool Empty() const { return Count <= 0; }
  // After the tiles moved (a shuffle), the pairs taken back no longer stand where they stood.
  void ClearRedo() { RedoEnd = Count; }
  bool CanRedo() const { return RedoEnd > Count; }
  int RedoPairs() const { return CanRedo() ? (RedoEnd - Count) / 2 : 0; }

  // Takes a and b off the board and records them. `placeA` is where a stood before the move,
  // which a flat-game slide may have changed since.
  void TakePair(BoardState& board, int a, const Place& placeA, int b) {
    const Place placeB = board.TilePlace[static_cast<size_t>(b)];
    // Taking the pair Redo would take, in either order, keeps what lies beyond it.
    if (!IsRedoPair(a, placeA, b, placeB)) RedoEnd = Count + 2;
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

  // Takes the pair taken back last again, from the places it was taken from; false when there is
  // none or its tiles no longer stand there.
  bool RedoPair(BoardState& board) {
    if (!CanRedo()) return false;
    const HistoryEntry &a = Entries[static_cast<size_t>(Count)], &b = Entries[static_cast<size_t>(Count) + 1];
    if (board.TilePlace[a.tile] != a.place() || board.TilePlace[b.tile] != b.place()) return false;
    Count += 2;
    board.TakeTile(a.tile);
    board.TakeTile(b.tile);
    board.TilesLeft -= 2;
    return true;
  }

 private:
  bool IsRedoPair(int a, const Place& placeA, int b, const Place& placeB) const {
    if (!CanRedo()) return false;
    const HistoryEntry &x = Entries[static_cast<size_t>(Count)], &y = Entries[static_cast<size_t>(Count) + 1];
    auto same = [](const HistoryEntry& e, int tile, const Place& p) { return e.tile == tile && e.place() == p; };
    return (same(x, a, placeA) && same(y, b, placeB)) || (same(x, b, placeB) && same(y, a, placeA));
  }
};

}  // namespace velmor
