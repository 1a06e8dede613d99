// The solver at the player's service in the one-player game: "Can I Still Win?", the watch after
// every move with its mark on the toolbar, hints that keep the game winnable, and the demo that
// plays the game out.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "base/Say.h"
#include "modes/WinnabilityWatch.h"

namespace velmor {

class TVelmor;

class SolverPlay {
 public:
  VELMOR_SPEAKS(velmor)
  static constexpr uint32_t DemoStepMs = 500;

  explicit SolverPlay(TVelmor& game, WinnabilityWatch::Budget budget = {}) : game_(game), watch_(budget) {}
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

  TVelmor& game_;
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
