// The player's statistics as the game keeps them: read at start-up, counted as games start and
// end, and written to their file at once so that a crash loses nothing.
#pragma once

#include <functional>
#include <string>

#include "base/BackgroundWriter.h"
#include "base/Say.h"
#include "modes/Statistics.h"
#include "shell/Platform.h"

namespace velmor {

class GameRecords {
 public:
  VELMOR_SPEAKS(velmor)
  GameRecords(Platform& platform, BackgroundWriter& writer, std::function<std::string()> path)
      : platform_(platform), writer_(writer), path_(std::move(path)) {}

  // Off until the window first shows, so that building a game object writes nothing.
  bool Active = false;
  // A file that cannot be read is reported and left alone: nothing is counted into it.
  void Load();
  void Started(const std::string& key);
  void Won(const std::string& key, int seconds);
  void Abandoned(const std::string& key);
  void Withdrawn(const std::string& key);
  // Forgets every game counted once the player has said yes; true when it did.
  bool AskAndReset();
  const Statistics& Figures() const { return stats_; }

 private:
  void Save();
  Platform& platform_;
  BackgroundWriter& writer_;
  std::function<std::string()> path_;
  Statistics stats_;
  bool saveFailed_ = false, unreadable_ = false;
};

}  // namespace velmor
