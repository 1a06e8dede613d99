// The picks on their own: every way a click can land, over every pair of tile numbers.
#include <gtest/gtest.h>

#include "board/Tiles.h"
#include "modes/Selection.h"

using namespace velmor;
using Outcome = Selection::Outcome;

TEST(Selection, EveryClickLeavesThePicksTheRulesAskFor) {
  for (int a = 1; a <= TileTotal; ++a) {
    Selection refusedFirst;
    EXPECT_EQ(refusedFirst.Click(a, false).outcome, Outcome::Refused);
    EXPECT_EQ(refusedFirst.FirstTile, 0);

    Selection dropped;
    ASSERT_EQ(dropped.Click(a, true).outcome, Outcome::Picked);
    const Selection::Result again = dropped.Click(a, true);
    EXPECT_EQ(again.outcome, Outcome::Dropped);
    EXPECT_EQ(again.released, a);
    EXPECT_EQ(dropped.FirstTile, 0);

    for (int b = 1; b <= TileTotal; ++b) {
      if (b == a) continue;
      Selection s;
      s.Click(a, true);
      EXPECT_EQ(s.Click(b, false).outcome, Outcome::Refused);
      EXPECT_EQ(s.FirstTile, a);
      EXPECT_EQ(s.SecondTile, 0);

      const Selection::Result second = s.Click(b, true);
      if (TilesMatch(a, b)) {
        ASSERT_EQ(second.outcome, Outcome::Pair) << a << " " << b;
        EXPECT_EQ(s.FirstTile, a);
        EXPECT_EQ(s.SecondTile, b);
        // A pair no path joins: the second tile carries on as the pick.
        const Selection::Result repicked = s.Repick();
        EXPECT_EQ(repicked.outcome, Outcome::Repicked);
        EXPECT_EQ(repicked.released, a);
      } else {
        ASSERT_EQ(second.outcome, Outcome::Repicked) << a << " " << b;
        EXPECT_EQ(second.released, a);
      }
      EXPECT_EQ(s.FirstTile, b);
      EXPECT_EQ(s.SecondTile, 0);
    }
  }
}
