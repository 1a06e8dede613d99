// The game clock and the two-player clocks on their own, across the tick counter's wrap.
#include <gtest/gtest.h>

#include <random>

#include "modes/GameClock.h"

using namespace velmor;

TEST(GameClock, CountsPlayedSecondsOnlyAcrossPausesAndTheCountersWrap) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    uint32_t now = 0xFFFFFFFFu - rng() % 100'000;  // close to the wrap
    GameClock clock;
    clock.Start(now);
    uint32_t played = 0;
    for (int step = 0; step < 20; ++step) {
      const uint32_t run = rng() % 5'000, pause = rng() % 50'000;
      now += run;
      played += run;
      clock.Update(now);
      ASSERT_EQ(clock.ElapsedSeconds, static_cast<int32_t>(played / 1000));
      clock.Pause(now);
      now += pause;  // nothing counts while paused
      clock.Resume(now);
    }
    clock.AddPenalty(40);
    clock.Update(now);
    EXPECT_EQ(clock.Total(), static_cast<int32_t>(played / 1000) + 40);
  }
}

TEST(TwoPlayerClock, EachPlayersTimeIsTheSumOfTheirOwnTurns) {
  std::mt19937 rng(11);
  uint32_t now = 0xFFFFFFFFu - 30'000;
  TwoPlayerClock turns;
  turns.Start(now);
  int32_t mine[2] = {0, 0};
  for (int k = 0; k < 50; ++k) {
    const uint32_t think = rng() % 9'000;
    now += think;
    const int player = turns.Player2Turn ? 1 : 0;
    mine[player] += static_cast<int32_t>(think);
    EXPECT_EQ(turns.Running(player == 1, now), mine[player]);
    EXPECT_EQ(turns.Running(player == 0, now), mine[1 - player]);  // the waiting clock stands
    turns.TurnChange(now);
    EXPECT_EQ(turns.Player2Turn, player == 0);
  }
  EXPECT_EQ(turns.Player1Millis, mine[0]);
  EXPECT_EQ(turns.Player2Millis, mine[1]);
  const auto expected = mine[1] < mine[0]    ? TwoPlayerClock::Result::Player2Won
                        : mine[1] == mine[0] ? TwoPlayerClock::Result::Tie
                                             : TwoPlayerClock::Result::Player1Won;
  EXPECT_EQ(turns.Outcome(), expected);
  turns.Player2Millis = turns.Player1Millis;
  EXPECT_EQ(turns.Outcome(), TwoPlayerClock::Result::Tie);
}
