#include "modes/WinnabilityWatch.h"

namespace velmor {

WinnabilityWatch::WinnabilityWatch(Budget budget) : budget_(budget), worker_([this] { Work(); }) {}

WinnabilityWatch::~WinnabilityWatch() {
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
    pending_.reset();
  }
  cancel_ = true;
  wake_.notify_all();
  worker_.join();  // the search looks at the flag every millisecond or so
}

uint64_t WinnabilityWatch::Ask(const BoardState& board, const PairHistory* history, bool vertical) {
  std::lock_guard lock(mutex_);
  Question q;
  q.number = ++asked_;
  q.board = board;
  if (history) q.history = *history;
  q.withHistory = history != nullptr;
  q.vertical = vertical;
  pending_ = std::move(q);
  answer_.reset();
  cancel_ = true;  // the question under way is out of date
  wake_.notify_all();
  return asked_;
}

void WinnabilityWatch::Cancel() {
  std::lock_guard lock(mutex_);
  ++asked_;  // an answer already on its way belongs to no question now
  pending_.reset();
  answer_.reset();
  cancel_ = true;
}

std::optional<WinnabilityAnswer> WinnabilityWatch::Take() {
  std::lock_guard lock(mutex_);
  std::optional<WinnabilityAnswer> answer = std::move(answer_);
  answer_.reset();
  return answer;
}

bool WinnabilityWatch::Busy() const {
  std::lock_guard lock(mutex_);
  return working_ || pending_.has_value();
}

bool WinnabilityWatch::Quiet() const {
  std::lock_guard lock(mutex_);
  return !working_ && !pending_ && !answer_;
}

void WinnabilityWatch::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return quitting_ || pending_.has_value(); });
    if (quitting_) return;
    Question q = std::move(*pending_);
    pending_.reset();
    working_ = true;
    cancel_ = false;
    lock.unlock();
    WinnabilityAnswer answer = Solve(q);
    lock.lock();
    working_ = false;
    if (q.number == asked_ && !quitting_) answer_ = std::move(answer);
  }
}

WinnabilityAnswer WinnabilityWatch::Solve(const Question& q) {
  WinnabilityAnswer answer;
  answer.question = q.number;
  SolveLimits limits;
  limits.cancel = &cancel_;
  limits.tableBytes = size_t{16} << 20;  // kept small: the game asks after every move
  limits.maxTime = budget_.position;
  Solution now = SolveBoard(q.board, q.vertical, limits);
  answer.result = now.result;
  answer.moves = std::move(now.moves);
  answer.nodes = now.nodes;
  if (answer.result != SolveResult::NotWinnable || !q.withHistory) return answer;

  // Newest first, so the first winnable position found is the fewest pairs back.
  BoardState board = q.board;
  PairHistory history = q.history;
  const auto start = std::chrono::steady_clock::now();
  limits.maxTime = budget_.earlier;
  for (int back = 1; history.TakeBackPair(board) && !cancel_; ++back) {
    if (std::chrono::steady_clock::now() - start > budget_.history) break;
    const Solution earlier = SolveBoard(board, q.vertical, limits);
    answer.nodes += earlier.nodes;
    if (earlier.result == SolveResult::Winnable) {
      answer.goBack = back;
      break;
    }
  }
  return answer;
}

}  // namespace velmor
