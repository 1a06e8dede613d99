// How many random deals of a layout can be cleared: the count, the book each folder keeps of it,
// and the survey that fills the player's book in the background.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "TestSupport.h"
#include "layouts/ClearableShare.h"
#include "layouts/LayoutFile.h"
#include "modes/ClearableSurvey.h"

using namespace velmor;
using namespace velmor::test;

namespace {

LayoutShape Shipped(const char* file) {
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  EXPECT_TRUE(ReadPlayableLayout(DataDir() + "/Layouts/" + file, false, shape, name, refusal));
  return shape;
}

bool WaitQuiet(const ClearableSurvey& survey) {
  for (int k = 0; k < 6000 && !survey.Quiet(); ++k) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return survey.Quiet();
}

}  // namespace

TEST(ClearableBook, ReadsBackWhatItWritesAndPassesOverDamage) {
  std::mt19937_64 random(7);
  ClearableBook book;
  std::vector<std::pair<std::string, uint64_t>> kept;
  for (int k = 0; k < 50; ++k) {
    const std::string file = "Layout " + std::to_string(k) + (k % 2 ? ".lay" : ".shp");
    const uint64_t key = random();
    book.Put(file, key, {static_cast<int>(random() % 1000), static_cast<int>(random() % 50), k % 3});
    kept.emplace_back(file, key);
  }
  ClearableBook back;
  back.Read(book.Text());
  EXPECT_EQ(back, book);
  for (const auto& [file, key] : kept) {
    EXPECT_TRUE(back.Find(file, key)) << file;
    EXPECT_FALSE(back.Find(file, key ^ 1)) << "a figure serves only the heap it was counted on";
  }

  // Names the book could not read back as they were are not kept.
  ClearableBook names;
  for (const char* file : {"a=b.lay", "two\nlines.lay", "[Clearable].lay", " spaced.lay", ""})
    names.Put(file, 1, {1, 0, 0});
  EXPECT_TRUE(names.Empty());

  ClearableBook damaged;
  damaged.Read(
      "Before.lay=1 1 0 0\r\n[Clearable]\r\nGood.lay=ff 90 10 0\nShort.lay=ff 90 10\r\nJunk.lay=ff 9 1 0 x\r\n"
      "Minus.lay=ff -9 1 0\r\nNotHex.lay=zz 9 1 0\r\nNoValue.lay\r\n[Other]\r\nAfter.lay=1 1 0 0\r\n");
  ClearableBook expected;
  expected.Put("Good.lay", 0xff, {90, 10, 0});
  EXPECT_EQ(damaged, expected);
  EXPECT_EQ(expected.Find("Good.lay", 0xff)->Percent(), 90);
  EXPECT_EQ((ClearableCount{0, 0, 5}.Percent()), -1) << "nothing decided, no share";
}

TEST(ClearableCount, CountsEveryDealOnceOnAnyNumberOfThreadsAndStopsWhenAsked) {
  const LayoutShape shape = Shipped("Pyramid.lay");
  const std::optional<ClearableCount> one = CountClearable(shape, 12, 20'000, 1);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->Deals(), 12);
  EXPECT_EQ(CountClearable(shape, 12, 20'000, 2), one) << "each deal is the same whichever thread counts it";
  EXPECT_NE(HeapKey(shape), HeapKey(Shipped("Traditional.lay")));

  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(CountClearable(shape, 12, 20'000, 2, stop.get_token()));
}

TEST(ClearableSurvey, CountsThePlayersLayoutsOnceKeepsTheFigureBesideThemAndReadsTheShippedOnes) {
  ScratchFolder dir;
  const std::string shipped = dir.path() + "shipped/", mine = dir.path() + "mine/";
  const LayoutShape pyramid = Shipped("Pyramid.lay"), traditional = Shipped("Traditional.lay");
  dir.Write("shipped/Traditional.lay", FormatLayFile("Traditional", traditional));
  dir.Write("shipped/Pyramid.lay", FormatLayFile("Pyramid", pyramid));
  // A figure no count of a few deals gives, so that reading it cannot pass for counting.
  ClearableBook book;
  book.Put("Traditional.lay", HeapKey(traditional), {970, 30, 0});
  dir.Write("shipped/Clearable.ini", book.Text());
  dir.Write("mine/Mine.lay", FormatLayFile("Mine", pyramid));
  dir.Write("mine/Broken.lay", std::string(LayMagic) + "\r\nBroken\r\n0101\r\n");
  LayoutLibrary layouts;
  std::vector<std::string> leftOut;
  layouts.Scan(shipped, mine, leftOut);

  {
    ClearableSurvey survey(6, 20'000, std::chrono::milliseconds(0));
    survey.Survey(layouts, mine);
    ASSERT_TRUE(WaitQuiet(survey));
    const ClearableFigure read = survey.Of(shipped + "Traditional.lay"), counted = survey.Of(mine + "Mine.lay");
    ASSERT_EQ(read.state, ClearableFigure::Known);
    EXPECT_EQ(read.count, (ClearableCount{970, 30, 0}));
    ASSERT_EQ(counted.state, ClearableFigure::Known);
    EXPECT_EQ(counted.count.Deals(), 6);
    EXPECT_EQ(survey.Of(shipped + "Pyramid.lay").state, ClearableFigure::Known) << "counted, though not kept there";
    EXPECT_EQ(survey.Of(mine + "Broken.lay").state, ClearableFigure::Unknown);
    EXPECT_FALSE(std::filesystem::exists(shipped + "Clearable.ini.tmp"));
  }
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(mine + "Clearable.ini", text, error)) << error;
  ClearableBook players;
  players.Read(text);
  ASSERT_TRUE(players.Find("Mine.lay", HeapKey(pyramid)));

  // The next game reads the player's figure rather than counting again, until the file holds
  // another heap.
  players.Put("Mine.lay", HeapKey(pyramid), {1, 2, 3});
  dir.Write("mine/Clearable.ini", players.Text());
  ClearableSurvey again(6, 20'000, std::chrono::milliseconds(0));
  again.Survey(layouts, mine);
  ASSERT_TRUE(WaitQuiet(again));
  EXPECT_EQ(again.Of(mine + "Mine.lay").count, (ClearableCount{1, 2, 3}));
  dir.Write("mine/Mine.lay", FormatLayFile("Mine", traditional));
  again.Survey(layouts, mine);
  ASSERT_TRUE(WaitQuiet(again));
  EXPECT_EQ(again.Of(mine + "Mine.lay").count.Deals(), 6);
}
