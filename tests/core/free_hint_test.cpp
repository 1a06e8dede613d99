// Free-tile tests on tile numbers, move counting, hints and the vertical variation option.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "board/FreeTiles.h"
#include "modes/FlatGame.h"

using namespace velmor;
using namespace velmor::test;

namespace {
class Play : public ::testing::Test {
 protected:
  FakePlatform platform;
  RecordingGame game{platform, "/nonexistent/"};
  void SetUp() override {
    SetMode(game, ModeSolitaire);
    game.Current.Board.TileCount = 144;
  }
  // Tiles in a row on layer 1, each with its own row so none blocks another's sides.
  void LoneTiles(std::initializer_list<int> tiles) {
    int row = 2;
    for (int t : tiles) {
      game.Current.Board.PutTile(t, {10, row, 1});
      row += 2;
    }
  }
};

// The free-tile rule and the move count on a board of their own, in the one-player game.
class FreeTileCount : public ::testing::Test {
 protected:
  BoardState board;
  PlayState play = PlayState::FromNumbers(ModeSolitaire, ModeSolitaire);
  FreeTiles free;
  void SetUp() override { board.TileCount = 144; }
  void LoneTiles(std::initializer_list<int> tiles) {
    int row = 2;
    for (int t : tiles) {
      board.PutTile(t, {10, row, 1});
      row += 2;
    }
  }
  bool Free(int tile, bool vertical = false) const { return TileFreeIn(play, board, tile, vertical); }
  void Recount() {
    free.Recount(board.TileCount, [this](int t) { return Free(t); });
  }
};

TEST_F(FreeTileCount, CountsFreeTilesAndNeighbourMoves) {
  LoneTiles({1, 2, 3, 4});
  Recount();
  EXPECT_EQ(free.FreeCount, 4);
  EXPECT_EQ(free.MovesLeft, 3);  // four free tiles of a group count three moves
}

TEST_F(FreeTileCount, FlowersCountAsOneMoveAndGroupBordersAsNone) {
  LoneTiles({109, 112, 4, 5});
  board.PutTile(110, {20, 4, 1});  // flowers 110 and 111 are blocked on both sides
  board.PutTile(111, {24, 4, 1});
  board.PutTile(57, {18, 4, 1});
  board.PutTile(58, {22, 4, 1});
  board.PutTile(59, {26, 4, 1});
  Recount();
  ASSERT_EQ(free.FreeCount, 6);  // 4, 5, 57, 59, 109, 112
  EXPECT_EQ(free.FreeList[1], 4);
  EXPECT_EQ(free.FreeList[5], 109);
  EXPECT_EQ(free.FreeList[6], 112);
  EXPECT_EQ(free.MovesLeft, 2);  // 57-59 (group 14) and 109-112; 4 and 5 differ
}

TEST_F(FreeTileCount, EverythingIsFreeInRiversAndEditorButNotRemovedTiles) {
  board.PutTile(1, {10, 6, 1});
  board.PutTile(2, {10, 6, 2});  // covers tile 1
  EXPECT_FALSE(Free(1));
  EXPECT_FALSE(Free(50));  // never on the board
  EXPECT_FALSE(Free(50, true));
  play = PlayState::FromNumbers(ModeRivers, ModeRivers);
  EXPECT_TRUE(Free(1));
  EXPECT_TRUE(Free(1, true));
  play = PlayState::FromNumbers(ModeEditor, ModeEditor);
  EXPECT_TRUE(Free(1));
  EXPECT_TRUE(Free(50));
}

}  // namespace

TEST_F(Play, IsItFreeUsesTheVerticalRuleWhenChecked) {
  game.Current.Board.PutTile(1, {10, 6, 1});
  game.Current.Board.PutTile(2, {8, 6, 1});
  game.Current.Board.PutTile(3, {12, 6, 1});
  game.IsItFree();
  EXPECT_EQ(game.Current.Free.FreeCount, 2);  // the middle tile is boxed in
  game.Menus.Vertical.SetChecked(true);
  game.IsItFree();
  EXPECT_EQ(game.Current.Free.FreeCount, 3);
  EXPECT_EQ(game.Current.Free.MovesLeft, 2);
}

TEST_F(Play, IsItFreeKeepsTheLastCountOutsideSolitaireGames) {
  LoneTiles({1, 2});
  game.IsItFree();
  ASSERT_EQ(game.Current.Free.MovesLeft, 1);
  game.Current.Board.TakeTile(2);
  for (uint8_t mode : {ModeNoGame, ModeRivers, ModeEditor, ModeGameOver, ModeStopped, ModePaused}) {
    SetMode(game, mode);
    game.IsItFree();
    EXPECT_EQ(game.Current.Free.MovesLeft, 1) << int(mode);
  }
  SetMode(game, ModeTwoPlayers);
  game.IsItFree();
  EXPECT_EQ(game.Current.Free.MovesLeft, 0);
}

