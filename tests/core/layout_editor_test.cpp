// The layout editor's rules on their own: adding, taking away and moving the heap.
#include "layouts/LayoutEditor.h"

#include <gtest/gtest.h>

#include <random>

using namespace velmor;

namespace {

struct Editing {
  LayoutShape shape;
  BoardState board;
  int32_t left = 0;
  LayoutEditor editor{shape, board, left};
  Editing() { editor.Start(true); }

  bool operator==(const Editing& o) const {
    return shape == o.shape && board.BoardGrid == o.board.BoardGrid && board.TilePlace == o.board.TilePlace &&
           left == o.left;
  }
  void CopyFrom(const Editing& o) {
    shape = o.shape;
    board = o.board;
    left = o.left;
  }
  int Placed() const {
    int n = 0;
    for (int t = 1; t <= TileTotal; ++t) n += !board.TilePlace[t].empty();
    return n;
  }
  bool BlockHolds(const Place& p, int layer, int except = 0) const {
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr) {
        const int v = board.BoardGrid.at(p.column + dc, p.row + dr, layer);
        if (v && v != except) return true;
      }
    return false;
  }
  // Places, grid and shape tell the same story, tiles of one layer stand apart, and every tile
  // is either on the board or still to place.
  void ExpectConsistent() const {
    int gridTiles = 0;
    for (int l = 1; l <= AnchorLayers; ++l)
      for (int c = 0; c < GridColumns; ++c)
        for (int r = 0; r < GridRows; ++r) gridTiles += board.BoardGrid.at(c, r, l) != 0;
    EXPECT_EQ(gridTiles, Placed());
    EXPECT_EQ(shape.Count(), Placed());
    EXPECT_EQ(Placed() + left, TileTotal);
    for (int t = 1; t <= TileTotal; ++t) {
      const Place p = board.TilePlace[t];
      if (p.empty()) continue;
      ASSERT_TRUE(p.column >= 1 && p.column <= AnchorColumns && p.row >= 1 && p.row <= AnchorRows) << t;
      EXPECT_EQ(board.BoardGrid.at(p), t);
      EXPECT_EQ(shape.at(p.layer, p.row - 1, p.column - 1), 1);
      EXPECT_FALSE(BlockHolds(p, p.layer, t)) << "tile " << t << " has a neighbour closer than two cells";
    }
  }
};

// The first point of the board where a click adds at `p`, or lands on the tile at `p`.
std::optional<std::pair<int, int>> PointFor(const Grid& g, Place p, bool onTile) {
  for (int y = TileTop(p.row, p.layer); y < TileTop(p.row, p.layer) + TileBoxHeight; ++y)
    for (int x = TileLeft(p.column, p.layer); x < TileLeft(p.column, p.layer) + TileBoxWidth; ++x)
      if (onTile ? g.at(p) != 0 && WhatTileThere(g, x, y) == g.at(p) : WhatAdd(g, x, y) == p) return std::pair{x, y};
  return std::nullopt;
}

bool AddAt(Editing& e, Place p) {
  const auto xy = PointFor(e.board.BoardGrid, p, false);
  return xy && e.editor.Add(xy->first, xy->second) == p;
}
bool RemoveAt(Editing& e, Place p) {
  const auto xy = PointFor(e.board.BoardGrid, p, true);
  return xy && e.editor.Remove(xy->first, xy->second).has_value();
}

// Random clicks anywhere on the board, mostly adding.
void Build(Editing& e, std::mt19937& rng, int clicks) {
  std::uniform_int_distribution<int> x(0, (AnchorColumns + 1) * CellWidth - 1), y(0, (AnchorRows + 1) * CellHeight - 1);
  for (int i = 0; i < clicks; ++i) {
    if (rng() % 5)
      e.editor.Add(x(rng), y(rng));
    else
      e.editor.Remove(x(rng), y(rng));
  }
}

}  // namespace

TEST(LayoutEditor, NeighboursOnALayerMustBeTwoApartAndCoveredTilesStay) {
  Editing e;
  EXPECT_TRUE(AddAt(e, {10, 6, 1}));
  EXPECT_FALSE(AddAt(e, {11, 6, 1}));  // one column apart (where it can be pointed at at all)
  EXPECT_TRUE(AddAt(e, {12, 6, 1}));
  EXPECT_TRUE(AddAt(e, {11, 6, 2}));  // on top, half over both
  EXPECT_FALSE(RemoveAt(e, {10, 6, 1}));
  EXPECT_TRUE(RemoveAt(e, {11, 6, 2}));
  EXPECT_TRUE(RemoveAt(e, {10, 6, 1}));
  EXPECT_EQ(e.editor.TilesToPlace(), 143);
  EXPECT_TRUE(AddAt(e, {20, 10, 1}));
  EXPECT_EQ(e.board.BoardGrid.at(20, 10, 1), 1);  // the first free tile number comes back first
  e.ExpectConsistent();
}

