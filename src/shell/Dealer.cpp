#include "shell/Dealer.h"

#include "base/Text.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"

namespace velmor {

void Dealer::ReseedFromClock() { game_.Gen.Reseed(platform_.UtcMillisecondOfDay()); }

bool Dealer::Animated() const {
  return menus_.Animate.Checked() && game_.Play.Underway() && !menus_.RandomSeed1.Checked();
}

void Dealer::Deal() {
  const int n = MarkLayoutPositions(game_.Board.BoardGrid, layout_.Shape);
  game_.Board.TilesLeft = n;
  game_.Board.TileCount = TileTotal;
  for (auto& p : game_.Board.TilePlace) p = Place{};
  if (game_.Play.Editing()) {
    // The editor's heap is unfinished by nature (any count, odd too): its tiles are only
    // numbered, never dealt, and all look blank.
    int t = 0;
    for (const Place& p : BuildPositionList(game_.Board.BoardGrid)) game_.Board.PutTile(++t, p);
    return;
  }
  if (!IsDealableCount(n)) {
    // Layout readers refuse such shapes; this only guards against a shape built some other way.
    MarkLayoutPositions(game_.Board.BoardGrid, LayoutShape{});
    game_.Board.TilesLeft = 0;
    platform_.ShowError(
        Fill(VELMOR_TEXT("The layout \"%1\" has %2 tiles; a layout needs an even number of tiles from 2 to 144."),
             layout_.LayoutName, n));
    return;
  }

  const bool animated = Animated();
  if (animated) hooks_.fullRedraw();

  DealHooks hooks;
  hooks.seed = [this] {
    if (menus_.RandomSeed1.Checked() && game_.GameNumber > 0)
      game_.Gen.GeneratorState = static_cast<uint32_t>(game_.GameNumber);
    else
      ReseedFromClock();
  };

  if (menus_.Winnable.Checked()) {
    if (animated) {
      hooks.redrawStart = [this] { hooks_.fullRedraw(); };
      hooks.redrawPair = [this] {
        hooks_.fullRedraw();
        Step(2 * pictures_.DealTileMs);
      };
    }
  } else if (menus_.Animate.Checked() && !game_.Play.Editing() && !menus_.RandomSeed1.Checked()) {
    hooks.redrawTile = [this](int tile) {
      hooks_.redrawTile(tile);
      Step(pictures_.DealTileMs);
    };
  }
  // A shape that keeps running into dead ends cannot be dealt winnable at all.
  if (!DealShape(
          game_.Board, layout_.Shape, menus_.Winnable.Checked(), game_.Gen, hooks, [this] { ReseedFromClock(); },
          &game_.RemovalOrder))
    hooks_.status(VELMOR_TEXT("This layout cannot be dealt winnable: dealt at random."));
}

bool Dealer::Shuffle() {
  const bool playing = game_.Play.Playing();
  DealHooks hooks;
  hooks.seed = [this] { ReseedFromClock(); };
  if (menus_.Animate.Checked() && playing && !menus_.RandomSeed1.Checked())
    hooks.redrawStart = [this] { hooks_.fullRedraw(); };
  if (menus_.Animate.Checked() && game_.Play.Underway())
    hooks.redrawPair = [this] {
      hooks_.fullRedraw();
      Step(2 * pictures_.DealTileMs);
    };
  if (!game_.Play.Is(GameKind::Flat)) return velmor::ShuffleBoard(game_.Board, game_.Gen, hooks, &game_.RemovalOrder);
  return ShuffleFlatLayers(game_.Board, game_.Gen, hooks.seed, game_.RemovalOrder);
}

}  // namespace velmor
