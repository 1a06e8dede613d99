// The end of a game, the two-player game and the Hall of Fame with its side panel.
#include <vector>

#include "base/Format.h"
#include "base/Say.h"
#include "base/Text.h"
#include "shell/GameFolders.h"
#include "shell/HallOfFameFile.h"
#include "shell/IniFile.h"
#include "shell/TVelmor.h"

namespace velmor {

// ---- End of game --------------------------------------------------------------------------

// The one place that decides a game is over: the board is empty and the clock has run. Called
// after every pair taken and by the heartbeat; GameOver then tells the player.
bool TVelmor::CheckGameEnd() {
  if (Current.Board.TilesLeft == 0 && !Current.Play.Editing() && Current.Clock.ElapsedSeconds > 0)
    Current.BoardCleared = true;
  if (!Current.BoardCleared) return false;
  GameOver();
  return true;
}

void TVelmor::GameOver() {
  ShowFond();
  bool ended = false;
  if (Current.Play.Is(GameKind::TwoPlayers)) {
    Current.ResultShown = true;
    WriteScore();
    Stop();
    switch (Current.Turns.Outcome()) {
      case TwoPlayerClock::Result::Player2Won:
        ShowStatus(VELMOR_TEXT("Player 2 WON ! Congratulations !"));
        break;
      case TwoPlayerClock::Result::Tie:
        ShowStatus(VELMOR_TEXT("Same score for both players !"));
        break;
      case TwoPlayerClock::Result::Player1Won:
        ShowStatus(VELMOR_TEXT("Player 1 WON ! Congratulations !"));
        break;
    }
    Current.Play.End();
    UpdateCommands();
    ended = true;
  }
  if (Current.BoardCleared && !Current.ResultShown && Solver.DemoPlayed()) {
    // The demo's game is nobody's record.
    Current.ResultShown = true;
    WriteScore();
    Stop();
    Current.Play.End();
    UpdateCommands();
    ShowStatus(VELMOR_TEXT("The demo cleared the board."));
    ended = true;
  }
  if (Current.BoardCleared && !Current.ResultShown) {
    Current.ResultShown = true;
    WriteScore();
    Stop();
    const int total = Current.Clock.Total();
    Records.Won(StatisticsKey(Layout), total);
    std::string message = VELMOR_TEXT("Congratulations !! You WON !");
    if (Menus.EnableHall.Checked()) {
      message = Fill(VELMOR_TEXT("You WON ! Your time is : %1"), FormatMinSec(total));
      Current.Play.End();
      UpdateCommands();
      if (Hall.Book.TenthTime(HallKeyOf(Listed.Layouts, Layout.BoardNumber)) > total) {
        const int rank =
            Hall.Enter(Layout.BoardNumber, CurrentPlayer, Current.Clock.Total(), Current.Clock.PenaltySeconds);
        if (rank != 0) ReachedRank = rank;
        ShowPanelHOF();
        NewRecordShowing = true;
        CallHelp(HelpPage::GoHall);
        NewRecordShowing = false;
      }
    }
    ShowStatus(message);
    ended = true;
  }
  // Without the hall the won game stays stopped, yet the help window's resume lands on its end.
  if (ended) Current.Play.EndStopped();
}

// ---- Two players ---------------------------------------------------------------------------

void TVelmor::TwoPlayers() {
  ColorHighlight();
  Pictures.FrameBuffer = Pictures.BackgroundImage;
  Listed.FromCheckedEntry();
  Deals.Deal();
  ResetForNewGame(NewGameKind::TwoPlayers);
  Clocks.EndPauseForNewGame();
  ShowStatus(VELMOR_TEXT("Two-Player Solitaire started."));
  Current.Play.Start(GameKind::TwoPlayers);
  UpdateCommands();
  if (Current.GameNumber > 0 && Menus.RandomSeed1.Checked())
    ShowStatus(Fill(VELMOR_TEXT("Specific Board started. Random Seed #%1"), Current.GameNumber));
  ShowPanelHOF();
  FullRedraw();
  const uint32_t now = platform.TickCount();
  Current.Clock.StartTick = now;
  Current.Turns.Start(now);
  UpdateWindowTitle();
  AfterMove();
}

// ---- Hall of Fame --------------------------------------------------------------------------

void TVelmor::ShowHallPanel() {
  Menus.ShowHallFame.Toggle();
  int left, top, width, height;
  platform.WindowPlacement(left, top, width, height);
  if (Menus.ShowHallFame.Checked()) {
    Menus.HofBox.SetVisible(true);
    platform.PlaceWindow(left, top, width + Pictures.HofWidth, height);
    ShowPanelHOF();
    Panel.Stale = true;
  } else {
    // On a 640-pixel screen the window keeps its width.
    if (platform.ScreenWidth() > 640) platform.PlaceWindow(left, top, width - Pictures.HofWidth, height);
    Menus.HofBox.SetVisible(false);
  }
  FullRedraw();
}

}  // namespace velmor
