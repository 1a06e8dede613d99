// Starting games: BeginGame, the new-game commands, seeding and the animated deal.
#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace velmor;
using namespace velmor::test;

namespace {
class NewGame : public ::testing::Test {
 protected:
  FakePlatform platform;
  RecordingGame game{platform, "/nonexistent/"};
  void SetUp() override { game.Layout.Shape = TraditionalShape(); }
};
}  // namespace

TEST_F(NewGame, BeginGameResetsTheGameAndStartsTheClock) {
  SetMode(game, ModeStopped);
  game.HintIndex = 3;
  game.HintTileA = 5;
  game.FirstTile = 7;
  game.Clock.PenaltySeconds = 120;
  game.Clock.ElapsedSeconds = 50;
  game.BoardCleared = true;
  game.HoverTile = 9;
  platform.tick = 424242;
  game.BeginGame();
  EXPECT_EQ(game.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Board.TilesLeft, 144);
  EXPECT_EQ(game.Board.TileCount, 144);
  EXPECT_EQ(game.HintIndex, 0);
  EXPECT_EQ(game.HintTileA, 0);
  EXPECT_EQ(game.FirstTile, 0);
  EXPECT_EQ(game.Clock.PenaltySeconds, 0);
  EXPECT_EQ(game.Clock.ElapsedSeconds, 0);
  EXPECT_FALSE(game.BoardCleared);
  EXPECT_EQ(game.HoverTile, 0);
  EXPECT_EQ(game.Clock.StartTick, 424242u);
  EXPECT_EQ(game.Status.Message, "New game started.");
  EXPECT_GE(game.fullRedraws, 1);
  for (int l = 1; l <= 5; ++l)  // no place marker survives a deal
    for (int r = 1; r <= 20; ++r)
      for (int c = 1; c <= 34; ++c) ASSERT_NE(game.Board.BoardGrid.at(c, r, l), PlaceMarker);
}

TEST_F(NewGame, BeginGameKeepsTheEditorModeAndEndsAPause) {
  SetMode(game, ModeEditor);
  game.BeginGame();
  EXPECT_EQ(game.Play.Number(), ModeEditor);
  SetMode(game, ModePaused);
  game.Pause1.SetCaption("&Continue");
  game.PauseButton.SetCaption("Play");
  game.Pause1.SetEnabled(false);
  game.BeginGame();
  EXPECT_EQ(game.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Pause1.Caption(), "&Pause");
  EXPECT_EQ(game.PauseButton.Caption(), "Pause");
  EXPECT_TRUE(game.Pause1.Enabled());
}

TEST_F(NewGame, SpecificGamesRepeatAndAnnounceTheirNumber) {
  game.GameNumber = 31337;
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.RandomSeed1.Checked());
  EXPECT_EQ(game.Status.Message, "Specific Board started. Random Seed #31337");
  const Grid first = game.Board.BoardGrid;
  platform.timeOfDay += 999;  // the clock must not matter
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.Board.BoardGrid == first);
  game.Winnable.SetChecked(true);
  game.NewSpecificGame1Click();
  const Grid winnable = game.Board.BoardGrid;
  EXPECT_FALSE(winnable == first);
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.Board.BoardGrid == winnable);
}

// The title bar names the layout, and the deal's number when it has one.
TEST_F(NewGame, TheWindowTitleNamesTheLayoutAndTheGameNumber) {
  game.Layout.LayoutName = "Traditional";
  game.GameNumber = 12345;
  game.NewSpecificGame1Click();
  EXPECT_EQ(platform.title, "Velmor 5.21 - Traditional - game 12345");
  game.RandomSolitaireGame1Click();
  EXPECT_EQ(platform.title, "Velmor 5.21 - Traditional");
  game.FourRivers(true, 7u);
  EXPECT_EQ(platform.title, "Velmor 5.21 - Voverizo Dadazu (Hard)");
}

TEST_F(NewGame, RandomGamesAreSeededFromTheClock) {
  game.RandomSeed1.SetChecked(true);
  game.GameNumber = 5;
  game.RandomSolitaireGame1Click();
  EXPECT_FALSE(game.RandomSeed1.Checked());
  EXPECT_EQ(game.Status.Message, "New game started.");
  const Grid first = game.Board.BoardGrid;
  game.RandomSolitaireGame1Click();
  EXPECT_TRUE(game.Board.BoardGrid == first);  // same clock reading, same deal
  platform.timeOfDay += 1;
  game.RandomSolitaireGame1Click();
  EXPECT_FALSE(game.Board.BoardGrid == first);
}

