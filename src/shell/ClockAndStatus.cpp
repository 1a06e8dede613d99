// The heartbeat: game clock, status line, pause and the automatic pause on focus loss.
#include <algorithm>

#include "base/Format.h"
#include "base/Say.h"
#include "shell/TVelmor.h"

namespace velmor {

// The status line scrolls its message itself, so it is given the message as the player reads it.
void TVelmor::ShowStatus(const std::string& message) { Status.Show(platform.Translate(message)); }

void TVelmor::StatusGivesWay() {
  if (const auto blank = Status.GiveWay()) StatusText.SetCaption(*blank);
}

void TVelmor::Temps() {
  ++TickCount;

  if (const auto shown = Status.Advance(TickCount, CoolStatus.Checked())) StatusText.SetCaption(*shown);

  if (Tunes.FirstPending) {
    // The window is up: the sound's libraries and device open now, behind it, for the effects
    // as for the tune.
    Tunes.FirstPending = false;
    if (PlaySounds.Checked()) platform.PrepareSound();
    if (MenuItem* tune = Tunes.Entry(Tunes.Number)) tune->Click();
  }
  if (PlayMusic.Checked()) Tunes.MusicSupervision();
  if (Play.Is(GameKind::TwoPlayers)) RefreshTwoPlayerPanel();
  DeadEnds.Tick();
  Solver.Tick();
  UpdateCommands();  // a dead end's move count or a mode set elsewhere is seen within a beat
  if (Play.Over()) return;
  if (Play.Playing()) {
    Clock.Update(platform.TickCount());
    if (Clock.Total() >= GameClock::TimeLimitSeconds) Stop();
  }
  WriteScore();
  if (Play.Stopped() || Play.Paused()) ShowFond();
}

// The window sleeps between heartbeats while nothing moves: a still status line, no worker answer
// to collect, no demo, no music to watch. A running clock needs a beat only when its second turns.
int TVelmor::HeartbeatDelay() const {
  constexpr int Beat = 50;
  if (Tunes.FirstPending || (PlayMusic.Checked() && Tunes.Listening()) || !Status.Still() || !Solver.Idle() ||
      DeadEnds.Pending())
    return Beat;
  if (Play.Is(GameKind::TwoPlayers)) return Beat;  // the turn's name blinks
  if (!Play.Playing()) return 0;
  if (Board.TilesLeft == 0 && !ResultShown) return Beat;
  // The status line learns of a dead end on a beat; the bounce then keeps the beat going.
  if (Free.MovesLeft == 0 && Play.Is(GameKind::OnePlayer) && !BoardCleared) return Beat;
  // A held clock stands; a running one is looked at just after its second turns.
  const uint32_t next = Clock.MillisToNextSecond(platform.TickCount());
  return next == 0 ? 0 : static_cast<int>(next) + 2;
}

void TVelmor::WriteScore() {
  if (!Play.Underway() || BoardCleared) {
    MovesLeftLine.SetCaption("");
    TilesLeftLine.SetCaption("");
    TimeLine.SetCaption("");
    return;
  }
  IsItFree();
  TilesLeftLine.SetCaption(std::to_string(Board.TilesLeft));
  const bool solitaire = Play.Is(GameKind::OnePlayer) || Play.Is(GameKind::TwoPlayers);
  // The flat game counts the pairs a path joins now; the count is taken after each move.
  const bool counted = Play.Playing();
  const int moves = Play.Is(GameKind::Flat) ? DeadEnds.FlatMoves() : Free.MovesLeft;
  MovesLeftLine.SetCaption(Moves.Checked() && counted ? std::to_string(moves) : "");
  TimeLine.SetCaption(Play.Solo() && ShowTime.Checked() ? FormatMinSec(Clock.Total()) : "");
  // Two players see both clocks and whose turn it is here too, with the side panel hidden.
  if (Play.Is(GameKind::TwoPlayers)) TimeLine.SetCaption(TwoPlayerTimes());
  if (Free.MovesLeft > 0) Status.Bounce = false;
  if (Board.TilesLeft == 0) {
    // A board cleared before the clock showed its first second ends on a later heartbeat.
    if (!ResultShown && !CheckGameEnd()) FullRedraw();
  } else if (Free.MovesLeft == 0 && solitaire && !Status.Bounce) {
    Status.StartBounce(platform.Translate(VELMOR_TEXT("      SORRY, NO MORE MOVES !!")));
  }
}

std::string TVelmor::TwoPlayerTimes() const {
  const uint32_t now = platform.TickCount();
  // The arrow marks the player on turn.
  return Fill(Turns.Player2Turn ? VELMOR_TEXT("Player 1 %1  \u00B7  \u25B6 Player 2 %2")
                                : VELMOR_TEXT("\u25B6 Player 1 %1  \u00B7  Player 2 %2"),
              FormatMinSec(Turns.Running(false, now) / 1000), FormatMinSec(Turns.Running(true, now) / 1000));
}

void TVelmor::PauseClick() {
  if (Play.Pause()) {
    UpdateCommands();
    Clock.Pause(platform.TickCount());
    Pause1.SetCaption(VELMOR_TEXT("&Continue"));
    PauseButton.SetCaption(VELMOR_TEXT("Play"));
    ShowFond();
    Status.Hold(platform.Translate(VELMOR_TEXT("Game paused: press F12 or click Play to go on.")));
    Keeper.Keep();
  } else if (Play.Resume()) {
    UpdateCommands();
    StatusGivesWay();
    Clock.Resume(platform.TickCount());
    PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    FullRedraw();
  }
}

void TVelmor::FormDeactivate() {
  if (!Play.Paused()) PauseClick();
}

void TVelmor::FormActivate() {
  // The menu pictures are the toolbar's own icons, which never change here: nothing to refresh.
  if (Play.Paused()) PauseClick();
}

void TVelmor::NStatus() {
  Moves.Toggle();
  if (!Moves.Checked()) MovesLeftLine.SetCaption("");
}

void TVelmor::ShowTimeClick() {
  ShowTime.Toggle();
  if (!ShowTime.Checked()) TimeLine.SetCaption("");
}

void TVelmor::Stop() {
  if (Play.Paused()) {
    Clock.Resume(platform.TickCount());
    PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    StatusGivesWay();
  }
  // A later resume (the help window closing) must not bring a stopped game back.
  Play.Stop();
  UpdateCommands();
  ShowFond();
}

}  // namespace velmor
