// Playing with the mouse: the selection table, removal and its history, undo, restart, shuffle.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BoardModels.h"
#include "TestSupport.h"
#include "board/Deal.h"
#include "shell/BoardShuffle.h"
#include "shell/FreeMoves.h"
#include "shell/ScoreAndPause.h"
#include "shell/TilePicking.h"
#include "shell/UndoPlay.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// Presses on the board, on the model that turns them into picks and pairs.
class Clicks : public BoardModels {
 protected:
  TilePicking picks{current, pictures, moves, PickHooks()};

  void SetUp() override {
    SetMode(ModeSolitaire);
    current.Board.TilesLeft = 0;
  }
  void Put(int tile, Place p) {
    current.Board.PutTile(tile, p);
    ++current.Board.TilesLeft;
  }
  // A click in the middle of the tile's face, as the window reports it.
  void Click(int tile, TilePicking::Button button = TilePicking::Button::Primary) { ClickAt(tile, 26, 25, button); }
  // A click at (dx, dy) inside the tile's picture: (2, 52) reaches a tile covered from above.
  void ClickAt(int tile, int dx, int dy, TilePicking::Button button = TilePicking::Button::Primary) {
    const Place& p = current.Board.TilePlace[tile];
    picks.Press(button, pictures.BoardOriginX + TileLeft(p.column, p.layer) + dx,
                pictures.BoardOriginY + TileTop(p.row, p.layer) + dy);
  }
  std::vector<std::string> Sounds() {
    auto s = sounds;
    sounds.clear();
    return s;
  }
  using S = std::vector<std::string>;
};

}  // namespace

TEST_F(Clicks, SelectionTableRowByRow) {
  Put(1, {4, 4, 1});
  Put(2, {10, 4, 1});
  Put(5, {16, 4, 1});
  Put(9, {22, 4, 1});
  Put(10, {22, 4, 2});  // lies on tile 9: 9 is not free

  ClickAt(9, 2, 52);  // nothing selected, not free
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_EQ(Sounds(), S{"noway.wav"});
  Click(1);  // nothing selected, free
  EXPECT_EQ(current.FirstTile, 1);
  EXPECT_EQ(Sounds(), S{"select.wav"});
  ClickAt(9, 2, 52);  // selected, other tile not free: the selection stays
  EXPECT_EQ(current.FirstTile, 1);
  EXPECT_EQ(current.SecondTile, 0);
  EXPECT_EQ(Sounds(), S{"noway.wav"});
  Click(1);  // the selected tile again: dropped
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_EQ(Sounds(), S{"select.wav"});
  Click(1);
  Sounds();
  Click(5);  // free, another group: it becomes the selection
  EXPECT_EQ(current.FirstTile, 5);
  EXPECT_EQ(current.SecondTile, 0);
  EXPECT_EQ(Sounds(), S{"select.wav"});
  Click(1);
  Click(2);  // free and matching: the pair goes
  EXPECT_EQ(Sounds(), (S{"select.wav", "done.wav"}));
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_TRUE(current.Board.TilePlace[1].empty());
  EXPECT_TRUE(current.Board.TilePlace[2].empty());
  EXPECT_EQ(current.Board.BoardGrid.at(4, 4, 1), 0);
  EXPECT_EQ(current.Board.TilesLeft, 3);
}

TEST_F(Clicks, FlowersMatchEachOtherAndTheHistoryKeepsTheOrderOfClicks) {
  Put(111, {4, 4, 1});
  Put(109, {10, 4, 1});
  Put(1, {16, 4, 1});
  Put(3, {22, 4, 1});
  Click(111);
  Click(109);
  Click(3);
  Click(1);
  ASSERT_EQ(current.History.Count, 4);
  EXPECT_EQ(current.History.Entries[0].tile, 111);  // the tile selected first comes first
  EXPECT_EQ(current.History.Entries[1].tile, 109);
  EXPECT_EQ(current.History.Entries[1].column, 10);
  EXPECT_EQ(current.History.Entries[2].tile, 3);
  EXPECT_EQ(current.History.Entries[3].tile, 1);
  EXPECT_EQ(current.Board.TilesLeft, 0);
}

