// Kind and phase of the game: every change from every state, and the old mode numbers read back.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "modes/PlayState.h"

using namespace velmor;

namespace {

struct Event {
  const char* name;
  std::function<bool(PlayState&)> apply;
};

const std::vector<Event>& Events() {
  static const std::vector<Event> events = {
      {"start one", [](PlayState& s) { return s.Start(GameKind::OnePlayer), true; }},
      {"start two", [](PlayState& s) { return s.Start(GameKind::TwoPlayers), true; }},
      {"start flat", [](PlayState& s) { return s.Start(GameKind::Flat), true; }},
      {"edit", [](PlayState& s) { return s.Start(GameKind::Editor), true; }},
      {"restore paused", [](PlayState& s) { return s.Start(GameKind::TwoPlayers, true), true; }},
      {"clear", [](PlayState& s) { return s.Clear(), true; }},
      {"pause", [](PlayState& s) { return s.Pause(); }},
      {"hold", [](PlayState& s) { return s.Hold(); }},
      {"resume", [](PlayState& s) { return s.Resume(); }},
      {"stop", [](PlayState& s) { return s.Stop(), true; }},
      {"end", [](PlayState& s) { return s.End(), true; }},
      {"end stopped", [](PlayState& s) { return s.EndStopped(); }},
  };
  return events;
}

using Numbers = std::pair<int, int>;  // mode, and the mode a pause returns to
constexpr Numbers Refused{-1, -1};

Numbers Of(const PlayState& s) { return {s.Number(), s.ResumeNumber()}; }

}  // namespace

// Each state the window can reach, as its mode numbers, and each event: the state after, or refused.
TEST(PlayState, EveryEventFromEveryState) {
  const Numbers idle{ModeNoGame, ModeStopped}, one{ModeSolitaire, ModeSolitaire}, two{ModeTwoPlayers, ModeTwoPlayers},
      flat{ModeRivers, ModeRivers}, edit{ModeEditor, ModeEditor}, stopped{ModeStopped, ModeStopped},
      over{ModeGameOver, ModeGameOver}, won{ModeStopped, ModeGameOver};
  const auto paused = [](const Numbers& n) { return Numbers{ModePaused, n.second}; };
  // Columns in the order of Events(): start one, start two, start flat, edit, restore paused, clear,
  // pause, hold, resume, stop, end, end stopped.
  const auto T = [&](const Numbers& pause, const Numbers& hold, const Numbers& resume, const Numbers& endStopped) {
    return std::vector<Numbers>{one,   two,  flat,   edit,    paused(two), idle,
                                pause, hold, resume, stopped, over,        endStopped};
  };
  const std::vector<std::pair<Numbers, std::vector<Numbers>>> table = {
      {idle, T(Refused, paused(stopped), Refused, Refused)},
      {one, T(paused(one), paused(one), Refused, Refused)},
      {flat, T(paused(flat), paused(flat), Refused, Refused)},
      {two, T(Refused, Refused, Refused, Refused)},
      {edit, T(Refused, paused(edit), Refused, Refused)},
      {stopped, T(Refused, paused(stopped), Refused, won)},
      {won, T(Refused, paused(over), Refused, won)},
      {over, T(Refused, paused(over), Refused, Refused)},
      {paused(one), T(Refused, paused(one), one, Refused)},
      {paused(flat), T(Refused, paused(flat), flat, Refused)},
      {paused(two), T(Refused, paused(two), two, Refused)},
      {paused(edit), T(Refused, paused(edit), edit, Refused)},
      {paused(stopped), T(Refused, paused(stopped), stopped, Refused)},
      {paused(over), T(Refused, paused(over), over, Refused)},
  };
  for (const auto& [from, expected] : table) {
    ASSERT_EQ(expected.size(), Events().size());
    for (size_t e = 0; e < Events().size(); ++e) {
      PlayState s = PlayState::FromNumbers(static_cast<uint8_t>(from.first), static_cast<uint8_t>(from.second));
      ASSERT_EQ(Of(s), from);
      const PlayState before = s;
      const bool done = Events()[e].apply(s);
      const std::string where = std::to_string(from.first) + "/" + std::to_string(from.second) + " " + Events()[e].name;
      if (expected[e] == Refused) {
        EXPECT_FALSE(done) << where;
        EXPECT_EQ(s, before) << where;
      } else {
        EXPECT_TRUE(done) << where;
        EXPECT_EQ(Of(s), expected[e]) << where;
      }
    }
  }
}

// Every state reachable from start-up reads back from its two numbers to the same numbers and the
// same answers; the kind of a stopped or ended game, paused over or not, is the one thing the
// numbers never held.
TEST(PlayState, ReachableStatesRoundTripThroughTheModeNumbers) {
  std::vector<PlayState> seen{PlayState{}};
  std::set<std::tuple<int, int, int>> known;
  for (size_t i = 0; i < seen.size(); ++i)
    for (const Event& e : Events()) {
      PlayState s = seen[i];
      e.apply(s);
      const auto key = std::tuple{int(s.Kind()), int(s.Phase()), s.ResumeNumber()};
      if (known.insert(key).second) seen.push_back(s);
    }
  EXPECT_GE(seen.size(), 14u);
  for (const PlayState& s : seen) {
    const PlayState back = PlayState::FromNumbers(s.Number(), s.ResumeNumber());
    const std::string where = std::to_string(s.Number()) + "/" + std::to_string(s.ResumeNumber());
    EXPECT_EQ(Of(back), Of(s)) << where;
    EXPECT_EQ(back.Phase(), s.Phase()) << where;
    EXPECT_EQ(back.ToKeep(), s.ToKeep()) << where;
    EXPECT_EQ(back.Underway(), s.Underway()) << where;
    if (s.ResumeNumber() >= ModeSolitaire && s.ResumeNumber() <= ModeEditor) {
      EXPECT_EQ(back.Kind(), s.Kind()) << where;
    }
    PlayState a = s, b = back;  // and both go on alike
    EXPECT_EQ(a.Resume(), b.Resume()) << where;
    EXPECT_EQ(Of(a), Of(b)) << where;
  }
}
