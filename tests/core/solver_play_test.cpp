// The solver in play: the background watch, hints that keep the game winnable, and the demo.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "BoardModels.h"
#include "TestSupport.h"
#include "modes/WinnabilityWatch.h"
#include "shell/FreeMoves.h"
#include "shell/SolverPlay.h"
#include "shell/TilePicking.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// Four tiles of one face (tiles 1-4 are the same face): 1 under 2 in a stack, 3 and 4 side by side.
// Taking 3 and 4 first leaves the stacked two, which can never be taken.
BoardState StackTrap(PairHistory& history) {
  BoardState board;
  board.TileCount = 144;
  board.PutTile(1, {10, 10, 1});
  board.PutTile(2, {10, 10, 2});
  board.PutTile(3, {20, 10, 1});
  board.PutTile(4, {24, 10, 1});
  board.TilesLeft = 4;
  history.TakePair(board, 3, board.TilePlace[3], 4);
  return board;
}

template <typename Ready>
bool WaitFor(Ready ready, int tries = 1000) {
  for (int i = 0; i < tries; ++i) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

class SolverInPlay : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScratchFolder dir;
  TVelmor game{platform, dir.path()};
  void SetUp() override {
    game.Layout.Shape = TraditionalShape();
    game.Menus.Winnable.SetChecked(true);
    game.Menus.RandomSeed1.SetChecked(true);
    game.Current.GameNumber = 4242;
    game.BeginGame();
  }
  // Heartbeats until the watch's answer is in; a walk back through a long history may take the
  // watch's whole budget, more on a busy machine.
  bool Answered(int tries = 1000) {
    return WaitFor(
        [&] {
          game.Temps();
          return game.Menus.WinnableMark.Caption() != "\u2026";
        },
        tries);
  }
};

// The solver in play on its own model, over the board's models: the watch, its mark and the hint
// that follows its way.
class SolverModel : public BoardModels {
 protected:
  SolverPlay solver{
      platform,
      menus,
      current,
      {[this](const std::string& message) { current.Status.Show(message); },
       [this](int tile) { return moves.Playable(tile); }, [this] { moves.Recount(); },
       [this](int a, int b) { picks.Take(a, current.Board.TilePlace[static_cast<size_t>(a)], b); }, [] {}}};
  FreeMoves hints{menus, current, {[this] { view.RedrawAll(); }, [this] { return solver.KeepingPair(); }, [] {}}};
  TilePicking picks{current, pictures, moves, Hooks()};
  TilePicking::Hooks Hooks() {
    TilePicking::Hooks hooks = PickHooks();
    hooks.taken = [this] { solver.PositionChanged(); };
    return hooks;
  }
  void SetUp() override {
    DealWinnable(TraditionalShape(), 4242);
    current.Play.Start(GameKind::OnePlayer);
    hints.Recount();  // as the first heartbeat counts them
  }
  // The Watch Winnability entry, as its command toggles it.
  void ToggleWatch() {
    menus.WatchWinnability.Toggle();
    solver.PositionChanged();
  }
  bool Answered(int tries = 1000) {
    return WaitFor(
        [&] {
          solver.Tick();
          return menus.WinnableMark.Caption() != "\u2026";
        },
        tries);
  }
};

}  // namespace

