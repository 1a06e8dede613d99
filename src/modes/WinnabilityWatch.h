// Whether the position in play can still be won, worked out on a thread of its own so the game
// never waits for it. A new question cancels the one before; the answer is collected by polling
// (the game's heartbeat), so nothing calls back into the game from the worker.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "board/Grid.h"
#include "board/History.h"
#include "board/Solver.h"

namespace velmor {

struct WinnabilityAnswer {
  uint64_t question = 0;  // the number Ask returned
  SolveResult result = SolveResult::Unknown;
  std::vector<std::pair<int, int>> moves;  // Winnable: a way to clear the board from the position
  // Not winnable: the fewest pairs to take back to a winnable position, 0 when none was found.
  int goBack = 0;
  uint64_t nodes = 0;
};

class WinnabilityWatch {
 public:
  struct Budget {
    std::chrono::milliseconds position{3000};  // for the position asked about
    std::chrono::milliseconds earlier{1000};   // for each earlier position of the history
    std::chrono::milliseconds history{8000};   // for the whole walk back through the history
  };

  explicit WinnabilityWatch(Budget budget);
  WinnabilityWatch() : WinnabilityWatch(Budget{}) {}
  ~WinnabilityWatch();
  WinnabilityWatch(const WinnabilityWatch&) = delete;
  WinnabilityWatch& operator=(const WinnabilityWatch&) = delete;

  // Hands the position over and returns at once; a question still being worked on is dropped.
  // With `history`, a lost position is followed back pair by pair to the newest winnable one.
  uint64_t Ask(const BoardState& board, const PairHistory* history, bool vertical);
  // Drops the question being worked on, if any; its answer never comes.
  void Cancel();
  // The answer to the last question, once, when it is ready.
  std::optional<WinnabilityAnswer> Take();
  bool Busy() const;
  // No question in work and no answer waiting to be taken.
  bool Quiet() const;

 private:
  struct Question {
    uint64_t number = 0;
    BoardState board;
    PairHistory history;
    bool withHistory = false, vertical = false;
  };
  void Work();
  WinnabilityAnswer Solve(const Question& q);

  const Budget budget_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Question> pending_;
  std::optional<WinnabilityAnswer> answer_;
  uint64_t asked_ = 0;
  bool working_ = false, quitting_ = false;
  std::atomic<bool> cancel_{false};
  std::thread worker_;  // last: it starts once everything it uses exists
};

}  // namespace velmor
