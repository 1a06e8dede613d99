// Voverizo Dadazu: the deal, the two-bend path search, the slide, undo and the records.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "TestSupport.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class Rivers : public ::testing::Test {
 protected:
  FakePlatform platform;
  TVelmor game{platform, "/app/"};

  // An empty flat board in the flat game, to place tiles by hand.
  void EmptyBoard() {
    game.FourRivers(false, 1u);
    game.Board = BoardState{};
    game.Board.TilesLeft = 0;
  }
  void Put(int tile, int column, int row, int layer = 1) {
    game.Board.PutTile(tile, {column, row, layer});
    ++game.Board.TilesLeft;
  }
  void Click(int tile) {
    const Place& p = game.Board.TilePlace[tile];
    game.ButtonDown(TVelmor::Button::Primary, game.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                    game.BoardOriginY + TileTop(p.row, p.layer) + 25);
  }
};

// Every path of at most three straight segments through empty places of one layer, found by a
// breadth-first search over (place, heading, bends); places run over the even columns 2..32 and
// the odd rows 1..19, where the flat game's border lies.
bool TwoBendPath(const Grid& g, Place from, Place to) {
  if (from.layer != to.layer) return false;
  struct State {
    int c, r, dir, bends;
  };
  const int dc[] = {2, -2, 0, 0}, dr[] = {0, 0, 2, -2};
  std::set<std::tuple<int, int, int, int>> seen;
  std::deque<State> queue;
  for (int d = 0; d < 4; ++d) queue.push_back({from.column, from.row, d, 0});
  while (!queue.empty()) {
    const State s = queue.front();
    queue.pop_front();
    const int c = s.c + dc[s.dir], r = s.r + dr[s.dir];
    if (c < 2 || c > 32 || r < 1 || r > 19) continue;
    if (c == to.column && r == to.row) return true;
    if (g.at(c, r, from.layer) != 0) continue;
    for (int d = 0; d < 4; ++d) {
      const int bends = s.bends + (d != s.dir);
      if (bends > 2 || (d != s.dir && (d / 2) == (s.dir / 2))) continue;  // no turning back
      if (seen.insert({c, r, d, bends}).second) queue.push_back({c, r, d, bends});
    }
  }
  return false;
}

}  // namespace

TEST_F(Rivers, EasyAndHardDealsFillTheirRectangles) {
  game.FourRivers(false, 7u);
  EXPECT_EQ(game.GameMode, ModeRivers);
  EXPECT_EQ(game.BoardNumber, RiversEasyList);
  EXPECT_EQ(game.Board.TilesLeft, 84);
  EXPECT_EQ(game.StatusMessage, "Voverizo Dadazu started.");
  std::set<std::pair<int, int>> places;
  for (int t = 1; t <= 84; ++t) {
    const Place& p = game.Board.TilePlace[t];
    EXPECT_EQ(p.layer, 1);
    EXPECT_TRUE(p.column >= 4 && p.column <= 30 && p.column % 2 == 0) << p.column;
    EXPECT_TRUE(p.row >= 5 && p.row <= 15 && p.row % 2 == 1) << p.row;
    places.insert({p.column, p.row});
  }
  EXPECT_EQ(places.size(), 84u);
  for (int t = 85; t <= 144; ++t) EXPECT_TRUE(game.Board.TilePlace[t].empty());

  game.FourRivers(true, 7u);
  EXPECT_EQ(game.BoardNumber, RiversHardList);
  EXPECT_EQ(game.Board.TilesLeft, 144);
  for (int t = 1; t <= 144; ++t) {
    const Place& p = game.Board.TilePlace[t];
    EXPECT_EQ(p.layer, t <= 72 ? 1 : 2);
    EXPECT_TRUE(p.column >= 6 && p.column <= 28);
    EXPECT_EQ(game.Board.BoardGrid.at(p), t);
  }
  // The column is drawn before the row: state 7 gives the first tile this place.
  Generator g;
  g.GeneratorState = 7;
  const int column = 2 * g.RandomBelow(12) + 6, row = 2 * g.RandomBelow(6) + 5;
  EXPECT_EQ(game.Board.TilePlace[1], (Place{column, row, 1}));
}

