// The generator, the two deals and the winnable reshuffle.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestSupport.h"
#include "board/Deal.h"

using namespace velmor;
using namespace velmor::test;

TEST(Generator, KnownVectorsFromGameNumberOne) {
  Generator gen;
  gen.GeneratorState = 1;
  EXPECT_EQ(gen.RandomBelow(34), 1);
  EXPECT_EQ(gen.GeneratorState, 134775814u);
  EXPECT_EQ(gen.RandomBelow(20), 17);
  EXPECT_EQ(gen.GeneratorState, 3698175007u);
  EXPECT_EQ(gen.RandomBelow(5), 1);
  EXPECT_EQ(gen.GeneratorState, 870078620u);
}

TEST(Generator, StaysInRangeAtTheExtremes) {
  Generator gen;
  gen.GeneratorState = 0xFFFFFFFFu;
  for (int i = 0; i < 1000; ++i) {
    const int v = gen.RandomBelow(2147483647);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 2147483647);
    ASSERT_EQ(gen.RandomBelow(1), 0);
  }
}

namespace {
DealHooks SeedWith(Generator& gen, uint32_t seed) {
  DealHooks hooks;
  hooks.seed = [&gen, seed] { gen.GeneratorState = seed; };
  return hooks;
}
}  // namespace

TEST(CreateBoard, TraditionalDealsAreClearedByTheirRemovalOrder) {
  const LayoutShape shape = TraditionalShape();
  for (uint32_t game = 1; game <= 40; ++game) {
    BoardState board;
    Generator gen;
    std::vector<Place> order;
    ASSERT_TRUE(CreateBoard(board, shape, gen, SeedWith(gen, game), &order));
    ASSERT_EQ(board.TilesLeft, 144);
    ASSERT_EQ(order.size(), 144u);
    std::string why;
    EXPECT_EQ(ReplayRemovals(board, order, &why), 144) << "game " << game << ": " << why;
    // Every tile 1..144 was placed once, on a position of the shape.
    for (int t = 1; t <= 144; ++t) {
      const Place& p = board.TilePlace[t];
      ASSERT_FALSE(p.empty());
      EXPECT_EQ(board.BoardGrid.at(p), t);
      EXPECT_EQ(shape.at(p.layer, p.row - 1, p.column - 1), 1);
    }
  }
}

TEST(CreateBoard, SameGameNumberSameBoard) {
  const LayoutShape shape = TraditionalShape();
  BoardState a, b;
  Generator ga, gb;
  ASSERT_TRUE(CreateBoard(a, shape, ga, SeedWith(ga, 777), nullptr));
  ASSERT_TRUE(CreateBoard(b, shape, gb, SeedWith(gb, 777), nullptr));
  EXPECT_TRUE(a.BoardGrid == b.BoardGrid);
  BoardState c;
  Generator gc;
  ASSERT_TRUE(CreateBoard(c, shape, gc, SeedWith(gc, 778), nullptr));
  EXPECT_FALSE(a.BoardGrid == c.BoardGrid);
}

TEST(CreateBoard, ShortLayoutUsesTilesOneToN) {
  LayoutShape shape = TraditionalShape();
  int dropped = 0;  // take four tiles off layer 1
  for (auto& cell : shape.cells)
    if (cell && dropped < 4) {
      cell = 0;
      ++dropped;
    }
  ASSERT_EQ(shape.Count(), 140);
  BoardState board;
  Generator gen;
  std::vector<Place> order;
  ASSERT_TRUE(CreateBoard(board, shape, gen, SeedWith(gen, 5), &order));
  EXPECT_EQ(board.TilesLeft, 140);
  for (int t = 1; t <= 140; ++t) EXPECT_FALSE(board.TilePlace[t].empty()) << t;
  for (int t = 141; t <= 144; ++t) EXPECT_TRUE(board.TilePlace[t].empty()) << t;
  EXPECT_EQ(ReplayRemovals(board, order), 140);
}

TEST(CreateBoard, GivesUpOnAShapeThatCannotBeTakenApart) {
  // Two tiles stacked: only the top one is ever free.
  const LayoutShape shape = ShapeOf({{5, 5, 1}, {5, 5, 2}});
  BoardState board;
  Generator gen;
  EXPECT_FALSE(CreateBoard(board, shape, gen, SeedWith(gen, 1), nullptr));
}

TEST(RandomPlacement, FillsExactlyTheMarkedPositions) {
  const LayoutShape shape = TraditionalShape();
  BoardState board;
  const int n = MarkLayoutPositions(board.BoardGrid, shape);
  ASSERT_EQ(n, 144);
  Generator gen;
  std::vector<int> redrawn;
  DealHooks hooks = SeedWith(gen, 99);
  hooks.redrawTile = [&](int t) { redrawn.push_back(t); };
  RandomPlacement(board, n, gen, hooks);
  EXPECT_EQ(BuildPositionList(board.BoardGrid).size(), 144u);
  for (int t = 1; t <= 144; ++t) EXPECT_EQ(board.BoardGrid.at(board.TilePlace[t]), t);
  ASSERT_EQ(redrawn.size(), 144u);
  EXPECT_EQ(redrawn.front(), 1);
  EXPECT_EQ(redrawn.back(), 144);
}

