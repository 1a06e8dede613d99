// The game in progress kept on disk after every move and at the end of the program, taken up again
// at the next start, and saved games the player files away.
#include "shell/GameKeeper.h"

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "shell/SavedGameFile.h"

namespace velmor {

namespace {
constexpr const char* SavedGameFilter = VELMOR_TEXT("Velmor saved games (*.vsave)|*.vsave");
}  // namespace

bool GameKeeper::Make(SavedGame& saved) const {
  return MakeSavedGame(game_, layout_, menus_.Vertical.Checked(), platform_.TickCount(), saved);
}

void GameKeeper::Keep() {
  if (!menus_.ResumeLastGame.Checked() || !Active) return;
  SavedGame saved;
  std::string error;
  if (!Make(saved)) {
    // A game that has ended, or none at all: the next start deals a new one.
    writer_.Remove(folders_.ResumePath());
    return;
  }
  writer_.Put(folders_.ResumePath(), SerializeSavedGame(saved), [this](const std::string& why) {
    // Once per session is enough: the game goes on either way.
    if (!keepFailed_) hooks_.status(Fill(VELMOR_TEXT("The game in progress could not be kept: %1."), why));
    keepFailed_ = true;
  });
}

bool GameKeeper::Resume() {
  SavedGame saved;
  std::string error;
  switch (ReadSavedGame(folders_.ResumePath(), saved, error)) {
    case SavedGameRead::Missing:
      return false;
    case SavedGameRead::Unreadable:
      platform_.ShowError(Fill(VELMOR_TEXT("The game in progress cannot be continued: %1."), error));
      return false;
    case SavedGameRead::Read:
      if (Continue(saved, error)) {
        hooks_.status(VELMOR_TEXT("Game resumed."));
        return true;
      }
      break;
    case SavedGameRead::Damaged:
      break;
  }
  std::string movedTo, moveError;
  if (MoveAside(folders_.ResumePath(), movedTo, moveError))
    platform_.ShowError(
        Fill(VELMOR_TEXT("The game in progress cannot be continued: %1. It was kept as \"%2\". A new game starts."),
             error, movedTo));
  else
    platform_.ShowError(Fill(VELMOR_TEXT("The game in progress cannot be continued: %1. A new game starts."), error));
  return false;
}

std::string GameKeeper::DialogFolder() const {
  return SavedGamesDialogFolder(lastFolder_, platform_.DocumentsFolder());
}

void GameKeeper::SaveAs() {
  SavedGame saved;
  if (!Make(saved)) {
    platform_.ShowMessage(VELMOR_TEXT("There is no game in progress to save."));
    return;
  }
  const auto chosen =
      platform_.SaveFileDialog({VELMOR_TEXT("Save Game"), SavedGameFilter, DialogFolder(), {folders_.ResumePath()}});
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (LowerCase(ExtensionOf(path)) != SavedGameExtension) path += SavedGameExtension;
  std::string error;
  if (!WriteSavedGame(path, saved, error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("The game was not saved: %1."), error));
    return;
  }
  lastFolder_ = FolderOf(path) + "/";
  hooks_.status(Fill(VELMOR_TEXT("Game saved as \"%1\"."), FileNamePart(path)));
}

void GameKeeper::Load() {
  const auto chosen =
      platform_.OpenFileDialog({VELMOR_TEXT("Load Game"), SavedGameFilter, DialogFolder(), {folders_.ResumePath()}});
  if (!chosen || chosen->empty()) return;
  SavedGame saved, current;
  std::string error;
  if (ReadSavedGame(*chosen, saved, error) != SavedGameRead::Read) {
    // The player's own file stays where it is, whatever is wrong with it.
    platform_.ShowError(Fill(VELMOR_TEXT("The saved game cannot be loaded: %1."), error));
    return;
  }
  if (Make(current) &&
      !platform_.Confirm(VELMOR_TEXT("Load Game"),
                         Fill(VELMOR_TEXT("A game is in progress. Leave it and load \"%1\"?"), FileNamePart(*chosen))))
    return;
  const std::string left = StatisticsKey(layout_);
  if (!Continue(saved, error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("The saved game cannot be loaded: %1."), error));
    return;
  }
  records_.Abandoned(left);
  lastFolder_ = FolderOf(*chosen) + "/";
  hooks_.status(VELMOR_TEXT("Game loaded."));
  Keep();
}

bool GameKeeper::Continue(const SavedGame& saved, std::string& error) {
  int layout = 0;
  if (!saved.Flat()) {
    layout = listed_.Layouts.FindFile(FileNameOf(saved.LayoutPath));
    if (layout == 0) {
      error = Fill(VELMOR_TEXT("its layout \"%1\" is no longer there"), saved.LayoutName);
      return false;
    }
  }
  hooks_.clear(saved.Kind == SavedGameKind::TwoPlayers);
  ApplySavedGame(saved, game_, layout_, platform_.TickCount());
  if (!saved.Flat()) {
    layout_.BoardNumber = layout;
    layout_.LayoutPath = listed_.Layouts[layout].Path();
  }
  listed_.Entries.CheckOnly(saved.Flat() ? layout_.SavedLayoutNumber : layout_.BoardNumber);
  menus_.Vertical.SetChecked(saved.Vertical);
  if (game_.Play.Paused()) {
    menus_.Pause1.SetCaption(VELMOR_TEXT("&Continue"));
    menus_.PauseButton.SetCaption(VELMOR_TEXT("Play"));
  }
  hooks_.shown();
  return true;
}

}  // namespace velmor
