// Voverizo Dadazu: the flat board, and pairs joined by a path of at most two bends.
#include <algorithm>

#include "base/Say.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FourRivers(bool hard, std::optional<uint32_t> state) {
  ColorHighlight();
  if (Layout.BoardNumber < 100) Layout.SavedLayoutNumber = Layout.BoardNumber;
  Layout.BoardNumber = hard ? RiversHardList : RiversEasyList;
  if (state)
    Current.Gen.GeneratorState = *state;
  else
    ReseedFromClock();
  DealRivers(Current.Board, Current.Gen, hard);

  ResetForNewGame(NewGameKind::Rivers);
  Current.Clock.StartTick = platform.TickCount();
  EndPauseForNewGame();
  ShowStatus(VELMOR_TEXT("Voverizo Dadazu started."));
  Current.Play.Start(GameKind::Flat);
  UpdateCommands();
  FullRedraw();
  ShowPanelHOF();
  UpdateWindowTitle();
  Records.Started(StatisticsKey(Layout));
  AfterMove();
}

bool TVelmor::CanBeReached(int a, int b) {
  Pictures.PathFound = false;
  const RiverPath path = FindRiverPath(Current.Board.BoardGrid, Current.Board.TilePlace[static_cast<size_t>(a)],
                                       Current.Board.TilePlace[static_cast<size_t>(b)]);
  if (!path.found) return false;
  SlideRiverTile(path.slide);
  return true;
}

void TVelmor::SlideRiverTile(const std::vector<Place>& cells) {
  // No picked or hinted marks while the tile travels: it would drag them along the path.
  Pictures.PathFound = true;
  const Place& start = cells.front();
  Pictures.MovingTile = {Current.Board.BoardGrid.at(start), start.column, start.row};
  for (const Place& p : cells) MoveRiverTiles(p.column, p.row, p.layer);
  Pictures.PathFound = false;
}

void TVelmor::MoveRiverTiles(int column, int row, int layer) {
  if (!Menus.AnimateTileRivers.Checked()) return;
  const int tile = Pictures.MovingTile.tile;
  Current.Board.BoardGrid.set(Pictures.MovingTile.column, Pictures.MovingTile.row, layer, 0);
  Pictures.MovingTile.column = column;
  Pictures.MovingTile.row = row;
  RedrawTile(tile);  // still drawn at its old place: this erases it there
  Current.Board.PutTile(tile, {column, row, layer});
  RedrawTile(tile);
  AnimationStep(Pictures.RiverSlideMs);
}

void TVelmor::RiversHint() {
  const auto pair = NextFlatHint(Current.Board, Current.HintIndex);
  if (!pair) return;
  Current.Clear();
  const auto [a, b] = *pair;
  Current.HintTileA = a;
  Current.HintTileB = b;
  Current.Clock.ChargeHint();
  FullRedraw();

  // The path from one tile's face to the other's, through the middle of every cell it crosses.
  const Place& from = Current.Board.TilePlace[static_cast<size_t>(a)];
  const RiverPath path = FindRiverPath(Current.Board.BoardGrid, from, Current.Board.TilePlace[static_cast<size_t>(b)]);
  std::vector<Place> cells = path.slide;
  cells.push_back(from);
  auto centre = [this](const Place& p) {
    const Rect box = TileBox(p);
    return std::pair{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  };
  const int half = 2 * Pictures.Scale;
  constexpr uint32_t PathColour = Rgb(255, 214, 0);
  for (size_t k = 1; k < cells.size(); ++k) {
    const auto [x1, y1] = centre(cells[k - 1]);
    const auto [x2, y2] = centre(cells[k]);
    Pictures.FrameBuffer.Fill(
        {std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half + 1, std::max(y1, y2) + half + 1},
        PathColour);
  }
  Pictures.BackgroundShown = false;
  platform.PresentBoard(Pictures.FrameBuffer, {0, 0, Pictures.FrameBuffer.width(), Pictures.FrameBuffer.height()});
  AnimationStep(Pictures.HintPathMs);
  FullRedraw();
}

}  // namespace velmor
