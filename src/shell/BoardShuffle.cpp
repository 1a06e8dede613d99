// The shuffle of the tiles left, and what the player is told of it.
#include "shell/BoardShuffle.h"

#include "board/Deal.h"
#include "modes/FlatGame.h"

namespace velmor {

void BoardShuffle::Shuffle() {
  if (game_.BoardCleared) return;
  if (!game_.Play.Playing()) return;
  game_.HintTileA = game_.HintTileB = 0;
  game_.Clear();
  game_.History.ClearRedo();  // the pairs taken back no longer stand where they were taken

  if (menus_.Shuffable.Checked()) {
    deals_.Shuffle();
  } else if (game_.Play.Is(GameKind::Flat)) {
    // A pair is only ever joined on its own layer (see ShuffleFlatLayers).
    PlainShuffle(game_.Board, game_.Gen, /*sameLayer=*/true, [this] { return CountReachablePairs(game_.Board); });
  } else {
    PlainShuffle(game_.Board, game_.Gen, /*sameLayer=*/false, [this] {
      moves_.Recount();
      return game_.Free.MovesLeft;
    });
  }

  if (!game_.Play.Is(GameKind::Flat)) {
    moves_.Recount();
    const int n = game_.Free.MovesLeft;
    if (n >= 2)
      hooks_.status(Fill(VELMOR_TEXT("Tiles shuffled. %1 new moves found."), n));
    else if (n == 1)
      hooks_.status(VELMOR_TEXT("Tiles shuffled. 1 new move found."));
    else
      hooks_.status(VELMOR_TEXT("No moves found. Try to press Back a few times."));
    if (!game_.Play.Is(GameKind::TwoPlayers)) game_.Clock.ChargeShuffle(n);
  }
  hooks_.fullRedraw();
  hooks_.afterMove();
  platform_.ProcessMessages();
}

}  // namespace velmor
