// How the player has fared: per layout (by its file name) and per flat-game variant, the games
// started and won, the best and average winning time, and the winning streaks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velmor {

struct LayoutInPlay;

struct StatisticsEntry {
  int32_t Started = 0;
  int32_t Won = 0;
  int32_t BestSeconds = 0;    // of the wins; 0 until the first
  int64_t WinSecondsSum = 0;  // kept rather than the average, which would drift as it is rounded
  int32_t CurrentStreak = 0;
  int32_t LongestStreak = 0;
  bool Unfinished = false;  // started, and neither won nor lost yet

  int32_t AverageSeconds() const { return Won > 0 ? static_cast<int32_t>(WinSecondsSum / Won) : 0; }
  friend bool operator==(const StatisticsEntry&, const StatisticsEntry&) = default;
};

class Statistics {
 public:
  // One board is played at a time, so a new game ends any game left unfinished: as a loss.
  void GameStarted(const std::string& key);
  // Counts only a game that was started and is not over yet; false otherwise.
  bool GameWon(const std::string& key, int seconds);
  // A game given up or stuck; nothing happens for a game that is not under way.
  void GameLost(const std::string& key);
  void GameAbandoned(const std::string& key) { GameLost(key); }
  // A game under way that is to count for nothing after all: neither started nor lost.
  void GameWithdrawn(const std::string& key);
  void Reset() { entries_.clear(); }

  // All zero for a key never played.
  const StatisticsEntry& Of(const std::string& key) const;
  const std::map<std::string, StatisticsEntry>& Entries() const { return entries_; }
  // As read from the statistics file.
  void Set(const std::string& key, const StatisticsEntry& entry) { entries_[key] = entry; }
  friend bool operator==(const Statistics&, const Statistics&) = default;

 private:
  std::map<std::string, StatisticsEntry> entries_;
};

// What the Statistics page shows, one row per layout or variant played, by name.
struct StatisticsRow {
  std::string name, started, won, best, average, streak, longest;
};
std::vector<StatisticsRow> StatisticsRows(const Statistics& stats);

// The key the game in progress is counted under: the flat game's variant, or the layout's file name
// (its name when it has no file).
std::string StatisticsKey(const LayoutInPlay& layout);

}  // namespace velmor
