// Free tiles, hints, deals and the new-game commands.
#include <algorithm>
#include <string>

#include "base/Say.h"
#include "base/Version.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

FreeMoves::Hooks TVelmor::MovesHooks() {
  return {[this] { FullRedraw(); }, [this] { return Solver.KeepingPair(); }, [this] { Flat.Hint(); }};
}

void TVelmor::VerticalClick() {
  if (Current.Play.Is(GameKind::OnePlayer)) {
    if (platform.Confirm(VELMOR_TEXT("Vertical variation"),
                         VELMOR_TEXT("If you want to change the game mode, you'll have to restart your "
                                     "game. Do you wish to continue ?"))) {
      BeginGame();
      Menus.Vertical.Toggle();
    }
  } else if (Current.Play.Idle() || Current.Play.Over() || Current.Play.Stopped()) {
    Menus.Vertical.Toggle();
  }
}

void TVelmor::BeginGame() {
  ColorHighlight();
  Menus.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
  Menus.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
  Pictures.FrameBuffer = Pictures.BackgroundImage;
  Listed.FromCheckedEntry();
  Deals.Deal();

  ResetForNewGame(NewGameKind::Solitaire);

  Clocks.EndPauseForNewGame();
  if (!Current.Play.Editing()) {
    Current.Play.Start(GameKind::OnePlayer);
    UpdateCommands();
  }
  if (Current.GameNumber > 0 && Menus.RandomSeed1.Checked())
    ShowStatus(Fill(VELMOR_TEXT("Specific Board started. Random Seed #%1"), Current.GameNumber));
  ShowPanelHOF();
  FullRedraw();
  if (Current.Status.Pos <= 1) ShowStatus(VELMOR_TEXT("New game started."));
  Current.Clock.StartTick = platform.TickCount();
  UpdateWindowTitle();
  if (Current.Play.Is(GameKind::OnePlayer)) Records.Started(StatisticsKey(Layout));
  AfterMove();
}

void TVelmor::UpdateWindowTitle() {
  // Only a numbered deal on a layout names its number; the flat games never have one.
  const bool numbered = Current.GameNumber > 0 && Menus.RandomSeed1.Checked() && Layout.BoardNumber < RiversEasyList;
  std::string title;
  if (Layout.BoardNumber == RiversHardList)
    title = Fill(VELMOR_TEXT("Velmor %1 - Voverizo Dadazu (Hard)"), VELMOR_VERSION);
  else if (Layout.BoardNumber == RiversEasyList)
    title = Fill(VELMOR_TEXT("Velmor %1 - Voverizo Dadazu (Easy)"), VELMOR_VERSION);
  else if (!Layout.LayoutName.empty())
    title = numbered
                ? Fill(VELMOR_TEXT("Velmor %1 - %2 - game %3"), VELMOR_VERSION, Layout.LayoutName, Current.GameNumber)
                : Fill(VELMOR_TEXT("Velmor %1 - %2"), VELMOR_VERSION, Layout.LayoutName);
  else
    title = numbered ? Fill(VELMOR_TEXT("Velmor %1 - game %2"), VELMOR_VERSION, Current.GameNumber)
                     : Fill(VELMOR_TEXT("Velmor %1"), VELMOR_VERSION);
  platform.SetWindowTitle(title);
}

// What every new deal starts from, whatever its kind. A two-player game keeps PenaltySeconds as
// the game before left it: hints are not offered and shuffles cost nothing there, so the only
// use it has is the 100-minute limit, which still counts what that game owed.
void TVelmor::ResetForNewGame(NewGameKind kind) {
  Current.BoardCleared = Current.ResultShown = Current.Status.Bounce = false;
  Solver.NewBoard();
  Current.HintIndex = Current.HintTileA = Current.HintTileB = 0;
  Current.Clear();
  Current.HoverTile = 0;
  Current.History.Clear();
  const int32_t penalty = Current.Clock.PenaltySeconds;
  Current.Clock.Clear();
  if (kind == NewGameKind::TwoPlayers) Current.Clock.PenaltySeconds = penalty;
}

void TVelmor::RandomSolitaireGame1Click() {
  Menus.RandomSeed1.SetChecked(false);
  BeginGame();
}

void TVelmor::NewRandomSpecificGame1Click() {
  Menus.RandomSeed1.SetChecked(true);
  Deals.ReseedFromClock();
  Current.GameNumber = Current.Gen.RandomBelow(2147483647);
  BeginGame();
}

void TVelmor::NewSpecificGame1Click() {
  Menus.RandomSeed1.SetChecked(true);
  BeginGame();
}

void TVelmor::NewGame() {
  if (Current.Play.Is(GameKind::Flat) || Layout.BoardNumber == 100 || Layout.BoardNumber == 101)
    FourRivers(Layout.BoardNumber == RiversHardList);  // the variant last played
  else if (Current.Play.Is(GameKind::TwoPlayers))
    TwoPlayers();
  else
    RandomSolitaireGame1Click();
}

}  // namespace velmor
