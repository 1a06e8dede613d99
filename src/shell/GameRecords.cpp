#include "shell/GameRecords.h"

#include "base/Say.h"
#include "shell/GameFolders.h"
#include "shell/StatisticsFile.h"

namespace velmor {

void GameRecords::Load() {
  std::string warning, error;
  if (!LoadStatistics(path_(), stats_, warning, error)) {
    // The file is left as it is: counting afresh over it would lose every game in it.
    platform_.ShowError(
        Fill(VELMOR_TEXT("The statistics could not be read: %1. They are not counted this time."), error));
    unreadable_ = true;
  } else if (!warning.empty())
    platform_.ShowMessage(warning);
}

void GameRecords::Started(const std::string& key) {
  if (!Active) return;
  stats_.GameStarted(key);
  Save();
}

void GameRecords::Won(const std::string& key, int seconds) {
  if (Active && stats_.GameWon(key, seconds)) Save();
}

void GameRecords::Abandoned(const std::string& key) {
  if (!Active || !stats_.Of(key).Unfinished) return;
  stats_.GameAbandoned(key);
  Save();
}

void GameRecords::Withdrawn(const std::string& key) {
  if (!Active || !stats_.Of(key).Unfinished) return;
  stats_.GameWithdrawn(key);
  Save();
}

bool GameRecords::AskAndReset() {
  if (!platform_.Confirm(
          VELMOR_TEXT("Please confirm..."),
          VELMOR_TEXT("Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?")))
    return false;
  stats_.Reset();
  // An unreadable file stays unread; a reset is the player's word that it may go.
  unreadable_ = false;
  Save();
  return true;
}

void GameRecords::Save() {
  if (unreadable_) return;
  writer_.Put(path_(), FormatStatistics(stats_), [this](const std::string& error) {
    // Once a session: the game goes on, and the next count tries again.
    if (!saveFailed_) platform_.ShowError(Fill(VELMOR_TEXT("The statistics were not saved: %1."), error));
    saveFailed_ = true;
  });
}

}  // namespace velmor