TEST_F(Clicks, ClicksAreIgnoredOffTilesOutsideGamesAndWhileWaiting) {
  Put(1, {4, 4, 1});
  picks.Press(TilePicking::Button::Primary, 700, 460);  // no tile there
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_TRUE(Sounds().empty());
  for (uint8_t mode : {ModeNoGame, ModeGameOver, ModeStopped, ModePaused}) {
    SetMode(mode);
    Click(1);
    EXPECT_EQ(current.FirstTile, 0) << int(mode);
  }
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(Clicks, TheBoardAreaReachesAColumnAndARowBeforeTheOrigin) {
  // Division truncates toward zero: up to 19 pixels left and 24 above the origin still count.
  current.Board.PutTile(1, {1, 2, 1});  // its picture starts 26 pixels left of the origin
  picks.Choose(-19, 5, -19 / 20, 5 / 25, TilePicking::Button::Primary);
  EXPECT_EQ(current.FirstTile, 1);
  current.FirstTile = 0;
  picks.Choose(-21, 5, -21 / 20 - 1, 0, TilePicking::Button::Primary);  // what the window passes
  EXPECT_EQ(current.FirstTile, 0);
}

TEST_F(Clicks, SecondaryClickDropsPicksAndHintsEvenOffTiles) {
  Put(1, {4, 4, 1});
  Put(2, {10, 4, 1});
  Click(1);
  current.HintTileA = 1;
  current.HintTileB = 2;
  picks.Press(TilePicking::Button::Secondary, 700, 460);
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_EQ(current.HintTileA, 0);
  EXPECT_EQ(current.HintTileB, 0);
}

TEST_F(Clicks, MiddleClicksSelectLikePrimaryOnes) {
  Put(1, {4, 4, 1});
  Click(1, TilePicking::Button::Middle);
  EXPECT_EQ(current.FirstTile, 1);
}

TEST_F(Clicks, VerticalVariationDecidesWhichTilesMayBeTaken) {
  Put(1, {10, 6, 1});
  Put(5, {8, 6, 1});
  Put(9, {12, 6, 1});
  Put(13, {10, 4, 1});
  Put(17, {10, 8, 1});
  Click(1);
  EXPECT_EQ(current.FirstTile, 0);  // neighbours on both sides
  menus.Vertical.SetChecked(true);
  Click(1);
  EXPECT_EQ(current.FirstTile, 0);  // neighbours above and below
  current.Board.TakeTile(13);
  Click(1);
  EXPECT_EQ(current.FirstTile, 1);  // free above, whatever lies beside it
}

namespace {
// Takes `pairs` more pairs of the deal's removal order, from pair `removed` on, by pressing the
// middle of each tile's face in the board picture whose origin is (originX, originY).
void PressPairs(const std::vector<Place>& order, int& removed, int pairs, int originX, int originY,
                const std::function<void(int x, int y)>& press) {
  for (int k = 0; k < pairs; ++k, ++removed)
    for (int i = 0; i < 2; ++i) {
      const Place& p = order[static_cast<size_t>(2 * removed + i)];
      press(originX + TileLeft(p.column, p.layer) + 26, originY + TileTop(p.row, p.layer) + 25);
    }
}

class Undo : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScratchFolder dir;  // a won game writes its record
  TVelmor game{platform, dir.path()};
  std::vector<Place> order;

  void SetUp() override {
    game.Layout.Shape = TraditionalShape();
    game.Menus.Winnable.SetChecked(true);
    game.Current.GameNumber = 42;
    game.NewSpecificGame1Click();
    order = game.Current.RemovalOrder;
  }
  void RemovePairs(int pairs) {
    PressPairs(order, removed, pairs, game.Pictures.BoardOriginX, game.Pictures.BoardOriginY,
               [this](int x, int y) { game.ButtonDown(TVelmor::Button::Primary, x, y); });
  }
  int removed = 0;
};

// Back and Restart on their own model, over the same winnable deal, its pairs taken by presses.
class UndoModel : public BoardModels {
 protected:
  UndoPlay undo{platform,
                current,
                {[this] { view.RedrawAll(); }, [this] { sounds.push_back("done.wav"); }, [] {}, [] {},
                 [this](const std::string& message) { current.Status.Show(message); }}};
  ScoreAndPause clocks{platform, menus, current, pictures, ClockHooks()};
  TilePicking picks{current, pictures, moves, PickHooks()};
  std::vector<Place> order;
  int removed = 0;

  void SetUp() override {
    menus.ShowTime.SetChecked(true);  // as installed
    DealWinnable(TraditionalShape(), 42);
    current.Play.Start(GameKind::OnePlayer);
    current.Clock.StartTick = platform.TickCount();
    order = current.RemovalOrder;
  }
  void SetMode(uint8_t mode) { current.Play = PlayState::FromNumbers(mode, current.Play.ResumeNumber()); }
  void RemovePairs(int pairs) {
    PressPairs(order, removed, pairs, pictures.BoardOriginX, pictures.BoardOriginY,
               [this](int x, int y) { picks.Press(TilePicking::Button::Primary, x, y); });
  }
};
}  // namespace

