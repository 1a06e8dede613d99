// Voverizo Dadazu, the flat game: its deal, its free tiles, its shuffles, the rule that joins a pair
// by a path of at most two bends, its hint and its dead end. Nothing here draws; the game slides
// the tile along the path it is handed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "board/Generator.h"
#include "board/Grid.h"
#include "modes/PlayState.h"

namespace velmor {

constexpr int RiversEasyTiles = 84;   // one layer of 14 x 6
constexpr int RiversHardTiles = 144;  // two layers of 12 x 6

// Empties the anchor cells and every tile's place, then puts tiles 1..84 (easy) or 1..144
// (hard) at random free places: column drawn before row, one tile after another, so a state
// always gives the same board.
void DealRivers(BoardState& board, Generator& gen, bool hard);

// Whether `tile` may be picked in `play`: on the flat board (and in the editor) every tile may, as
// the path decides whether a pair goes; on a heap it is the free-tile rule, vertical or not.
bool TileFreeIn(const PlayState& play, const BoardState& board, int tile, bool vertical);

// The flat game's winnable reshuffle. A pair can only be joined on its own layer, and the hard
// board keeps the groups of its two layers apart; mixing tiles between the layers would leave
// pairs that can never be taken. So each layer is shuffled on its own, the upper one first as it
// would be taken first. `seed` seeds the generator before each layer's shuffle. False (board
// untouched) when no layer could be shuffled; else `removalOrder` holds the layers' orders.
bool ShuffleFlatLayers(BoardState& board, Generator& gen, const std::function<void()>& seed,
                       std::vector<Place>& removalOrder);

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
// The hint after `hintIndex` (1-based, advanced and kept by the caller): the pairs a path joins
// now, in turn, starting again after the last. None, and the index untouched, without a move.
std::optional<std::pair<int, int>> NextFlatHint(const BoardState& board, int32_t& hintIndex);
// Tiles are left but no path joins any matching two of them: only a shuffle or Back goes on.
bool RiversDeadEnd(const BoardState& board);

}  // namespace velmor
