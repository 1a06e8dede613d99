// The game in progress on disk: kept after every move for the next start, and saved to or loaded
// from a file the player chooses.
#pragma once

#include <functional>
#include <string>

#include "base/BackgroundWriter.h"
#include "base/Say.h"
#include "modes/GameState.h"
#include "modes/SavedGame.h"
#include "shell/GameFolders.h"
#include "shell/GameMenus.h"
#include "shell/GameRecords.h"
#include "shell/LayoutMenu.h"
#include "shell/Platform.h"

namespace velmor {

class GameKeeper {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void(const std::string& message)> status;
    // Clears the board and the pause for a game taken up, as a new game of its kind would.
    std::function<void(bool twoPlayers)> clear;
    // The game taken up is in place: drawn, and every watch told.
    std::function<void()> shown;
  };
  GameKeeper(Platform& platform, BackgroundWriter& writer, const FolderPaths& folders, GameMenus& menus,
             GameState& game, LayoutInPlay& layout, LayoutMenu& listed, GameRecords& records, Hooks hooks)
      : platform_(platform),
        writer_(writer),
        folders_(folders),
        menus_(menus),
        game_(game),
        layout_(layout),
        listed_(listed),
        records_(records),
        hooks_(std::move(hooks)) {}
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
  bool Make(SavedGame& saved) const;

  Platform& platform_;
  BackgroundWriter& writer_;
  const FolderPaths& folders_;
  GameMenus& menus_;
  GameState& game_;
  LayoutInPlay& layout_;
  LayoutMenu& listed_;
  GameRecords& records_;
  Hooks hooks_;
  bool keepFailed_ = false;
  std::string lastFolder_;  // where the player last saved or loaded a game
};

}  // namespace velmor
