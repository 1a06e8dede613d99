// The game in progress kept on disk after every move and at the end of the program, and taken up
// again at the next start.
#include <filesystem>

#include "shell/SavedGameFile.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::KeepGame() {
  // Before the window first shows there is no game of the player's to keep.
  if (!ResumeLastGame.Checked() || !KeepingGames) return;
  SavedGame saved;
  std::string error;
  if (!MakeSavedGame(*this, *this, Vertical.Checked(), platform.TickCount(), saved)) {
    // A game that has ended, or none at all: the next start deals a new one.
    std::error_code ec;
    std::filesystem::remove(ResumePath(), ec);
    return;
  }
  if (!MakeFolder(ConfigFolder, error) || !WriteSavedGame(ResumePath(), saved, error)) {
    // Once per session is enough: the game goes on either way.
    if (!KeepGameFailed) ShowStatus("The game in progress could not be kept: " + error + ".");
    KeepGameFailed = true;
  }
}

bool TVelmor::ResumeGame() {
  SavedGame saved;
  std::string error;
  switch (ReadSavedGame(ResumePath(), saved, error)) {
    case SavedGameRead::Missing:
      return false;
    case SavedGameRead::Unreadable:
      platform.ShowError("The game in progress cannot be continued: " + error + ".");
      return false;
    case SavedGameRead::Read:
      if (ContinueGame(saved, error)) {
        ShowStatus("Game resumed.");
        return true;
      }
      break;
    case SavedGameRead::Damaged:
      break;
  }
  std::string movedTo, moveError;
  const std::string kept = MoveAside(ResumePath(), movedTo, moveError) ? " It was kept as \"" + movedTo + "\"." : "";
  platform.ShowError("The game in progress cannot be continued: " + error + "." + kept + " A new game starts.");
  return false;
}

bool TVelmor::ContinueGame(const SavedGame& saved, std::string& error) {
  int layout = 0;
  if (!saved.Flat()) {
    layout = Layouts.FindFile(std::filesystem::path(saved.LayoutPath).filename().string());
    if (layout == 0) {
      error = "its layout \"" + saved.LayoutName + "\" is no longer there";
      return false;
    }
  }
  ResetForNewGame(saved.Kind == SavedGameKind::TwoPlayers ? NewGameKind::TwoPlayers : NewGameKind::Solitaire);
  EndPauseForNewGame();
  ApplySavedGame(saved, *this, *this, platform.TickCount());
  if (!saved.Flat()) {
    BoardNumber = layout;
    LayoutPath = Layouts[layout].Path();
  }
  LayoutEntries.CheckOnly(saved.Flat() ? SavedLayoutNumber : BoardNumber);
  Vertical.SetChecked(saved.Vertical);
  if (GameMode == ModePaused) {
    Pause1.SetCaption("&Continue");
    PauseButton.SetCaption("Play");
  }
  ColorHighlight();
  IsItFree();
  FullRedraw();
  ShowPanelHOF();
  UpdateWindowTitle();
  return true;
}

}  // namespace velmor
