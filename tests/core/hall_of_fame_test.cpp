// The Hall of Fame lists, their file, and how games end.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "modes/HallOfFame.h"
#include "shell/IniFile.h"
#include "shell/SidePanel.h"

using namespace velmor;
using namespace velmor::test;

TEST(HallList, FillersRankingAndTies) {
  HallList list;
  EXPECT_EQ(list.entries[1], "---       300    0");
  EXPECT_EQ(list.entries[10], "---       840    0");
  EXPECT_TRUE(list.IsEmpty());

  HallList a;
  EXPECT_EQ(a.Add("Ann", 299, 0), 1);
  EXPECT_EQ(a.entries[1], "Ann       299    0");
  EXPECT_EQ(a.entries[2], FillerEntry(1));   // the old first place moves down
  EXPECT_EQ(a.entries[10], FillerEntry(9));  // and the old tenth drops out
  EXPECT_FALSE(a.IsEmpty());

  HallList b;
  EXPECT_EQ(b.Add("Bo", 300, 0), 2);  // same time and malus as the filler: the older stays ahead
  HallList c;
  EXPECT_EQ(c.Add("Cy", 300, 40), 2);
  EXPECT_EQ(c.Add("Di", 300, 0), 2);  // a smaller malus passes an equal time (not the filler)
  EXPECT_EQ(c.entries[3], "Cy        300   40");

  HallList d;
  EXPECT_EQ(d.Add("Eve", 840, 0), 0);  // equal to the tenth: nothing to insert
  EXPECT_TRUE(d.IsEmpty());
}

TEST(HallList, NamesAreCutOrPaddedToEight) {
  EXPECT_EQ(MakeHallEntry("Alexandra", 61, 40), "Alexandr   61   40");
  EXPECT_EQ(MakeHallEntry("Bob", 1, 0), "Bob         1    0");
  int t = 0, m = 0;
  EXPECT_TRUE(EntryTime("Bob         1   40", t));
  EXPECT_TRUE(EntryMalus("Bob         1   40", m));
  EXPECT_EQ(t, 1);
  EXPECT_EQ(m, 40);
  EXPECT_FALSE(EntryReadable("Bob        1x    0"));
  EXPECT_FALSE(EntryReadable("Bob"));
  EXPECT_TRUE(EntryReadable(FillerEntry(7)));
}

namespace {

class Ending : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  TVelmor game{platform, dir.path()};

  void SetUp() override {
    // "Two Step": tiles 1 and 2 side by side, so one pair wins the game.
    dir.Write("Layouts/Two Step.lay", FormatLayFile("Two Step", ShapeOf({{4, 4, 1}, {10, 4, 1}})));
    dir.Write("Layouts/Wide.lay", FormatLayFile("Wide", RowShape(8)));
    ASSERT_TRUE(game.BuildLayoutList());
    game.Hall.Load();
    game.Listed.Entries.Entry(1)->Click();
    ASSERT_EQ(game.Current.Board.TilesLeft, 2);
  }
  void ClickTile(int tile) {
    const Place& p = game.Current.Board.TilePlace[tile];
    game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                    game.Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
  }
  // Plays the only pair after `seconds` and lets the heartbeat notice the empty board.
  void WinAfter(int seconds) {
    platform.tick += static_cast<uint32_t>(seconds) * 1000;
    ClickTile(1);
    ClickTile(2);
    ASSERT_EQ(game.Current.Board.TilesLeft, 0);
    game.Temps();
  }
  std::string HallFile() {
    std::string text, error;
    ReadWholeFile(dir.path() + "Hallfame.ini", text, error);
    return text;
  }
};

}  // namespace

TEST_F(Ending, AWinWithoutTimeTrackingIsCongratulatedAndStops) {
  game.Menus.EnableHall.SetChecked(false);
  WinAfter(425);
  EXPECT_EQ(game.Current.Status.Message, "Congratulations !! You WON !");
  EXPECT_EQ(game.Current.Play.Number(), ModeStopped);
  EXPECT_EQ(platform.helpShown, 0);
  EXPECT_TRUE(HallOf(game, 1).IsEmpty());
}