TEST_F(UndoModel, BackTakesPairsBackOneByOneUntilTheDeal) {
  const Grid dealt = current.Board.BoardGrid;
  undo.Back();  // nothing removed yet
  EXPECT_TRUE(current.Board.BoardGrid == dealt);
  RemovePairs(3);
  ASSERT_EQ(current.Board.TilesLeft, 138);
  ASSERT_EQ(current.History.Count, 6);
  current.FirstTile = 5;
  current.HintTileA = 7;
  for (int k = 0; k < 3; ++k) undo.Back();
  EXPECT_TRUE(current.Board.BoardGrid == dealt);
  EXPECT_EQ(current.Board.TilesLeft, 144);
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_EQ(current.HintTileA, 0);
  for (int t = 1; t <= 144; ++t) EXPECT_EQ(current.Board.BoardGrid.at(current.Board.TilePlace[t]), t);
  undo.Back();
  EXPECT_EQ(current.Board.TilesLeft, 144);
}

// Redo takes the pairs taken back again, in turn, with the sound of a pair, until another pair is
// taken; the last pair of the game, taken again, wins it.
TEST_F(Undo, RedoTakesAgainWhatBackGaveBackUntilAnotherMove) {
  RemovePairs(3);
  const Grid afterThree = game.Current.Board.BoardGrid;
  for (int k = 0; k < 3; ++k) game.Menus.Undo1.Click();
  platform.sounds.clear();
  for (int k = 0; k < 3; ++k) game.Menus.Redo1.Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == afterThree);
  EXPECT_EQ(platform.sounds.size(), 3u);
  game.Menus.Redo1.Click();  // nothing more to take again
  EXPECT_EQ(game.Current.Board.TilesLeft, 138);

  game.Menus.Undo1.Click();
  game.Menus.Undo1.Click();
  removed = 1;
  RemovePairs(1);  // the same pair again: the redo of the next one stays
  game.Menus.RedoButton.Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == afterThree);

  // A won game cannot be taken back, so the last pair is put back by hand, as an older position
  // would hold it: taken again, it wins the game.
  removed = 3;
  RemovePairs(69);
  ASSERT_EQ(game.Current.Board.TilesLeft, 0);
  ASSERT_TRUE(game.Current.History.TakeBackPair(game.Current.Board));
  game.Current.BoardCleared = game.Current.ResultShown = false;
  SetMode(game, ModeSolitaire);
  platform.tick += 5000;
  game.Menus.Redo1.Click();
  EXPECT_EQ(game.Current.Board.TilesLeft, 0);
  EXPECT_TRUE(game.Current.BoardCleared);
}

