// Voverizo Dadazu, the flat game: its deal, and the rule that joins a pair by a path of at most
// two bends. Nothing here draws; the game slides the tile along the path it is handed.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "board/Generator.h"
#include "board/Grid.h"

namespace velmor {

constexpr int RiversEasyTiles = 84;   // one layer of 14 x 6
constexpr int RiversHardTiles = 144;  // two layers of 12 x 6

// Empties the anchor cells and every tile's place, then puts tiles 1..84 (easy) or 1..144
// (hard) at random free places: column drawn before row, one tile after another, so a state
// always gives the same board.
void DealRivers(BoardState& board, Generator& gen, bool hard);

struct RiverPath {
  bool found = false;
  // Where the tile at `to` stands on its way to `from`: its own place first, then step by step
  // back along the path, ending on the cell next to `from`. Empty when no path joins them.
  std::vector<Place> slide;
};

// The first path of at most three straight runs through empty cells of one layer, from `from`
// to `to`, in the order the game has always tried them: right, left, down, up from `from`,
// and at each empty cell on the way the turns right, left or down, up before going further.
// Runs step two cells at a time and take no step from column 32 or beyond going right, 2 or
// below going left, row 18 or beyond going down, row 2 or above going up.
RiverPath FindRiverPath(const Grid& grid, const Place& from, const Place& to);

// Pairs (a < b) of matching tiles on the board that a path joins now, in order of a, then b.
std::vector<std::pair<int, int>> ReachablePairs(const BoardState& board);
// How many such pairs there are: the moves the flat board offers now, nothing slid.
int CountReachablePairs(const BoardState& board);
// The first of them, the flat game's hint; none when the board offers no move.
std::optional<std::pair<int, int>> FirstReachablePair(const BoardState& board);
// Tiles are left but no path joins any matching two of them: only a shuffle or Back goes on.
bool RiversDeadEnd(const BoardState& board);

}  // namespace velmor