TEST_F(Ending, AFastWinEntersTheHallOfFameAndOpensItsPage) {
  game.CurrentPlayer = "Zoe";
  game.Current.Clock.PenaltySeconds = 0;
  bool labelSeen = false;
  platform.onHelp = [&] {
    labelSeen = game.Help.HallLabel1 == "You reached rank #1, Zoe !" && game.Help.NewRecordLook &&
                game.Help.ActivePage == HelpPage::GoHall;
    game.HallTab.NameChange("Zoe Q");  // the player corrects the name on the page
  };
  WinAfter(125);
  EXPECT_EQ(game.Current.Status.Message, "You WON ! Your time is : 02:05");
  EXPECT_EQ(platform.helpShown, 1);
  EXPECT_TRUE(labelSeen);
  EXPECT_EQ(game.Current.Play.Number(), ModeGameOver);  // the help window's resume lands on the game's end
  EXPECT_EQ(HallOf(game, 1).entries[1], "Zoe Q     125    0");
  EXPECT_EQ(game.ReachedRank, 1);
  // The record is on disk already, under the layout's name without spaces.
  const std::string file = HallFile();
  EXPECT_NE(file.find("[TwoStep]"), std::string::npos);
  EXPECT_NE(file.find("Rank1=Zoe Q     125    0"), std::string::npos);
  EXPECT_NE(file.find("[Rivers]"), std::string::npos);
  EXPECT_EQ(file.find("[Wide]"), std::string::npos);  // an empty list writes no section
}

TEST_F(Ending, ATimeEqualToTheTenthIsNotRecorded) {
  WinAfter(840);
  EXPECT_EQ(game.Current.Status.Message, "You WON ! Your time is : 14:00");
  EXPECT_EQ(platform.helpShown, 0);
  EXPECT_TRUE(HallOf(game, 1).IsEmpty());
  ASSERT_TRUE(game.Listed.Entries.Entry(1)->Checked());
  game.Listed.Entries.Entry(1)->Click();
  WinAfter(839);
  EXPECT_EQ(platform.helpShown, 1);
  EXPECT_EQ(game.ReachedRank, 10);
}

TEST_F(Ending, TwoPlayersAreTimedPairByPairAndTheFasterWins) {
  game.Listed.Entries.Entry(2)->Click();  // eight tiles in a row: four pairs
  game.Menus.Winnable.SetChecked(true);
  game.Menus.TwoPlayerGame1.Click();
  ASSERT_EQ(game.Current.Play.Number(), ModeTwoPlayers);
  EXPECT_EQ(game.Current.Status.Message, "Two-Player Solitaire started.");
  const std::vector<Place> order = game.Current.RemovalOrder;
  const int thinking[] = {10, 8, 12, 9};  // player 1, 2, 1, 2
  for (int k = 0; k < 4; ++k) {
    platform.tick += static_cast<uint32_t>(thinking[k]) * 1000;
    for (int i = 0; i < 2; ++i) {
      const Place& p = order[static_cast<size_t>(2 * k + i)];
      game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                      game.Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
    }
    EXPECT_EQ(game.Current.Turns.Player2Turn, k % 2 == 0) << k;  // each pair hands the turn over
  }
  EXPECT_EQ(game.Current.Turns.Player1Millis, 22000);
  EXPECT_EQ(game.Current.Turns.Player2Millis, 17000);
  game.Temps();
  EXPECT_EQ(game.Current.Status.Message, "Player 2 WON ! Congratulations !");
  EXPECT_EQ(game.Current.Play.Number(), ModeGameOver);
  EXPECT_TRUE(HallOf(game, 2).IsEmpty());  // two-player games are not recorded
  EXPECT_EQ(platform.helpShown, 0);
}

TEST_F(Ending, EqualThinkingTimesAreADraw) {
  game.TwoPlayers();
  platform.tick += 5000;
  game.TurnChange();
  platform.tick += 5000;
  game.TurnChange();
  game.Current.Board.TilesLeft = 0;
  game.GameOver();
  EXPECT_EQ(game.Current.Status.Message, "Same score for both players !");
}

TEST_F(Ending, TheTwoPlayerPanelBlinksThePlayerToMove) {
  game.TwoPlayers();
  platform.texts.clear();
  platform.tick = 10'200;  // first half of a second: the player to move is not lit
  game.Temps();
  auto drew = [&](const std::string& text) {
    for (const auto& t : platform.texts)
      if (t.text == text) return true;
    return false;
  };
  EXPECT_FALSE(drew("PLAY 1"));
  EXPECT_TRUE(drew("PLAY 2"));
  platform.texts.clear();
  platform.tick = 10'700;
  game.Temps();
  EXPECT_TRUE(drew("PLAY 1"));
  EXPECT_TRUE(drew("PLAY 2"));
}

