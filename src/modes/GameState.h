// The game in progress as plain data: the board and what was taken from it, the picks and
// hints, the generator, the clocks and the status message. Everything a later session needs to
// carry on exactly where this one stopped lives here.
#pragma once

#include <cstdint>
#include <vector>

#include "board/FreeTiles.h"
#include "board/Generator.h"
#include "board/Grid.h"
#include "board/History.h"
#include "modes/GameClock.h"
#include "modes/PlayState.h"
#include "modes/Selection.h"
#include "modes/StatusLine.h"

namespace velmor {

struct GameState : Selection {
  PlayState Play;  // the kind of game and its phase

  BoardState Board;
  PairHistory History;
  FreeTiles Free;  // free tiles and moves left, recounted on demand
  Generator Gen;
  int32_t GameNumber = 0;
  std::vector<Place> RemovalOrder;  // how the last winnable deal or reshuffle emptied the board

  int32_t HintIndex = 0, HintTileA = 0, HintTileB = 0;
  uint8_t HoverTile = 0;
  int32_t PointedTile = 0, PrevPointedTile = 0;

  GameClock Clock;
  TwoPlayerClock Turns;
  StatusLine Status;
  bool BoardCleared = false;  // every tile of this game has been taken
  bool ResultShown = false;   // and the player has been told
};

}  // namespace velmor
