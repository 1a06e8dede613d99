// The heartbeat: clock, time limit, pause, focus, and the sliding status message.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "BoardModels.h"
#include "TestSupport.h"
#include "modes/StatusLine.h"
#include "shell/FreeMoves.h"
#include "shell/ScoreAndPause.h"

using namespace velmor;
using namespace velmor::test;

namespace {
// The clock's own model, over a deal of a short row: the counters, the limit, the pause.
class Clock : public BoardModels {
 protected:
  ScoreAndPause clocks{platform, menus, current, pictures, ClockHooks()};
  uint32_t beat = 0;
  void SetUp() override {
    for (MenuItem* shown : {&menus.Moves, &menus.ShowTime, &menus.CoolStatus}) shown->SetChecked(true);  // as installed
    layout.Shape = RowShape(8);
    menus.Winnable.SetChecked(true);
    Deal();
  }
  // A new deal of the row, its clock started, as a new game starts it.
  void Deal() {
    DealLayout();
    current.Clock.Clear();
    current.Play.Start(GameKind::OnePlayer);
    current.Clock.StartTick = platform.TickCount();
  }
  // A heartbeat, as far as the clock and the status line are concerned.
  void Advance(uint32_t ms) {
    platform.tick += ms;
    clocks.ScrollStatus(++beat);
    clocks.Beat();
  }
};

// The whole heartbeat of the game: how long the window may sleep, and the options' commands.
class ClockInGame : public ::testing::Test {
 protected:
  FakePlatform platform;
  TVelmor game{platform, "/nonexistent/"};
  void SetUp() override {
    game.Layout.Shape = RowShape(8);
    game.Menus.Winnable.SetChecked(true);
    game.RandomSolitaireGame1Click();
  }
  void Advance(uint32_t ms) {
    platform.tick += ms;
    game.Temps();
  }
};
}  // namespace

