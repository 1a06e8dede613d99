#include "modes/Statistics.h"

#include <algorithm>

#include "base/Format.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/LayoutInPlay.h"
#include "modes/HallOfFame.h"

namespace velmor {

namespace {
constexpr const char* FlatEasyKey = "Flat game, easy";
constexpr const char* FlatHardKey = "Flat game, hard";
}  // namespace

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

void Statistics::GameWithdrawn(const std::string& key) {
  const auto found = entries_.find(key);
  if (found == entries_.end() || !found->second.Unfinished) return;
  found->second.Unfinished = false;
  --found->second.Started;
}

const StatisticsEntry& Statistics::Of(const std::string& key) const {
  static const StatisticsEntry none;
  const auto found = entries_.find(key);
  return found == entries_.end() ? none : found->second;
}

std::vector<StatisticsRow> StatisticsRows(const Statistics& stats) {
  std::vector<StatisticsRow> rows;
  auto time = [](int seconds, bool any) { return any ? FormatMinSec(seconds) : std::string("-"); };
  for (const auto& [key, e] : stats.Entries()) {
    std::string name = key;
    if (key == FlatEasyKey)
      name = VELMOR_TEXT("Voverizo Dadazu (Easy)");
    else if (key == FlatHardKey)
      name = VELMOR_TEXT("Voverizo Dadazu (Hard)");
    else if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
      name.erase(dot);  // the layout's file name without ".lay"
    rows.push_back({name, std::to_string(e.Started), std::to_string(e.Won), time(e.BestSeconds, e.Won > 0),
                    time(e.AverageSeconds(), e.Won > 0), std::to_string(e.CurrentStreak),
                    std::to_string(e.LongestStreak)});
  }
  std::sort(rows.begin(), rows.end(),
            [](const StatisticsRow& a, const StatisticsRow& b) { return CompareText(a.name, b.name) < 0; });
  return rows;
}

std::string StatisticsKey(const LayoutInPlay& layout) {
  if (layout.BoardNumber == RiversEasyList) return FlatEasyKey;
  if (layout.BoardNumber == RiversHardList) return FlatHardKey;
  return layout.LayoutPath.empty() ? layout.LayoutName : FileNamePart(layout.LayoutPath);
}

}  // namespace velmor