TEST(WinnabilityWatch, OnlyTheLastQuestionIsAnsweredAndALostGameSaysHowFarBack) {
  WinnabilityWatch watch;
  PairHistory history;
  const BoardState lost = StackTrap(history);
  watch.Ask(lost, nullptr, false);  // overtaken by the next question
  const uint64_t last = watch.Ask(lost, &history, false);
  std::optional<WinnabilityAnswer> answer;
  ASSERT_TRUE(WaitFor([&] { return (answer = watch.Take()).has_value(); }));
  EXPECT_EQ(answer->question, last);
  EXPECT_EQ(answer->result, SolveResult::NotWinnable);
  EXPECT_EQ(answer->goBack, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(watch.Take().has_value());

  watch.Ask(lost, &history, false);
  watch.Cancel();
  ASSERT_TRUE(WaitFor([&] { return !watch.Busy(); }));
  EXPECT_FALSE(watch.Take().has_value());
}

TEST_F(SolverModel, TheWatchMarksTheToolbarAndHintsFollowItsWay) {
  ToggleWatch();
  ASSERT_TRUE(Answered());
  EXPECT_EQ(menus.WinnableMark.Caption(), "\u2714");
  EXPECT_TRUE(menus.WinnableMark.Visible());
  EXPECT_EQ(current.Status.Message, "Still winnable.");
  const auto keep = solver.KeepingPair();
  ASSERT_TRUE(keep);
  hints.Hint();
  EXPECT_EQ((std::pair{current.HintTileA, current.HintTileB}), *keep);
  EXPECT_EQ(current.Clock.PenaltySeconds, 40);

  ToggleWatch();  // off: the mark goes and hints are as they always were
  solver.Tick();
  EXPECT_FALSE(menus.WinnableMark.Visible());
  EXPECT_FALSE(solver.KeepingPair());
}

// The window mirrors the mark from its change notices alone; after each one it must show the mark,
// its tooltip and its spoken name as they are now, never the tooltip of the answer before.
TEST_F(SolverModel, TheMarksWindowMirrorAlwaysHasTheLastAnswersTooltip) {
  std::string shownCaption, shownHint;
  menus.Tools.SetObserver([&](MenuItem& item, MenuItem::Change) {
    if (&item == &menus.WinnableMark) shownCaption = item.Caption(), shownHint = item.Hint();
  });
  auto mirrored = [&] {
    return shownCaption == menus.WinnableMark.Caption() && shownHint == menus.WinnableMark.Hint();
  };
  ToggleWatch();
  EXPECT_TRUE(mirrored());
  ASSERT_TRUE(Answered());
  EXPECT_EQ(shownCaption, "\u2714");
  EXPECT_EQ(shownHint, "Still winnable");
  const auto keep = solver.KeepingPair();
  ASSERT_TRUE(keep);
  picks.Take(keep->first, current.Board.TilePlace[static_cast<size_t>(keep->first)], keep->second);
  EXPECT_EQ(shownHint, "Looking for a way to clear the board");
  ASSERT_TRUE(Answered());
  EXPECT_TRUE(mirrored());
  EXPECT_EQ(shownHint, "Still winnable");
}

TEST_F(SolverInPlay, TheDemoPlaysToTheEndAndAnyClickStopsIt) {
  game.Menus.Demo1.Click();
  ASSERT_TRUE(game.Solver.DemoRunning());
  platform.tick += 100;
  game.Temps();
  const int left = game.Current.Board.TilesLeft;
  game.ButtonDown(TVelmor::Button::Primary, 1, 1);
  EXPECT_FALSE(game.Solver.DemoRunning());
  EXPECT_EQ(game.Current.FirstTile, 0);  // the click only took the game back

  game.Menus.EnableHall.SetChecked(true);
  game.Menus.Demo1.Click();
  platform.tick += 1000;  // a game long enough to be a record
  ASSERT_TRUE(WaitFor([&] {
    platform.tick += SolverPlay::DemoStepMs;
    game.Temps();
    return game.Current.Board.TilesLeft == 0;
  }));
  EXPECT_LT(game.Current.Board.TilesLeft, left);
  EXPECT_EQ(game.Current.Play.Number(), ModeGameOver);
  EXPECT_EQ(game.Current.Status.Message, "The demo cleared the board.");
  EXPECT_TRUE(HallOf(game, game.Layout.BoardNumber).IsEmpty());
}

// Stuck with the watch on, the notice says how far back the game can be won, and it can.
TEST_F(SolverInPlay, TheDeadEndNoticeSaysHowManyPairsBackTheGameCanBeWonAgain) {
  game.Menus.Winnable.SetChecked(false);
  for (int number = 1; number < 50 && !game.DeadEnds.Stuck(); ++number) {
    game.Current.GameNumber = number;
    game.NewSpecificGame1Click();
    int a = 0, b = 0;
    while (game.Current.Free.MovesLeft > 0 && game.Current.Free.NthMove(1, a, b))  // the first move offered, every time
      game.TakePair(a, game.Current.Board.TilePlace[static_cast<size_t>(a)], b);
  }
  ASSERT_TRUE(game.DeadEnds.Stuck());
  platform.tick += DeadEnd::NoticeDelayMs;
  game.Temps();
  ASSERT_TRUE(platform.deadEndShown);
  EXPECT_EQ(game.DeadEnds.Advice(), "") << "no watch, no word on the way back";
  game.Menus.WatchWinnability.Click();
  ASSERT_TRUE(Answered(6000));
  const int back = game.Solver.PairsBackToWin();
  // The way back is searched within a time budget: on a busy machine it may run out, and then the
  // notice must promise nothing.
  if (back == 0) {
    EXPECT_EQ(game.Current.Status.Message, "No longer winnable.");
    EXPECT_EQ(game.DeadEnds.Advice(), "");
    return;
  }
  EXPECT_EQ(game.DeadEnds.Advice(),
            back == 1 ? "Back 1 pair and it can be won" : "Back " + std::to_string(back) + " pairs and it can be won");
  for (int k = 0; k < back; ++k) game.Back();
  ASSERT_TRUE(Answered(6000));
  EXPECT_EQ(game.Current.Status.Message, "Still winnable.");
  EXPECT_EQ(game.DeadEnds.Advice(), "");
}