TEST_F(Ending, ResettingAListErasesItsSectionAtShutdownButRiversAlwaysStay) {
  WinAfter(100);
  ASSERT_NE(HallFile().find("[TwoStep]"), std::string::npos);
  game.HallTab.ResetClick(0);  // confirmed
  EXPECT_TRUE(HallOf(game, 1).IsEmpty());
  EXPECT_EQ(platform.questions.back().caption, "Please confirm...");
  EXPECT_TRUE(game.Panel.Stale);
  game.HallTab.ResetClick(game.Listed.Layouts.Count());  // the easy flat game's list
  ASSERT_TRUE(game.Hall.Save());
  const std::string file = HallFile();
  EXPECT_EQ(file.find("[TwoStep]"), std::string::npos);
  EXPECT_NE(file.find("[Rivers]\r\nRank1=---       300    0"), std::string::npos);
  EXPECT_NE(file.find("[Rivers2]"), std::string::npos);
}

// The side panel on its own, over the menus, the game, the pictures, the layout and the records.
TEST(SidePanelHall, ListsTheLayoutInPlayWhenShown) {
  FakePlatform platform;
  BackgroundWriter writer(false);
  FolderPaths folders;
  LayoutLibrary layouts;
  layouts.Add({"Two Step", "Two Step.lay", "/nowhere/", false});
  HallRecords hall(platform, writer, folders, layouts);
  GameMenus menus;
  GameState game;
  BoardPictures pictures;
  LayoutInPlay layout;
  layout.BoardNumber = 1;
  SidePanel panel(platform, menus, game, pictures, layout, hall);
  menus.ShowHallFame.SetChecked(true);
  hall.Book[HallKeyOf(layouts, 1)].Add("Mia", 61, 0);
  panel.ShowHall(0);
  ASSERT_GE(platform.texts.size(), 22u);
  EXPECT_EQ(platform.texts[0].text, "HALL OF");
  EXPECT_EQ(platform.texts[0].y, 70);  // 50 - (-20)
  EXPECT_EQ(platform.texts[2].text, "Mia     ");
  EXPECT_EQ(platform.texts[3].text, "01:01");
  EXPECT_EQ(platform.texts[3].colour, Rgb(0, 255, 255));
  menus.ShowHallFame.SetChecked(false);
  platform.texts.clear();
  panel.ShowHall(0);
  EXPECT_TRUE(platform.texts.empty());
}

TEST_F(Ending, HelpPausesTheGameAndTakesATypedGameNumber) {
  platform.tick += 30'000;
  game.Temps();
  platform.onHelp = [&] {
    EXPECT_EQ(game.Current.Play.Number(), ModePaused);
    platform.tick += 600'000;  // ten minutes reading
    game.RandomSeedChange("777");
  };
  game.Menus.Contents1.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Current.GameNumber, 777);
  game.Temps();
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "00:30");
  platform.onHelp = [&] { game.RandomSeedChange("0"); };  // not a game number: ignored
  game.Menus.RandomSeed1.Click();
  EXPECT_EQ(game.Current.GameNumber, 777);
  EXPECT_EQ(game.Help.ActivePage, HelpPage::GoOptions);

  game.TwoPlayers();
  const int shown = platform.helpShown;
  game.Menus.Contents1.Click();  // not during a two-player game
  EXPECT_EQ(platform.helpShown, shown);
  game.Stop();
  game.Menus.About1.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeStopped);  // closing the help window does not revive a stopped game
}

TEST_F(Ending, TogglingThePanelWhilePausedKeepsTheBoardHidden) {
  game.Pictures.BackgroundImage.Fill({0, 0, 704, 468}, Rgb(0, 128, 128));
  game.PauseClick();
  game.Menus.ShowHallFame.Click();
  EXPECT_EQ(platform.screen, game.Pictures.BackgroundImage);
  game.Menus.ShowHallFame.Click();
  EXPECT_EQ(platform.screen, game.Pictures.BackgroundImage);
  game.PauseClick();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_FALSE(platform.screen == game.Pictures.BackgroundImage);
}
