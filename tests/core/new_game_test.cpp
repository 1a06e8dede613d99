// Starting games: BeginGame, the new-game commands, seeding and the animated deal.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "modes/FlatGame.h"
#include "shell/Dealer.h"

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
  game.Current.HintIndex = 3;
  game.Current.HintTileA = 5;
  game.Current.FirstTile = 7;
  game.Current.Clock.PenaltySeconds = 120;
  game.Current.Clock.ElapsedSeconds = 50;
  game.Current.BoardCleared = true;
  game.Current.HoverTile = 9;
  platform.tick = 424242;
  game.BeginGame();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Current.Board.TilesLeft, 144);
  EXPECT_EQ(game.Current.Board.TileCount, 144);
  EXPECT_EQ(game.Current.HintIndex, 0);
  EXPECT_EQ(game.Current.HintTileA, 0);
  EXPECT_EQ(game.Current.FirstTile, 0);
  EXPECT_EQ(game.Current.Clock.PenaltySeconds, 0);
  EXPECT_EQ(game.Current.Clock.ElapsedSeconds, 0);
  EXPECT_FALSE(game.Current.BoardCleared);
  EXPECT_EQ(game.Current.HoverTile, 0);
  EXPECT_EQ(game.Current.Clock.StartTick, 424242u);
  EXPECT_EQ(game.Current.Status.Message, "New game started.");
  EXPECT_GE(game.fullRedraws, 1);
  for (int l = 1; l <= 5; ++l)  // no place marker survives a deal
    for (int r = 1; r <= 20; ++r)
      for (int c = 1; c <= 34; ++c) ASSERT_NE(game.Current.Board.BoardGrid.at(c, r, l), PlaceMarker);
}

TEST_F(NewGame, BeginGameKeepsTheEditorModeAndEndsAPause) {
  SetMode(game, ModeEditor);
  game.BeginGame();
  EXPECT_EQ(game.Current.Play.Number(), ModeEditor);
  SetMode(game, ModePaused);
  game.Menus.Pause1.SetCaption("&Continue");
  game.Menus.PauseButton.SetCaption("Play");
  game.Menus.Pause1.SetEnabled(false);
  game.BeginGame();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Menus.Pause1.Caption(), "&Pause");
  EXPECT_EQ(game.Menus.PauseButton.Caption(), "Pause");
  EXPECT_TRUE(game.Menus.Pause1.Enabled());
}

TEST_F(NewGame, SpecificGamesRepeatAndAnnounceTheirNumber) {
  game.Current.GameNumber = 31337;
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.Menus.RandomSeed1.Checked());
  EXPECT_EQ(game.Current.Status.Message, "Specific Board started. Random Seed #31337");
  const Grid first = game.Current.Board.BoardGrid;
  platform.timeOfDay += 999;  // the clock must not matter
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == first);
  game.Menus.Winnable.SetChecked(true);
  game.NewSpecificGame1Click();
  const Grid winnable = game.Current.Board.BoardGrid;
  EXPECT_FALSE(winnable == first);
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == winnable);
}

// The title bar names the layout, and the deal's number when it has one.
TEST_F(NewGame, TheWindowTitleNamesTheLayoutAndTheGameNumber) {
  game.Layout.LayoutName = "Traditional";
  game.Current.GameNumber = 12345;
  game.NewSpecificGame1Click();
  EXPECT_EQ(platform.title, "Velmor 5.21 - Traditional - game 12345");
  game.RandomSolitaireGame1Click();
  EXPECT_EQ(platform.title, "Velmor 5.21 - Traditional");
  game.FourRivers(true, 7u);
  EXPECT_EQ(platform.title, "Velmor 5.21 - Voverizo Dadazu (Hard)");
}

TEST_F(NewGame, RandomGamesAreSeededFromTheClock) {
  game.Menus.RandomSeed1.SetChecked(true);
  game.Current.GameNumber = 5;
  game.RandomSolitaireGame1Click();
  EXPECT_FALSE(game.Menus.RandomSeed1.Checked());
  EXPECT_EQ(game.Current.Status.Message, "New game started.");
  const Grid first = game.Current.Board.BoardGrid;
  game.RandomSolitaireGame1Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == first);  // same clock reading, same deal
  platform.timeOfDay += 1;
  game.RandomSolitaireGame1Click();
  EXPECT_FALSE(game.Current.Board.BoardGrid == first);
}

TEST_F(NewGame, SpecificSwitchWithGameNumberZeroFallsBackToTheClock) {
  game.Current.GameNumber = 0;
  game.NewSpecificGame1Click();
  EXPECT_EQ(game.Current.Status.Message, "New game started.");
  const Grid first = game.Current.Board.BoardGrid;
  platform.timeOfDay += 1;
  game.NewSpecificGame1Click();
  EXPECT_FALSE(game.Current.Board.BoardGrid == first);
}

