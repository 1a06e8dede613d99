// Voverizo Dadazu played: the deal starting the game, the slide, undo, the records and shuffles.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "BoardModels.h"
#include "TestSupport.h"
#include "modes/FlatGame.h"
#include "shell/DeadEnd.h"
#include "shell/FlatPlay.h"
#include "shell/FreeMoves.h"
#include "shell/ScoreAndPause.h"
#include "shell/TilePicking.h"
#include "shell/UndoPlay.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class Rivers : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScratchFolder dir;  // a won game writes its record
  TVelmor game{platform, dir.path()};

  // An empty flat board in the flat game, to place tiles by hand.
  void EmptyBoard() {
    game.FourRivers(false, 1u);
    game.Current.Board = BoardState{};
    game.Current.Board.TilesLeft = 0;
  }
  void Put(int tile, int column, int row, int layer = 1) {
    game.Current.Board.PutTile(tile, {column, row, layer});
    ++game.Current.Board.TilesLeft;
  }
  void Click(int tile) {
    const Place& p = game.Current.Board.TilePlace[tile];
    game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                    game.Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
  }
};

// The flat game's own models over a board of its own: the press, the path and its slide, the hint,
// the move count and the undo.
class FlatModels : public BoardModels {
 protected:
  FlatPlay flat{platform,
                menus,
                current,
                pictures,
                {[this](int tile) { view.RedrawTile(tile); }, [this] { view.RedrawAll(); },
                 [this](const Place& p) { return view.TileBox(p); }}};
  DeadEnd deadEnds{platform, current, [] {}, [] { return 0; }};
  ScoreAndPause clocks{platform, menus, current, pictures, ClockHooks([this] { return deadEnds.FlatMoves(); })};
  UndoPlay undo{platform, current, {[this] { view.RedrawAll(); }, [] {}, [] {}, [] {}, [](const std::string&) {}}};
  TilePicking picks{current, pictures, moves, FlatHooks()};

  TilePicking::Hooks FlatHooks() {
    TilePicking::Hooks hooks = PickHooks();
    hooks.taken = [this] { deadEnds.Check(); };
    hooks.flatReach = [this](int b, int a) { return flat.Reach(b, a); };
    return hooks;
  }
  // A deal of the flat game from generator state `state`, its counts taken.
  void Deal(bool hard, uint32_t state) {
    current.Gen.GeneratorState = state;
    DealRivers(current.Board, current.Gen, hard);
    current.Clock.Clear();
    current.HintIndex = current.HintTileA = current.HintTileB = 0;
    current.Play.Start(GameKind::Flat);
    deadEnds.Check();
  }
  // An empty flat board in the flat game, to place tiles by hand.
  void EmptyBoard() {
    current.Play.Start(GameKind::Flat);
    current.Board = BoardState{};
    current.Board.TilesLeft = 0;
  }
  void Put(int tile, int column, int row, int layer = 1) {
    current.Board.PutTile(tile, {column, row, layer});
    ++current.Board.TilesLeft;
  }
  void Click(int tile) {
    const Place& p = current.Board.TilePlace[tile];
    picks.Press(TilePicking::Button::Primary, pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
  }
};

}  // namespace

TEST_F(Rivers, EitherDealStartsTheFlatGame) {
  for (bool hard : {false, true}) {
    game.FourRivers(hard, 7u);
    EXPECT_EQ(game.Current.Play.Number(), ModeRivers);
    EXPECT_EQ(game.Layout.BoardNumber, hard ? RiversHardList : RiversEasyList);
    EXPECT_EQ(game.Current.Board.TilesLeft, hard ? 144 : 84);
    EXPECT_EQ(game.Current.Status.Message, "Voverizo Dadazu started.");
  }
}

TEST_F(FlatModels, ThePairGoesAndUndoPutsTheSlidTileBack) {
  EmptyBoard();
  menus.AnimateTileRivers.SetChecked(true);
  Put(1, 6, 5);
  Put(2, 12, 5);
  Put(20, 8, 5);
  Put(21, 10, 5);
  const RiverPath path = FindRiverPath(current.Board.BoardGrid, current.Board.TilePlace[2], current.Board.TilePlace[1]);
  platform.pacedMs = 0;
  Click(1);
  Click(2);  // over the top: the first tile slides along the path to the second one
  EXPECT_EQ(current.Board.TilesLeft, 2);
  EXPECT_EQ(current.FirstTile, 0);
  EXPECT_EQ(sounds.back(), "done.wav");
  EXPECT_EQ(platform.pacedMs, BoardPictures::RiverSlideMs * static_cast<int>(path.slide.size()));  // one step a cell
  EXPECT_FALSE(pictures.PathFound);
  ASSERT_EQ(current.History.Count, 2);
  EXPECT_EQ(current.History.Entries[0].tile, 1);
  EXPECT_EQ(current.History.Entries[0].column, 6);     // where it stood before the slide
  EXPECT_EQ(current.Board.BoardGrid.at(12, 3, 1), 0);  // nothing left on the path
  undo.Back();
  EXPECT_EQ(current.Board.TilePlace[1], (Place{6, 5, 1}));
  EXPECT_EQ(current.Board.TilePlace[2], (Place{12, 5, 1}));
  EXPECT_EQ(current.Board.BoardGrid.at(6, 5, 1), 1);
}

