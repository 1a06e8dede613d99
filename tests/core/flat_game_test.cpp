// The flat game's model: its deal, the two-bend path and the pairs it lets go.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// Right, left, down, up: two cells a step.
constexpr int StepC[] = {2, -2, 0, 0}, StepR[] = {0, 0, 2, -2};

// Whether a run heading `d` may step on from (c, r): the board's border.
bool MayStep(int d, int c, int r) {
  switch (d) {
    case 0:
      return c < 32;
    case 1:
      return c > 2;
    case 2:
      return r < 18;
    default:
      return r > 2;
  }
}

// Whether a path of at most three straight runs through empty cells of one layer joins the two
// places: a breadth-first search over (cell, heading, bends), with no turning back on the spot.
bool TwoBendPath(const Grid& g, const Place& from, const Place& to) {
  if (from.layer != to.layer || from.empty() || to.empty()) return false;
  struct State {
    int c, r, dir, bends;
  };
  bool seen[GridColumns][GridRows][4][3] = {};
  std::deque<State> queue;
  for (int d = 0; d < 4; ++d) queue.push_back({from.column, from.row, d, 0});
  while (!queue.empty()) {
    const State s = queue.front();
    queue.pop_front();
    if (!MayStep(s.dir, s.c, s.r)) continue;
    const int c = s.c + StepC[s.dir], r = s.r + StepR[s.dir];
    if (c == to.column && r == to.row) return true;
    if (g.at(c, r, from.layer) != 0) continue;
    for (int d = 0; d < 4; ++d) {
      const int bends = s.bends + (d != s.dir);
      if (bends > 2 || (d != s.dir && d / 2 == s.dir / 2)) continue;
      if (!seen[c][r][d][bends]) {
        seen[c][r][d][bends] = true;
        queue.push_back({c, r, d, bends});
      }
    }
  }
  return false;
}

// Empty when `slide` is a slide the rule allows from `to` to the side of `from`; else what is wrong.
std::string SlideFault(const Grid& g, const Place& from, const Place& to, const std::vector<Place>& slide) {
  if (slide.empty() || slide.front() != to) return "does not start at the sliding tile";
  // The route as the search walks it: from `from` out to `to`.
  std::vector<Place> route{from};
  route.insert(route.end(), slide.rbegin(), slide.rend());
  int bends = 0, heading = -1;
  for (size_t k = 1; k < route.size(); ++k) {
    const Place &p = route[k - 1], &q = route[k];
    int d = 0;
    while (d < 4 && !(q.column - p.column == StepC[d] && q.row - p.row == StepR[d])) ++d;
    if (d == 4 || q.layer != from.layer) return "leaves the layer or jumps at step " + std::to_string(k);
    if (!MayStep(d, p.column, p.row)) return "crosses the border at step " + std::to_string(k);
    if (heading >= 0 && d != heading) ++bends;
    heading = d;
    if (k + 1 < route.size() && g.at(q) != 0) return "runs over a tile at step " + std::to_string(k);
  }
  if (bends > 2) return std::to_string(bends) + " bends";
  return "";
}

Place RandomCell(Generator& gen) { return {2 * gen.RandomBelow(16) + 2, 2 * gen.RandomBelow(10) + 1, 1}; }

}  // namespace

TEST(RiverDeal, FillsItsRectanglesAndIsTheGamesDeal) {
  FakePlatform platform;
  TVelmor game{platform, "/app/"};
  for (uint32_t state : {0u, 7u, 12345u, 4294967295u})
    for (bool hard : {true, false}) {
      Generator gen;
      gen.GeneratorState = 99;
      BoardState board;
      DealRivers(board, gen, true);  // an earlier game's tiles must all go
      gen.GeneratorState = state;
      DealRivers(board, gen, hard);
      const int tiles = hard ? RiversHardTiles : RiversEasyTiles;
      EXPECT_EQ(board.TilesLeft, tiles);
      std::set<std::tuple<int, int, int>> places;
      for (int t = 1; t <= TileTotal; ++t) {
        const Place& p = board.TilePlace[t];
        if (t > tiles) {
          EXPECT_TRUE(p.empty()) << t;
          continue;
        }
        const bool inside = hard ? p.column >= 6 && p.column <= 28 : p.column >= 4 && p.column <= 30;
        EXPECT_TRUE(inside && p.column % 2 == 0 && p.row >= 5 && p.row <= 15 && p.row % 2 == 1) << t;
        EXPECT_EQ(p.layer, hard && t > 72 ? 2 : 1) << t;
        EXPECT_EQ(board.BoardGrid.at(p), t);
        places.insert({p.column, p.row, p.layer});
      }
      EXPECT_EQ(places.size(), static_cast<size_t>(tiles));
      // The column is drawn before the row.
      Generator first;
      first.GeneratorState = state;
      const int column = hard ? 2 * first.RandomBelow(12) + 6 : 2 * first.RandomBelow(14) + 4;
      EXPECT_EQ(board.TilePlace[1], (Place{column, 2 * first.RandomBelow(6) + 5, 1}));

      game.FourRivers(hard, state);
      EXPECT_TRUE(game.Current.Board.BoardGrid == board.BoardGrid) << state << (hard ? " hard" : " easy");
      EXPECT_EQ(game.Current.Board.TilePlace, board.TilePlace);
      EXPECT_EQ(game.Current.Board.TilesLeft, tiles);
    }
}

