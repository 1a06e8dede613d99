// Free-tile tests on tile numbers, move counting, hints and the vertical variation option.
#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "TestSupport.h"
#include "board/FreeTiles.h"
#include "modes/FlatGame.h"
#include "shell/FreeMoves.h"

using namespace velmor;
using namespace velmor::test;

namespace {
// The free tiles, the move count and the hint of the game in progress, on the model that keeps them.
class Play : public ::testing::Test {
 protected:
  GameMenus menus;
  GameState current;
  int fullRedraws = 0;
  std::optional<std::pair<int, int>> keeping;  // what the solver's watch would offer
  int flatHints = 0;
  FreeMoves moves{menus, current, {[this] { ++fullRedraws; }, [this] { return keeping; }, [this] { ++flatHints; }}};
  void SetUp() override {
    SetMode(ModeSolitaire);
    current.Board.TileCount = 144;
  }
  void SetMode(uint8_t mode) { current.Play = PlayState::FromNumbers(mode, current.Play.ResumeNumber()); }
  // Tiles in a row on layer 1, each with its own row so none blocks another's sides.
  void LoneTiles(std::initializer_list<int> tiles) {
    int row = 2;
    for (int t : tiles) {
      current.Board.PutTile(t, {10, row, 1});
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
  current.Board.PutTile(1, {10, 6, 1});
  current.Board.PutTile(2, {8, 6, 1});
  current.Board.PutTile(3, {12, 6, 1});
  moves.Recount();
  EXPECT_EQ(current.Free.FreeCount, 2);  // the middle tile is boxed in
  menus.Vertical.SetChecked(true);
  moves.Recount();
  EXPECT_EQ(current.Free.FreeCount, 3);
  EXPECT_EQ(current.Free.MovesLeft, 2);
}

TEST_F(Play, IsItFreeKeepsTheLastCountOutsideSolitaireGames) {
  LoneTiles({1, 2});
  moves.Recount();
  ASSERT_EQ(current.Free.MovesLeft, 1);
  current.Board.TakeTile(2);
  for (uint8_t mode : {ModeNoGame, ModeRivers, ModeEditor, ModeGameOver, ModeStopped, ModePaused}) {
    SetMode(mode);
    moves.Recount();
    EXPECT_EQ(current.Free.MovesLeft, 1) << int(mode);
  }
  SetMode(ModeTwoPlayers);
  moves.Recount();
  EXPECT_EQ(current.Free.MovesLeft, 0);
}

// The model's rules are the one above for the game in progress.
TEST_F(Play, DispoIsTheFreeTileRuleOfTheGameInProgress) {
  current.Board.PutTile(1, {10, 6, 1});
  current.Board.PutTile(2, {10, 6, 2});  // covers tile 1
  EXPECT_FALSE(moves.Free(1));
  EXPECT_TRUE(moves.Free(2));
  EXPECT_FALSE(moves.FreeVertical(1));
  SetMode(ModeEditor);
  EXPECT_TRUE(moves.Free(1));
}

TEST_F(Play, HintsCycleThroughMovesAndCostFortySecondsEach) {
  LoneTiles({1, 2, 3, 4});
  moves.Recount();
  const std::pair<int, int> expected[] = {{1, 2}, {2, 3}, {3, 4}, {1, 2}};
  int penalty = 0;
  for (auto [a, b] : expected) {
    const int redraws = fullRedraws;
    moves.Hint();
    penalty += 40;
    EXPECT_EQ(current.HintTileA, a);
    EXPECT_EQ(current.HintTileB, b);
    EXPECT_EQ(current.Clock.PenaltySeconds, penalty);
    EXPECT_EQ(fullRedraws, redraws + 1);
  }
  EXPECT_EQ(current.HintIndex, 1);
}

TEST_F(Play, HintsDoNothingOutsideTheOnePlayerGamesOrWithoutMoves) {
  LoneTiles({1, 2});
  moves.Recount();
  for (uint8_t mode : {ModeTwoPlayers, ModeEditor, ModePaused}) {
    SetMode(mode);
    moves.Hint();
    EXPECT_EQ(current.HintTileA, 0) << int(mode);
    EXPECT_EQ(current.Clock.PenaltySeconds, 0) << int(mode);
  }
  SetMode(ModeSolitaire);
  current.Board.TakeTile(2);
  moves.Recount();  // the last count found no move
  moves.Hint();
  EXPECT_EQ(current.HintTileA, 0);
  EXPECT_EQ(current.Clock.PenaltySeconds, 0);
}

TEST_F(Play, HintRecountsBeforeShowingAndStopsWhenTheBoardChanged) {
  LoneTiles({1, 2});
  moves.Recount();
  current.Board.TakeTile(1);  // the count still says one move; the board has none
  moves.Hint();
  EXPECT_EQ(current.HintTileA, 0);
  EXPECT_EQ(current.Clock.PenaltySeconds, 0);
  EXPECT_EQ(current.Free.MovesLeft, 0);
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
