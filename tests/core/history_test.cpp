// The history of pairs taken, on its own: taking back every pair restores the board exactly.
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
      if (!board.TilePlace[t].empty()) EXPECT_EQ(board.BoardGrid.at(board.TilePlace[t]), t);
    before.pop_back();
  }
  EXPECT_FALSE(history.TakeBackPair(board));
}
