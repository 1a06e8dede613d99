// The layouts' difficulty, as the layout chooser shows it: each folder's "Clearable.ini" read, and
// every layout of the player's that has no figure for its heap counted on a thread of its own,
// one after the other, its figure then kept in the player's folder. Nothing calls back into the
// game; the chooser asks for what is known when it opens.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "layouts/ClearableShare.h"
#include "layouts/LayoutLibrary.h"

namespace velmor {

struct ClearableFigure {
  enum State { Unknown, Counting, Known } state = Unknown;  // Unknown: not a heap that can be counted
  ClearableCount count;
};

class ClearableSurvey {
 public:
  // Counting waits `settle` after the survey is made, so that it never competes with the game's
  // start.
  explicit ClearableSurvey(int deals = ClearableDeals, uint64_t nodesPerDeal = ClearableNodesPerDeal,
                           std::chrono::milliseconds settle = std::chrono::seconds(3));
  ~ClearableSurvey();
  ClearableSurvey(const ClearableSurvey&) = delete;
  ClearableSurvey& operator=(const ClearableSurvey&) = delete;

  // The layouts to know figures for, replacing the ones before; returns at once. Counts are kept
  // in `playersFolder` (empty: kept nowhere) for the layouts that live there.
  void Survey(const LayoutLibrary& layouts, const std::string& playersFolder);
  // What is known of the layout read from `path`.
  ClearableFigure Of(const std::string& path) const;
  // No layout waiting or being counted.
  bool Quiet() const;

 private:
  void Work(std::stop_token stop);

  const int deals_;
  const uint64_t nodesPerDeal_;
  const std::chrono::steady_clock::time_point countFrom_;
  mutable std::mutex mutex_;
  std::condition_variable_any wake_;
  std::vector<LayoutInfo> waiting_;
  std::string playersFolder_;
  std::map<std::string, ClearableFigure> figures_;  // by path
  bool working_ = false;
  std::jthread worker_;  // last: it starts once everything it uses exists
};

}  // namespace velmor
