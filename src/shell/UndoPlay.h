// Taking pairs back and taking them again: Back, Redo and Restart, in the games played alone.
#pragma once

#include <functional>
#include <string>

#include "base/Say.h"
#include "modes/GameState.h"
#include "shell/Platform.h"

namespace velmor {

class UndoPlay {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void()> fullRedraw;
    std::function<void()> taken;  // a pair left the board again: its sound
    std::function<void()> checkGameEnd;
    std::function<void()> afterMove;
    std::function<void(const std::string& message)> status;
  };
  UndoPlay(Platform& platform, GameState& game, Hooks hooks)
      : platform_(platform), game_(game), hooks_(std::move(hooks)) {}
  UndoPlay(const UndoPlay&) = delete;
  UndoPlay& operator=(const UndoPlay&) = delete;

  void Back();
  // Takes again the pairs taken back, in turn, until another pair is taken.
  void Redo();
  void Restart();

 private:
  void GoBack();
  void BackHistory();
  Platform& platform_;
  GameState& game_;
  Hooks hooks_;
};

}  // namespace velmor