TEST(RiverPath, AgreesWithABreadthFirstSearchAndKeepsToTheRule) {
  int found = 0, checked = 0;
  for (uint32_t state = 1; state <= 80; ++state) {
    Generator gen;
    gen.GeneratorState = state * 7919u;
    BoardState board;
    const bool dealt = state % 2 == 0, hard = state % 4 == 0;
    if (dealt) {
      DealRivers(board, gen, hard);
      for (int k = 0; k < 30; ++k) board.TakeTile(gen.RandomBelow(hard ? 144 : 84) + 1);  // holes
    } else {
      // Loose tiles over the whole board, up to its border, some boards sparse and some crowded.
      const int count = 10 + gen.RandomBelow(120);
      for (int t = 1; t <= count; ++t)
        if (const Place p = RandomCell(gen); board.BoardGrid.at(p) == 0) board.PutTile(t, p);
    }
    std::vector<int> onBoard;
    for (int t = 1; t <= TileTotal; ++t)
      if (!board.TilePlace[t].empty()) onBoard.push_back(t);
    for (int k = 0; k < 400; ++k) {
      const int a = onBoard[gen.RandomBelow(static_cast<int>(onBoard.size()))];
      const int b = onBoard[gen.RandomBelow(static_cast<int>(onBoard.size()))];
      const Place pa = board.TilePlace[a], pb = board.TilePlace[b];
      if (a == b || pa.layer != pb.layer) continue;
      const RiverPath path = FindRiverPath(board.BoardGrid, pa, pb);
      ASSERT_EQ(path.found, TwoBendPath(board.BoardGrid, pa, pb)) << "state " << state << ": " << a << "-" << b;
      if (path.found) {
        ASSERT_EQ(SlideFault(board.BoardGrid, pa, pb, path.slide), "") << "state " << state << ": " << a << "-" << b;
        ++found;
      } else {
        EXPECT_TRUE(path.slide.empty());
      }
      ++checked;
    }
    {
      std::vector<std::pair<int, int>> expected;
      for (int a = 1; a <= TileTotal; ++a)
        for (int b = a + 1; b <= TileTotal; ++b)
          if (MatchGroup(a) == MatchGroup(b) && TwoBendPath(board.BoardGrid, board.TilePlace[a], board.TilePlace[b]))
            expected.push_back({a, b});
      EXPECT_EQ(ReachablePairs(board), expected) << "state " << state;
      EXPECT_EQ(CountReachablePairs(board), static_cast<int>(expected.size()));
      EXPECT_EQ(FirstReachablePair(board), expected.empty() ? std::nullopt : std::optional(expected.front()));
      EXPECT_EQ(RiversDeadEnd(board), expected.empty());
    }
  }
  EXPECT_GT(found, 1000);
  EXPECT_GT(checked - found, 1000);
}

TEST(RiverPath, ReachesUpToTheBorderButNeverWithThreeBends) {
  BoardState board;
  auto put = [&](int tile, int c, int r) { board.PutTile(tile, {c, r, 1}); };
  auto joined = [&](int a, int b) {
    return FindRiverPath(board.BoardGrid, board.TilePlace[a], board.TilePlace[b]).found;
  };
  put(1, 10, 9);
  put(2, 12, 9);  // side by side
  EXPECT_TRUE(joined(1, 2));
  // Along the top, a tile between and one below the first: only round through row 1.
  put(5, 6, 3);
  put(6, 10, 3);
  put(40, 8, 3);
  put(41, 6, 5);
  EXPECT_TRUE(joined(5, 6));
  // Down the right edge, a tile between: round through column 34 would do, but no run goes there.
  put(9, 32, 7);
  put(10, 32, 11);
  put(42, 32, 9);
  put(43, 30, 7);
  put(44, 30, 11);
  EXPECT_FALSE(joined(9, 10));
  board.TakeTile(42);
  EXPECT_TRUE(joined(9, 10));

  // The first tile can only leave upwards and the second only be entered from the left: up,
  // right, down, right is three bends.
  board = BoardState{};
  put(1, 10, 9);
  put(2, 16, 13);
  for (auto [c, r] : {std::pair{8, 9}, {12, 9}, {10, 11}, {18, 13}, {16, 11}, {16, 15}})
    board.BoardGrid.set(c, r, 1, 40);  // walls, only the cells matter
  EXPECT_FALSE(joined(1, 2));
  board.BoardGrid.set(16, 11, 1, 0);  // now up, right, down
  EXPECT_TRUE(joined(1, 2));
}