TEST_F(Rivers, PathsOfUpToTwoBends) {
  EmptyBoard();
  Put(1, 10, 9);
  Put(2, 12, 9);  // side by side
  EXPECT_TRUE(game.CanBeReached(1, 2));
  // Top row, tiles between: up to row 3, across, down.
  Put(5, 6, 5);
  Put(6, 10, 5);
  Put(20, 8, 5);
  EXPECT_TRUE(game.CanBeReached(5, 6));
  // Left column, tiles between: round through column 2.
  Put(9, 4, 7);
  Put(10, 4, 11);
  Put(21, 4, 9);
  EXPECT_TRUE(game.CanBeReached(9, 10));
  // Three bends needed: a tile boxed in except a winding way.
  EmptyBoard();
  Put(1, 10, 9);
  Put(2, 16, 13);
  for (auto [c, r] : {std::pair{8, 9}, {12, 9}, {10, 11}, {14, 13}, {18, 13}, {16, 11}, {16, 15}})
    Put(40, c, r);  // a wall of one tile number; only the cells matter here
  game.Board.BoardGrid.set(10, 7, 1, 0);  // a way out upwards from tile 1
  EXPECT_FALSE(game.CanBeReached(1, 2));
  EXPECT_FALSE(TwoBendPath(game.Board.BoardGrid, game.Board.TilePlace[1], game.Board.TilePlace[2]));
}

TEST_F(Rivers, TheSearchAgreesWithAnIndependentOneOnManyBoards) {
  game.AnimateTileRivers.SetChecked(false);
  int reachable = 0, checked = 0;
  for (uint32_t state = 1; state <= 40; ++state) {
    game.FourRivers(state % 2 == 0, state * 7919u);
    Generator g;
    g.GeneratorState = state;
    const int tiles = state % 2 == 0 ? 144 : 84;
    for (int k = 0; k < 30; ++k) game.Board.TakeTile(g.RandomBelow(tiles) + 1);  // holes
    for (int a = 1; a <= tiles; ++a)
      for (int b = a + 1; b <= tiles; ++b) {
        const Place pa = game.Board.TilePlace[a], pb = game.Board.TilePlace[b];
        if (MatchGroup(a) != MatchGroup(b) || pa.empty() || pb.empty() || pa.layer != pb.layer) continue;
        const bool expected = TwoBendPath(game.Board.BoardGrid, pa, pb);
        ASSERT_EQ(game.CanBeReached(a, b), expected) << "state " << state << ": " << a << "-" << b;
        ASSERT_EQ(game.Board.TilePlace[b], pb);  // without the animation nothing moves
        reachable += expected;
        ++checked;
      }
  }
  EXPECT_GT(reachable, 100);
  EXPECT_GT(checked, reachable);
}

TEST_F(Rivers, ThePairGoesAndUndoPutsTheSlidTileBack) {
  EmptyBoard();
  game.AnimateTileRivers.SetChecked(true);
  Put(1, 6, 5);
  Put(2, 12, 5);
  Put(20, 8, 5);
  Put(21, 10, 5);
  Click(1);
  Click(2);  // over the top: the first tile slides along the path to the second one
  EXPECT_EQ(game.Board.TilesLeft, 2);
  EXPECT_EQ(game.FirstTile, 0);
  EXPECT_EQ(platform.sounds.back(), "done.wav");
  EXPECT_GT(platform.pacedMs, 0);  // the slide was shown step by step
  ASSERT_EQ(game.HistoryCount, 2);
  EXPECT_EQ(game.MoveHistory[0].tile, 1);
  EXPECT_EQ(game.MoveHistory[0].column, 6);  // where it stood before the slide
  EXPECT_EQ(game.Board.BoardGrid.at(12, 3, 1), 0);  // nothing left on the path
  game.Back();
  EXPECT_EQ(game.Board.TilePlace[1], (Place{6, 5, 1}));
  EXPECT_EQ(game.Board.TilePlace[2], (Place{12, 5, 1}));
  EXPECT_EQ(game.Board.BoardGrid.at(6, 5, 1), 1);
}

