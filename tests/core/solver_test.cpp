// The solver's answers are checked against the game's own free rule: a win must replay to an
// empty board, and on small boards every answer must agree with trying every move.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <unordered_map>

#include "TestSupport.h"
#include "board/Deal.h"
#include "board/Solver.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// Plays the pairs with IsTileFree and TakeTile; empty when the board ends empty.
std::string ReplayFailure(BoardState board, bool vertical, const std::vector<std::pair<int, int>>& moves) {
  for (auto [a, b] : moves) {
    if (!TilesMatch(a, b)) return std::to_string(a) + "-" + std::to_string(b) + " do not match";
    if (!IsTileFree(board, a, vertical) || !IsTileFree(board, b, vertical))
      return std::to_string(a) + "-" + std::to_string(b) + " is not free";
    board.TakeTile(a);
    board.TakeTile(b);
  }
  for (int t = 1; t <= TileTotal; ++t)
    if (!board.TilePlace[t].empty()) return "tile " + std::to_string(t) + " is left";
  return "";
}

BoardState BoardOf(const std::vector<std::pair<int, Place>>& tiles) {
  BoardState board;
  for (auto [tile, place] : tiles) board.PutTile(tile, place);
  return board;
}

// Every move, every order: whether the game's rules can empty the board.
bool WinnableByTryingAll(BoardState& board, bool vertical, std::unordered_map<uint64_t, bool>& seen) {
  uint64_t key = 0;
  for (int t = 1; t <= 64; ++t)
    if (!board.TilePlace[t].empty()) key |= uint64_t{1} << (t - 1);
  if (!key) return true;
  if (auto it = seen.find(key); it != seen.end()) return it->second;
  bool won = false;
  for (int a = 1; a <= 64 && !won; ++a)
    for (int b = a + 1; b <= 64 && !won; ++b) {
      if (!TilesMatch(a, b) || !IsTileFree(board, a, vertical) || !IsTileFree(board, b, vertical)) continue;
      const Place pa = board.TilePlace[a], pb = board.TilePlace[b];
      board.TakeTile(a);
      board.TakeTile(b);
      won = WinnableByTryingAll(board, vertical, seen);
      board.PutTile(a, pa);
      board.PutTile(b, pb);
    }
  return seen[key] = won;
}

SolveLimits NodeLimit(uint64_t nodes) {
  SolveLimits limits;
  limits.maxNodes = nodes;
  limits.tableBytes = size_t{4} << 20;
  return limits;
}

}  // namespace

// Small heaps of few faces, crowded so that tiles block each other in every way the rules allow:
// the answer must be the one trying every move gives, and a win must replay.
TEST(Solver, AgreesWithTryingEveryMoveOnSmallBoards) {
  Generator gen;
  gen.GeneratorState = 2024;
  int lost = 0;
  for (int round = 0; round < 300; ++round) {
    const int count = 8 + 4 * gen.RandomBelow(3);  // 8, 12 or 16 tiles of 2 to 4 groups
    BoardState board;
    for (int t = 1; t <= count; ++t) {
      Place p;
      do {
        p = Place{gen.RandomBelow(7) + 1, gen.RandomBelow(5) + 1, gen.RandomBelow(3) + 1};
      } while (board.BoardGrid.at(p));
      board.PutTile(t, p);
    }
    for (const bool vertical : {false, true}) {
      std::unordered_map<uint64_t, bool> seen;
      const bool expected = WinnableByTryingAll(board, vertical, seen);
      const Solution s = SolveBoard(board, vertical, NodeLimit(0));
      ASSERT_EQ(s.result, expected ? SolveResult::Winnable : SolveResult::NotWinnable) << "round " << round;
      if (expected) {
        EXPECT_EQ(ReplayFailure(board, vertical, s.moves), "") << "round " << round;
      }
      lost += !expected;
    }
  }
  EXPECT_GT(lost, 50);  // the boards are hard enough to test both answers
}

// Deals of the shipped layouts: every win replays, and a deal built winnable is never called lost.
TEST(Solver, WinsReplayOnShippedLayoutsUnderBothRules) {
  int won = 0;
  for (const char* name : {"Traditional.lay", "Pyramid.lay", "Towers.lay", "Archipelago.lay", "Spiral.shp"}) {
    LayoutShape shape;
    std::string title;
    LayoutRefusal refusal;
    const std::string path = DataDir() + "/Layouts/" + name;
    ASSERT_TRUE(ReadPlayableLayout(path, IsShpPath(path), shape, title, refusal)) << name;
    for (uint32_t game = 1; game <= 6; ++game)
      for (const bool winnableDeal : {false, true})
        for (const bool vertical : {false, true}) {
          const BoardState board = DealGameNumber(shape, game, winnableDeal, 0).board;
          const Solution s = SolveBoard(board, vertical, NodeLimit(30000));
          if (winnableDeal && !vertical) {
            EXPECT_NE(s.result, SolveResult::NotWinnable) << name << " game " << game;
          }
          if (s.result != SolveResult::Winnable) continue;
          EXPECT_EQ(ReplayFailure(board, vertical, s.moves), "") << name << " game " << game << " " << vertical;
          ++won;
        }
  }
  EXPECT_GT(won, 80);
}