// The menu and the toolbar offer only the commands that would act; one run anyway (its key is
// not blocked) changes nothing.
TEST_F(Undo, OnlyTheCommandsThatCanActAreEnabledInTheMenuAndOnTheToolbar) {
  const std::pair<MenuItem*, MenuItem*> commands[] = {{&game.Menus.Undo1, &game.Menus.ExplorerButton2},
                                                      {&game.Menus.Redo1, &game.Menus.RedoButton},
                                                      {&game.Menus.Restart1, &game.Menus.Restart1},
                                                      {&game.Menus.GiveHint, &game.Menus.ExplorerButton3},
                                                      {&game.Menus.Shuffle1, &game.Menus.ShuffleButton}};
  auto offered = [&] {
    std::string on;
    for (auto [entry, button] : commands) {
      EXPECT_EQ(entry->Enabled(), button->Enabled()) << entry->Name();
      if (entry->Enabled())
        on += (on.empty() ? "" : " ") + entry->Name();
      else {
        const Grid grid = game.Current.Board.BoardGrid;
        const int count = game.Current.History.Count, redoEnd = game.Current.History.RedoEnd;
        entry->Click();
        EXPECT_TRUE(game.Current.Board.BoardGrid == grid) << entry->Name();
        EXPECT_EQ(game.Current.History.Count, count) << entry->Name();
        EXPECT_EQ(game.Current.History.RedoEnd, redoEnd) << entry->Name();
      }
    }
    return on;
  };
  EXPECT_EQ(offered(), "GiveHint Shuffle1") << "after the deal";
  RemovePairs(1);
  EXPECT_EQ(offered(), "Undo1 Restart1 GiveHint Shuffle1") << "after a pair";
  game.Menus.Undo1.Click();
  EXPECT_EQ(offered(), "Redo1 GiveHint Shuffle1") << "after Back";
  game.Menus.Redo1.Click();
  EXPECT_EQ(offered(), "Undo1 Restart1 GiveHint Shuffle1") << "after Redo";
  game.Menus.Pause1.Click();
  EXPECT_EQ(offered(), "") << "while paused";
  game.Menus.Pause1.Click();
  platform.tick += 5000;
  RemovePairs(71);
  ASSERT_EQ(game.Current.Board.TilesLeft, 0);
  EXPECT_EQ(offered(), "") << "once the game is won";
}

TEST_F(Undo, AShuffleARestartOrANewDealEndRedo) {
  for (auto end : {+[](TVelmor& g) { g.Shuffle1Click(); }, +[](TVelmor& g) { g.Undo.Restart(); },
                   +[](TVelmor& g) { g.NewSpecificGame1Click(); }}) {
    removed = 0;
    game.NewSpecificGame1Click();
    RemovePairs(2);
    game.Menus.Undo1.Click();
    end(game);
    const Grid before = game.Current.Board.BoardGrid;
    game.Menus.Redo1.Click();
    EXPECT_TRUE(game.Current.Board.BoardGrid == before);
  }
}

TEST_F(UndoModel, NoBackInTwoPlayerGamesOrOnAClearedBoard) {
  RemovePairs(2);
  SetMode(ModeTwoPlayers);
  undo.Back();
  EXPECT_EQ(current.Board.TilesLeft, 140);
  SetMode(ModeRivers);  // the flat game has undo
  undo.Back();
  EXPECT_EQ(current.Board.TilesLeft, 142);
  SetMode(ModeSolitaire);
  removed = 1;
  RemovePairs(71);
  ASSERT_EQ(current.Board.TilesLeft, 0);
  undo.Back();
  undo.Restart();
  EXPECT_EQ(current.Board.TilesLeft, 0);  // a won game cannot be taken back
}

TEST_F(UndoModel, RestartPutsEveryPairBackAndResetsTheClock) {
  RemovePairs(5);
  current.Clock.PenaltySeconds = 80;
  platform.tick += 61'000;
  clocks.Beat();
  ASSERT_EQ(menus.TimeLine.Caption(), "02:21");
  undo.Restart();
  EXPECT_EQ(current.Board.TilesLeft, 144);
  EXPECT_EQ(current.History.Count, 0);
  EXPECT_EQ(current.Clock.PenaltySeconds, 0);
  EXPECT_EQ(current.Clock.StartTick, platform.tick);
  EXPECT_EQ(current.Status.Message, "Game restarted.");
  clocks.Beat();
  EXPECT_EQ(menus.TimeLine.Caption(), "00:00");
}

namespace {
std::multiset<int> Tiles(const BoardState& b) {
  std::multiset<int> s;
  for (int t = 1; t <= 144; ++t)
    if (!b.TilePlace[t].empty()) s.insert(t);
  return s;
}
}  // namespace

