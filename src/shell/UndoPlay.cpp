#include "shell/UndoPlay.h"

namespace velmor {

void UndoPlay::Back() {
  if (!game_.Play.Solo()) return;
  if (game_.Board.TilesLeft == 0 || game_.History.Empty()) return;
  GoBack();
}

void UndoPlay::GoBack() {
  if (!game_.Play.Solo()) return;
  BackHistory();
  hooks_.fullRedraw();
  hooks_.afterMove();
}

void UndoPlay::BackHistory() {
  if (game_.History.Empty()) return;
  game_.Clear();
  game_.HintTileA = game_.HintTileB = 0;
  game_.History.TakeBackPair(game_.Board);
}

void UndoPlay::Redo() {
  if (!game_.Play.Solo()) return;
  game_.Clear();
  game_.HintTileA = game_.HintTileB = 0;
  if (!game_.History.RedoPair(game_.Board)) return;
  hooks_.fullRedraw();
  hooks_.taken();
  game_.Clock.Update(platform_.TickCount());
  hooks_.checkGameEnd();
  hooks_.afterMove();
}

void UndoPlay::Restart() {
  if (game_.Board.TilesLeft == 0 || game_.History.Empty()) return;
  if (!game_.Play.Solo()) return;
  while (!game_.History.Empty()) GoBack();
  game_.History.ClearRedo();
  game_.Clock.Start(platform_.TickCount());
  game_.HoverTile = 0;
  hooks_.status(VELMOR_TEXT("Game restarted."));
  hooks_.afterMove();
}

}  // namespace velmor
