// Free tiles, the move count and hints.
#include "shell/FreeMoves.h"

#include <tuple>

#include "modes/FlatGame.h"

namespace velmor {

bool FreeMoves::Free(int tile) const { return TileFreeIn(game_.Play, game_.Board, tile, false); }
bool FreeMoves::FreeVertical(int tile) const { return TileFreeIn(game_.Play, game_.Board, tile, true); }

void FreeMoves::Recount() {
  if (!game_.Play.Is(GameKind::OnePlayer) && !game_.Play.Is(GameKind::TwoPlayers)) return;
  if (menus_.Vertical.Checked())
    game_.Free.Recount(game_.Board.TileCount, [this](int t) { return FreeVertical(t); });
  else
    game_.Free.Recount(game_.Board.TileCount, [this](int t) { return Free(t); });
}

void FreeMoves::Hint() {
  if (game_.Play.Is(GameKind::Flat)) return hooks_.flatHint();
  if (!game_.Play.Is(GameKind::OnePlayer) || game_.Free.MovesLeft == 0) return;
  // Watching winnability, the hint is a pair the solver's way to the end takes.
  if (const auto keep = hooks_.keepingPair()) {
    std::tie(game_.HintTileA, game_.HintTileB) = *keep;
  } else {
    game_.HintTileA = game_.HintTileB = 0;
    Recount();
    if (!game_.Free.NextHint(game_.HintIndex, game_.HintTileA, game_.HintTileB)) return;
  }
  game_.Clock.ChargeHint();
  hooks_.fullRedraw();
}

}  // namespace velmor