// The game's Dispo and Dispo_Vertical are the rule above for the game in progress.
TEST_F(Play, DispoIsTheFreeTileRuleOfTheGameInProgress) {
  game.Current.Board.PutTile(1, {10, 6, 1});
  game.Current.Board.PutTile(2, {10, 6, 2});  // covers tile 1
  EXPECT_FALSE(game.Dispo(1));
  EXPECT_TRUE(game.Dispo(2));
  EXPECT_FALSE(game.Dispo_Vertical(1));
  SetMode(game, ModeEditor);
  EXPECT_TRUE(game.Dispo(1));
}

TEST_F(Play, HintsCycleThroughMovesAndCostFortySecondsEach) {
  LoneTiles({1, 2, 3, 4});
  game.IsItFree();
  const std::pair<int, int> expected[] = {{1, 2}, {2, 3}, {3, 4}, {1, 2}};
  int penalty = 0;
  for (auto [a, b] : expected) {
    const int redraws = game.fullRedraws;
    game.Hint();
    penalty += 40;
    EXPECT_EQ(game.Current.HintTileA, a);
    EXPECT_EQ(game.Current.HintTileB, b);
    EXPECT_EQ(game.Current.Clock.PenaltySeconds, penalty);
    EXPECT_EQ(game.fullRedraws, redraws + 1);
  }
  EXPECT_EQ(game.Current.HintIndex, 1);
}

TEST_F(Play, HintsDoNothingOutsideTheOnePlayerGamesOrWithoutMoves) {
  LoneTiles({1, 2});
  game.IsItFree();
  for (uint8_t mode : {ModeTwoPlayers, ModeEditor, ModePaused}) {
    SetMode(game, mode);
    game.Hint();
    EXPECT_EQ(game.Current.HintTileA, 0) << int(mode);
    EXPECT_EQ(game.Current.Clock.PenaltySeconds, 0) << int(mode);
  }
  SetMode(game, ModeSolitaire);
  game.Current.Board.TakeTile(2);
  game.IsItFree();  // the last count found no move
  game.Hint();
  EXPECT_EQ(game.Current.HintTileA, 0);
  EXPECT_EQ(game.Current.Clock.PenaltySeconds, 0);
}

TEST_F(Play, HintRecountsBeforeShowingAndStopsWhenTheBoardChanged) {
  LoneTiles({1, 2});
  game.IsItFree();
  game.Current.Board.TakeTile(1);  // the count still says one move; the board has none
  game.Hint();
  EXPECT_EQ(game.Current.HintTileA, 0);
  EXPECT_EQ(game.Current.Clock.PenaltySeconds, 0);
  EXPECT_EQ(game.Current.Free.MovesLeft, 0);
}

class VerticalOption : public ::testing::Test {
 protected:
  FakePlatform platform;
  RecordingGame game{platform, "/nonexistent/"};
  void SetUp() override { game.Layout.Shape = RowShape(8); }
};

TEST_F(VerticalOption, CancelKeepsTheGameAndTheOption) {
  game.BeginGame();
  const Grid before = game.Current.Board.BoardGrid;
  platform.confirmAnswers = {false};
  game.VerticalClick();
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].caption, "Vertical variation");
  EXPECT_EQ(platform.questions[0].text,
            "If you want to change the game mode, you'll have to restart your game. Do you wish "
            "to continue ?");
  EXPECT_FALSE(game.Menus.Vertical.Checked());
  EXPECT_TRUE(game.Current.Board.BoardGrid == before);
}

TEST_F(VerticalOption, OkDealsANewGameThenToggles) {
  game.BeginGame();
  game.Current.Clock.PenaltySeconds = 80;
  platform.timeOfDay += 1;  // a different clock seed gives a different deal
  game.VerticalClick();
  EXPECT_TRUE(game.Menus.Vertical.Checked());
  EXPECT_EQ(game.Current.Clock.PenaltySeconds, 0);  // a new game was dealt
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
}

TEST_F(VerticalOption, TogglesAtOnceWithoutAGameAndIgnoresOtherModes) {
  for (uint8_t mode : {ModeNoGame, ModeGameOver, ModeStopped}) {
    SetMode(game, mode);
    const bool before = game.Menus.Vertical.Checked();
    game.VerticalClick();
    EXPECT_NE(game.Menus.Vertical.Checked(), before) << int(mode);
  }
  for (uint8_t mode : {ModeTwoPlayers, ModeRivers, ModeEditor, ModePaused}) {
    SetMode(game, mode);
    const bool before = game.Menus.Vertical.Checked();
    game.VerticalClick();
    EXPECT_EQ(game.Menus.Vertical.Checked(), before) << int(mode);
  }
  EXPECT_TRUE(platform.questions.empty());
}