TEST(LayoutEditor, RandomClicksKeepTheRules) {
  std::uniform_int_distribution<int> x(0, (AnchorColumns + 1) * CellWidth - 1), y(0, (AnchorRows + 1) * CellHeight - 1);
  int added = 0, removed = 0, coveredStayed = 0, fullRefused = 0;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    std::mt19937 rng(seed);
    Editing e;
    for (int step = 0; step < 600; ++step) {
      Editing before;
      before.CopyFrom(e);
      const int px = x(rng), py = y(rng);
      if (rng() % 5) {
        const Place want = WhatAdd(before.board.BoardGrid, px, py);
        int firstFree = 1;
        while (firstFree <= TileTotal && !before.board.TilePlace[firstFree].empty()) ++firstFree;
        const auto p = e.editor.Add(px, py);
        if (p) {
          ++added;
          EXPECT_EQ(*p, want);
          EXPECT_EQ(e.board.BoardGrid.at(*p), firstFree);
          EXPECT_EQ(e.left, before.left - 1);
        } else {
          EXPECT_TRUE(e == before);
          // Refused only when nothing is left, nothing can go there, or a neighbour is too close.
          EXPECT_TRUE(before.left == 0 || want.layer == 0 || before.BlockHolds(want, want.layer));
          fullRefused += before.left == 0 && want.layer != 0;
        }
      } else {
        const int under = WhatTileThere(before.board.BoardGrid, px, py);
        const auto gone = e.editor.Remove(px, py);
        if (gone) {
          ++removed;
          EXPECT_EQ(gone->tile, under);
          EXPECT_EQ(gone->place, before.board.TilePlace[under]);
          EXPECT_FALSE(before.BlockHolds(gone->place, gone->place.layer + 1)) << "taken from under a tile";
          EXPECT_EQ(e.left, before.left + 1);
        } else {
          EXPECT_TRUE(e == before);
          if (under) {
            EXPECT_TRUE(before.BlockHolds(before.board.TilePlace[under], before.board.TilePlace[under].layer + 1));
            ++coveredStayed;
          }
        }
      }
      e.ExpectConsistent();
      if (HasFatalFailure() || HasNonfatalFailure()) FAIL() << "seed " << seed << " step " << step;
    }
  }
  // The runs did reach every rule.
  EXPECT_GT(added, 1000);
  EXPECT_GT(removed, 100);
  EXPECT_GT(coveredStayed, 0);
  EXPECT_GT(fullRefused, 0);
}

TEST(LayoutEditor, MovingTheHeapAndBackRestoresItAndNoTileLeavesTheBoard) {
  const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    Editing start;
    Build(start, rng, 40 + static_cast<int>(rng() % 200));
    start.ExpectConsistent();
    for (const auto& d : dirs) {
      Editing e;
      e.CopyFrom(start);
      int moves = 0;
      while (e.editor.Move(d[0], d[1])) {
        ++moves;
        ASSERT_LE(moves, AnchorColumns) << "seed " << seed;
      }
      // Refused: a tile stands on the edge it would cross, and nothing changed.
      Editing edge;
      edge.CopyFrom(e);
      EXPECT_FALSE(e.editor.Move(d[0], d[1]));
      EXPECT_TRUE(e == edge);
      bool onEdge = false;
      for (int t = 1; t <= TileTotal; ++t) {
        const Place p = e.board.TilePlace[t];
        if (p.empty()) continue;
        onEdge |= d[0] < 0   ? p.column == 1
                  : d[0] > 0 ? p.column == AnchorColumns
                  : d[1] < 0 ? p.row == 1
                             : p.row == AnchorRows;
      }
      EXPECT_TRUE(onEdge) << "seed " << seed;
      e.ExpectConsistent();
      for (int i = 0; i < moves; ++i) ASSERT_TRUE(e.editor.Move(-d[0], -d[1])) << "seed " << seed;
      EXPECT_TRUE(e == start) << "seed " << seed;
    }
  }
}

TEST(LayoutEditor, StartingCountsWhatTheShapeAlreadyHolds) {
  Editing e;
  std::mt19937 rng(7);
  Build(e, rng, 120);
  const LayoutShape built = e.shape;
  e.editor.Start(false);  // editing an existing layout: its tiles are dealt again later
  EXPECT_TRUE(e.shape == built);
  EXPECT_EQ(e.editor.TilesToPlace(), TileTotal - built.Count());
  EXPECT_EQ(e.Placed(), 0);
  e.left = 0;
  EXPECT_EQ(e.editor.Recount(), TileTotal - built.Count());
  e.editor.Start(true);
  EXPECT_EQ(e.shape.Count(), 0);
  EXPECT_EQ(e.editor.TilesToPlace(), TileTotal);
}
