// The history of pairs taken, on its own: taking back every pair restores the board exactly, and
// taking them again retraces it.
#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "board/History.h"

using namespace velmor;
using namespace velmor::test;

TEST(PairHistory, TakingBackEveryPairInTurnRestoresEachEarlierBoard) {
  std::mt19937 rng(5);
  BoardState board;
  board.TilesLeft = 0;
  for (int t = 1; t <= 40; ++t) {
    board.PutTile(t, {2 + 2 * (t % 16), 2 + 2 * (t / 16), 1 + t % 3});
    ++board.TilesLeft;
  }
  PairHistory history;
  std::vector<BoardState> before;
  std::vector<int> left(40);
  for (int t = 0; t < 40; ++t) left[t] = t + 1;
  std::shuffle(left.begin(), left.end(), rng);
  for (size_t k = 0; k + 1 < left.size(); k += 2) {
    before.push_back(board);
    history.TakePair(board, left[k], board.TilePlace[left[k]], left[k + 1]);
    EXPECT_TRUE(board.TilePlace[left[k]].empty());
    EXPECT_EQ(board.TilesLeft, 40 - static_cast<int>(k) - 2);
  }
  EXPECT_EQ(history.Count, 40);
  while (!before.empty()) {
    ASSERT_TRUE(history.TakeBackPair(board));
    EXPECT_EQ(board.TilePlace, before.back().TilePlace);
    EXPECT_EQ(board.TilesLeft, before.back().TilesLeft);
    for (int t = 1; t <= 40; ++t)
      if (!board.TilePlace[t].empty()) {
        EXPECT_EQ(board.BoardGrid.at(board.TilePlace[t]), t);
      }
    before.pop_back();
  }
  EXPECT_FALSE(history.TakeBackPair(board));
}

namespace {

// Forty tiles in twenty matching pairs, on three layers.
BoardState FortyTiles() {
  BoardState board;
  board.TilesLeft = 0;
  for (int t = 1; t <= 40; ++t) {
    board.PutTile(t, {2 + 2 * (t % 16), 2 + 2 * (t / 16), 1 + t % 3});
    ++board.TilesLeft;
  }
  return board;
}

bool SameBoard(const BoardState& a, const BoardState& b) {
  return a.BoardGrid == b.BoardGrid && a.TilePlace == b.TilePlace && a.TilesLeft == b.TilesLeft;
}

}  // namespace

// Against a model that keeps every board reached: Back and Redo walk along it, a new pair cuts it
// off after the current board, and taking the pair Redo would take by hand keeps it.
TEST(PairHistory, RedoRetracesTheBoardsTakenBackUntilAnotherPairIsTaken) {
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    std::mt19937 rng(seed);
    BoardState board = FortyTiles();
    PairHistory history;
    std::vector<BoardState> boards{board};
    size_t at = 0;
    for (int step = 0; step < 200; ++step) {
      const int action = static_cast<int>(rng() % 4);
      if (action == 0) {
        ASSERT_EQ(history.TakeBackPair(board), at > 0);
        if (at > 0) --at;
      } else if (action == 1) {
        ASSERT_EQ(history.RedoPair(board), at + 1 < boards.size());
        if (at + 1 < boards.size()) ++at;
      } else if (action == 2 && history.CanRedo()) {
        // The redo pair by hand, the other way round.
        const HistoryEntry a = history.Entries[history.Count], b = history.Entries[history.Count + 1];
        history.TakePair(board, b.tile, b.place(), a.tile);
        ++at;
      } else if (board.TilesLeft > 0) {
        std::vector<int> left;
        for (int t = 1; t <= 40; ++t)
          if (!board.TilePlace[t].empty()) left.push_back(t);
        std::shuffle(left.begin(), left.end(), rng);
        history.TakePair(board, left[0], board.TilePlace[left[0]], left[1]);
        const bool redoPair = at + 1 < boards.size() && SameBoard(board, boards[at + 1]);
        if (!redoPair) boards.resize(at + 1);
        if (!redoPair) boards.push_back(board);
        ++at;
      }
      ASSERT_TRUE(SameBoard(board, boards[at])) << "seed " << seed << " step " << step;
      ASSERT_EQ(history.CanRedo(), at + 1 < boards.size());
      ASSERT_EQ(history.RedoPairs(), static_cast<int>(boards.size() - 1 - at));
    }
  }
}

TEST(PairHistory, RedoReachesTheEmptyBoardAndEndsWithANewDealOrAShuffle) {
  const BoardState full = FortyTiles();
  BoardState board = full;
  PairHistory history;
  for (int t = 1; t <= 40; t += 2) history.TakePair(board, t, board.TilePlace[t], t + 1);
  while (history.TakeBackPair(board)) {
  }
  EXPECT_TRUE(SameBoard(board, full));
  EXPECT_EQ(history.RedoPairs(), 20);
  while (history.RedoPair(board)) {
  }
  EXPECT_EQ(board.TilesLeft, 0);
  EXPECT_TRUE(board.BoardGrid == BoardState{}.BoardGrid);
  EXPECT_FALSE(history.CanRedo());

  history.TakeBackPair(board);
  // Tiles moved since they were taken back are not taken from where they now stand.
  board.TakeTile(39);
  board.PutTile(39, {33, 19, 5});
  EXPECT_FALSE(history.RedoPair(board));
  EXPECT_EQ(board.TilesLeft, 2);
  history.ClearRedo();
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Count, 38);
  history.TakeBackPair(board);
  history.Clear();
  EXPECT_TRUE(history.Empty());
  EXPECT_FALSE(history.CanRedo());
}
