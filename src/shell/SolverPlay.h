// The solver at the player's service in the one-player game: "Can I Still Win?", the watch after
// every move with its mark on the toolbar, hints that keep the game winnable, and the demo that
// plays the game out.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Say.h"
#include "modes/GameState.h"
#include "modes/WinnabilityWatch.h"
#include "shell/GameMenus.h"
#include "shell/Platform.h"

namespace velmor {

class SolverPlay {
 public:
  VELMOR_SPEAKS(velmor)
  static constexpr uint32_t DemoStepMs = 500;

  // What the demo does with the board, as the player would do it.
  struct Hands {
    std::function<void(const std::string& message)> status;
    std::function<bool(int tile)> playable;  // the free-tile rule in force
    std::function<void()> recountMoves;      // the free tiles and moves brought up to date
    std::function<void(int a, int b)> takePair;
    std::function<void()> withdrawn;  // the game counts for no record any more
  };
  SolverPlay(Platform& platform, GameMenus& menus, GameState& game, Hands hands, WinnabilityWatch::Budget budget = {})
      : platform_(platform), menus_(menus), game_(game), hands_(std::move(hands)), watch_(budget) {}
  SolverPlay(const SolverPlay&) = delete;
  SolverPlay& operator=(const SolverPlay&) = delete;

  // Play > "Can I Still Win?": the answer comes to the status line when it is ready.
  void CanIStillWin();
  // The position changed: what was known of it is dropped, and the watch asks again.
  void PositionChanged();
  // A new board: the demo stops and the game is the player's again.
  void NewBoard();
  // Every heartbeat: answers collected and told, the demo's next pair.
  void Tick();
  // A pair of free tiles whose taking keeps the game winnable, when the watch knows one.
  std::optional<std::pair<int, int>> KeepingPair() const;
  // The pairs to take back to a position that can be won, as the watch found for the position on
  // the board; 0 when it found none, was not asked, or the game can still be won.
  int PairsBackToWin() const;

  void StartDemo();
  void StopDemo();
  bool DemoRunning() const { return demo_; }
  // Nothing for the heartbeat to collect or play.
  bool Idle() const { return !demo_ && watch_.Quiet(); }
  // The demo played in this game: it counts for no record.
  bool DemoPlayed() const { return demoPlayed_; }

 private:
  bool Watching() const;
  void Tell(const WinnabilityAnswer& answer);
  void DemoStep();
  void SetMark(const char* caption, const char* hint);

  Platform& platform_;
  GameMenus& menus_;
  GameState& game_;
  Hands hands_;
  WinnabilityWatch watch_;
  uint64_t question_ = 0;
  bool announce_ = false;                   // the player asked: the answer goes to the status line
  std::optional<WinnabilityAnswer> known_;  // for the position on the board now
  bool demo_ = false, demoPlayed_ = false;
  std::vector<std::pair<int, int>> plan_;  // the demo's way to the end, once the solver found it
  size_t planned_ = 0;
  bool planAsked_ = false;
  uint32_t lastStep_ = 0;
};

}  // namespace velmor
