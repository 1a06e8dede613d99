// Statistics: what scripted games add up to, and the file that keeps them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "layouts/LayoutInPlay.h"
#include "modes/HallOfFame.h"
#include "modes/Statistics.h"
#include "shell/StatisticsFile.h"

using namespace velmor;
using namespace velmor::test;

TEST(Statistics, CountsGamesTimesAndStreaksOverScriptedGames) {
  Statistics stats;
  const std::string heap = "Traditional.lay", flat = "Flat game, easy";
  // Won 300, won 200, lost, won 400, won 100, won 500, left unfinished for a flat game (won),
  // won 250, then started and never ended.
  auto win = [&](const std::string& key, int seconds) {
    stats.GameStarted(key);
    EXPECT_TRUE(stats.GameWon(key, seconds));
  };
  win(heap, 300);
  win(heap, 200);
  stats.GameStarted(heap);
  stats.GameLost(heap);
  for (int s : {400, 100, 500}) win(heap, s);
  stats.GameStarted(heap);
  win(flat, 90);
  win(heap, 250);
  stats.GameStarted(heap);
  EXPECT_FALSE(stats.GameWon(flat, 10)) << "a flat game that was not started";

  const StatisticsEntry& e = stats.Of(heap);
  EXPECT_EQ(e.Started, 9);
  EXPECT_EQ(e.Won, 6);
  EXPECT_EQ(e.BestSeconds, 100);
  EXPECT_EQ(e.AverageSeconds(), (300 + 200 + 400 + 100 + 500 + 250) / 6);
  EXPECT_EQ(e.LongestStreak, 3);
  EXPECT_EQ(e.CurrentStreak, 1);
  EXPECT_TRUE(e.Unfinished);
  EXPECT_EQ(stats.Of(flat).Won, 1);
  EXPECT_EQ(stats.Of(flat).CurrentStreak, 1);
  stats.GameAbandoned(heap);
  EXPECT_EQ(stats.Of(heap).CurrentStreak, 0);
  EXPECT_EQ(stats.Of(heap).LongestStreak, 3);
  EXPECT_EQ(stats.Of("Unplayed.lay"), StatisticsEntry{});
  stats.Reset();
  EXPECT_TRUE(stats.Entries().empty());

  LayoutInPlay layout;
  layout.LayoutPath = "/usr/share/velmor/Layouts/Fortress.lay";
  layout.BoardNumber = 4;
  EXPECT_EQ(StatisticsKey(layout), "Fortress.lay");
  layout.BoardNumber = RiversHardList;
  EXPECT_EQ(StatisticsKey(layout), "Flat game, hard");
}

TEST(StatisticsFile, KeepsEveryFigureAndReadsSpoiltOnesAsZero) {
  Statistics stats;
  for (const std::string key : {"Traditional.lay", "traditional.lay", " [odd]=name.lay", "Flat game, easy"}) {
    stats.GameStarted(key);
    stats.GameWon(key, static_cast<int>(key.size()) * 10);
    stats.GameStarted(key);
  }
  ScratchFolder folder;
  const std::string path = folder.path() + StatisticsFileName;
  Statistics read;
  std::string warning, error;
  ASSERT_TRUE(LoadStatistics(path, read, warning, error)) << error;
  EXPECT_TRUE(read.Entries().empty());
  ASSERT_TRUE(SaveStatistics(path, stats, error)) << error;
  ASSERT_TRUE(LoadStatistics(path, read, warning, error)) << error;
  EXPECT_EQ(warning, "");
  // Names lose the blanks around them, as every value in the file does.
  Statistics expected;
  for (const auto& [key, entry] : stats.Entries())
    expected.Set(key == " [odd]=name.lay" ? "[odd]=name.lay" : key, entry);
  EXPECT_TRUE(read == expected);

  std::string text = FormatStatistics(stats);
  const size_t flat = text.find("Name=Flat game, easy");
  text.replace(text.find("Won=1", flat), 5, "Won=lots");
  text.replace(text.find("BestSeconds=", flat), 12, "BestSeconds=-");
  EXPECT_EQ(ReadStatisticsText(text, read),
            "Some statistics could not be read and count as zero: Flat game, easy (Won), Flat game, easy "
            "(BestSeconds).");
  EXPECT_EQ(read.Of("Flat game, easy").Won, 0);
  EXPECT_EQ(read.Of("Flat game, easy").Started, 2);
  EXPECT_EQ(read.Of("Traditional.lay"), stats.Of("Traditional.lay"));

  folder.Write("Folder.ini/x", "");
  EXPECT_FALSE(LoadStatistics(folder.path() + "Folder.ini", read, warning, error));
  EXPECT_FALSE(error.empty());
}
