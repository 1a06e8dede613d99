#include "modes/Selection.h"

#include "board/Tiles.h"

namespace velmor {

Selection::Result Selection::Click(int tile, bool free) {
  if (!free) {
    SecondTile = 0;
    return {Outcome::Refused};
  }
  if (FirstTile == 0) {
    FirstTile = static_cast<uint8_t>(tile);
    return {Outcome::Picked};
  }
  if (FirstTile == tile) {
    Clear();
    return {Outcome::Dropped, tile};
  }
  SecondTile = static_cast<uint8_t>(tile);
  if (!TilesMatch(FirstTile, SecondTile)) return Repick();
  return {Outcome::Pair};
}

Selection::Result Selection::Repick() {
  const int previous = FirstTile;
  FirstTile = SecondTile;
  SecondTile = 0;
  return {Outcome::Repicked, previous};
}

}  // namespace velmor
