// Voverizo Dadazu: the flat board, and pairs joined by a path of at most two bends.
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
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c) Board.BoardGrid.set(c, r, l, 0);
  // Tiles left out of the easy deal must not keep places from an earlier game.
  for (auto& p : Board.TilePlace) p = Place{};

  if (!hard) {
    for (int t = 1; t <= 84; ++t) {
      int column, row;
      do {
        column = 2 * RandomBelow(14) + 4;
        row = 2 * RandomBelow(6) + 5;
      } while (Board.BoardGrid.at(column, row, 1) != 0);
      Board.PutTile(t, {column, row, 1});
    }
  } else {
    for (int layer = 1; layer <= 2; ++layer)
      for (int j = 1; j <= 72; ++j) {
        int column, row;
        do {
          column = 2 * RandomBelow(12) + 6;
          row = 2 * RandomBelow(6) + 5;
        } while (Board.BoardGrid.at(column, row, layer) != 0);
        Board.PutTile(j + 72 * (layer - 1), {column, row, layer});
      }
  }
  Board.TilesLeft = hard ? 144 : 84;
  Board.TileCount = TileTotal;

  ResetForNewGame(NewGameKind::Rivers);
  Clock.StartTick = platform.TickCount();
  EndPauseForNewGame();
  ShowStatus("Voverizo Dadazu started.");
  IM(ModeRivers);
  FullRedraw();
  ShowPanelHOF();
}

bool TVelmor::CanBeReached(int a, int b) {
  PathFound = false;
  const Place& pa = Board.TilePlace[static_cast<size_t>(a)];
  const Place target = Board.TilePlace[static_cast<size_t>(b)];
  if (pa.layer != target.layer || pa.empty() || target.empty()) return false;
  // Level 1 tries right, left, down, up from a's place.
  for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up})
    if (RiverRun(1, d, pa.column, pa.row, pa.layer, target)) {
      PathFound = false;
      return true;
    }
  return false;
}

bool TVelmor::RiverSearch(int level, bool horizontal, int c, int r, int layer, const Place& target) {
  const Direction first = horizontal ? Direction::Right : Direction::Down;
  const Direction second = horizontal ? Direction::Left : Direction::Up;
  return RiverRun(level, first, c, r, layer, target) || RiverRun(level, second, c, r, layer, target);
}

bool TVelmor::RiverRun(int level, Direction d, int c0, int r0, int layer, const Place& target) {
  const int dc = d == Direction::Right ? 2 : d == Direction::Left ? -2 : 0;
  const int dr = d == Direction::Down ? 2 : d == Direction::Up ? -2 : 0;
  const bool horizontal = dc != 0;
  auto atLimit = [&](int c, int r) {
    switch (d) {
      case Direction::Right: return c >= 32;
      case Direction::Left: return c <= 2;
      case Direction::Down: return r >= 18;
      case Direction::Up: return r <= 2;
    }
    return true;
  };
  // Slides the tile back along this run, from `c, r` towards the run's start, stopping before it.
  auto slideBack = [&](int c, int r) {
    for (; !(c == c0 && r == r0); c -= dc, r -= dr) MoveRiverTiles(c, r, layer);
  };

  int c = c0, r = r0;
  while (!atLimit(c, r)) {
    c += dc;
    r += dr;
    if (Board.BoardGrid.at(c, r, layer) != 0) {
      if (c == target.column && r == target.row) {
        PathFound = true;
        MovingTile = {Board.BoardGrid.at(c, r, layer), c, r};
        slideBack(c, r);
        return true;
      }
      return false;
    }
    if (level < 3 && RiverSearch(level + 1, !horizontal, c, r, layer, target)) {
      slideBack(c, r);
      return true;
    }
    if (PathFound) return false;
  }
  return false;
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
