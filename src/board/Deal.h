// Putting tiles on a layout: the random placement, the winnable reverse construction and the
// winnable reshuffle.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "board/Generator.h"
#include "board/Grid.h"
#include "board/LayoutShape.h"

namespace velmor {

// What a deal asks of its caller. Empty functions are skipped: the caller decides whether the
// deal is animated and how the generator is seeded.
struct DealHooks {
  std::function<void()> seed;                // seed the generator (game number or clock)
  std::function<void()> redrawStart;         // animated: the board before the construction
  std::function<void()> redrawPair;          // animated: whole board after each pair placed
  std::function<void(int tile)> redrawTile;  // animated random placement: one tile
};

// Marks every shape position with PlaceMarker, empties every other anchor cell; returns N.
int MarkLayoutPositions(Grid& grid, const LayoutShape& shape);

// Places of non-zero anchor cells, layer 1..5, then row 1..20, then column 1..34.
std::vector<Place> BuildPositionList(const Grid& grid);

// Entries of the position list whose cell is non-zero and free under the standard rule.
int CountFreePositions(const Grid& grid, const std::vector<Place>& positions);

// The plain deal: tiles 1..N at random marked positions. N = positions marked in the grid.
void RandomPlacement(BoardState& board, int n, Generator& gen, const DealHooks& hooks);

// The winnable deal. Fills the grid from the shape itself. Returns false when the construction
// kept running into dead ends (a shape that cannot be taken apart pair by pair).
bool CreateBoard(BoardState& board, const LayoutShape& shape, Generator& gen, const DealHooks& hooks,
                 std::vector<Place>* removalOrder = nullptr);

// A new game's deal of `shape`: the winnable construction when `winnable`, else the plain random
// placement. A shape the construction cannot take apart is dealt at random instead, after
// `reseedForFallback` (the game seeds from its clock); the fallback calls no hook. Returns false
// only then. `removalOrder` is written by a winnable deal alone (and emptied by its fallback).
bool DealShape(BoardState& board, const LayoutShape& shape, bool winnable, Generator& gen, const DealHooks& hooks,
               const std::function<void()>& reseedForFallback, std::vector<Place>* removalOrder = nullptr);

// Game number `number` of `shape`, as "specific game" deals it: the generator starts from the
// number. `fallbackSeed` seeds the random placement of a winnable deal that falls back.
struct NumberedDeal {
  BoardState board;
  std::vector<Place> removalOrder;  // a winnable deal's solution, pair by pair
  bool fellBack = false;            // asked winnable, dealt at random
};
NumberedDeal DealGameNumber(const LayoutShape& shape, uint32_t number, bool winnable, uint32_t fallbackSeed);

// The winnable reshuffle of the tiles on the board. Returns false (board untouched) when fewer
// than two tiles are free, or when the board cannot be taken apart at all.
bool ShuffleBoard(BoardState& board, Generator& gen, const DealHooks& hooks,
                  std::vector<Place>* removalOrder = nullptr);

// The plain reshuffle: every tile on the board swaps places with another drawn at random, pass
// after pass, until `movesLeft` (asked after each pass) finds a move or 101 passes have run.
// `sameLayer` keeps every tile on its own layer.
void PlainShuffle(BoardState& board, Generator& gen, bool sameLayer, const std::function<int()>& movesLeft);

}  // namespace velmor