TEST_F(Undo, BothShufflesKeepTilesAndPlacesAndUndoStillWorks) {
  RemovePairs(4);
  const auto places = BuildPositionList(game.Current.Board.BoardGrid);
  const auto tiles = Tiles(game.Current.Board);
  const HistoryEntry last = game.Current.History.Entries[7];
  for (bool winnable : {true, false}) {
    game.Menus.Shuffable.SetChecked(winnable);
    game.Menus.ShuffleButton.Click();
    EXPECT_EQ(BuildPositionList(game.Current.Board.BoardGrid), places) << winnable;
    EXPECT_EQ(Tiles(game.Current.Board), tiles) << winnable;
    for (int t : tiles) EXPECT_EQ(game.Current.Board.BoardGrid.at(game.Current.Board.TilePlace[t]), t);
  }
  game.Back();  // the last pair returns to its old places, which nobody took
  EXPECT_EQ(game.Current.Board.BoardGrid.at(last.column, last.row, last.layer), last.tile);
  EXPECT_EQ(game.Current.Board.TilesLeft, 138);
}

namespace {
// The shuffle on its own model, over the board's models and the dealer.
class Shuffles : public BoardModels {
 protected:
  Dealer deals{platform, menus, current, layout, pictures, {[] {}, [](int) {}, [](const std::string&) {}}};
  BoardShuffle shuffles{platform,
                        menus,
                        current,
                        deals,
                        moves,
                        {[this](const std::string& message) { current.Status.Show(message); }, [this] { view.RedrawAll(); }, [] {}}};
  void SetUp() override { menus.Shuffable.SetChecked(true); }  // as installed
};
}  // namespace

TEST_F(Shuffles, ShuffleReportsTheMovesAndChargesTenSecondsEach) {
  DealWinnable(TraditionalShape(), 42);  // the deal the undo tests play
  current.Play.Start(GameKind::OnePlayer);
  shuffles.Shuffle();
  moves.Recount();
  const int n = current.Free.MovesLeft;
  ASSERT_GE(n, 2);
  EXPECT_EQ(current.Status.Message, "Tiles shuffled. " + std::to_string(n) + " new moves found.");
  EXPECT_EQ(current.Clock.PenaltySeconds, 10 * n);
  EXPECT_EQ(current.FirstTile, 0);

  SetMode(ModeTwoPlayers);
  shuffles.Shuffle();
  EXPECT_EQ(current.Clock.PenaltySeconds, 10 * n);  // no charge with two players
  SetMode(ModeRivers);
  current.Status.Show("before");
  shuffles.Shuffle();
  EXPECT_EQ(current.Status.Message, "before");  // nothing said in the flat game
  EXPECT_EQ(current.Clock.PenaltySeconds, 10 * n);
  SetMode(ModeSolitaire);
  current.BoardCleared = true;
  const Grid before = current.Board.BoardGrid;
  shuffles.Shuffle();
  EXPECT_TRUE(current.Board.BoardGrid == before);
}

TEST_F(Shuffles, MessagesForOneMoveAndForNone) {
  SetMode(ModeSolitaire);
  current.Board.PutTile(1, {4, 4, 1});
  current.Board.PutTile(2, {4, 4, 2});  // stacked: no shuffle can help
  current.Board.TilesLeft = 2;
  shuffles.Shuffle();
  EXPECT_EQ(current.Status.Message, "No moves found. Try to press Back a few times.");
  EXPECT_EQ(current.Clock.PenaltySeconds, 0);
  menus.Shuffable.SetChecked(false);  // random swaps try 101 passes, and cannot help either
  shuffles.Shuffle();
  EXPECT_EQ(current.Status.Message, "No moves found. Try to press Back a few times.");
  current.Board = BoardState{};
  current.Board.PutTile(1, {4, 4, 1});
  current.Board.PutTile(2, {10, 4, 1});
  current.Board.TilesLeft = 2;
  shuffles.Shuffle();
  EXPECT_EQ(current.Status.Message, "Tiles shuffled. 1 new move found.");
  EXPECT_EQ(current.Clock.PenaltySeconds, 10);
}

TEST(Stop, HidesTheBoardAndEndsAPause) {
  FakePlatform platform;
  TVelmor game(platform, "/app/");
  game.Layout.Shape = RowShape(8);
  game.RandomSolitaireGame1Click();
  game.PauseClick();
  game.Menus.Stoppe.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeStopped);
  EXPECT_EQ(game.Menus.PauseButton.Caption(), "Pause");
  EXPECT_EQ(platform.screen, game.Pictures.BackgroundImage);
}
