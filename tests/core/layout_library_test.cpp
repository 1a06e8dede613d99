// The layout library on its own: what a scan lists, in which order, and the file a save writes.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "layouts/LayoutLibrary.h"

using namespace velmor;
using namespace velmor::test;

TEST(LayoutLibrary, ListsLayThenShpEachSortedAndThePlayersFileWins) {
  ScratchFolder dir;
  for (const char* file : {"shipped/zeta.lay", "shipped/Alpha.lay", "shipped/b.shp", "shipped/A.shp",
                           "shipped/notes.txt", "mine/zeta.lay", "mine/Mid.lay"})
    dir.Write(file, "x");
  LayoutLibrary library;
  std::vector<std::string> leftOut;
  library.Scan(dir.path() + "shipped/", dir.path() + "mine/", leftOut);
  std::vector<std::string> files, folders;
  for (int k = 1; k <= library.Count(); ++k) {
    files.push_back(library[k].file);
    folders.push_back(library[k].folder);
  }
  EXPECT_EQ(files, (std::vector<std::string>{"Alpha.lay", "Mid.lay", "zeta.lay", "A.shp", "b.shp"}));
  EXPECT_EQ(library[3].Path(), dir.path() + "mine/zeta.lay");
  EXPECT_EQ(library[3].name, "zeta");
  EXPECT_EQ(library[4].name, "A");
  EXPECT_EQ(library[4].RecordName(), "A.shp");  // where its records were always kept
  EXPECT_EQ(library[3].RecordName(), "zeta");
  EXPECT_EQ(library.FindFile("b.shp"), 5);
  EXPECT_EQ(library.FindName("Mid"), 2);
  EXPECT_EQ(library.FindName("A"), 0);  // only ".lay" entries are found by name
  EXPECT_TRUE(leftOut.empty());
}

TEST(LayoutLibrary, KeepsNinetyNineEntriesAndNamesTheRest) {
  ScratchFolder dir;
  for (int i = 0; i < 101; ++i) dir.Write("L/" + std::to_string(1000 + i) + ".lay", "x");
  LayoutLibrary library;
  std::vector<std::string> leftOut;
  library.Scan(dir.path() + "L/", "", leftOut);
  EXPECT_EQ(library.Count(), LayoutLibrary::MaxEntries);
  EXPECT_EQ(leftOut, (std::vector<std::string>{"1099.lay", "1100.lay"}));
}

TEST(LayoutLibrary, TheSavedFileIsAlwaysALayFile) {
  EXPECT_EQ(LayFilePathFor("/x/Spiral.shp"), "/x/Spiral.lay");
  EXPECT_EQ(LayFilePathFor("/x/Spiral.SHP"), "/x/Spiral.lay");
  EXPECT_EQ(LayFilePathFor("/x/Pyramid"), "/x/Pyramid.lay");
  EXPECT_EQ(LayFilePathFor("/x/Pyramid.lay"), "/x/Pyramid.lay");
  EXPECT_EQ(LayFilePathFor("/x/Spiral.shp.lay"), "/x/Spiral.shp.lay");
}
