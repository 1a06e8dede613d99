#include "board/Deal.h"

#include <algorithm>

namespace velmor {

namespace {

// A shape that keeps ending in dead ends would make the construction loop forever; real layouts
// need a handful of restarts at most.
constexpr int MaxRestarts = 5000;

void Call(const std::function<void()>& f) {
  if (f) f();
}

// Takes pairs of free positions off the grid until it is empty, recording the order. When only
// one position (or none) is free the attempt starts over from `restore`.
bool TakeApart(Grid& grid, const std::vector<Place>& positions, int count, Generator& gen,
               const std::function<void()>& restore, std::vector<Place>& order) {
  const int n = static_cast<int>(positions.size());
  order.assign(static_cast<size_t>(count) + 2, Place{});
  int restarts = 0;
  int k = 1;
  while (k <= count) {
    if (CountFreePositions(grid, positions) <= 1) {
      if (++restarts > MaxRestarts) return false;
      restore();
      k = 1;
      continue;
    }
    auto drawFree = [&](const Place* other) {
      for (;;) {
        const Place& p = positions[static_cast<size_t>(gen.RandomBelow(n))];
        if (grid.at(p) == PlaceMarker && IsFreeAt(grid, p.column, p.row, p.layer, false) && (!other || !(p == *other)))
          return p;
      }
    };
    order[k] = drawFree(nullptr);
    order[k + 1] = drawFree(&order[k]);
    grid.set(order[k], 0);
    grid.set(order[k + 1], 0);
    k += 2;
  }
  return true;
}

void ClearAnchors(Grid& grid) {
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c) grid.set(c, r, l, 0);
}

}  // namespace

bool IsDealableCount(int positions) { return positions >= 2 && positions <= TileTotal && positions % 2 == 0; }

int MarkLayoutPositions(Grid& grid, const LayoutShape& shape) {
  int n = 0;
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c) {
        const bool position = shape.at(l, r - 1, c - 1) == 1;
        grid.set(c, r, l, position ? PlaceMarker : 0);
        n += position;
      }
  return n;
}

std::vector<Place> BuildPositionList(const Grid& grid) {
  std::vector<Place> list;
  list.reserve(TileTotal);
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c)
        if (grid.at(c, r, l)) list.push_back(Place{c, r, l});
  return list;
}

int CountFreePositions(const Grid& grid, const std::vector<Place>& positions) {
  int n = 0;
  for (const Place& p : positions)
    if (grid.at(p) && IsFreeAt(grid, p.column, p.row, p.layer, false)) ++n;
  return n;
}

void RandomPlacement(BoardState& board, int n, Generator& gen, const DealHooks& hooks) {
  Call(hooks.seed);
  // The three draws of an attempt, computed from one state at once: s1 = a*s + 1,
  // s2 = a^2*s + a + 1, s3 = a^3*s + a^2 + a + 1 (mod 2^32). The last positions take thousands
  // of attempts, and this keeps the chain of dependent multiplications to one per attempt.
  constexpr uint32_t A = 134775813u, A2 = A * A, A3 = A2 * A, C2 = A + 1u, C3 = A2 + A + 1u;
  auto below = [](uint32_t state, uint32_t range) {
    return static_cast<int>((static_cast<uint64_t>(state) * range) >> 32);
  };
  uint32_t s = gen.GeneratorState;
  for (int i = 1; i <= n; ++i) {
    int c, r, l;
    do {
      const uint32_t s1 = A * s + 1u, s2 = A2 * s + C2, s3 = A3 * s + C3;
      c = below(s1, AnchorColumns) + 1;
      r = below(s2, AnchorRows) + 1;
      l = below(s3, AnchorLayers) + 1;
      s = s3;
    } while (board.BoardGrid.at(c, r, l) != PlaceMarker);
    board.PutTile(i, Place{c, r, l});
    if (hooks.redrawTile) {
      gen.GeneratorState = s;
      hooks.redrawTile(i);
    }
  }
  gen.GeneratorState = s;
}

bool CreateBoard(BoardState& board, const LayoutShape& shape, Generator& gen, const DealHooks& hooks,
                 std::vector<Place>* removalOrder) {
  Call(hooks.redrawStart);
  const int n = MarkLayoutPositions(board.BoardGrid, shape);
  board.TilesLeft = n;
  board.TileCount = TileTotal;
  for (auto& p : board.TilePlace) p = Place{};
  const std::vector<Place> positions = BuildPositionList(board.BoardGrid);
  Call(hooks.seed);

  std::vector<Place> order;
  if (!TakeApart(
          board.BoardGrid, positions, n, gen, [&] { MarkLayoutPositions(board.BoardGrid, shape); }, order))
    return false;

  // Give each removed pair two matching tiles, last pair first: removing them in the recorded
  // order is then a solution.
  for (int k = n - 1; k >= 1; k -= 2) {
    for (;;) {
      const int a = gen.RandomBelow(n) + 1;
      const int b = gen.RandomBelow(n) + 1;
      if (!TilesMatch(a, b) || !board.TilePlace[a].empty() || !board.TilePlace[b].empty()) continue;
      board.PutTile(a, order[k]);
      board.PutTile(b, order[k + 1]);
      break;
    }
    Call(hooks.redrawPair);
  }
  if (removalOrder) removalOrder->assign(order.begin() + 1, order.begin() + 1 + n);
  return true;
}