TEST(RiverPath, TheFirstPathInTheGamesOrderIsTheOneSlidAlong) {
  // Right before left, and at each cell on the way the turn is tried before going on: the tile
  // comes round by the nearest turning, not by the fewest bends.
  BoardState board;
  board.PutTile(1, {10, 9, 1});
  board.PutTile(2, {14, 13, 1});
  EXPECT_EQ(FindRiverPath(board.BoardGrid, board.TilePlace[1], board.TilePlace[2]).slide,
            (std::vector<Place>{{14, 13, 1}, {12, 13, 1}, {12, 11, 1}, {12, 9, 1}}));
  board = BoardState{};
  board.PutTile(1, {16, 9, 1});
  board.PutTile(2, {16, 13, 1});
  board.PutTile(3, {16, 11, 1});
  EXPECT_EQ(FindRiverPath(board.BoardGrid, board.TilePlace[1], board.TilePlace[2]).slide,
            (std::vector<Place>{{16, 13, 1}, {18, 13, 1}, {18, 11, 1}, {18, 9, 1}}));
}

TEST(RiverPath, ADeadEndIsABoardWhereNoMatchingTwoCanBeJoined) {
  // Two pairs crossed in a square: each tile is walled in on two sides by the other pair, and
  // reaching its partner round the square takes three bends.
  BoardState board;
  board.TilesLeft = 4;
  board.PutTile(1, {10, 9, 1});
  board.PutTile(5, {12, 9, 1});
  board.PutTile(6, {10, 11, 1});
  board.PutTile(2, {12, 11, 1});
  EXPECT_TRUE(RiversDeadEnd(board));
  EXPECT_EQ(FirstReachablePair(board), std::nullopt);
  // Moving one tile out of the square opens both pairs; the hint is the lower one.
  board.TakeTile(6);
  board.PutTile(6, {14, 13, 1});
  EXPECT_FALSE(RiversDeadEnd(board));
  EXPECT_EQ(CountReachablePairs(board), 2);
  EXPECT_EQ(FirstReachablePair(board), std::optional(std::pair{1, 2}));
  board = BoardState{};
  board.TilesLeft = 0;
  EXPECT_FALSE(RiversDeadEnd(board)) << "an empty board is won, not stuck";
}

// A pair can only be joined on one layer; a shuffle that mixed the hard board's layers would
// leave pairs that can never be taken. Both shuffles keep every tile on its own layer and on the
// board's places; the winnable one leaves an order that empties the board.
TEST(FlatShuffle, KeepsEveryTileOnItsOwnLayer) {
  for (bool winnable : {false, true})
    for (uint32_t state : {1u, 7u, 12345u}) {
      BoardState board;
      Generator gen;
      gen.GeneratorState = state;
      DealRivers(board, gen, /*hard=*/true);
      // A few pairs off the upper layer first, so the layers no longer hold the same tiles.
      for (int taken = 0; taken < 6; ++taken)
        for (const auto& [a, b] : ReachablePairs(board))
          if (board.TilePlace[static_cast<size_t>(a)].layer == 2) {
            board.TakeTile(a);
            board.TakeTile(b);
            board.TilesLeft -= 2;
            break;
          }
      const BoardState was = board;
      std::set<std::tuple<int, int, int>> before, after;
      for (int t = 1; t <= 144; ++t)
        if (const Place& p = board.TilePlace[t]; !p.empty()) before.insert({p.column, p.row, p.layer});

      std::vector<Place> order;
      if (winnable)
        ASSERT_TRUE(ShuffleFlatLayers(
            board, gen, [&] { gen.GeneratorState = state + 1; }, order));
      else
        PlainShuffle(board, gen, /*sameLayer=*/true, [&] { return CountReachablePairs(board); });

      const std::string where = (winnable ? "winnable, state " : "plain, state ") + std::to_string(state);
      int moved = 0;
      for (int t = 1; t <= 144; ++t) {
        const Place& p = board.TilePlace[t];
        EXPECT_EQ(p.empty(), was.TilePlace[t].empty()) << where;
        if (p.empty()) continue;
        EXPECT_EQ(p.layer, t <= 72 ? 1 : 2) << "tile " << t << ", " << where;
        EXPECT_EQ(board.BoardGrid.at(p), t) << where;
        after.insert({p.column, p.row, p.layer});
        moved += !(p == was.TilePlace[t]);
      }
      EXPECT_EQ(after, before) << where;
      EXPECT_GT(moved, board.TilesLeft / 2) << where;
      if (winnable) {
        std::string failure;
        EXPECT_EQ(ReplayRemovals(board, order, &failure), board.TilesLeft) << failure << ", " << where;
      } else {
        EXPECT_GT(CountReachablePairs(board), 0) << where;
      }
    }
}
