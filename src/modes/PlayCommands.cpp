#include "modes/PlayCommands.h"

namespace velmor {

PlayCommands CommandsFor(const GameState& game) {
  const PlayState& play = game.Play;
  // The one-player game and the flat game keep a history; the two-player game keeps none.
  const bool withHistory = play.Solo();
  const bool tilesStand = game.Board.TilesLeft > 0 && !game.BoardCleared;
  PlayCommands c;
  c.back = c.restart = withHistory && tilesStand && !game.History.Empty();
  c.redo = withHistory && game.History.CanRedo();
  // The flat game looks for its own pairs when asked; the free-tile count is the tile game's.
  c.hint = tilesStand && (play.Is(GameKind::Flat) || (play.Is(GameKind::OnePlayer) && game.Free.MovesLeft > 0));
  c.shuffle = tilesStand && play.Playing();
  return c;
}

}  // namespace velmor
