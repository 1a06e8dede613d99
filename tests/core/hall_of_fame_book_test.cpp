// The records model: every list through the Hall of Fame file and back, and how a list ranks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "modes/HallOfFame.h"
#include "shell/HallOfFameFile.h"
#include "shell/IniFile.h"

using namespace velmor;

namespace {

const char* const Names[] = {"Ann", "Alexandra", " Sam", "Zoe Q", "Bo", "  Li"};

// A book with results in a few lists, the flat games' among them; the other lists stay empty.
HallOfFameBook SomeRecords(uint32_t seed, const std::vector<int>& lists) {
  std::mt19937 random(seed);
  HallOfFameBook book;
  for (int list : lists)
    for (int k = 0; k < 14; ++k)
      book[list].Add(Names[random() % std::size(Names)], static_cast<int>(random() % 900),
                     20 * static_cast<int>(random() % 4));
  return book;
}

}  // namespace

TEST(HallOfFameBook, EveryListSurvivesTheFileAndEmptyLayoutListsLeaveNoSection) {
  const std::vector<std::string> layouts = {"Big Dragon", "Wide", "Two Step", "Fortress"};
  IniFile ini;
  // "Wide" had records once; a player's own section is none of the game's business.
  ASSERT_TRUE(ini.LoadText("[Wide]\r\nRank1=Old       100    0\r\n[Notes]\r\nkeep=this\r\n"));
  const HallOfFameBook book = SomeRecords(11, {1, 3, RiversHardList});
  WriteHallLists(book, layouts, ini);
  const std::string text = ini.Text();
  EXPECT_NE(text.find("[BigDragon]\r\nRank1="), std::string::npos);
  EXPECT_NE(text.find("[TwoStep]"), std::string::npos);
  EXPECT_EQ(text.find("[Wide]"), std::string::npos);
  EXPECT_EQ(text.find("[Fortress]"), std::string::npos);
  EXPECT_NE(text.find("[Rivers]\r\nRank1=" + FillerEntry(1)), std::string::npos);  // the flat games always
  EXPECT_NE(text.find("[Notes]\r\nkeep=this"), std::string::npos);

  IniFile reread;
  ASSERT_TRUE(reread.LoadText(text));
  HallOfFameBook back;
  for (int list = 1; list <= RiversHardList; ++list) {
    if (list > static_cast<int>(layouts.size()) && list < RiversEasyList) continue;
    const std::string section = HallOfFameBook::Section(list, list < RiversEasyList ? layouts[list - 1] : "");
    EXPECT_EQ(ReadHallList(reread, section, list, true, back), "") << list;
    for (int r = 1; r <= HallRanks; ++r) {
      // The file's reader trims a name's leading blanks; they come back as hyphens.
      std::string expected = book[list].entries[static_cast<size_t>(r)];
      std::replace(expected.begin(), expected.begin() + static_cast<long>(expected.find_first_not_of(' ')), ' ', '-');
      EXPECT_EQ(back[list].entries[static_cast<size_t>(r)], expected) << list << " rank " << r;
    }
  }
  WriteHallLists(back, layouts, reread);
  IniFile again;
  ASSERT_TRUE(again.LoadText(reread.Text()));
  HallOfFameBook third;
  ReadHallList(again, "BigDragon", 1, true, third);
  EXPECT_EQ(third[1].entries, back[1].entries);  // hyphens are ordinary characters the second time
}

TEST(HallOfFameBook, ListsStaySortedAndOnlyATimeBelowTheTenthEnters) {
  std::mt19937 random(5);
  HallOfFameBook book;
  const int list = RiversEasyList;
  for (int k = 0; k < 400; ++k) {
    const int tenth = book.TenthTime(list);
    const int total = static_cast<int>(random() % 1000), malus = 20 * static_cast<int>(random() % 3);
    const auto before = book[list].entries;
    const std::string name = std::to_string(k);
    const int rank = book.Enter(list, name, total, malus);
    if (total >= tenth) {
      EXPECT_EQ(rank, 0) << total;
      EXPECT_EQ(book[list].entries, before);
      HallList copy = book[list];
      if (total > tenth) EXPECT_EQ(copy.Add(name, total, malus), 0) << total;  // the list alone agrees
    } else {
      ASSERT_GE(rank, 1);
      ASSERT_LE(rank, HallRanks);
      EXPECT_EQ(book[list].entries[static_cast<size_t>(rank)], MakeHallEntry(name, total, malus));
    }
    EXPECT_LE(book.TenthTime(list), tenth);
    int previous = 0;
    for (int r = 1; r <= HallRanks; ++r) {
      int time = -1;
      ASSERT_TRUE(EntryReadable(book[list].entries[static_cast<size_t>(r)]));
      EntryTime(book[list].entries[static_cast<size_t>(r)], time);
      EXPECT_LE(previous, time) << "rank " << r;
      previous = time;
    }
  }
  EXPECT_TRUE(book[1].IsEmpty());  // the other lists are untouched
  EXPECT_EQ(book.Enter(0, "Nobody", 1, 0), 0);
  EXPECT_EQ(book.TenthTime(0), 0);
  EXPECT_EQ(book.TenthTime(RiversHardList + 1), 0);
}

TEST(HallOfFameBook, SectionsAndTheListAGameRecordsTo) {
  EXPECT_EQ(HallOfFameBook::Section(1, " Big  Dragon "), "BigDragon");
  EXPECT_EQ(HallOfFameBook::Section(99, "Wide"), "Wide");
  EXPECT_EQ(HallOfFameBook::Section(RiversEasyList, "ignored"), "Rivers");
  EXPECT_EQ(HallOfFameBook::Section(RiversHardList, ""), "Rivers2");
  HallOfFameBook book;
  EXPECT_EQ(&book.ListOf(7), &book[7]);
  EXPECT_EQ(&book.ListOf(RiversHardList), &book[RiversHardList]);
  EXPECT_EQ(&book.ListOf(0), &book[1]);  // no game yet: layout 1's list
  EXPECT_EQ(&book.ListOf(RiversHardList + 1), &book[1]);
}