TEST_F(NewGame, SpecificSwitchWithGameNumberZeroFallsBackToTheClock) {
  game.GameNumber = 0;
  game.NewSpecificGame1Click();
  EXPECT_EQ(game.Status.Message, "New game started.");
  const Grid first = game.Board.BoardGrid;
  platform.timeOfDay += 1;
  game.NewSpecificGame1Click();
  EXPECT_FALSE(game.Board.BoardGrid == first);
}

TEST_F(NewGame, RandomSpecificGameDrawsItsNumberFromTheClock) {
  platform.timeOfDay = 1;
  game.NewRandomSpecificGame1Click();
  Generator expected;
  expected.GeneratorState = 1;
  EXPECT_EQ(game.GameNumber, expected.RandomBelow(2147483647));
  EXPECT_TRUE(game.RandomSeed1.Checked());
  const Grid dealt = game.Board.BoardGrid;
  game.NewSpecificGame1Click();  // replays the number just drawn
  EXPECT_TRUE(game.Board.BoardGrid == dealt);
}

TEST_F(NewGame, AnimationDrawsEachTileButNeverASpecificGame) {
  game.Animate.SetChecked(true);
  SetMode(game, ModeSolitaire);
  game.RandomSolitaireGame1Click();
  EXPECT_EQ(game.tileRedraws.size(), 144u);
  EXPECT_EQ(platform.pacedMs, 144 * 5);  // about 5 ms a tile: slow enough to watch

  game.tileRedraws.clear();
  const int redraws = game.fullRedraws;
  game.GameNumber = 12;
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.tileRedraws.empty());
  EXPECT_EQ(game.fullRedraws, redraws + 1);  // only the final picture

  game.Winnable.SetChecked(true);
  game.RandomSolitaireGame1Click();  // winnable and animated: a picture per pair, and two more
  EXPECT_EQ(game.fullRedraws, redraws + 1 + 72 + 3);
}

TEST_F(NewGame, NoAnimationBeforeTheFirstGameOrAfterAStop) {
  game.Animate.SetChecked(true);
  for (uint8_t mode : {ModeNoGame, ModeStopped, ModeGameOver}) {
    SetMode(game, mode);
    game.Winnable.SetChecked(true);
    const int redraws = game.fullRedraws;
    game.RandomSolitaireGame1Click();
    EXPECT_EQ(game.fullRedraws, redraws + 1) << int(mode);
  }
}

TEST_F(NewGame, WinnableDealsHaveAMoveWhereRandomOnesMayNot) {
  game.Layout.Shape = RowShape(8);  // only the two end tiles are free at the start
  int stuck = 0;
  for (int number = 1; number <= 40; ++number) {
    game.GameNumber = number;
    game.Winnable.SetChecked(false);
    game.NewSpecificGame1Click();
    game.IsItFree();
    stuck += game.Free.MovesLeft == 0;
    game.Winnable.SetChecked(true);
    game.NewSpecificGame1Click();
    game.IsItFree();
    EXPECT_EQ(game.Free.MovesLeft, 1) << "game " << number;
  }
  EXPECT_GT(stuck, 0);
}

TEST_F(NewGame, UndealableWinnableShapeFallsBackToARandomDeal) {
  game.Layout.Shape = ShapeOf({{5, 5, 1}, {5, 5, 2}});
  game.Winnable.SetChecked(true);
  game.RandomSolitaireGame1Click();
  EXPECT_EQ(game.Board.TilesLeft, 2);
  EXPECT_FALSE(game.Board.TilePlace[1].empty());
  EXPECT_FALSE(game.Board.TilePlace[2].empty());
  EXPECT_EQ(game.Status.Message, "This layout cannot be dealt winnable: dealt at random.");
}

TEST_F(NewGame, NewGameStartsTheKindLastPlayed) {
  SetMode(game, ModeStopped);
  game.RandomSeed1.SetChecked(true);
  game.NewGame();
  EXPECT_EQ(game.Play.Number(), ModeSolitaire);
  EXPECT_FALSE(game.RandomSeed1.Checked());
}
