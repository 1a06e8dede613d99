#include "shell/FlatPlay.h"

#include <algorithm>

#include "modes/FlatGame.h"

namespace velmor {

bool FlatPlay::Reach(int a, int b) {
  pictures_.PathFound = false;
  const RiverPath path = FindRiverPath(game_.Board.BoardGrid, game_.Board.TilePlace[static_cast<size_t>(a)],
                                       game_.Board.TilePlace[static_cast<size_t>(b)]);
  if (!path.found) return false;
  Slide(path.slide);
  return true;
}

void FlatPlay::Slide(const std::vector<Place>& cells) {
  // No picked or hinted marks while the tile travels: it would drag them along the path.
  pictures_.PathFound = true;
  const Place& start = cells.front();
  pictures_.MovingTile = {game_.Board.BoardGrid.at(start), start.column, start.row};
  for (const Place& p : cells) Step(p.column, p.row, p.layer);
  pictures_.PathFound = false;
}

void FlatPlay::Step(int column, int row, int layer) {
  if (!menus_.AnimateTileRivers.Checked()) return;
  const int tile = pictures_.MovingTile.tile;
  game_.Board.BoardGrid.set(pictures_.MovingTile.column, pictures_.MovingTile.row, layer, 0);
  pictures_.MovingTile.column = column;
  pictures_.MovingTile.row = row;
  hooks_.redrawTile(tile);  // still drawn at its old place: this erases it there
  game_.Board.PutTile(tile, {column, row, layer});
  hooks_.redrawTile(tile);
  platform_.Pace(pictures_.RiverSlideMs);  // shown at once, then a wait so the eye can follow it
}

void FlatPlay::Hint() {
  const auto pair = NextFlatHint(game_.Board, game_.HintIndex);
  if (!pair) return;
  game_.Clear();
  const auto [a, b] = *pair;
  game_.HintTileA = a;
  game_.HintTileB = b;
  game_.Clock.ChargeHint();
  hooks_.fullRedraw();

  // The path from one tile's face to the other's, through the middle of every cell it crosses.
  const Place& from = game_.Board.TilePlace[static_cast<size_t>(a)];
  const RiverPath path = FindRiverPath(game_.Board.BoardGrid, from, game_.Board.TilePlace[static_cast<size_t>(b)]);
  std::vector<Place> cells = path.slide;
  cells.push_back(from);
  auto centre = [this](const Place& p) {
    const Rect box = hooks_.tileBox(p);
    return std::pair{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  };
  const int half = 2 * pictures_.Scale;
  constexpr uint32_t PathColour = Rgb(255, 214, 0);
  for (size_t k = 1; k < cells.size(); ++k) {
    const auto [x1, y1] = centre(cells[k - 1]);
    const auto [x2, y2] = centre(cells[k]);
    pictures_.FrameBuffer.Fill(
        {std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half + 1, std::max(y1, y2) + half + 1},
        PathColour);
  }
  pictures_.BackgroundShown = false;
  platform_.PresentBoard(pictures_.FrameBuffer, {0, 0, pictures_.FrameBuffer.width(), pictures_.FrameBuffer.height()});
  platform_.Pace(pictures_.HintPathMs);
  hooks_.fullRedraw();
}

}  // namespace velmor
