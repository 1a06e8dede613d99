// Tiles, faces, the grid and its hit tests and free rule.
#include <gtest/gtest.h>

#include <set>

#include "board/Grid.h"
#include "board/Tiles.h"

using namespace velmor;

TEST(Tiles, MatchingFollowsGroupsOnly) {
  EXPECT_TRUE(TilesMatch(109, 112));   // two different flowers
  EXPECT_TRUE(TilesMatch(113, 116));   // two different seasons
  EXPECT_FALSE(TilesMatch(108, 109));  // last dot and first flower: groups 26 and 27
  EXPECT_FALSE(TilesMatch(37, 37));    // a tile never matches itself
  EXPECT_FALSE(TilesMatch(4, 5));
  EXPECT_EQ(MatchGroup(1), 0);
  EXPECT_EQ(MatchGroup(144), 35);
}

TEST(Tiles, FaceOfTileTable) {
  const std::pair<int, int> expected[] = {{1, 1},    {36, 9},   {37, 10},  {108, 27}, {109, 28},
                                          {116, 35}, {117, 36}, {128, 38}, {129, 39}, {144, 42}};
  for (auto [tile, face] : expected) EXPECT_EQ(FaceOfTile(tile), face) << "tile " << tile;
  // Every group shows one face, except the flowers and seasons whose four tiles differ.
  for (int g = 0; g < 36; ++g) {
    std::set<int> faces;
    for (int t = 4 * g + 1; t <= 4 * g + 4; ++t) faces.insert(FaceOfTile(t));
    EXPECT_EQ(faces.size(), (g == 27 || g == 28) ? 4u : 1u) << "group " << g;
  }
}

TEST(Tiles, FaceCellsAreDistinctAndLeaveThreeSheetCellsFree) {
  std::set<std::pair<int, int>> used;
  for (int f = 1; f <= FaceTotal; ++f) {
    const SheetCell cell = FaceCell(f);
    EXPECT_GE(cell.column, 0);
    EXPECT_LE(cell.column, 8);
    EXPECT_GE(cell.row, 0);
    EXPECT_LE(cell.row, 4);
    EXPECT_TRUE(used.insert({cell.column, cell.row}).second) << "face " << f;
  }
  for (auto unused : {std::pair{8, 3}, std::pair{7, 4}, std::pair{8, 4}}) EXPECT_FALSE(used.count(unused));
  EXPECT_EQ(FaceCell(19).column, 0);  // dots lead the sheet
  EXPECT_EQ(FaceCell(19).row, 0);
  EXPECT_EQ(FaceCell(39).column, 4);  // winds follow the seasons on row 3
  EXPECT_EQ(FaceCell(36).column, 4);  // dragons follow the flowers on row 4
  EXPECT_EQ(FaceCell(36).row, 4);
}

TEST(Geometry, CoordFunctionsAgreeWithTheTileBox) {
  for (int l = 1; l <= 5; ++l)
    for (int c = 1; c <= 34; c += 11)
      for (int r = 1; r <= 20; r += 7) {
        EXPECT_EQ(CoordX(c - 1, l - 1, 36) - 6, 36 + TileLeft(c, l));
        EXPECT_EQ(CoordY(r - 1, l - 1, 25), 25 + TileTop(r, l));
      }
  EXPECT_EQ(CoordX(0, 0, 0), -20);
  EXPECT_EQ(CoordY(0, 0, 0), -40);
}

TEST(Grid, ReadsOutsideTheStoredRangeAreEmpty) {
  Grid g;
  g.set(0, 0, 0, 7);
  EXPECT_EQ(g.at(0, 0, 0), 7);
  EXPECT_EQ(g.at(-1, 5, 1), 0);
  EXPECT_EQ(g.at(38, 5, 1), 0);
  EXPECT_EQ(g.at(5, 23, 1), 0);
  EXPECT_EQ(g.at(5, 5, 6), 0);
  g.set(40, 40, 40, 9);  // ignored, not a write past the table
}

// With both origins 0, tile (5,5,1) paints x 54..99, y 60..115.
TEST(WhatTileThere, HigherLayerWinsThenLeftColumnThenLowerRow) {
  Grid g;
  g.set(5, 5, 1, 10);
  g.set(5, 5, 2, 20);
  EXPECT_EQ(WhatTileThere(g, 70, 70), 20);
  EXPECT_EQ(WhatTileThere(g, 0, 0), 0);
  EXPECT_EQ(WhatTileThere(g, 54, 114), 10);  // only the lower layer reaches this corner

  Grid side;
  side.set(5, 5, 1, 1);
  side.set(7, 5, 1, 2);                       // two columns to the right: 6 pixels overlap
  EXPECT_EQ(WhatTileThere(side, 96, 80), 1);  // the left tile is drawn last
  EXPECT_EQ(WhatTileThere(side, 101, 80), 2);

  Grid stacked;
  stacked.set(5, 5, 1, 1);
  stacked.set(5, 7, 1, 2);  // two rows lower: 6 pixels overlap
  EXPECT_EQ(WhatTileThere(stacked, 70, 112), 2);
  EXPECT_EQ(WhatTileThere(stacked, 70, 105), 1);
}