TEST_F(Rivers, AnUnreachablePairMakesTheSecondTileTheSelection) {
  EmptyBoard();
  Put(1, 4, 5);
  Put(2, 30, 15);
  for (int c = 2; c <= 32; c += 2) game.Board.BoardGrid.set(c, 7, 1, 40);  // a wall across the board
  Click(1);
  Click(2);
  EXPECT_EQ(game.FirstTile, 2);
  EXPECT_EQ(platform.sounds.back(), "select.wav");
  EXPECT_EQ(game.Board.TilePlace[1], (Place{4, 5, 1}));
}

TEST_F(Rivers, EmptyingTheBoardRecordsIntoTheRightList) {
  for (bool hard : {false, true}) {
    EmptyBoard();
    game.BoardNumber = hard ? RiversHardList : RiversEasyList;
    Put(1, 10, 9);
    Put(2, 12, 9);
    platform.tick += 200'000;
    Click(1);
    Click(2);
    game.Temps();
    EXPECT_EQ(game.HallOfFame[static_cast<size_t>(game.BoardNumber)].entries[1].substr(9, 4), " 200") << hard;
  }
  EXPECT_FALSE(game.HallOfFame[RiversEasyList].IsEmpty());
  EXPECT_FALSE(game.HallOfFame[RiversHardList].IsEmpty());
}

TEST_F(Rivers, TheLayoutNumberSurvivesAFlatGame) {
  game.BoardNumber = 3;
  game.FourRivers(true, 1u);
  EXPECT_EQ(game.SavedLayoutNumber, 3);
  game.FourRivers(false, 2u);
  EXPECT_EQ(game.SavedLayoutNumber, 3);
  game.ExplorerButton1.Click();  // New: the flat game again, the variant last played
  EXPECT_EQ(game.BoardNumber, RiversEasyList);
  EXPECT_EQ(game.GameMode, ModeRivers);
  game.MJRiversHard1.Click();
  EXPECT_EQ(game.BoardNumber, RiversHardList);
}

TEST_F(Rivers, ShufflesKeepEveryTileOnItsOwnLayer) {
  // A pair can only be joined on one layer; a shuffle that mixed the hard board's layers would
  // leave pairs that can never be taken.
  for (bool winnable : {false, true})
    for (uint32_t state : {1u, 7u, 12345u}) {
      game.Shuffable.SetChecked(winnable);
      game.AnimateTileRivers.SetChecked(false);
      game.FourRivers(true, state);
      // Take a few pairs first so the layers no longer match each other.
      for (int taken = 0, a = 73; a <= 144 && taken < 6; ++a)
        for (int b = a + 1; b <= 144; ++b)
          if (MatchGroup(a) == MatchGroup(b) && !game.Board.TilePlace[a].empty() &&
              !game.Board.TilePlace[b].empty() && game.CanBeReached(a, b)) {
            Click(a);
            Click(b);
            ++taken;
            break;
          }
      const int left = game.Board.TilesLeft;
      std::set<std::tuple<int, int, int>> before, after;
      std::vector<Place> was(game.Board.TilePlace.begin(), game.Board.TilePlace.end());
      for (int t = 1; t <= 144; ++t)
        if (const Place& p = game.Board.TilePlace[t]; !p.empty()) before.insert({p.column, p.row, p.layer});

      game.Shuffle1Click();

      int moved = 0;
      for (int t = 1; t <= 144; ++t) {
        const Place& p = game.Board.TilePlace[t];
        if (p.empty()) continue;
        EXPECT_EQ(p.layer, t <= 72 ? 1 : 2) << "tile " << t << (winnable ? " winnable" : " random") << " state " << state;
        EXPECT_EQ(game.Board.BoardGrid.at(p), t);
        after.insert({p.column, p.row, p.layer});
        moved += !(p == was[t]);
      }
      EXPECT_EQ(after, before);
      EXPECT_EQ(game.Board.TilesLeft, left);
      EXPECT_GT(moved, left / 2);
      if (winnable) {
        EXPECT_EQ(game.RemovalOrder.size(), static_cast<size_t>(left));
        std::string failure;
        EXPECT_EQ(ReplayRemovals(game.Board, game.RemovalOrder, &failure), left) << failure;
      }
    }
}
