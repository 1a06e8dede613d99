// The solver's answers are checked against the game's own free rule: a win must replay to an
// empty board, and on small boards every answer must agree with trying every move.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
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

// Heaps shaped like real layouts: a bottom layer of tiles side by side (some half a tile off their
// row), piles up to four high and tiles bridging two below; faces dealt at random or laid A B A B
// along a row. Tiles 1..64 only, so a position fits one word.
BoardState RandomHeap(Generator& gen, int groups) {
  const int count = 4 * groups;
  std::vector<Place> places;
  auto taken = [&](const Place& p) {
    return std::any_of(places.begin(), places.end(), [&](const Place& q) {
      return q.layer == p.layer && std::abs(q.column - p.column) < 2 && std::abs(q.row - p.row) < 2;
    });
  };
  const int layers = 2 + gen.RandomBelow(3);
  while (static_cast<int>(places.size()) < count) {
    Place p;
    if (places.empty() || gen.RandomBelow(3) == 0) {
      p = {2 + 2 * gen.RandomBelow(7) + (gen.RandomBelow(4) == 0), 2 + 2 * gen.RandomBelow(4), 1};
    } else {
      // On a tile already there, straight up or half a tile off.
      const Place& below = places[static_cast<size_t>(gen.RandomBelow(static_cast<int>(places.size())))];
      p = {below.column + gen.RandomBelow(3) - 1, below.row + (gen.RandomBelow(4) == 0 ? gen.RandomBelow(3) - 1 : 0),
           below.layer + 1};
      if (p.layer > layers) continue;
    }
    if (!taken(p)) places.push_back(p);
  }
  std::vector<int> tiles(static_cast<size_t>(count));
  for (int t = 0; t < count; ++t) tiles[static_cast<size_t>(t)] = t + 1;
  for (int i = count - 1; i > 0; --i)
    std::swap(tiles[static_cast<size_t>(i)], tiles[static_cast<size_t>(gen.RandomBelow(i + 1))]);
  if (gen.RandomBelow(2) == 0) {
    // The bottom layer's first row gets two faces by turns.
    std::vector<size_t> row;
    for (size_t i = 0; i < places.size(); ++i)
      if (places[i].layer == 1 && places[i].row == places[0].row) row.push_back(i);
    std::sort(row.begin(), row.end(), [&](size_t a, size_t b) { return places[a].column < places[b].column; });
    for (size_t k = 0; k < row.size() && k < 4; ++k) {
      const int want = static_cast<int>(k % 2 == 0 ? 1 + k / 2 : 5 + k / 2);  // 1 5 2 6
      std::swap(tiles[row[k]], *std::find(tiles.begin(), tiles.end(), want));
    }
  }
  BoardState board;
  for (size_t i = 0; i < places.size(); ++i) board.PutTile(tiles[i], places[i]);
  return board;
}

// Every move, every order, as the reference: the true value of each position it looks at is kept
// by the tiles standing.
struct Exhaustive {
  bool vertical;
  size_t most;
  std::unordered_map<uint64_t, bool> seen;
  bool tooLarge = false;
  bool Winnable(BoardState& board) {
    uint64_t key = 0;
    std::vector<int> free;
    for (int t = 1; t <= 64; ++t)
      if (!board.TilePlace[t].empty()) {
        key |= uint64_t{1} << (t - 1);
        if (IsTileFree(board, t, vertical)) free.push_back(t);
      }
    if (!key) return true;
    if (auto it = seen.find(key); it != seen.end()) return it->second;
    if (seen.size() >= most) tooLarge = true;
    bool won = false;
    for (size_t x = 0; x < free.size() && !won && !tooLarge; ++x)
      for (size_t y = x + 1; y < free.size() && !won && !tooLarge; ++y) {
        const int a = free[x], b = free[y];
        if (!TilesMatch(a, b)) continue;
        const Place pa = board.TilePlace[a], pb = board.TilePlace[b];
        board.TakeTile(a);
        board.TakeTile(b);
        won = Winnable(board);
        board.PutTile(a, pa);
        board.PutTile(b, pb);
      }
    return seen[key] = won;
  }
};

