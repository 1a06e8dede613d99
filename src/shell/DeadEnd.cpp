#include "shell/DeadEnd.h"

#include "base/Say.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

void DeadEnd::Check() {
  TVelmor& g = game_;
  const uint32_t now = g.platform.TickCount();
  bool stuck = false;
  flatMoves_ = g.Current.Play.Is(GameKind::Flat) ? CountReachablePairs(g.Current.Board) : 0;
  if (g.Current.Board.TilesLeft > 0 && !g.Current.BoardCleared) {
    if (g.Current.Play.Is(GameKind::OnePlayer)) {
      g.IsItFree();
      stuck = g.Current.Free.MovesLeft == 0;
    } else if (g.Current.Play.Is(GameKind::Flat)) {
      stuck = flatMoves_ == 0;
    }
  }
  if (stuck == stuck_) return;
  stuck_ = stuck;
  since_ = now;
  if (stuck && g.Current.Play.Is(GameKind::Flat)) {
    g.Current.Clock.Hold(now);
    g.Current.Status.StartBounce(g.platform.Translate(VELMOR_TEXT("      SORRY, NO MORE MOVES !!")));
  }
  if (!stuck) {
    g.Current.Clock.Release(now);
    Tick();
  }
}

void DeadEnd::Tick() {
  TVelmor& g = game_;
  const uint32_t now = g.platform.TickCount();
  const bool playing = g.Current.Play.Solo();
  if (stuck_ && !playing && !g.Current.Play.Paused()) {
    // A new board, the editor or the end of the game came some other way than a move.
    stuck_ = false;
    g.Current.Clock.Release(now);
  }
  const bool show = stuck_ && playing && now - since_ >= NoticeDelayMs;
  // The watch's answer may come after the notice: shown again, the notice takes its word.
  const bool newAdvice = show && Advice() != advice_;
  if (show == shown_ && !newAdvice) return;
  shown_ = show;
  advice_ = show ? Advice() : std::string();
  g.platform.ShowDeadEnd(show);
}

std::string DeadEnd::Advice() const {
  const int pairs = game_.Solver.PairsBackToWin();
  if (pairs <= 0) return {};
  return pairs == 1 ? VELMOR_TEXT("Back 1 pair and it can be won")
                    : Fill(VELMOR_TEXT("Back %1 pairs and it can be won"), pairs);
}

}  // namespace velmor
