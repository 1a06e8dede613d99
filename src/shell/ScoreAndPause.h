// The game's clock at play: the counters under the board, the 100-minute limit, the status line's
// message, and the pause with its captions, whether the player asks for it or the window loses focus.
#pragma once

#include <functional>
#include <string>

#include "base/Say.h"
#include "display/BoardPictures.h"
#include "modes/GameState.h"
#include "shell/GameMenus.h"
#include "shell/Platform.h"

namespace velmor {

class ScoreAndPause {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void()> updateCommands;
    std::function<void()> showBackground;  // the bare background hides the board
    std::function<void()> fullRedraw;
    std::function<void()> keep;      // the game in progress kept on disk
    std::function<void()> recount;   // free tiles and moves counted again
    std::function<int()> flatMoves;  // the pairs a path joins now, in the flat game
    std::function<bool()> checkGameEnd;
  };
  ScoreAndPause(Platform& platform, GameMenus& menus, GameState& game, const BoardPictures& pictures, Hooks hooks)
      : platform_(platform), menus_(menus), game_(game), pictures_(pictures), hooks_(std::move(hooks)) {}
  ScoreAndPause(const ScoreAndPause&) = delete;
  ScoreAndPause& operator=(const ScoreAndPause&) = delete;

  // The status line scrolls its message itself, so it is given the message as the player reads it.
  void Say(const std::string& message);
  // The game went on: the greeting or the pause's message leaves the status line.
  void GiveWay();
  // The status line's next frame, on heartbeat `beat`.
  void ScrollStatus(uint32_t beat);
  // The clock's part of the heartbeat: the clock brought up to date and stopped at the limit, the
  // counters shown, and the background put back over a board that should not show.
  void Beat();
  void WriteScore();
  std::string TwoPlayerTimes() const;  // both clocks, the player on turn marked
  void Pause();                        // pauses the game, or goes on with a paused one
  void FocusLost();
  void FocusBack();
  void ToggleMoves();
  void ToggleTime();
  void Stop();
  // A new game started while paused restores the pause captions.
  void EndPauseForNewGame();

 private:
  Platform& platform_;
  GameMenus& menus_;
  GameState& game_;
  const BoardPictures& pictures_;
  Hooks hooks_;
};

}  // namespace velmor
