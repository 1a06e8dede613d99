#include "modes/FlatGame.h"

#include <algorithm>

#include "board/Deal.h"
#include "board/Tiles.h"

namespace velmor {

void DealRivers(BoardState& board, Generator& gen, bool hard) {
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c) board.BoardGrid.set(c, r, l, 0);
  // Tiles left out of the easy deal must not keep places from an earlier game.
  for (auto& p : board.TilePlace) p = Place{};

  if (!hard) {
    for (int t = 1; t <= RiversEasyTiles; ++t) {
      int column, row;
      do {
        column = 2 * gen.RandomBelow(14) + 4;
        row = 2 * gen.RandomBelow(6) + 5;
      } while (board.BoardGrid.at(column, row, 1) != 0);
      board.PutTile(t, {column, row, 1});
    }
  } else {
    for (int layer = 1; layer <= 2; ++layer)
      for (int j = 1; j <= 72; ++j) {
        int column, row;
        do {
          column = 2 * gen.RandomBelow(12) + 6;
          row = 2 * gen.RandomBelow(6) + 5;
        } while (board.BoardGrid.at(column, row, layer) != 0);
        board.PutTile(j + 72 * (layer - 1), {column, row, layer});
      }
  }
  board.TilesLeft = hard ? RiversHardTiles : RiversEasyTiles;
  board.TileCount = TileTotal;
}

namespace {

enum class Heading { Right, Left, Down, Up };

// A depth-first search, three runs deep. The first path it meets is the one the tile slides
// along, so the order of the tries is part of the game.
class RiverSearch {
 public:
  RiverSearch(const Grid& grid, const Place& target) : grid_(grid), target_(target) {}

  // Both headings of one axis from (c, r), as the search turns there.
  bool Turn(int level, bool horizontal, int c, int r) {
    return Run(level, horizontal ? Heading::Right : Heading::Down, c, r) ||
           Run(level, horizontal ? Heading::Left : Heading::Up, c, r);
  }

  // One straight run from (c0, r0), turning off at every empty cell while bends are left.
  bool Run(int level, Heading d, int c0, int r0) {
    const int dc = d == Heading::Right ? 2 : d == Heading::Left ? -2 : 0;
    const int dr = d == Heading::Down ? 2 : d == Heading::Up ? -2 : 0;
    const bool horizontal = dc != 0;
    auto atLimit = [&](int c, int r) {
      switch (d) {
        case Heading::Right:
          return c >= 32;
        case Heading::Left:
          return c <= 2;
        case Heading::Down:
          return r >= 18;
        case Heading::Up:
          return r <= 2;
      }
      return true;
    };
    // The sliding tile comes back along this run, from (c, r) to just before its start; inner runs
    // have been recorded first, as the tile passes them first.
    auto slideBack = [&](int c, int r) {
      for (; !(c == c0 && r == r0); c -= dc, r -= dr) slide.push_back({c, r, target_.layer});
    };

    int c = c0, r = r0;
    while (!atLimit(c, r)) {
      c += dc;
      r += dr;
      if (grid_.at(c, r, target_.layer) != 0) {
        if (c == target_.column && r == target_.row) {
          slideBack(c, r);
          return true;
        }
        return false;
      }
      if (level < 3 && Turn(level + 1, !horizontal, c, r)) {
        slideBack(c, r);
        return true;
      }
    }
    return false;
  }

  std::vector<Place> slide;

 private:
  const Grid& grid_;
  const Place target_;
};

}  // namespace

RiverPath FindRiverPath(const Grid& grid, const Place& from, const Place& to) {
  RiverPath path;
  if (from.layer != to.layer || from.empty() || to.empty()) return path;
  RiverSearch search(grid, to);
  for (Heading d : {Heading::Right, Heading::Left, Heading::Down, Heading::Up})
    if (search.Run(1, d, from.column, from.row)) {
      path.found = true;
      path.slide = std::move(search.slide);
      break;
    }
  return path;
}

namespace {

// Calls `visit(a, b)` for each pair ReachablePairs lists, in its order, until `visit` returns false.
template <class Visit>
void VisitReachablePairs(const BoardState& board, Visit&& visit) {
  for (int a = 1; a <= TileTotal; ++a)
    for (int b = a + 1; b <= TileTotal; ++b) {
      const Place& pa = board.TilePlace[static_cast<size_t>(a)];
      const Place& pb = board.TilePlace[static_cast<size_t>(b)];
      if (MatchGroup(a) == MatchGroup(b) && !pa.empty() && !pb.empty() && pa.layer == pb.layer &&
          FindRiverPath(board.BoardGrid, pa, pb).found && !visit(a, b))
        return;
    }
}

}  // namespace

std::vector<std::pair<int, int>> ReachablePairs(const BoardState& board) {
  std::vector<std::pair<int, int>> pairs;
  VisitReachablePairs(board, [&](int a, int b) {
    pairs.push_back({a, b});
    return true;
  });
  return pairs;
}

int CountReachablePairs(const BoardState& board) {
  int count = 0;
  VisitReachablePairs(board, [&](int, int) { return ++count > 0; });
  return count;
}

std::optional<std::pair<int, int>> FirstReachablePair(const BoardState& board) {
  std::optional<std::pair<int, int>> first;
  VisitReachablePairs(board, [&](int a, int b) {
    first = {a, b};
    return false;
  });
  return first;
}

bool RiversDeadEnd(const BoardState& board) { return board.TilesLeft > 0 && !FirstReachablePair(board); }

std::optional<std::pair<int, int>> NextFlatHint(const BoardState& board, int32_t& hintIndex) {
  const std::vector<std::pair<int, int>> pairs = ReachablePairs(board);
  if (pairs.empty()) return std::nullopt;
  hintIndex = hintIndex % static_cast<int>(pairs.size()) + 1;
  return pairs[static_cast<size_t>(hintIndex - 1)];
}

bool TileFreeIn(const PlayState& play, const BoardState& board, int tile, bool vertical) {
  if (play.Is(GameKind::Flat) || play.Editing()) return true;
  return IsTileFree(board, tile, vertical);
}

bool ShuffleFlatLayers(BoardState& board, Generator& gen, const std::function<void()>& seed,
                       std::vector<Place>& removalOrder) {
  // The steps are not animated: they would show the board as it was.
  DealHooks hooks;
  hooks.seed = seed;
  bool shuffled = false;
  std::vector<Place> order;
  const int tiles = std::min(board.TileCount, TileTotal);
  for (int layer = AnchorLayers; layer >= 1; --layer) {
    // The same board with only this layer's tiles on it.
    BoardState part = board;
    bool any = false;
    for (int t = 1; t <= tiles; ++t) {
      Place& p = part.TilePlace[static_cast<size_t>(t)];
      if (p.empty() || p.layer == layer) {
        any |= !p.empty();
        continue;
      }
      part.BoardGrid.set(p, 0);
      p = Place{};
    }
    std::vector<Place> partOrder;
    if (!any || !ShuffleBoard(part, gen, hooks, &partOrder)) continue;
    // The layer's places are the same set as before, so writing its tiles back covers them all.
    for (int t = 1; t <= tiles; ++t) {
      const Place& p = part.TilePlace[static_cast<size_t>(t)];
      if (p.empty() || p.layer != layer) continue;
      board.TilePlace[static_cast<size_t>(t)] = p;
      board.BoardGrid.set(p, static_cast<uint8_t>(t));
    }
    order.insert(order.end(), partOrder.begin(), partOrder.end());
    shuffled = true;
  }
  if (shuffled) removalOrder = order;
  return shuffled;
}

}  // namespace velmor
