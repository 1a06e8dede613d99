// What a tile is called when it is read out rather than seen: the face's name, and what a player
// needs to know of a tile on the board to find it and decide about it.
#pragma once

#include <string>

#include "board/Grid.h"

namespace velmor {

// "Crak 7", "Bamboo 3", "Dot 5", "Red Dragon", "East Wind", "Flower: Plum", "Season: Spring";
// empty outside 1..FaceTotal.
std::string FaceName(int face);
inline std::string TileName(int tile) { return tile >= 1 && tile <= TileTotal ? FaceName(FaceOfTile(tile)) : ""; }

struct TileState {
  bool free = false;
  bool picked = false;
  bool hinted = false;
  friend bool operator==(const TileState&, const TileState&) = default;
};

// "free, picked, layer 2, row 5, column 11": the state first, since that decides the move; the
// place in the layout's own steps (a tile is two columns wide and two rows high).
std::string TileDescription(const TileState& state, const Place& place);

}  // namespace velmor
