// An exact search for a way to clear the board pair by pair: whether a deal or a position reached
// in play can still be won, and how. It works on any layout and either free rule, and it can be
// stopped from another thread, so the game may run it in the background.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <utility>
#include <vector>

#include "board/Grid.h"

namespace velmor {

enum class SolveResult {
  Winnable,     // `moves` empties the board
  NotWinnable,  // every way of playing was tried (or ruled out) and none empties the board
  Unknown,      // stopped first: node or time limit, or cancelled
};

struct SolveLimits {
  uint64_t maxNodes = 0;                      // loose plays to run at most; 0 for no limit
  std::chrono::milliseconds maxTime{0};       // 0 for no limit
  const std::atomic<bool>* cancel = nullptr;  // set to true from another thread to stop
  std::stop_token stop;                       // the same for a std::jthread
  size_t tableBytes = size_t{64} << 20;       // memory for the sets of choices it learns lose
  uint64_t firstRun = 4000;                   // loose plays before the search first starts over
};

struct Solution {
  SolveResult result = SolveResult::Unknown;
  std::vector<std::pair<int, int>> moves;  // Winnable only: the pairs of tile numbers, first pair first
  uint64_t nodes = 0;                      // loose plays the search ran, each through the whole board
};

// Tiles on the board are those with a place in `board.TilePlace`; a grid cell that holds anything
// other than the tile placed there blocks like a tile that never leaves. The stop checks come
// every sixteen loose plays, well under a millisecond apart.
Solution SolveBoard(const BoardState& board, bool vertical, const SolveLimits& limits = {});

// The ways the search calls a position lost without playing it out. Each must be a theorem: the
// position it names lost cannot be emptied by any order of play.
enum class LostRule {
  OddGroup,      // a group has an odd number of tiles standing
  StuckTile,     // some tile cannot come free even with every other tile gone
  DeadGroup,     // a group's tiles cannot pair off among themselves, as they hold each other up
  PairsWaiting,  // even loose play cannot empty the board: pairs down to two going together, any
                 // other tile once another of its group is free or gone
};
// The first of the rules that names `board` lost as it stands, before any move is tried.
std::optional<LostRule> LostAtSight(const BoardState& board, bool vertical);

}  // namespace velmor
