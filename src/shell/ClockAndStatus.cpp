// The heartbeat, and how long the window may sleep between beats.
#include <algorithm>

#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::Temps() {
  ++TickCount;
  Writer.DeliverFailures();
  Clocks.ScrollStatus(TickCount);

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
  Clocks.Beat();
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

ScoreAndPause::Hooks TVelmor::ClockHooks() {
  return {[this] { UpdateCommands(); },     [this] { ShowFond(); }, [this] { FullRedraw(); },
          [this] { Keeper.Keep(); },        [this] { IsItFree(); }, [this] { return DeadEnds.FlatMoves(); },
          [this] { return CheckGameEnd(); }};
}

}  // namespace velmor
