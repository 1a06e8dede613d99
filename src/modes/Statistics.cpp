#include "modes/Statistics.h"

#include <algorithm>

#include "base/Text.h"
#include "layouts/LayoutInPlay.h"
#include "modes/HallOfFame.h"

namespace velmor {

void Statistics::GameStarted(const std::string& key) {
  for (auto& [name, entry] : entries_)
    if (entry.Unfinished) {
      entry.Unfinished = false;
      entry.CurrentStreak = 0;
    }
  StatisticsEntry& entry = entries_[key];
  ++entry.Started;
  entry.Unfinished = true;
}

bool Statistics::GameWon(const std::string& key, int seconds) {
  const auto found = entries_.find(key);
  if (found == entries_.end() || !found->second.Unfinished) return false;
  StatisticsEntry& entry = found->second;
  seconds = std::max(seconds, 0);
  entry.Unfinished = false;
  entry.BestSeconds = entry.Won == 0 ? seconds : std::min(entry.BestSeconds, seconds);
  ++entry.Won;
  entry.WinSecondsSum += seconds;
  entry.LongestStreak = std::max(entry.LongestStreak, ++entry.CurrentStreak);
  return true;
}

void Statistics::GameLost(const std::string& key) {
  const auto found = entries_.find(key);
  if (found == entries_.end() || !found->second.Unfinished) return;
  found->second.Unfinished = false;
  found->second.CurrentStreak = 0;
}

const StatisticsEntry& Statistics::Of(const std::string& key) const {
  static const StatisticsEntry none;
  const auto found = entries_.find(key);
  return found == entries_.end() ? none : found->second;
}

std::string StatisticsKey(const LayoutInPlay& layout) {
  if (layout.BoardNumber == RiversEasyList) return "Flat game, easy";
  if (layout.BoardNumber == RiversHardList) return "Flat game, hard";
  return layout.LayoutPath.empty() ? layout.LayoutName : FileNamePart(layout.LayoutPath);
}

}  // namespace velmor
