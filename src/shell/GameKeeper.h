// The game in progress on disk: kept after every move for the next start, and saved to or loaded
// from a file the player chooses.
#pragma once

#include <string>

#include "base/Say.h"
#include "modes/SavedGame.h"

namespace velmor {

class TVelmor;

class GameKeeper {
 public:
  VELMOR_SPEAKS(velmor)
  explicit GameKeeper(TVelmor& game) : game_(game) {}
  GameKeeper(const GameKeeper&) = delete;
  GameKeeper& operator=(const GameKeeper&) = delete;

  // Off until the window first shows: before that there is no game of the player's to keep.
  bool Active = false;
  // Writes the game in progress for the next start (or removes the file when none is left).
  void Keep();
  // At start-up: false, the player told why when something was wrong, when no game came back.
  bool Resume();
  // File > "Save Game…" and "Load Game…".
  void SaveAs();
  void Load();

 private:
  bool Continue(const SavedGame& saved, std::string& error);
  std::string DialogFolder() const;

  TVelmor& game_;
  bool keepFailed_ = false;
  std::string lastFolder_;  // where the player last saved or loaded a game
};

}  // namespace velmor
