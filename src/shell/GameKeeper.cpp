// The game in progress kept on disk after every move and at the end of the program, taken up again
// at the next start, and saved games the player files away.
#include "shell/GameKeeper.h"

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "shell/SavedGameFile.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
constexpr const char* SavedGameFilter = VELMOR_TEXT("Velmor saved games (*.vsave)|*.vsave");
}  // namespace

void GameKeeper::Keep() {
  TVelmor& g = game_;
  if (!g.Menus.ResumeLastGame.Checked() || !Active) return;
  SavedGame saved;
  std::string error;
  if (!MakeSavedGame(g.Current, g.Layout, g.Menus.Vertical.Checked(), g.platform.TickCount(), saved)) {
    // A game that has ended, or none at all: the next start deals a new one.
    g.Writer.Remove(g.Folders.ResumePath());
    return;
  }
  g.Writer.Put(g.Folders.ResumePath(), SerializeSavedGame(saved), [this](const std::string& why) {
    // Once per session is enough: the game goes on either way.
    if (!keepFailed_) game_.ShowStatus(Fill(VELMOR_TEXT("The game in progress could not be kept: %1."), why));
    keepFailed_ = true;
  });
}

bool GameKeeper::Resume() {
  TVelmor& g = game_;
  SavedGame saved;
  std::string error;
  switch (ReadSavedGame(g.Folders.ResumePath(), saved, error)) {
    case SavedGameRead::Missing:
      return false;
    case SavedGameRead::Unreadable:
      g.platform.ShowError(Fill(VELMOR_TEXT("The game in progress cannot be continued: %1."), error));
      return false;
    case SavedGameRead::Read:
      if (Continue(saved, error)) {
        g.ShowStatus(VELMOR_TEXT("Game resumed."));
        return true;
      }
      break;
    case SavedGameRead::Damaged:
      break;
  }
  std::string movedTo, moveError;
  if (MoveAside(g.Folders.ResumePath(), movedTo, moveError))
    g.platform.ShowError(
        Fill(VELMOR_TEXT("The game in progress cannot be continued: %1. It was kept as \"%2\". A new game starts."),
             error, movedTo));
  else
    g.platform.ShowError(Fill(VELMOR_TEXT("The game in progress cannot be continued: %1. A new game starts."), error));
  return false;
}

std::string GameKeeper::DialogFolder() const {
  return SavedGamesDialogFolder(lastFolder_, game_.platform.DocumentsFolder());
}

void GameKeeper::SaveAs() {
  TVelmor& g = game_;
  SavedGame saved;
  if (!MakeSavedGame(g.Current, g.Layout, g.Menus.Vertical.Checked(), g.platform.TickCount(), saved)) {
    g.platform.ShowMessage(VELMOR_TEXT("There is no game in progress to save."));
    return;
  }
  const auto chosen =
      g.platform.SaveFileDialog({VELMOR_TEXT("Save Game"), SavedGameFilter, DialogFolder(), {g.Folders.ResumePath()}});
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (LowerCase(ExtensionOf(path)) != SavedGameExtension) path += SavedGameExtension;
  std::string error;
  if (!WriteSavedGame(path, saved, error)) {
    g.platform.ShowError(Fill(VELMOR_TEXT("The game was not saved: %1."), error));
    return;
  }
  lastFolder_ = FolderOf(path) + "/";
  g.ShowStatus(Fill(VELMOR_TEXT("Game saved as \"%1\"."), FileNamePart(path)));
}

void GameKeeper::Load() {
  TVelmor& g = game_;
  const auto chosen =
      g.platform.OpenFileDialog({VELMOR_TEXT("Load Game"), SavedGameFilter, DialogFolder(), {g.Folders.ResumePath()}});
  if (!chosen || chosen->empty()) return;
  SavedGame saved, current;
  std::string error;
  if (ReadSavedGame(*chosen, saved, error) != SavedGameRead::Read) {
    // The player's own file stays where it is, whatever is wrong with it.
    g.platform.ShowError(Fill(VELMOR_TEXT("The saved game cannot be loaded: %1."), error));
    return;
  }
  if (MakeSavedGame(g.Current, g.Layout, g.Menus.Vertical.Checked(), g.platform.TickCount(), current) &&
      !g.platform.Confirm(VELMOR_TEXT("Load Game"),
                          Fill(VELMOR_TEXT("A game is in progress. Leave it and load \"%1\"?"), FileNamePart(*chosen))))
    return;
  const std::string left = StatisticsKey(g.Layout);
  if (!Continue(saved, error)) {
    g.platform.ShowError(Fill(VELMOR_TEXT("The saved game cannot be loaded: %1."), error));
    return;
  }
  g.Records.Abandoned(left);
  lastFolder_ = FolderOf(*chosen) + "/";
  g.ShowStatus(VELMOR_TEXT("Game loaded."));
  Keep();
}

bool GameKeeper::Continue(const SavedGame& saved, std::string& error) {
  TVelmor& g = game_;
  int layout = 0;
  if (!saved.Flat()) {
    layout = g.Layouts.FindFile(FileNameOf(saved.LayoutPath));
    if (layout == 0) {
      error = Fill(VELMOR_TEXT("its layout \"%1\" is no longer there"), saved.LayoutName);
      return false;
    }
  }
  g.ResetForNewGame(saved.Kind == SavedGameKind::TwoPlayers ? TVelmor::NewGameKind::TwoPlayers
                                                            : TVelmor::NewGameKind::Solitaire);
  g.EndPauseForNewGame();
  ApplySavedGame(saved, g.Current, g.Layout, g.platform.TickCount());
  if (!saved.Flat()) {
    g.Layout.BoardNumber = layout;
    g.Layout.LayoutPath = g.Layouts[layout].Path();
  }
  g.LayoutEntries.CheckOnly(saved.Flat() ? g.Layout.SavedLayoutNumber : g.Layout.BoardNumber);
  g.Menus.Vertical.SetChecked(saved.Vertical);
  if (g.Current.Play.Paused()) {
    g.Menus.Pause1.SetCaption(VELMOR_TEXT("&Continue"));
    g.Menus.PauseButton.SetCaption(VELMOR_TEXT("Play"));
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
