// Which tiles may be taken, and how many moves the board offers.
#pragma once

#include <array>
#include <cstdint>

#include "board/Grid.h"

namespace velmor {

struct FreeTiles {
  std::array<uint8_t, TileTotal + 1> FreeList{};  // entries 1..FreeCount, ascending tile numbers
  int32_t FreeCount = 0;
  // Neighbouring free tiles of one group, counted once per neighbour pair: a group with three
  // free tiles gives two moves. This is the figure the status line shows and hints cycle through.
  int32_t MovesLeft = 0;

  template <class IsFree>
  void Recount(int tileCount, IsFree&& isFree) {
    FreeCount = 0;
    MovesLeft = 0;
    for (int t = 1; t <= tileCount && t <= TileTotal; ++t)
      if (isFree(t)) FreeList[++FreeCount] = static_cast<uint8_t>(t);
    for (int k = 1; k < FreeCount; ++k)
      if (MatchGroup(FreeList[k]) == MatchGroup(FreeList[k + 1])) ++MovesLeft;
  }

  // The tiles of move number `move` (1..MovesLeft) in FreeList order; false when there is none.
  bool NthMove(int move, int& a, int& b) const {
    int seen = 0;
    for (int k = 1; k < FreeCount; ++k)
      if (MatchGroup(FreeList[k]) == MatchGroup(FreeList[k + 1]) && ++seen == move) {
        a = FreeList[k];
        b = FreeList[k + 1];
        return true;
      }
    return false;
  }

  // The hint after `hintIndex` (kept by the caller): the moves in turn, starting again after the
  // last. False, the index untouched, when fewer than two tiles are free or no move is left.
  bool NextHint(int32_t& hintIndex, int& a, int& b) const {
    if (FreeCount < 2 || MovesLeft == 0) return false;
    hintIndex = hintIndex % MovesLeft + 1;
    return NthMove(hintIndex, a, b);
  }
};

}  // namespace velmor
