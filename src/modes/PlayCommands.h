// Which of the commands that act on the game in play can do something now. The menu and the
// toolbar grey out the others, so a player never presses a command that silently does nothing.
#pragma once

#include "modes/GameState.h"

namespace velmor {

struct PlayCommands {
  bool back = false;     // a pair to take back
  bool redo = false;     // a pair taken back to take again
  bool restart = false;  // a pair taken since the deal
  bool hint = false;     // a move to show
  bool shuffle = false;  // tiles to shuffle
  bool operator==(const PlayCommands&) const = default;
};

// What the handlers of these commands would do for `game`: each is on exactly when its handler
// acts.
PlayCommands CommandsFor(const GameState& game);

}  // namespace velmor
