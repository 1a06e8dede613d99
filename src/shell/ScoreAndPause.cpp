// The game clock, the counters and the status line at each beat; the pause and the stop.
#include "shell/ScoreAndPause.h"

#include "base/Format.h"

namespace velmor {

void ScoreAndPause::Say(const std::string& message) { game_.Status.Show(platform_.Translate(message)); }

void ScoreAndPause::GiveWay() {
  if (const auto blank = game_.Status.GiveWay()) menus_.StatusText.SetCaption(*blank);
}

void ScoreAndPause::ScrollStatus(uint32_t beat) {
  if (const auto shown = game_.Status.Advance(beat, menus_.CoolStatus.Checked())) menus_.StatusText.SetCaption(*shown);
}

void ScoreAndPause::Beat() {
  if (game_.Play.Over()) return;
  if (game_.Play.Playing()) {
    game_.Clock.Update(platform_.TickCount());
    if (game_.Clock.Total() >= GameClock::TimeLimitSeconds) Stop();
  }
  WriteScore();
  // Only when something else was presented meanwhile: a whole board every beat cost a paused game
  // with music more than a running one.
  if ((game_.Play.Stopped() || game_.Play.Paused()) && !pictures_.BackgroundShown) hooks_.showBackground();
}

void ScoreAndPause::WriteScore() {
  if (!game_.Play.Underway() || game_.BoardCleared) {
    menus_.MovesLeftLine.SetCaption("");
    menus_.TilesLeftLine.SetCaption("");
    menus_.TimeLine.SetCaption("");
    return;
  }
  hooks_.recount();
  menus_.TilesLeftLine.SetCaption(std::to_string(game_.Board.TilesLeft));
  const bool solitaire = game_.Play.Is(GameKind::OnePlayer) || game_.Play.Is(GameKind::TwoPlayers);
  // The flat game counts the pairs a path joins now; the count is taken after each move.
  const bool counted = game_.Play.Playing();
  const int moves = game_.Play.Is(GameKind::Flat) ? hooks_.flatMoves() : game_.Free.MovesLeft;
  menus_.MovesLeftLine.SetCaption(menus_.Moves.Checked() && counted ? std::to_string(moves) : "");
  menus_.TimeLine.SetCaption(game_.Play.Solo() && menus_.ShowTime.Checked() ? FormatMinSec(game_.Clock.Total()) : "");
  // Two players see both clocks and whose turn it is here too, with the side panel hidden.
  if (game_.Play.Is(GameKind::TwoPlayers)) menus_.TimeLine.SetCaption(TwoPlayerTimes());
  if (game_.Free.MovesLeft > 0) game_.Status.Bounce = false;
  if (game_.Board.TilesLeft == 0) {
    // A board cleared before the clock showed its first second ends on a later heartbeat.
    if (!game_.ResultShown && !hooks_.checkGameEnd()) hooks_.fullRedraw();
  } else if (game_.Free.MovesLeft == 0 && solitaire && !game_.Status.Bounce) {
    game_.Status.StartBounce(platform_.Translate(VELMOR_TEXT("      SORRY, NO MORE MOVES !!")));
  }
}

std::string ScoreAndPause::TwoPlayerTimes() const {
  const uint32_t now = platform_.TickCount();
  // The arrow marks the player on turn.
  return Fill(game_.Turns.Player2Turn ? VELMOR_TEXT("Player 1 %1  \u00B7  \u25B6 Player 2 %2")
                                      : VELMOR_TEXT("\u25B6 Player 1 %1  \u00B7  Player 2 %2"),
              FormatMinSec(game_.Turns.Running(false, now) / 1000),
              FormatMinSec(game_.Turns.Running(true, now) / 1000));
}

void ScoreAndPause::Pause() {
  if (game_.Play.Pause()) {
    hooks_.updateCommands();
    game_.Clock.Pause(platform_.TickCount());
    menus_.Pause1.SetCaption(VELMOR_TEXT("&Continue"));
    menus_.PauseButton.SetCaption(VELMOR_TEXT("Play"));
    hooks_.showBackground();
    game_.Status.Hold(platform_.Translate(VELMOR_TEXT("Game paused: press F12 or click Play to go on.")));
    hooks_.keep();
  } else if (game_.Play.Resume()) {
    hooks_.updateCommands();
    GiveWay();
    game_.Clock.Resume(platform_.TickCount());
    menus_.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    menus_.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    hooks_.fullRedraw();
  }
}

void ScoreAndPause::FocusLost() {
  if (!game_.Play.Paused()) Pause();
}

void ScoreAndPause::FocusBack() {
  // The menu pictures are the toolbar's own icons, which never change here: nothing to refresh.
  if (game_.Play.Paused()) Pause();
}

void ScoreAndPause::ToggleMoves() {
  menus_.Moves.Toggle();
  if (!menus_.Moves.Checked()) menus_.MovesLeftLine.SetCaption("");
}

void ScoreAndPause::ToggleTime() {
  menus_.ShowTime.Toggle();
  if (!menus_.ShowTime.Checked()) menus_.TimeLine.SetCaption("");
}

void ScoreAndPause::Stop() {
  if (game_.Play.Paused()) {
    game_.Clock.Resume(platform_.TickCount());
    menus_.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
    menus_.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
    GiveWay();
  }
  // A later resume (the help window closing) must not bring a stopped game back.
  game_.Play.Stop();
  hooks_.updateCommands();
  hooks_.showBackground();
}

void ScoreAndPause::EndPauseForNewGame() {
  if (!game_.Play.Paused()) return;
  menus_.Pause1.SetCaption(VELMOR_TEXT("&Pause"));
  menus_.PauseButton.SetCaption(VELMOR_TEXT("Pause"));
  menus_.Pause1.SetEnabled(true);
  GiveWay();
}

}  // namespace velmor
