// The records model: every list through the Hall of Fame file and back, and how a list ranks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TestSupport.h"
#include "layouts/LayoutLibrary.h"
#include "modes/HallOfFame.h"
#include "shell/HallOfFameFile.h"
#include "shell/IniFile.h"

using namespace velmor;

namespace {

const char* const Names[] = {"Ann", "Alexandra", " Sam", "Zoe Q", "Bo", "  Li"};

// A book with results in a few lists, the flat games' among them; the other lists stay empty.
HallOfFameBook SomeRecords(uint32_t seed, const std::vector<std::string>& lists) {
  std::mt19937 random(seed);
  HallOfFameBook book;
  for (const std::string& list : lists)
    for (int k = 0; k < 14; ++k)
      book[list].Add(Names[random() % std::size(Names)], static_cast<int>(random() % 900),
                     20 * static_cast<int>(random() % 4));
  return book;
}

}  // namespace

TEST(HallOfFameBook, EveryListSurvivesTheFileAndEmptyLayoutListsLeaveNoSection) {
  // Keyed by file, named by record name; "Old.lay" is not listed now.
  const std::vector<HallLayout> layouts = {{"Big Dragon.lay", "Big Dragon"},
                                           {"Wide.lay", "Wide"},
                                           {"Two Step.lay", "Two Step"},
                                           {"Fortress.shp", "Fortress.shp"}};
  IniFile ini;
  // "Wide" had records once; a layout not listed keeps its section; a player's own section is
  // none of the game's business.
  ASSERT_TRUE(
      ini.LoadText("[Wide]\r\nRank1=Old       100    0\r\n[Old]\r\nRank1=Gone      100    0\r\n"
                   "[Notes]\r\nkeep=this\r\n"));
  const HallOfFameBook book = SomeRecords(11, {"Big Dragon.lay", "Two Step.lay", RiversHardHall, "Old.lay"});
  WriteHallLists(book, layouts, ini);
  const std::string text = ini.Text();
  EXPECT_NE(text.find("[BigDragon]\r\nRank1="), std::string::npos);
  EXPECT_NE(text.find("[TwoStep]"), std::string::npos);
  EXPECT_EQ(text.find("[Wide]"), std::string::npos);
  EXPECT_EQ(text.find("[Fortress.shp]"), std::string::npos);
  EXPECT_NE(text.find("[Old]\r\nRank1=Gone"), std::string::npos);
  EXPECT_NE(text.find("[Rivers]\r\nRank1=" + FillerEntry(1)), std::string::npos);  // the flat games always
  EXPECT_NE(text.find("[Notes]\r\nkeep=this"), std::string::npos);

  IniFile reread;
  ASSERT_TRUE(reread.LoadText(text));
  HallOfFameBook back;
  std::vector<std::pair<std::string, std::string>> lists = {{RiversEasyHall, RiversEasyHall},
                                                            {RiversHardHall, RiversHardHall}};
  for (const HallLayout& layout : layouts) lists.push_back({layout.key, HallOfFameBook::Section(layout.recordName)});
  for (const auto& [key, section] : lists) {
    EXPECT_EQ(ReadHallList(reread, section, key, true, back), "") << key;
    for (int r = 1; r <= HallRanks; ++r) {
      // The file's reader trims a name's leading blanks; they come back as hyphens.
      std::string expected = book.Get(key).entries[static_cast<size_t>(r)];
      std::replace(expected.begin(), expected.begin() + static_cast<long>(expected.find_first_not_of(' ')), ' ', '-');
      EXPECT_EQ(back.Get(key).entries[static_cast<size_t>(r)], expected) << key << " rank " << r;
    }
  }
  WriteHallLists(back, layouts, reread);
  IniFile again;
  ASSERT_TRUE(again.LoadText(reread.Text()));
  HallOfFameBook third;
  ReadHallList(again, "BigDragon", "Big Dragon.lay", true, third);
  EXPECT_EQ(third.Get("Big Dragon.lay").entries,
            back.Get("Big Dragon.lay").entries);  // hyphens are ordinary the second time
}

TEST(HallOfFameBook, ListsStaySortedAndOnlyATimeBelowTheTenthEnters) {
  std::mt19937 random(5);
  HallOfFameBook book;
  const std::string list = RiversEasyHall;
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
      if (total > tenth) {
        EXPECT_EQ(copy.Add(name, total, malus), 0) << total;  // the list alone agrees
      }
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
  EXPECT_FALSE(book.Has("Pyramid.lay"));  // the other lists are untouched
  EXPECT_TRUE(book.Get("Pyramid.lay").IsEmpty());
  EXPECT_EQ(book.Enter("", "Nobody", 1, 0), 0);
  EXPECT_EQ(book.TenthTime(""), 0);
  EXPECT_FALSE(book.Has(""));
}

TEST(HallOfFameBook, SectionsAndTheListAGameRecordsTo) {
  EXPECT_EQ(HallOfFameBook::Section(" Big  Dragon "), "BigDragon");
  EXPECT_EQ(HallOfFameBook::Section("Spiral.shp"), "Spiral.shp");
  LayoutLibrary layouts;
  layouts.Add({"Wide", "Wide.lay", "/shipped/", false});
  layouts.Add({"Spiral", "Spiral.shp", "/shipped/", true});
  EXPECT_EQ(HallKeyOf(layouts, 1), "Wide.lay");
  EXPECT_EQ(HallKeyOf(layouts, 2), "Spiral.shp");
  EXPECT_EQ(HallKeyOf(layouts, RiversEasyList), RiversEasyHall);
  EXPECT_EQ(HallKeyOf(layouts, RiversHardList), RiversHardHall);
  for (int none : {0, 3, 99, RiversHardList + 1}) EXPECT_EQ(HallKeyOf(layouts, none), "") << none;
}

// On disk: a spoilt entry is replaced and said once for its list, a name that began with a space
// comes back with a hyphen, and writing keeps the sections the game does not know.
TEST(HallRecords, ReadsBackRepairsOnceAndKeepsOtherSections) {
  FakePlatform platform;
  test::ScratchFolder dir;
  FolderPaths folders;
  folders.ConfigFolder = dir.path();
  LayoutLibrary layouts;
  layouts.Add({"Two Step", "Two Step.lay", dir.path()});
  BackgroundWriter writer(false);
  HallRecords hall{platform, writer, folders, layouts};
  dir.Write("Hallfame.ini",
            "[TwoStep]\r\nRank1= Sam      100    0\r\nRank2=Broken entry!!\r\nRank3=Liz       abc    0\r\n"
            "[Unrelated]\r\nkeep=this\r\n");
  hall.Load();
  const HallList& list = hall.Of(1);
  EXPECT_EQ(list.entries[1], "-Sam      100    0");
  EXPECT_EQ(list.entries[2], FillerEntry(2));
  EXPECT_EQ(list.entries[3], FillerEntry(3));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("2 unreadable entries"), std::string::npos);
  EXPECT_EQ(hall.Enter(1, "Ann", 90, 0), 1);  // kept on disk at once
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(dir.path() + "Hallfame.ini", text, error));
  EXPECT_NE(text.find("Ann        90    0"), std::string::npos);
  EXPECT_NE(text.find("[Unrelated]\r\nkeep=this"), std::string::npos);
  EXPECT_LT(text.find("[TwoStep]"), text.find("Ann        90    0"));
}
