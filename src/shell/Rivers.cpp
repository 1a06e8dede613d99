// Voverizo Dadazu: the flat board, and pairs joined by a path of at most two bends.
#include "modes/RiverPath.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FourRivers(bool hard, std::optional<uint32_t> state) {
  ColorHighlight();
  if (BoardNumber < 100) SavedLayoutNumber = BoardNumber;
  BoardNumber = hard ? RiversHardList : RiversEasyList;
  if (state)
    Gen.GeneratorState = *state;
  else
    ReseedFromClock();
  DealRivers(Board, Gen, hard);

  ResetForNewGame(NewGameKind::Rivers);
  Clock.StartTick = platform.TickCount();
  EndPauseForNewGame();
  ShowStatus("Voverizo Dadazu started.");
  IM(ModeRivers);
  FullRedraw();
  ShowPanelHOF();
  UpdateWindowTitle();
  KeepGame();
}

bool TVelmor::CanBeReached(int a, int b) {
  PathFound = false;
  const RiverPath path =
      FindRiverPath(Board.BoardGrid, Board.TilePlace[static_cast<size_t>(a)], Board.TilePlace[static_cast<size_t>(b)]);
  if (!path.found) return false;
  SlideRiverTile(path.slide);
  return true;
}

void TVelmor::SlideRiverTile(const std::vector<Place>& cells) {
  // No picked or hinted marks while the tile travels: it would drag them along the path.
  PathFound = true;
  const Place& start = cells.front();
  MovingTile = {Board.BoardGrid.at(start), start.column, start.row};
  for (const Place& p : cells) MoveRiverTiles(p.column, p.row, p.layer);
  PathFound = false;
}

void TVelmor::MoveRiverTiles(int column, int row, int layer) {
  if (!AnimateTileRivers.Checked()) return;
  const int tile = MovingTile.tile;
  Board.BoardGrid.set(MovingTile.column, MovingTile.row, layer, 0);
  MovingTile.column = column;
  MovingTile.row = row;
  RedrawTile(tile);  // still drawn at its old place: this erases it there
  Board.PutTile(tile, {column, row, layer});
  RedrawTile(tile);
  AnimationStep(RiverSlideMs);
}

}  // namespace velmor
