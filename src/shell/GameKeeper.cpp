// The game in progress kept on disk after every move and at the end of the program, taken up again
// at the next start, and saved games the player files away.
#include "shell/GameKeeper.h"

#include <filesystem>

#include "base/Text.h"
#include "shell/SavedGameFile.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
constexpr const char* SavedGameFilter = "Velmor saved games (*.vsave)|*.vsave";
}  // namespace

void GameKeeper::Keep() {
  TVelmor& g = game_;
  if (!g.ResumeLastGame.Checked() || !Active) return;
  SavedGame saved;
  std::string error;
  if (!MakeSavedGame(g, g, g.Vertical.Checked(), g.platform.TickCount(), saved)) {
    // A game that has ended, or none at all: the next start deals a new one.
    std::error_code ec;
    std::filesystem::remove(g.ResumePath(), ec);
    return;
  }
  if (!MakeFolder(g.ConfigFolder, error) || !WriteSavedGame(g.ResumePath(), saved, error)) {
    // Once per session is enough: the game goes on either way.
    if (!keepFailed_) g.ShowStatus("The game in progress could not be kept: " + error + ".");
    keepFailed_ = true;
  }
}

bool GameKeeper::Resume() {
  TVelmor& g = game_;
  SavedGame saved;
  std::string error;
  switch (ReadSavedGame(g.ResumePath(), saved, error)) {
    case SavedGameRead::Missing:
      return false;
    case SavedGameRead::Unreadable:
      g.platform.ShowError("The game in progress cannot be continued: " + error + ".");
      return false;
    case SavedGameRead::Read:
      if (Continue(saved, error)) {
        g.ShowStatus("Game resumed.");
        return true;
      }
      break;
    case SavedGameRead::Damaged:
      break;
  }
  std::string movedTo, moveError;
  const std::string kept = MoveAside(g.ResumePath(), movedTo, moveError) ? " It was kept as \"" + movedTo + "\"." : "";
  g.platform.ShowError("The game in progress cannot be continued: " + error + "." + kept + " A new game starts.");
  return false;
}

std::string GameKeeper::DialogFolder() const { return lastFolder_.empty() ? game_.ConfigFolder : lastFolder_; }

void GameKeeper::SaveAs() {
  TVelmor& g = game_;
  SavedGame saved;
  if (!MakeSavedGame(g, g, g.Vertical.Checked(), g.platform.TickCount(), saved)) {
    g.platform.ShowMessage("There is no game in progress to save.");
    return;
  }
  const auto chosen = g.platform.SaveFileDialog({"Save Game", SavedGameFilter, DialogFolder()});
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (LowerCase(std::filesystem::path(path).extension().string()) != SavedGameExtension) path += SavedGameExtension;
  std::string error;
  if (!WriteSavedGame(path, saved, error)) {
    g.platform.ShowError("The game was not saved: " + error + ".");
    return;
  }
  lastFolder_ = std::filesystem::path(path).parent_path().string() + "/";
  g.ShowStatus("Game saved as \"" + FileNamePart(path) + "\".");
}

void GameKeeper::Load() {
  TVelmor& g = game_;
  const auto chosen = g.platform.OpenFileDialog({"Load Game", SavedGameFilter, DialogFolder()});
  if (!chosen || chosen->empty()) return;
  SavedGame saved, current;
  std::string error;
  if (ReadSavedGame(*chosen, saved, error) != SavedGameRead::Read) {
    // The player's own file stays where it is, whatever is wrong with it.
    g.platform.ShowError("The saved game cannot be loaded: " + error + ".");
    return;
  }
  if (MakeSavedGame(g, g, g.Vertical.Checked(), g.platform.TickCount(), current) &&
      !g.platform.Confirm("Load Game", "A game is in progress. Leave it and load \"" + FileNamePart(*chosen) + "\"?"))
    return;
  const std::string left = StatisticsKey(g);
  if (!Continue(saved, error)) {
    g.platform.ShowError("The saved game cannot be loaded: " + error + ".");
    return;
  }
  g.Records.Abandoned(left);
  lastFolder_ = std::filesystem::path(*chosen).parent_path().string() + "/";
  g.ShowStatus("Game loaded.");
  Keep();
}

bool GameKeeper::Continue(const SavedGame& saved, std::string& error) {
  TVelmor& g = game_;
  int layout = 0;
  if (!saved.Flat()) {
    layout = g.Layouts.FindFile(std::filesystem::path(saved.LayoutPath).filename().string());
    if (layout == 0) {
      error = "its layout \"" + saved.LayoutName + "\" is no longer there";
      return false;
    }
  }
  g.ResetForNewGame(saved.Kind == SavedGameKind::TwoPlayers ? TVelmor::NewGameKind::TwoPlayers
                                                            : TVelmor::NewGameKind::Solitaire);
  g.EndPauseForNewGame();
  ApplySavedGame(saved, g, g, g.platform.TickCount());
  if (!saved.Flat()) {
    g.BoardNumber = layout;
    g.LayoutPath = g.Layouts[layout].Path();
  }
  g.LayoutEntries.CheckOnly(saved.Flat() ? g.SavedLayoutNumber : g.BoardNumber);
  g.Vertical.SetChecked(saved.Vertical);
  if (g.GameMode == ModePaused) {
    g.Pause1.SetCaption("&Continue");
    g.PauseButton.SetCaption("Play");
  }
  g.ColorHighlight();
  g.IsItFree();
  g.FullRedraw();
  g.ShowPanelHOF();
  g.UpdateWindowTitle();
  g.DeadEnds.Check();
  g.Solver.PositionChanged();
  return true;
}

}  // namespace velmor
