// The heartbeat: game clock, status line, pause and the automatic pause on focus loss.
#include <algorithm>

#include "base/Format.h"
#include "base/Say.h"
#include "shell/TVelmor.h"

namespace velmor {

// The status line scrolls its message itself, so it is given the message as the player reads it.
void TVelmor::ShowStatus(const std::string& message) { Current.Status.Show(platform.Translate(message)); }

void TVelmor::StatusGivesWay() {
  if (const auto blank = Current.Status.GiveWay()) Menus.StatusText.SetCaption(*blank);
}

void TVelmor::Temps() {
  ++TickCount;
  Writer.DeliverFailures();

  if (const auto shown = Current.Status.Advance(TickCount, Menus.CoolStatus.Checked()))
    Menus.StatusText.SetCaption(*shown);

  if (Tunes.FirstPending) {
    // The window is up: the sound's libraries and device open now, behind it, for the effects
    // as for the tune.
    Tunes.FirstPending = false;
    if (Menus.PlaySounds.Checked()) platform.PrepareSound();
    if (MenuItem* tune = Tunes.Entry(Tunes.Number)) tune->Click();
  }
  if (Menus.PlayMusic.Checked()) Tunes.MusicSupervision();
  if (Current.Play.Is(GameKind::TwoPlayers)) RefreshTwoPlayerPanel();
  DeadEnds.Tick();
  Solver.Tick();
  UpdateCommands();  // a dead end's move count or a mode set elsewhere is seen within a beat
  if (Current.Play.Over()) return;
  if (Current.Play.Playing()) {
    Current.Clock.Update(platform.TickCount());
    if (Current.Clock.Total() >= GameClock::TimeLimitSeconds) Stop();
  }
  WriteScore();
  // Only when something else was presented meanwhile: a whole board every beat cost a paused game
  // with music more than a running one.
  if ((Current.Play.Stopped() || Current.Play.Paused()) && !Pictures.BackgroundShown) ShowFond();
}

// The window sleeps between heartbeats while nothing moves: a still status line, no worker answer
// to collect, no demo, no music to watch. A running clock needs a beat only when its second turns.
int TVelmor::HeartbeatDelay() const {
  // A tune is watched only for its end: a quarter of a second later is no gap a player hears, and
  // twenty beats a second would wake the program more than the music itself does.
  constexpr int MusicBeat = 250;
  const int delay = GameHeartbeatDelay();
  if (!Menus.PlayMusic.Checked() || !Tunes.Listening()) return delay;
  return delay == 0 ? MusicBeat : std::min(delay, MusicBeat);
}

int TVelmor::GameHeartbeatDelay() const {
  constexpr int Beat = 50;
  if (Tunes.FirstPending || !Current.Status.Still() || !Solver.Idle() || DeadEnds.Pending() || !Writer.Idle())
    return Beat;
  if (Current.Play.Is(GameKind::TwoPlayers)) return Beat;  // the turn's name blinks
  if (!Current.Play.Playing()) return 0;
  if (Current.Board.TilesLeft == 0 && !Current.ResultShown) return Beat;
  // The status line learns of a dead end on a beat; the bounce then keeps the beat going.
  if (Current.Free.MovesLeft == 0 && Current.Play.Is(GameKind::OnePlayer) && !Current.BoardCleared) return Beat;
  // A held clock stands; a running one is looked at just after its second turns.
  const uint32_t next = Current.Clock.MillisToNextSecond(platform.TickCount());
  return next == 0 ? 0 : static_cast<int>(next) + 2;
}

void TVelmor::WriteScore() {
  if (!Current.Play.Underway() || Current.BoardCleared) {
    Menus.MovesLeftLine.SetCaption("");
    Menus.TilesLeftLine.SetCaption("");
    Menus.TimeLine.SetCaption("");
    return;
  }
  IsItFree();
  Menus.TilesLeftLine.SetCaption(std::to_string(Current.Board.TilesLeft));
  const bool solitaire = Current.Play.Is(GameKind::OnePlayer) || Current.Play.Is(GameKind::TwoPlayers);
  // The flat game counts the pairs a path joins now; the count is taken after each move.
  const bool counted = Current.Play.Playing();
  const int moves = Current.Play.Is(GameKind::Flat) ? DeadEnds.FlatMoves() : Current.Free.MovesLeft;
  Menus.MovesLeftLine.SetCaption(Menus.Moves.Checked() && counted ? std::to_string(moves) : "");
  Menus.TimeLine.SetCaption(Current.Play.Solo() && Menus.ShowTime.Checked() ? FormatMinSec(Current.Clock.Total()) : "");
  // Two players see both clocks and whose turn it is here too, with the side panel hidden.
  if (Current.Play.Is(GameKind::TwoPlayers)) Menus.TimeLine.SetCaption(TwoPlayerTimes());
  if (Current.Free.MovesLeft > 0) Current.Status.Bounce = false;
  if (Current.Board.TilesLeft == 0) {
    // A board cleared before the clock showed its first second ends on a later heartbeat.
    if (!Current.ResultShown && !CheckGameEnd()) FullRedraw();
  } else if (Current.Free.MovesLeft == 0 && solitaire && !Current.Status.Bounce) {
    Current.Status.StartBounce(platform.Translate(VELMOR_TEXT("      SORRY, NO MORE MOVES !!")));
  }
}

std::string TVelmor::TwoPlayerTimes() const {
  const uint32_t now = platform.TickCount();
  // The arrow marks the player on turn.
  return Fill(Current.Turns.Player2Turn ? VELMOR_TEXT("Player 1 %1  \u00B7  \u25B6 Player 2 %2")
                                        : VELMOR_TEXT("\u25B6 Player 1 %1  \u00B7  Player 2 %2"),
              FormatMinSec(Current.Turns.Running(false, now) / 1000),
              FormatMinSec(Current.Turns.Running(true, now) / 1000));
}

void TVelmor::PauseClick() {
  if (Current.Play.Pause()) {
    UpdateCommands();
    Current.Clock.Pause(platform.TickCount());
    Menus.Pause1.SetCaption(VELMOR_TEXT("&Continue"));
    Menus.PauseButton.SetCaption(VELMOR_TEXT("Play"));
    ShowFond();
    Current.Status.Hold(platform.Translate(VELMOR_TEXT("Game paused: press F12 or click Play to go on.")));
    Keeper.Keep();
  } else if (Current.Play.Resume()) {
    UpdateCommands();
    StatusGivesWay();
    Current.Clock.Resume(platform.TickCount());
    Menus.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    Menus.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    FullRedraw();
  }
}

void TVelmor::FormDeactivate() {
  if (!Current.Play.Paused()) PauseClick();
}

void TVelmor::FormActivate() {
  // The menu pictures are the toolbar's own icons, which never change here: nothing to refresh.
  if (Current.Play.Paused()) PauseClick();
}

void TVelmor::NStatus() {
  Menus.Moves.Toggle();
  if (!Menus.Moves.Checked()) Menus.MovesLeftLine.SetCaption("");
}

void TVelmor::ShowTimeClick() {
  Menus.ShowTime.Toggle();
  if (!Menus.ShowTime.Checked()) Menus.TimeLine.SetCaption("");
}

void TVelmor::Stop() {
  if (Current.Play.Paused()) {
    Current.Clock.Resume(platform.TickCount());
    Menus.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    Menus.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    StatusGivesWay();
  }
  // A later resume (the help window closing) must not bring a stopped game back.
  Current.Play.Stop();
  UpdateCommands();
  ShowFond();
}

}  // namespace velmor