TEST_F(FlatModels, AnUnreachablePairMakesTheSecondTileTheSelection) {
  EmptyBoard();
  Put(1, 4, 5);
  Put(2, 30, 15);
  for (int c = 2; c <= 32; c += 2) current.Board.BoardGrid.set(c, 7, 1, 40);  // a wall across the board
  Click(1);
  Click(2);
  EXPECT_EQ(current.FirstTile, 2);
  EXPECT_EQ(sounds.back(), "select.wav");
  EXPECT_EQ(current.Board.TilePlace[1], (Place{4, 5, 1}));
}

TEST_F(Rivers, EmptyingTheBoardRecordsIntoTheRightList) {
  for (bool hard : {false, true}) {
    EmptyBoard();
    game.Layout.BoardNumber = hard ? RiversHardList : RiversEasyList;
    Put(1, 10, 9);
    Put(2, 12, 9);
    platform.tick += 200'000;
    Click(1);
    Click(2);
    game.Temps();
    EXPECT_EQ(HallOf(game, game.Layout.BoardNumber).entries[1].substr(9, 4), " 200") << hard;
  }
  EXPECT_FALSE(game.Hall.Book[RiversEasyHall].IsEmpty());
  EXPECT_FALSE(game.Hall.Book[RiversHardHall].IsEmpty());
}

TEST_F(Rivers, TheLayoutNumberSurvivesAFlatGame) {
  game.Layout.BoardNumber = 3;
  game.FourRivers(true, 1u);
  EXPECT_EQ(game.Layout.SavedLayoutNumber, 3);
  game.FourRivers(false, 2u);
  EXPECT_EQ(game.Layout.SavedLayoutNumber, 3);
  game.Menus.ExplorerButton1.Click();  // New: the flat game again, the variant last played
  EXPECT_EQ(game.Layout.BoardNumber, RiversEasyList);
  EXPECT_EQ(game.Current.Play.Number(), ModeRivers);
  game.Menus.MJRiversHard1.Click();
  EXPECT_EQ(game.Layout.BoardNumber, RiversHardList);
}

// A board with tiles left and no move: the notice comes a moment after the status line, the flat
// game's clock stands still under it, and Back takes both away.
TEST_F(Rivers, ADeadEndIsNoticedHoldsTheFlatClockAndGoesWithBack) {
  EmptyBoard();
  Put(1, 4, 5);
  Put(2, 30, 15);
  for (int c = 2; c <= 32; c += 2) game.Current.Board.BoardGrid.set(c, 7, 1, 40);  // 1 and 2 can never meet
  Put(5, 10, 11);
  Put(6, 16, 11);
  game.DeadEnds.Check();
  EXPECT_FALSE(game.DeadEnds.Stuck());
  Click(5);
  Click(6);
  ASSERT_TRUE(RiversDeadEnd(game.Current.Board));
  EXPECT_TRUE(game.DeadEnds.Stuck());
  game.Current.Clock.Update(platform.tick);
  const int held = game.Current.Clock.ElapsedSeconds;
  game.Temps();
  EXPECT_FALSE(platform.deadEndShown);  // the status line speaks first
  platform.tick += 5000;
  game.Temps();
  EXPECT_TRUE(platform.deadEndShown);
  EXPECT_EQ(game.Current.Clock.ElapsedSeconds, held);
  game.Back();
  EXPECT_FALSE(game.DeadEnds.Stuck());
  EXPECT_FALSE(platform.deadEndShown);
  platform.tick += 3000;
  game.Temps();
  EXPECT_EQ(game.Current.Clock.ElapsedSeconds, held + 3);

  // The same in the solitaire game: the last two tiles of a face stacked one on the other.
  game.Current.Board = BoardState{};
  game.Current.Board.TilesLeft = 0;
  Put(1, 10, 10, 1);
  Put(2, 10, 10, 2);
  game.Current.Play.Start(GameKind::OnePlayer);
  game.UpdateCommands();
  game.DeadEnds.Check();
  EXPECT_TRUE(game.DeadEnds.Stuck());
  platform.tick += 2000;
  game.Temps();
  EXPECT_TRUE(platform.deadEndShown);
  game.Current.Play.Stop();  // any way out of the game takes the notice away
  game.UpdateCommands();
  game.Temps();
  EXPECT_FALSE(platform.deadEndShown);
}

TEST_F(FlatModels, HintOffersAJoinablePairAndMovesLeftCountsThem) {
  menus.Moves.SetChecked(true);
  for (bool hard : {false, true}) {
    Deal(hard, 11u);
    const auto pairs = ReachablePairs(current.Board);
    clocks.WriteScore();
    EXPECT_EQ(menus.MovesLeftLine.Caption(), std::to_string(pairs.size()));
    platform.pacedMs = 0;
    for (size_t k = 0; k < std::min<size_t>(pairs.size(), 3); ++k) {
      flat.Hint();
      EXPECT_EQ((std::pair{current.HintTileA, current.HintTileB}), pairs[k]);  // each hint the next pair
    }
    EXPECT_EQ(current.Clock.PenaltySeconds, 40 * static_cast<int>(std::min<size_t>(pairs.size(), 3)));
    EXPECT_EQ(platform.pacedMs, BoardPictures::HintPathMs * static_cast<int>(std::min<size_t>(pairs.size(), 3)));
  }
}