TEST_F(Clock, ShowsMinutesAndSecondsWithPenalties) {
  Advance(59'900);
  EXPECT_EQ(menus.TimeLine.Caption(), "00:59");
  Advance(100);
  EXPECT_EQ(menus.TimeLine.Caption(), "01:00");
  current.Clock.PenaltySeconds = 40;
  Advance(0);
  EXPECT_EQ(menus.TimeLine.Caption(), "01:40");
  EXPECT_EQ(menus.TilesLeftLine.Caption(), "8");
  EXPECT_EQ(menus.MovesLeftLine.Caption(), std::to_string(current.Free.MovesLeft));
}

TEST_F(Clock, SurvivesTheTickCounterWrapping) {
  platform.tick = 0xFFFFFFFFu - 2'000;
  Deal();
  Advance(65'000);  // the counter wrapped past zero meanwhile
  EXPECT_EQ(current.Clock.ElapsedSeconds, 65);
  EXPECT_EQ(menus.TimeLine.Caption(), "01:05");
}

TEST_F(Clock, PausedTimeDoesNotCount) {
  Advance(30'000);
  clocks.Pause();
  EXPECT_EQ(current.Play.Number(), ModePaused);
  EXPECT_EQ(menus.Pause1.Caption(), "&Continue");
  EXPECT_EQ(menus.PauseButton.Caption(), "Play");
  Advance(600'000);
  EXPECT_EQ(menus.TimeLine.Caption(), "");  // blank while paused
  EXPECT_EQ(menus.TilesLeftLine.Caption(), "8");
  clocks.Pause();
  EXPECT_EQ(current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(menus.Pause1.Caption(), "&Pause");
  Advance(0);
  EXPECT_EQ(menus.TimeLine.Caption(), "00:30");
}

// However the status line moves its messages, a paused game says so until it goes on.
TEST_F(ClockInGame, ThePausedGameSaysSoOnTheStatusLineUntilItGoesOn) {
  for (bool scrolling : {true, false}) {
    game.Menus.CoolStatus.SetChecked(scrolling);
    game.PauseClick();
    for (int beat = 0; beat < 200; ++beat) Advance(50);
    EXPECT_EQ(game.Menus.StatusText.Caption(), "Game paused: press F12 or click Play to go on.") << scrolling;
    EXPECT_EQ(game.HeartbeatDelay(), 0) << "the held message needs no beat";
    game.PauseClick();
    Advance(50);
    EXPECT_EQ(game.Menus.StatusText.Caption(), " ") << scrolling;
  }
  game.PauseClick();
  game.Stop();  // a stopped game is no longer paused either
  EXPECT_EQ(game.Menus.StatusText.Caption(), " ");
}

TEST_F(Clock, StopsTheGameAtOneHundredMinutes) {
  current.Clock.PenaltySeconds = 40;
  Advance(5'959'000);
  EXPECT_EQ(current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(menus.TimeLine.Caption(), "99:59");
  platform.presented.clear();
  Advance(1'000);
  EXPECT_EQ(current.Play.Number(), ModeStopped);
  EXPECT_EQ(menus.TimeLine.Caption(), "");
  ASSERT_FALSE(platform.presented.empty());  // the background hides the board
  EXPECT_EQ(platform.screen, pictures.BackgroundImage);
}

TEST_F(Clock, PauseOnlyInSolitaireAndRivers) {
  for (uint8_t mode : {ModeTwoPlayers, ModeEditor, ModeNoGame, ModeGameOver, ModeStopped}) {
    SetMode(mode);
    clocks.Pause();
    EXPECT_EQ(current.Play.Number(), mode);
  }
}

TEST_F(Clock, FocusLossPausesAndFocusResumesWithTheClockUnchanged) {
  SetMode(ModeRivers);
  Advance(12'000);
  clocks.FocusLost();
  EXPECT_EQ(current.Play.Number(), ModePaused);
  EXPECT_EQ(current.Play.ResumeNumber(), ModeRivers);
  Advance(90'000);
  clocks.FocusLost();  // already paused: nothing
  EXPECT_EQ(current.Play.Number(), ModePaused);
  clocks.FocusBack();
  EXPECT_EQ(current.Play.Number(), ModeRivers);
  Advance(0);
  EXPECT_EQ(menus.TimeLine.Caption(), "00:12");
}

TEST_F(Clock, StopWhilePausedResetsThePauseCaptions) {
  Advance(10'000);
  clocks.Pause();
  Advance(5'000);
  clocks.Stop();
  EXPECT_EQ(current.Play.Number(), ModeStopped);
  EXPECT_EQ(menus.Pause1.Caption(), "&Pause");
  EXPECT_EQ(menus.PauseButton.Caption(), "Pause");
  EXPECT_EQ(platform.tick - current.Clock.StartTick, 10'000u);
}

// The status line's own rule, one heartbeat at a time: the game shows each caption it hands back.
TEST(StatusLineScroll, AMessageSlidesInFromItsEndThenStays) {
  StatusLine line;
  line.Show("New game started.");
  uint32_t tick = 0;
  EXPECT_EQ(line.Advance(++tick, true), "d.");
  EXPECT_EQ(line.Advance(++tick, true), "ed.");
  std::optional<std::string> shown;
  for (int i = 3; i <= 16; ++i) shown = line.Advance(++tick, true);
  EXPECT_EQ(shown, "New game started.");
  EXPECT_EQ(line.Message, "New game started.");
  EXPECT_EQ(line.Advance(++tick, true), std::nullopt);  // the caption stays as it is
  EXPECT_EQ(line.Message, " ");
}

// A message in another language slides in a letter at a time, never showing half a letter.
TEST(StatusLineScroll, ATranslatedMessageSlidesInByLetters) {
  StatusLine line;
  const std::string message =
      "Neues Spiel: \xC3\x9C"
      "berall gr\xC3\xBC\xC3\x9F"
      "er.";  // 28 letters, 31 bytes
  line.Show(message);
  auto letters = [](const std::string& s) {
    return std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  };
  std::string frame;
  for (int shown = 2; shown <= 28; ++shown) {
    const auto next = line.Advance(static_cast<uint32_t>(shown), true);
    ASSERT_TRUE(next.has_value());
    frame = *next;
    EXPECT_EQ(letters(frame), shown);
    EXPECT_EQ(message.substr(message.size() - frame.size()), frame);
  }
  EXPECT_EQ(frame, message);
}

// The heartbeat hands the status line the scrolling option and shows what it answers.
TEST_F(ClockInGame, TheStatusTextFollowsTheScrollingOption) {
  game.Current.Status.Bounce = false;
  game.ShowStatus("New game started.");
  game.Temps();
  EXPECT_EQ(game.Menus.StatusText.Caption(), "d.");
  game.Menus.CoolStatus.Click();
  EXPECT_FALSE(game.Menus.CoolStatus.Checked());
  game.ShowStatus("Game restarted.");
  game.Temps();
  EXPECT_EQ(game.Menus.StatusText.Caption(), "Game restarted.");
}

TEST_F(Clock, NoMoreMovesIsRaisedOncePerSituation) {
  // Two tiles of different groups: no move at all.
  current.Board = BoardState{};
  current.Board.PutTile(1, {4, 4, 1});
  current.Board.PutTile(5, {10, 4, 1});
  current.Board.TilesLeft = 2;
  clocks.Say(" ");
  Advance(0);
  EXPECT_TRUE(current.Status.Bounce);
  EXPECT_EQ(current.Status.Message, "      SORRY, NO MORE MOVES !!");
  for (int i = 0; i < 100; ++i) Advance(0);
  EXPECT_TRUE(current.Status.Bounce);
  EXPECT_NE(current.Status.Message, "      SORRY, NO MORE MOVES !!");  // not raised again
  // A move appears (as after an undo): the flag drops and can be raised again later.
  current.Board.PutTile(2, {16, 4, 1});
  current.Board.TilesLeft = 3;
  Advance(0);
  EXPECT_FALSE(current.Status.Bounce);
  current.Board.TakeTile(2);
  Advance(0);
  EXPECT_TRUE(current.Status.Bounce);
  EXPECT_EQ(current.Status.Message, "      SORRY, NO MORE MOVES !!");
}

TEST_F(ClockInGame, ValuePanelsFollowTheirOptions) {
  Advance(3'000);
  ASSERT_NE(game.Menus.MovesLeftLine.Caption(), "");
  game.Menus.Moves.Click();
  EXPECT_EQ(game.Menus.MovesLeftLine.Caption(), "");
  game.Menus.ShowTime.Click();
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "");
  game.Menus.Moves.Click();
  game.Menus.ShowTime.Click();
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "");  // shown again from the next tick
  Advance(0);
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "00:03");
  EXPECT_NE(game.Menus.MovesLeftLine.Caption(), "");
  game.Menus.MovesLeftPanel.Click();  // the caption panels act like their menu entries
  EXPECT_FALSE(game.Menus.Moves.Checked());
}

TEST_F(Clock, NoGameMeansBlankCounters) {
  SetMode(ModeStopped);
  Advance(1'000);
  EXPECT_EQ(menus.TilesLeftLine.Caption(), "");
  EXPECT_EQ(menus.MovesLeftLine.Caption(), "");
  EXPECT_EQ(menus.TimeLine.Caption(), "");
}

// With or without the side panel, the status line shows both players' clocks and whose turn it is.
TEST_F(ClockInGame, TwoPlayersSeeBothClocksAndTheTurnOnTheStatusLine) {
  game.TwoPlayers();
  Advance(65000);
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "\u25B6 Player 1 01:05  \u00B7  Player 2 00:00");
  game.TurnChange();
  Advance(3000);
  EXPECT_EQ(game.Menus.TimeLine.Caption(), "Player 1 01:05  \u00B7  \u25B6 Player 2 00:03");
}

// The window sleeps for HeartbeatDelay() between beats, or for good at 0. Beating every 50 ms
// instead must show nothing that a sleeping window would have missed: each change on the status
// line, the counters or the mode comes no later than one beat after the window would wake.
TEST_F(ClockInGame, SleepingBetweenBeatsMissesNothingShown) {
  auto shown = [&] {
    return game.Menus.StatusText.Caption() + "|" + game.Menus.TimeLine.Caption() + "|" +
           game.Menus.MovesLeftLine.Caption() + "|" + game.Menus.TilesLeftLine.Caption() + "|" +
           std::to_string(game.Current.Play.Number());
  };
  constexpr uint64_t Never = ~uint64_t{0};
  uint64_t now = 0, due = 0;
  int sleeps = 0;
  auto run = [&](int ms) {
    for (int t = 0; t < ms; t += 50) {
      const std::string before = shown();
      Advance(50);
      now += 50;
      if (shown() != before) {
        EXPECT_LE(due, now + 50) << "changed to " << shown();
      }
      if (due <= now) {
        const int delay = game.HeartbeatDelay();
        ASSERT_GE(delay, 0);
        due = delay == 0 ? Never : now + static_cast<uint64_t>(delay);
        sleeps += delay == 0 || delay > 50;
      }
    }
  };
  auto poke = [&] { due = now; };          // the player's hand wakes the window
  game.Menus.PlayMusic.SetChecked(false);  // a tune's end is looked for on every beat
  game.ShowStatus("A message that scrolls away");
  run(6'000);
  EXPECT_GT(game.HeartbeatDelay(), 50) << "a running clock alone beats once a second";
  game.PauseClick();
  poke();
  run(3'000);
  EXPECT_EQ(game.HeartbeatDelay(), 0) << "a paused game with a still status line needs no beat";
  game.PauseClick();
  poke();
  run(3'000);
  game.Stop();
  poke();
  run(3'000);
  EXPECT_EQ(game.HeartbeatDelay(), 0);
  EXPECT_GT(sleeps, 0);
  // A message moves on its own, and so does a tune, whose end is watched for.
  game.ShowStatus("Again");
  EXPECT_EQ(game.HeartbeatDelay(), 50);
  poke();  // the window asks before it sleeps again
  run(3'000);
  EXPECT_EQ(game.HeartbeatDelay(), 0);
  game.Menus.PlayMusic.SetChecked(true);
  EXPECT_EQ(game.HeartbeatDelay(), 0) << "music on, but no tune to watch";
  std::string error;
  ASSERT_TRUE(platform.media.Open("/tunes/Night.mid", error));
  EXPECT_EQ(game.HeartbeatDelay(), 250) << "a tune's end is watched for, at a slower beat";
  game.ShowStatus("And again");
  EXPECT_EQ(game.HeartbeatDelay(), 50) << "a moving message keeps its own beat beside a tune";
}

// A dead end starts its bounce on the beat after the move, and the bounce keeps the beat.
TEST_F(ClockInGame, ADeadEndKeepsTheHeartbeat) {
  game.Current.Board = BoardState{};
  game.Current.Board.PutTile(1, {4, 4, 1});
  game.Current.Board.PutTile(5, {10, 4, 1});
  game.Current.Board.TilesLeft = 2;
  game.Temps();
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(game.HeartbeatDelay(), 50);
    Advance(50);
  }
}