bool DealShape(BoardState& board, const LayoutShape& shape, bool winnable, Generator& gen, const DealHooks& hooks,
               const std::function<void()>& reseedForFallback, std::vector<Place>* removalOrder) {
  const int n = MarkLayoutPositions(board.BoardGrid, shape);
  board.TilesLeft = n;
  board.TileCount = TileTotal;
  for (auto& p : board.TilePlace) p = Place{};
  if (!winnable) {
    RandomPlacement(board, n, gen, hooks);
    return true;
  }
  if (CreateBoard(board, shape, gen, hooks, removalOrder)) return true;
  if (removalOrder) removalOrder->clear();
  MarkLayoutPositions(board.BoardGrid, shape);
  for (auto& p : board.TilePlace) p = Place{};
  Call(reseedForFallback);
  RandomPlacement(board, n, gen, DealHooks{});
  return false;
}

NumberedDeal DealGameNumber(const LayoutShape& shape, uint32_t number, bool winnable, uint32_t fallbackSeed) {
  NumberedDeal deal;
  Generator gen;
  DealHooks hooks;
  hooks.seed = [&] { gen.GeneratorState = number; };
  deal.fellBack = !DealShape(
      deal.board, shape, winnable, gen, hooks, [&] { gen.Reseed(fallbackSeed); }, &deal.removalOrder);
  return deal;
}

bool ShuffleBoard(BoardState& board, Generator& gen, const DealHooks& hooks, std::vector<Place>* removalOrder) {
  Call(hooks.redrawStart);
  const int tileCount = std::clamp(board.TileCount, 0, TileTotal);
  std::vector<Place> kept(board.TilePlace.begin(), board.TilePlace.begin() + tileCount + 1);

  Grid snapshot;
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c) snapshot.set(c, r, l, board.BoardGrid.at(c, r, l) ? PlaceMarker : 0);

  auto restoreBoard = [&] {
    board.BoardGrid = snapshot;
    for (int t = 1; t <= tileCount; ++t) {
      board.TilePlace[t] = kept[t];
      if (!kept[t].empty()) board.BoardGrid.set(kept[t], static_cast<uint8_t>(t));
    }
  };

  board.BoardGrid = snapshot;
  const std::vector<Place> positions = BuildPositionList(board.BoardGrid);
  if (CountFreePositions(board.BoardGrid, positions) < 2) {
    restoreBoard();
    return false;
  }

  std::vector<int> tiles{0};  // 1-based
  for (int t = 1; t <= tileCount; ++t) {
    board.TilePlace[t] = Place{};
    if (kept[t].column > 0 && kept[t].row > 0 && kept[t].layer > 0) tiles.push_back(t);
  }
  const int m = static_cast<int>(tiles.size()) - 1;
  if (m % 2) {  // only possible on a board that was not built by pairs
    restoreBoard();
    return false;
  }
  Call(hooks.seed);

  std::vector<Place> order;
  if (!TakeApart(
          board.BoardGrid, positions, m, gen, [&] { board.BoardGrid = snapshot; }, order)) {
    restoreBoard();
    return false;
  }
  ClearAnchors(board.BoardGrid);

  // Tiles leave the board only in matching pairs, so each group's remaining tiles are even in
  // number and adjacent in the sorted list: T[1] with T[2], T[3] with T[4], ... always match.
  for (int k = m - 1; k >= 1; k -= 2) {
    for (;;) {
      const int d = gen.RandomBelow(m - 1) + 1;
      const int e = d % 2 ? d + 1 : d - 1;
      const int a = tiles[d], b = tiles[e];
      if (!board.TilePlace[a].empty() || !board.TilePlace[b].empty()) continue;
      board.PutTile(a, order[k]);
      board.PutTile(b, order[k + 1]);
      break;
    }
    Call(hooks.redrawPair);
  }
  if (removalOrder) removalOrder->assign(order.begin() + 1, order.begin() + 1 + m);
  return true;
}

void PlainShuffle(BoardState& board, Generator& gen, bool sameLayer, const std::function<int()>& movesLeft) {
  Grid& grid = board.BoardGrid;
  int passes = 0;
  do {
    for (int c = 1; c <= AnchorColumns; ++c)
      for (int r = 1; r <= AnchorRows; ++r)
        for (int l = 1; l <= AnchorLayers; ++l) {
          const int t = grid.at(c, r, l);
          if (t < 1 || t > TileTotal) continue;
          int c2, r2, l2, u;
          do {
            c2 = gen.RandomBelow(AnchorColumns) + 1;
            r2 = gen.RandomBelow(AnchorRows) + 1;
            l2 = gen.RandomBelow(AnchorLayers) + 1;
            u = grid.at(c2, r2, l2);
          } while (u < 1 || u > TileTotal || (sameLayer && l2 != l));
          std::swap(board.TilePlace[static_cast<size_t>(t)], board.TilePlace[static_cast<size_t>(u)]);
          grid.set(c2, r2, l2, static_cast<uint8_t>(t));
          grid.set(c, r, l, static_cast<uint8_t>(u));
        }
    ++passes;
  } while (movesLeft() == 0 && passes < 101);
}

}  // namespace velmor
