// A board with tiles left and no move open. The status line says so first; a moment later a
// notice over the board offers the ways on (Back, Shuffle, Restart, New Game) and stays until one
// of them, or anything else, opens a move again. The flat game's clock stands still meanwhile.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Say.h"
#include "modes/GameState.h"
#include "shell/Platform.h"

namespace velmor {

class DeadEnd {
 public:
  VELMOR_SPEAKS(velmor)
  static constexpr uint32_t NoticeDelayMs = 1500;  // the status line's message is read first

  // `recountMoves` brings the heap's free tiles and moves up to date under the rule in force;
  // `pairsBackToWin` is the winnability watch's answer (0 or less: none yet).
  DeadEnd(Platform& platform, GameState& game, std::function<void()> recountMoves, std::function<int()> pairsBackToWin)
      : platform_(platform),
        game_(game),
        recountMoves_(std::move(recountMoves)),
        pairsBackToWin_(std::move(pairsBackToWin)) {}
  DeadEnd(const DeadEnd&) = delete;
  DeadEnd& operator=(const DeadEnd&) = delete;

  // After every move and every new board.
  void Check();
  // Every heartbeat: shows or hides the notice, and holds the flat game's clock.
  void Tick();
  bool Stuck() const { return stuck_; }
  // The notice waits to be shown or hidden.
  bool Pending() const { return stuck_ != shown_; }
  // The flat game's "Moves left": pairs a path joins now, as of the last check.
  int FlatMoves() const { return flatMoves_; }
  // The notice's word on the way back, in English: how many pairs Back must take back for the
  // game to be won again, once the winnability watch knows; empty otherwise.
  std::string Advice() const;

 private:
  Platform& platform_;
  GameState& game_;
  std::function<void()> recountMoves_;
  std::function<int()> pairsBackToWin_;
  bool stuck_ = false, shown_ = false;
  uint32_t since_ = 0;
  int flatMoves_ = 0;
  std::string advice_;  // as the notice shows it
};

}  // namespace velmor