// A face whose four tiles stand in one pile can never go, however large the board around it; the
// answer comes without a search through the rest of the board.
TEST(Solver, FourOfAFaceInOnePileIsLostAtOnce) {
  const LayoutShape shape = TraditionalShape();
  BoardState board = DealGameNumber(shape, 7, true, 0).board;
  int column = 0, row = 0;  // a place with tiles on layers 1 to 4
  for (int c = 1; c <= AnchorColumns && !column; ++c)
    for (int r = 1; r <= AnchorRows && !column; ++r)
      if (board.BoardGrid.at(c, r, 4)) {
        column = c;
        row = r;
      }
  ASSERT_NE(column, 0);
  for (int layer = 1; layer <= 4; ++layer) {  // swap tiles 1..4 into the pile
    const int there = board.BoardGrid.at(column, row, layer), mine = layer;
    const Place a = board.TilePlace[there], b = board.TilePlace[mine];
    board.PutTile(mine, a);
    board.PutTile(there, b);
  }
  for (const bool vertical : {false, true}) {
    const Solution s = SolveBoard(board, vertical, NodeLimit(1000));
    EXPECT_EQ(s.result, SolveResult::NotWinnable);
  }
}

// Two faces down to their pairs, laid one of each between the other's tiles in a row of a full
// board: neither pair can ever be free at once, which is found without searching the board.
TEST(Solver, PairsInterleavedInARowAreLostAtOnce) {
  BoardState board = DealGameNumber(TraditionalShape(), 7, true, 0).board;
  int column = 0, row = 0;  // four tiles side by side on the bottom layer
  for (int r = 1; r <= AnchorRows && !column; ++r)
    for (int c = 1; c + 6 <= AnchorColumns && !column; ++c)
      if (board.BoardGrid.at(c, r, 1) && board.BoardGrid.at(c + 2, r, 1) && board.BoardGrid.at(c + 4, r, 1) &&
          board.BoardGrid.at(c + 6, r, 1)) {
        column = c;
        row = r;
      }
  ASSERT_NE(column, 0);
  const int line[4] = {1, 5, 2, 6};  // 1 and 2 match, 5 and 6 match
  for (int k = 0; k < 4; ++k) {
    const int there = board.BoardGrid.at(column + 2 * k, row, 1), mine = line[k];
    const Place a = board.TilePlace[there], b = board.TilePlace[mine];
    board.PutTile(mine, a);
    board.PutTile(there, b);
  }
  for (const int gone : {3, 4, 7, 8}) board.TakeTile(gone);
  EXPECT_EQ(SolveBoard(board, false, NodeLimit(1000)).result, SolveResult::NotWinnable);
}

// Two faces in one line, each pair parted by a tile of the other: taken apart by the rule that
// looks along the line, stuck under the rule that looks across it.
TEST(Solver, FollowsTheFreeRuleItIsGiven) {
  const int across[4] = {1, 5, 2, 6};  // tiles 1 and 2 match, 5 and 6 match
  std::vector<std::pair<int, Place>> row, column;
  for (int k = 0; k < 4; ++k) {
    row.push_back({across[k], Place{2 + 2 * k, 4, 1}});
    column.push_back({across[k], Place{4, 2 + 2 * k, 1}});
  }
  EXPECT_EQ(SolveBoard(BoardOf(row), false).result, SolveResult::NotWinnable);
  EXPECT_EQ(SolveBoard(BoardOf(row), true).result, SolveResult::Winnable);
  EXPECT_EQ(SolveBoard(BoardOf(column), false).result, SolveResult::Winnable);
  EXPECT_EQ(SolveBoard(BoardOf(column), true).result, SolveResult::NotWinnable);
}

// A search running on another thread stops soon after it is asked to, with no answer.
TEST(Solver, CancelStopsARunningSearchPromptly) {
  LayoutShape shape;
  std::string title;
  LayoutRefusal refusal;
  ASSERT_TRUE(ReadPlayableLayout(DataDir() + "/Layouts/Brickwork.lay", false, shape, title, refusal));
  // A deal the solver takes many seconds to settle.
  const BoardState board = DealGameNumber(shape, 9, false, 0).board;
  std::atomic<bool> cancel{false};
  Solution s;
  std::thread search([&] {
    SolveLimits limits;
    limits.cancel = &cancel;
    s = SolveBoard(board, false, limits);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const auto asked = std::chrono::steady_clock::now();
  cancel = true;
  search.join();
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(200));
  EXPECT_EQ(s.result, SolveResult::Unknown);
  EXPECT_GT(s.nodes, 0u);
}