TEST(RandomPlacement, DrawsColumnRowAndLayerInTurnFromTheGenerator) {
  const LayoutShape shape = TraditionalShape();
  for (uint32_t seed : {1u, 77u, 0xFFFFFFFFu, 2147483647u}) {
    BoardState board;
    Generator gen;
    RandomPlacement(board, MarkLayoutPositions(board.BoardGrid, shape), gen, SeedWith(gen, seed));
    // The same deal drawn the plain way, one RandomBelow at a time.
    BoardState plain;
    MarkLayoutPositions(plain.BoardGrid, shape);
    Generator g;
    g.GeneratorState = seed;
    for (int t = 1; t <= 144; ++t) {
      int c, r, l;
      do {
        c = g.RandomBelow(34) + 1;
        r = g.RandomBelow(20) + 1;
        l = g.RandomBelow(5) + 1;
      } while (plain.BoardGrid.at(c, r, l) != PlaceMarker);
      plain.PutTile(t, {c, r, l});
    }
    EXPECT_TRUE(board.BoardGrid == plain.BoardGrid) << seed;
    EXPECT_EQ(gen.GeneratorState, g.GeneratorState) << seed;
  }
}

TEST(PositionList, OrderIsLayerThenRowThenColumn) {
  Grid g;
  g.set(9, 2, 1, PlaceMarker);
  g.set(3, 4, 1, PlaceMarker);
  g.set(1, 2, 1, PlaceMarker);
  g.set(2, 1, 2, PlaceMarker);
  const auto list = BuildPositionList(g);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0], (Place{1, 2, 1}));
  EXPECT_EQ(list[1], (Place{9, 2, 1}));
  EXPECT_EQ(list[2], (Place{3, 4, 1}));
  EXPECT_EQ(list[3], (Place{2, 1, 2}));
}

namespace {
std::multiset<int> TilesOn(const BoardState& b) {
  std::multiset<int> s;
  for (int t = 1; t <= 144; ++t)
    if (!b.TilePlace[t].empty()) s.insert(t);
  return s;
}
std::vector<Place> Positions(const BoardState& b) { return BuildPositionList(b.BoardGrid); }
}  // namespace

TEST(ShuffleBoard, KeepsTilesAndPlacesAndStaysWinnable) {
  const LayoutShape shape = TraditionalShape();
  BoardState board;
  Generator gen;
  std::vector<Place> order;
  ASSERT_TRUE(CreateBoard(board, shape, gen, SeedWith(gen, 3), &order));
  // Take the first ten pairs off, as a player would.
  for (int k = 0; k < 20; ++k) board.TakeTile(board.BoardGrid.at(order[static_cast<size_t>(k)]));
  board.TilesLeft -= 20;
  const auto tilesBefore = TilesOn(board);
  const auto placesBefore = Positions(board);
  const Grid gridBefore = board.BoardGrid;

  std::vector<Place> shuffleOrder;
  DealHooks hooks = SeedWith(gen, 4242);
  int pairsDrawn = 0;
  hooks.redrawPair = [&] { ++pairsDrawn; };
  ASSERT_TRUE(ShuffleBoard(board, gen, hooks, &shuffleOrder));
  EXPECT_EQ(TilesOn(board), tilesBefore);
  EXPECT_EQ(Positions(board), placesBefore);
  EXPECT_FALSE(board.BoardGrid == gridBefore);
  EXPECT_EQ(pairsDrawn, 62);
  for (int t : tilesBefore) EXPECT_EQ(board.BoardGrid.at(board.TilePlace[t]), t);
  std::string why;
  EXPECT_EQ(ReplayRemovals(board, shuffleOrder, &why), 124) << why;
}

TEST(ShuffleBoard, TwoStackedTilesAreLeftAlone) {
  BoardState board;
  board.PutTile(7, {6, 6, 1});
  board.PutTile(8, {6, 6, 2});
  board.TilesLeft = 2;
  const BoardState before = board;
  Generator gen;
  gen.GeneratorState = 11;
  EXPECT_FALSE(ShuffleBoard(board, gen, SeedWith(gen, 1), nullptr));
  EXPECT_TRUE(board.BoardGrid == before.BoardGrid);
  EXPECT_EQ(board.TilePlace, before.TilePlace);
  EXPECT_EQ(gen.GeneratorState, 11u);  // nothing was drawn
}

TEST(ShuffleBoard, PairsNeighboursInTheSortedTileList) {
  // Four free tiles of two groups in a row: whatever the draw, each pair keeps matching tiles.
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    BoardState board;
    board.PutTile(1, {2, 4, 1});
    board.PutTile(2, {4, 4, 1});
    board.PutTile(5, {6, 4, 1});
    board.PutTile(6, {8, 4, 1});
    board.TilesLeft = 4;
    Generator gen;
    std::vector<Place> order;
    ASSERT_TRUE(ShuffleBoard(board, gen, SeedWith(gen, seed), &order));
    EXPECT_EQ(ReplayRemovals(board, order), 4) << "seed " << seed;
  }
}