BoardState Standing(const BoardState& full, uint64_t key) {
  BoardState board;
  for (int t = 1; t <= 64; ++t)
    if ((key >> (t - 1)) & 1) board.PutTile(t, full.TilePlace[t]);
  return board;
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

// Every rule that calls a position lost at sight is a theorem: on thousands of positions of heaps
// shaped like real layouts (24 to 40 tiles, two to four layers, tall piles, A B A B rows), whatever
// a rule names lost, trying every move finds lost too. The whole search agrees with it as well.
TEST(Solver, EveryRuleThatCallsAPositionLostAgreesWithTryingEveryMove) {
  Generator gen;
  gen.GeneratorState = 77;
  std::map<LostRule, int> fired;
  int checked = 0, searched = 0, lost = 0;
  for (int round = 0; round < 120; ++round) {
    const BoardState board = RandomHeap(gen, 6 + gen.RandomBelow(5));
    for (const bool vertical : {false, true}) {
      BoardState play = board;
      Exhaustive truth{vertical, 20000};
      const bool winnable = truth.Winnable(play);
      if (truth.tooLarge) continue;
      lost += !winnable;
      int k = 0;
      for (const auto& [key, won] : truth.seen) {
        const BoardState position = Standing(board, key);
        if (const std::optional<LostRule> rule = LostAtSight(position, vertical)) {
          ++fired[*rule];
          ASSERT_FALSE(won) << "rule " << static_cast<int>(*rule) << " round " << round << " " << vertical;
        }
        ++checked;
        if (k++ % 20 == 0) {
          // Every other one starts over after a few loose plays, as long searches do.
          ++searched;
          SolveLimits limits = NodeLimit(0);
          if (searched % 2) limits.firstRun = 3;
          const Solution s = SolveBoard(position, vertical, limits);
          ASSERT_EQ(s.result, won ? SolveResult::Winnable : SolveResult::NotWinnable) << "round " << round;
          if (won) {
            ASSERT_EQ(ReplayFailure(position, vertical, s.moves), "") << "round " << round;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 20000);
  EXPECT_GT(searched, 1000);
  EXPECT_GT(lost, 20);
  // An odd group never arises from a dealt heap by pairs; the three that take looking do fire.
  for (const LostRule rule : {LostRule::StuckTile, LostRule::DeadGroup, LostRule::PairsWaiting})
    EXPECT_GT(fired[rule], 20) << static_cast<int>(rule);
}

// A group's matchings that loose play ruled out before the search branched on it are part of why
// it loses: learnt without them, a lost answer outlived the choices it rested on, and these deals
// of Traditional were called lost though they can be won.
TEST(Solver, DealsOnceCalledLostWronglyAreWon) {
  LayoutShape shape;
  std::string title;
  LayoutRefusal refusal;
  ASSERT_TRUE(ReadPlayableLayout(DataDir() + "/Layouts/Traditional.lay", false, shape, title, refusal));
  for (const uint32_t game : {538u, 2891u, 3432u}) {
    const BoardState board = DealGameNumber(shape, game, false, 0).board;
    const Solution s = SolveBoard(board, false, NodeLimit(0));
    ASSERT_EQ(s.result, SolveResult::Winnable) << game;
    EXPECT_EQ(ReplayFailure(board, false, s.moves), "") << game;
  }
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
          // Starting over early and often, as long searches do, must not change an answer.
          SolveLimits limits = NodeLimit(30000);
          if (game % 2) limits.firstRun = 20;
          const Solution s = SolveBoard(board, vertical, limits);
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

// Deals of the classic heap that a first run does not settle: a search that starts over must come
// back with the choices it had, or a winnable deal comes out lost (as the 245th once did).
TEST(Solver, StartingOverKeepsTheAnswer) {
  const LayoutShape shape = TraditionalShape();
  for (const uint32_t game : {245u, 314u, 612u, 2261u})
    for (const uint64_t firstRun : {uint64_t{4000}, uint64_t{50}}) {
      const BoardState board = DealGameNumber(shape, game, false, 0).board;
      SolveLimits limits;
      limits.firstRun = firstRun;
      limits.maxTime = std::chrono::seconds(20);
      const Solution s = SolveBoard(board, false, limits);
      ASSERT_EQ(s.result, SolveResult::Winnable) << game << " " << firstRun;
      EXPECT_EQ(ReplayFailure(board, false, s.moves), "") << game;
    }
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
  ASSERT_TRUE(ReadPlayableLayout(DataDir() + "/Layouts/Ziggurat.lay", false, shape, title, refusal));
  // A deal the solver takes well over a second to settle.
  const BoardState board = DealGameNumber(shape, 113, false, 0).board;
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
