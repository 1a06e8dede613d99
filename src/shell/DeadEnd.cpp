#include "shell/DeadEnd.h"

#include "base/Say.h"
#include "modes/FlatGame.h"

namespace velmor {

void DeadEnd::Check() {
  GameState& g = game_;
  const uint32_t now = platform_.TickCount();
  bool stuck = false;
  flatMoves_ = g.Play.Is(GameKind::Flat) ? CountReachablePairs(g.Board) : 0;
  if (g.Board.TilesLeft > 0 && !g.BoardCleared) {
    if (g.Play.Is(GameKind::OnePlayer)) {
      recountMoves_();
      stuck = g.Free.MovesLeft == 0;
    } else if (g.Play.Is(GameKind::Flat)) {
      stuck = flatMoves_ == 0;
    }
  }
  if (stuck == stuck_) return;
  stuck_ = stuck;
  since_ = now;
  if (stuck && g.Play.Is(GameKind::Flat)) {
    g.Clock.Hold(now);
    g.Status.StartBounce(platform_.Translate(VELMOR_TEXT("      SORRY, NO MORE MOVES !!")));
  }
  if (!stuck) {
    g.Clock.Release(now);
    Tick();
  }
}

void DeadEnd::Tick() {
  GameState& g = game_;
  const uint32_t now = platform_.TickCount();
  const bool playing = g.Play.Solo();
  if (stuck_ && !playing && !g.Play.Paused()) {
    // A new board, the editor or the end of the game came some other way than a move.
    stuck_ = false;
    g.Clock.Release(now);
  }
  const bool show = stuck_ && playing && now - since_ >= NoticeDelayMs;
  // The watch's answer may come after the notice: shown again, the notice takes its word.
  const bool newAdvice = show && Advice() != advice_;
  if (show == shown_ && !newAdvice) return;
  shown_ = show;
  advice_ = show ? Advice() : std::string();
  platform_.ShowDeadEnd(show);
}

std::string DeadEnd::Advice() const {
  const int pairs = pairsBackToWin_();
  if (pairs <= 0) return {};
  return pairs == 1 ? VELMOR_TEXT("Back 1 pair and it can be won")
                    : Fill(VELMOR_TEXT("Back %1 pairs and it can be won"), pairs);
}

}  // namespace velmor
