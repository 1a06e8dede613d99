#include "shell/TVelmor.h"

#include "base/Text.h"

namespace velmor {

TVelmor::TVelmor(Platform& p, std::string appFolder) : platform(p) {
  Folders.AppFolder = FolderWithSlash(appFolder);
  Folders.ConfigFolder = Folders.AppFolder;

  BuildMenus();
}

GameKeeper::Hooks TVelmor::KeeperHooks() {
  return {[this](const std::string& message) { ShowStatus(message); },
          [this](bool twoPlayers) {
            ResetForNewGame(twoPlayers ? NewGameKind::TwoPlayers : NewGameKind::Solitaire);
            Clocks.EndPauseForNewGame();
          },
          [this] {
            ColorHighlight();
            IsItFree();
            FullRedraw();
            ShowPanelHOF();
            UpdateWindowTitle();
            DeadEnds.Check();
            Solver.PositionChanged();
          }};
}

SolverPlay::Hands TVelmor::SolverHands() {
  return {[this](const std::string& message) { ShowStatus(message); }, [this](int tile) { return IsPlayable(tile); },
          [this] { IsItFree(); },
          [this](int a, int b) { TakePair(a, Current.Board.TilePlace[static_cast<size_t>(a)], b); },
          [this] { Records.Withdrawn(StatisticsKey(Layout)); }};
}

FlatPlay::Hooks TVelmor::FlatHooks() {
  return {[this](int tile) { RedrawTile(tile); }, [this] { FullRedraw(); },
          [this](const Place& p) { return View.TileBox(p); }};
}

EditorPlay::Hooks TVelmor::EditorHooks() {
  return {[this] { UpdateCommands(); },
          [this] { FullRedraw(); },
          [this](const std::string& message) { ShowStatus(message); },
          [this] { RandomSolitaireGame1Click(); },
          [this] { BeginGame(); },
          [this] { return Listed.LoadCurrent(); }};
}

Dealer::Hooks TVelmor::DealerHooks() {
  return {[this] { FullRedraw(); }, [this](int tile) { RedrawTile(tile); },
          [this](const std::string& message) { ShowStatus(message); }};
}

UndoPlay::Hooks TVelmor::UndoHooks() {
  return {[this] { FullRedraw(); }, [this] { PlaySound("done"); }, [this] { CheckGameEnd(); }, [this] { AfterMove(); },
          [this](const std::string& message) { ShowStatus(message); }};
}

BoardDrawing::Hooks TVelmor::ViewHooks() {
  return {[this] {
            if (Panel.Stale) ShowPanelHOF();
          },
          [this] { FullRedraw(); }};
}

LayoutChoice::Hooks TVelmor::ChoiceHooks() {
  return {[this] { PauseClick(); }, [this] { FillLayoutChooser(); }};
}

}  // namespace velmor