TEST_F(NewGame, RandomSpecificGameDrawsItsNumberFromTheClock) {
  platform.timeOfDay = 1;
  game.NewRandomSpecificGame1Click();
  Generator expected;
  expected.GeneratorState = 1;
  EXPECT_EQ(game.Current.GameNumber, expected.RandomBelow(2147483647));
  EXPECT_TRUE(game.Menus.RandomSeed1.Checked());
  const Grid dealt = game.Current.Board.BoardGrid;
  game.NewSpecificGame1Click();  // replays the number just drawn
  EXPECT_TRUE(game.Current.Board.BoardGrid == dealt);
}

TEST_F(NewGame, AnimationDrawsEachTileButNeverASpecificGame) {
  game.Menus.Animate.SetChecked(true);
  SetMode(game, ModeSolitaire);
  game.RandomSolitaireGame1Click();
  EXPECT_EQ(game.tileRedraws.size(), 144u);
  EXPECT_EQ(platform.pacedMs, 144 * 5);  // about 5 ms a tile: slow enough to watch

  game.tileRedraws.clear();
  const int redraws = game.fullRedraws;
  game.Current.GameNumber = 12;
  game.NewSpecificGame1Click();
  EXPECT_TRUE(game.tileRedraws.empty());
  EXPECT_EQ(game.fullRedraws, redraws + 1);  // only the final picture

  game.Menus.Winnable.SetChecked(true);
  game.RandomSolitaireGame1Click();  // winnable and animated: a picture per pair, and two more
  EXPECT_EQ(game.fullRedraws, redraws + 1 + 72 + 3);
}

TEST_F(NewGame, NoAnimationBeforeTheFirstGameOrAfterAStop) {
  game.Menus.Animate.SetChecked(true);
  for (uint8_t mode : {ModeNoGame, ModeStopped, ModeGameOver}) {
    SetMode(game, mode);
    game.Menus.Winnable.SetChecked(true);
    const int redraws = game.fullRedraws;
    game.RandomSolitaireGame1Click();
    EXPECT_EQ(game.fullRedraws, redraws + 1) << int(mode);
  }
}

// The dealer on its own, over the menus, a game state, the layout and the pictures.
TEST(Dealing, WinnableDealsHaveAMoveWhereRandomOnesMayNot) {
  FakePlatform platform;
  GameMenus menus;
  GameState game;
  LayoutInPlay layout;
  BoardPictures pictures;
  Dealer dealer(platform, menus, game, layout, pictures, {[] {}, [](int) {}, [](const std::string&) {}});
  layout.Shape = RowShape(8);  // only the two end tiles are free at the start
  game.Play = PlayState::FromNumbers(ModeSolitaire, ModeSolitaire);
  menus.RandomSeed1.SetChecked(true);
  auto movesLeft = [&] {
    game.Free.Recount(game.Board.TileCount, [&](int t) { return TileFreeIn(game.Play, game.Board, t, false); });
    return game.Free.MovesLeft;
  };
  int stuck = 0;
  for (int number = 1; number <= 40; ++number) {
    game.GameNumber = number;
    menus.Winnable.SetChecked(false);
    dealer.Deal();
    stuck += movesLeft() == 0;
    menus.Winnable.SetChecked(true);
    dealer.Deal();
    EXPECT_EQ(movesLeft(), 1) << "game " << number;
  }
  EXPECT_GT(stuck, 0);
}

TEST(Dealing, UndealableWinnableShapeFallsBackToARandomDeal) {
  FakePlatform platform;
  GameMenus menus;
  GameState current;
  LayoutInPlay layout;
  BoardPictures pictures;
  std::string said;
  Dealer dealer(platform, menus, current, layout, pictures,
                {[] {}, [](int) {}, [&](const std::string& message) { said = message; }});
  layout.Shape = ShapeOf({{5, 5, 1}, {5, 5, 2}});
  menus.Winnable.SetChecked(true);
  dealer.Deal();
  EXPECT_EQ(current.Board.TilesLeft, 2);
  EXPECT_FALSE(current.Board.TilePlace[1].empty());
  EXPECT_FALSE(current.Board.TilePlace[2].empty());
  EXPECT_EQ(said, "This layout cannot be dealt winnable: dealt at random.");
}

TEST_F(NewGame, NewGameStartsTheKindLastPlayed) {
  SetMode(game, ModeStopped);
  game.Menus.RandomSeed1.SetChecked(true);
  game.NewGame();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_FALSE(game.Menus.RandomSeed1.Checked());
}
