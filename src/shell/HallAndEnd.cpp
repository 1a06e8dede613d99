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

namespace {
constexpr uint32_t Yellow = Rgb(255, 255, 0), Aqua = Rgb(0, 255, 255), White = Rgb(255, 255, 255);
}  // namespace

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
  DealLayout();
  ResetForNewGame(NewGameKind::TwoPlayers);
  EndPauseForNewGame();
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

void TVelmor::RefreshTwoPlayerPanel() {
  const Rect area = Rect{0, 380, Pictures.HofWidth, 468}.Scaled(Pictures.Scale);
  BitBlt(Pictures.SaveHof, area.left, area.top, area.width(), area.height(), Pictures.HofPic, area.left, area.top,
         RasterOp::SRCCOPY);
  const uint32_t now = platform.TickCount();
  const bool secondHalf = now % 1000 > 500;
  const Platform::TextStyle big{"Arial", 18, true, false}, small{"Arial", 10, true, false};
  if (Current.Turns.Player2Turn || secondHalf) PanelText(4, 380, VELMOR_TEXT("PLAY 1"), big, Yellow);
  if (!Current.Turns.Player2Turn || secondHalf) PanelText(4, 422, VELMOR_TEXT("PLAY 2"), big, Aqua);
  PanelText(30, 402, FormatMinSec(Current.Turns.Running(false, now) / 1000), small, White);
  PanelText(30, 444, FormatMinSec(Current.Turns.Running(true, now) / 1000), small, White);
  platform.PresentPanel(Pictures.SaveHof, area);
}

// ---- Hall of Fame --------------------------------------------------------------------------

void TVelmor::PanelText(int x, int y, const std::string& text, Platform::TextStyle style, uint32_t colour) {
  style.pointSize *= Pictures.Scale;
  platform.DrawText(Pictures.SaveHof, x * Pictures.Scale, y * Pictures.Scale, text, style, colour);
}

void TVelmor::ShowPanelHOF() {
  if (!Menus.ShowHallFame.Checked()) return;
  const int dy = Current.Play.Is(GameKind::TwoPlayers) ? 20 : Menus.ShowCurrentTile.Checked() ? 10 : -20;
  Pictures.SaveHof = Pictures.HofPic;
  if (Current.Play.Editing()) {
    RedrawHOF();
    return;
  }
  PanelText(21, 50 - dy, VELMOR_TEXT("HALL OF"), {"Comic Sans MS", 10, true, false}, Yellow);
  PanelText(31, 70 - dy, VELMOR_TEXT("FAME"), {"Comic Sans MS", 10, true, false}, Yellow);
  // Before any game, the first layout's list.
  const HallList& list = Hall.Of(HallOfFameBook::IsList(Layout.BoardNumber) ? Layout.BoardNumber : 1);
  for (int i = 1; i <= HallRanks; ++i) {
    const std::string& entry = list.entries[static_cast<size_t>(i)];
    const Platform::TextStyle style{"Verdana", 9, true, i == ReachedRank};
    int time = 0;
    EntryTime(entry, time);
    PanelText(15, 27 * i - dy + 81, entry.substr(0, 8), style, White);
    PanelText(39, 27 * i - dy + 94, FormatMinSec(time), style, Aqua);
  }
  RedrawHOF();
}

void TVelmor::ShowHallPanel() {
  Menus.ShowHallFame.Toggle();
  int left, top, width, height;
  platform.WindowPlacement(left, top, width, height);
  if (Menus.ShowHallFame.Checked()) {
    Menus.HofBox.SetVisible(true);
    platform.PlaceWindow(left, top, width + Pictures.HofWidth, height);
    ShowPanelHOF();
    RefreshHallPanel = true;
  } else {
    // On a 640-pixel screen the window keeps its width.
    if (platform.ScreenWidth() > 640) platform.PlaceWindow(left, top, width - Pictures.HofWidth, height);
    Menus.HofBox.SetVisible(false);
  }
  FullRedraw();
}

}  // namespace velmor