TEST(WhatTileThere, BoxEdgesAreHalfOpen) {
  Grid g;
  g.set(5, 5, 1, 3);
  EXPECT_EQ(WhatTileThere(g, 54, 60), 3);
  EXPECT_EQ(WhatTileThere(g, 53, 60), 0);
  EXPECT_EQ(WhatTileThere(g, 99, 115), 3);
  EXPECT_EQ(WhatTileThere(g, 100, 80), 0);
  EXPECT_EQ(WhatTileThere(g, 70, 116), 0);
}

TEST(WhatAdd, NeedsSupportToClimbAndReturnsNothingOffTheBoard) {
  Grid g;
  EXPECT_EQ(WhatAdd(g, 70, 70), (Place{5, 5, 1}));
  EXPECT_EQ(WhatAdd(g, -200, -200), (Place{}));
  g.set(5, 5, 1, 1);
  EXPECT_EQ(WhatAdd(g, 70, 70), (Place{5, 5, 2}));  // the tile below supports layer 2
  g.set(5, 5, 2, 2);
  EXPECT_EQ(WhatAdd(g, 70, 70).layer, 3);
  // A half-tile offset on the upper layer is supported too: one of the nine cells is a tile.
  Grid h;
  h.set(5, 5, 1, 1);
  EXPECT_EQ(WhatAdd(h, 90, 70), (Place{6, 5, 2}));
}

class FreeRule : public ::testing::Test {
 protected:
  Grid g;
  bool Free(int c, int r, int l, bool vertical = false) { return IsFreeAt(g, c, r, l, vertical); }
};

TEST_F(FreeRule, BlockedOnBothSidesUntilOneSideClears) {
  g.set(10, 6, 1, 1);
  g.set(8, 7, 1, 2);   // two columns left, one row lower
  g.set(12, 5, 1, 3);  // two columns right, one row higher
  EXPECT_FALSE(Free(10, 6, 1));
  g.set(8, 7, 1, 0);
  EXPECT_TRUE(Free(10, 6, 1));
  g.set(8, 7, 1, 2);
  g.set(12, 5, 1, 0);
  EXPECT_TRUE(Free(10, 6, 1));
  g.set(11, 7, 2, 4);  // a tile above, one column and one row off: half covering
  EXPECT_FALSE(Free(10, 6, 1));
}

TEST_F(FreeRule, NeighboursTwoRowsOffOrThreeColumnsOffDoNotBlockSides) {
  g.set(10, 6, 1, 1);
  g.set(8, 8, 1, 2);   // two rows down: not on the side
  g.set(13, 6, 1, 3);  // three columns right: not on the side
  g.set(7, 6, 1, 5);   // three columns left
  EXPECT_TRUE(Free(10, 6, 1));
}

TEST_F(FreeRule, TopLayerOnlyLooksAtTheSides) {
  g.set(10, 6, 5, 1);
  EXPECT_TRUE(Free(10, 6, 5));
  g.set(8, 6, 5, 2);
  g.set(12, 6, 5, 3);
  EXPECT_FALSE(Free(10, 6, 5));
  g.set(12, 6, 5, 0);
  EXPECT_TRUE(Free(10, 6, 5));
}

TEST_F(FreeRule, VerticalVariationLooksAboveAndBelow) {
  g.set(10, 6, 1, 1);
  g.set(8, 6, 1, 2);
  g.set(12, 6, 1, 3);
  EXPECT_FALSE(Free(10, 6, 1, false));
  EXPECT_TRUE(Free(10, 6, 1, true));  // side neighbours do not count here
  g.set(9, 4, 1, 4);                  // two rows above, one column left
  EXPECT_TRUE(Free(10, 6, 1, true));
  g.set(11, 8, 1, 5);  // two rows below, one column right
  EXPECT_FALSE(Free(10, 6, 1, true));
  g.set(9, 4, 1, 0);
  g.set(10, 6, 2, 6);  // nothing above is still required
  EXPECT_FALSE(Free(10, 6, 1, true));
}

TEST_F(FreeRule, EdgesOfTheGridAndPlaceMarkers) {
  g.set(1, 1, 1, 1);
  g.set(3, 1, 1, 2);
  EXPECT_TRUE(Free(1, 1, 1));   // the left side lies outside the grid
  EXPECT_FALSE(Free(0, 1, 1));  // place 0 is never a tile
  g.set(5, 1, 1, PlaceMarker);
  EXPECT_FALSE(Free(3, 1, 1));  // an unfilled position blocks like a tile
}
