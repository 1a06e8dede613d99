// The two picks that make a pair, and what a click on a tile does to them. The caller answers
// whether the tile may be taken; the selection answers what happened, so sounds and redraws stay
// with the caller.
#pragma once

#include <cstdint>

namespace velmor {

struct Selection {
  uint8_t FirstTile = 0, SecondTile = 0;

  enum class Outcome {
    Refused,   // the tile is not free: the picks stay as they were
    Picked,    // the tile became the first pick
    Dropped,   // the first pick was clicked again: nothing is picked now
    Repicked,  // the second tile does not match: it became the first pick instead
    Pair,      // two matching tiles are picked; TakePair or Repick decides what follows
  };
  struct Result {
    Outcome outcome;
    int released = 0;  // a tile whose pick mark went away (Dropped, Repicked)
  };
  Result Click(int tile, bool free);
  // The pair cannot be taken after all (no path joins them): the second tile becomes the first.
  Result Repick();
  // The pair is taken: its two tiles, and nothing is picked any more.
  void Clear() { FirstTile = SecondTile = 0; }
};

}  // namespace velmor
