// The layout chooser's rows and filter, the sketches of the heaps, and layouts imported from
// other games into the Layout menu.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "shell/LayoutChooserModel.h"

using namespace velmor;
using namespace velmor::test;

namespace {

int Brightest(const Picture& p) {
  int most = 0;
  for (uint32_t px : p.pixels()) most = std::max(most, RedOf(px) + GreenOf(px) + BlueOf(px));
  return most;
}

class LayoutChoosing : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  RecordingGame game{platform, dir.path()};

  void SetUp() override {
    for (const char* name : {"Bridge", "Pyramid", "Tower"})
      dir.Write(std::string("Layouts/") + name + ".lay", FormatLayFile(name, RowShape(8)));
    game.Folders.UsePlayerFolders(dir.path() + "config", dir.path() + "mine");
    game.Layout.BoardNumber = 3;  // Tower
    ASSERT_TRUE(game.BuildLayoutList());
  }
  std::vector<std::string> Names(const LayoutChooserModel& model, const std::vector<int>& rows) {
    std::vector<std::string> out;
    for (int i : rows) out.push_back(model.Rows()[static_cast<size_t>(i)].name);
    return out;
  }
};

// Two 144-tile maps and one that is too small for a heap.
const char* const Maps = R"(<mahjongg>
  <map name="Alpha"><block left="0" right="11" top="0" bottom="5" z="0"/><block left="0" right="11" top="0" bottom="5" z="1"/></map>
  <map name="Small"><block left="0" right="9" top="0" bottom="5" z="0"/></map>
  <map name="Tower"><block left="0" right="11" top="0" bottom="5" z="0"/><block left="1" right="10" top="0" bottom="5" z="1"/><block left="4" right="7" top="1" bottom="3" z="2"/></map>
</mahjongg>
)";

}  // namespace

TEST(LayoutSketch, EveryShippedHeapFitsInsideItsTableAndHigherLayersShowLighter) {
  const Picture empty = LayoutSketch(LayoutShape{}, 150, 112);
  for (uint32_t px : empty.pixels()) ASSERT_EQ(px, empty.pixels()[0]);
  for (const auto& entry : std::filesystem::directory_iterator(DataDir() + "/Layouts")) {
    if (entry.path().filename() == ClearableBook::FileName) continue;
    LayoutShape shape;
    std::string name;
    LayoutRefusal refusal;
    ASSERT_TRUE(ReadPlayableLayout(entry.path().string(), IsShpPath(entry.path().string()), shape, name, refusal));
    const Picture sketch = LayoutSketch(shape, 150, 112);
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_NE(sketch, empty);
    for (int x = 0; x < sketch.width(); ++x)
      ASSERT_TRUE(sketch.at(x, 0) == empty.at(0, 0) && sketch.at(x, sketch.height() - 1) == empty.at(0, 0));
    for (int y = 0; y < sketch.height(); ++y)
      ASSERT_TRUE(sketch.at(0, y) == empty.at(0, 0) && sketch.at(sketch.width() - 1, y) == empty.at(0, 0));
  }
  EXPECT_GT(Brightest(LayoutSketch(ShapeOf({{10, 8, 3}}), 150, 112)),
            Brightest(LayoutSketch(ShapeOf({{10, 8, 1}}), 150, 112)));
}

TEST_F(LayoutChoosing, RowsFollowTheMenuWithLayersRecordsAndAFilterThatIgnoresCase) {
  dir.Write("Layouts/Pyramid.lay", FormatLayFile("Pyramid", ShapeOf({{2, 2, 1}, {2, 2, 2}, {4, 2, 1}, {2, 2, 4}})));
  dir.Write("Layouts/Tower.lay", "Another program 1.0\r\nTower\r\n");  // lends its name only
  dir.Write("Layouts/Bridge.lay", "Velmor 3.0\r\nBridge\r\n0101\r\n");
  HallOf(game, 2).Add("Kim", 95, 0);
  HallOf(game, 2).Add("Lee", 80, 0);
  Statistics figures;
  figures.Set("Pyramid.lay", {3, 2});
  LayoutChooserModel model;
  model.Fill(game.Listed.Layouts, game.Hall.Book, figures, 3);

  ASSERT_EQ(model.Rows().size(), 3u);
  EXPECT_EQ(model.Current(), 3);
  const LayoutChoiceRow &bridge = model.Rows()[0], &pyramid = model.Rows()[1], &tower = model.Rows()[2];
  EXPECT_EQ(pyramid.number, 2);
  EXPECT_EQ(pyramid.LayersText(), "3 layers");
  EXPECT_EQ(pyramid.RecordText(), "Won 2 times, best 01:20");
  EXPECT_EQ(tower.LayersText(), "No heap of its own");
  EXPECT_EQ(tower.RecordText(), "Not won yet");
  EXPECT_EQ(bridge.LayersText(), "Cannot be read");

  EXPECT_EQ(Names(model, model.Filtered("")), (std::vector<std::string>{"Bridge", "Pyramid", "Tower"}));
  EXPECT_EQ(Names(model, model.Filtered(" pYR ")), (std::vector<std::string>{"Pyramid"}));
  EXPECT_EQ(Names(model, model.Filtered("R")), (std::vector<std::string>{"Bridge", "Pyramid", "Tower"}));
  EXPECT_EQ(Names(model, model.Filtered("we")), (std::vector<std::string>{"Tower"}));
  EXPECT_TRUE(model.Filtered("pyramids").empty());
}

TEST_F(LayoutChoosing, FilesAreSketchedOnceUntilTheyChange) {
  LayoutChooserModel model;
  model.Fill(game.Listed.Layouts, game.Hall.Book, Statistics{}, 1);
  const Picture before = *model.Rows()[1].sketch;
  model.Fill(game.Listed.Layouts, game.Hall.Book, Statistics{}, 1);
  EXPECT_EQ(model.FilesRead(), 3);
  dir.Write("Layouts/Pyramid.lay", FormatLayFile("Pyramid", RowShape(12)));
  model.Fill(game.Listed.Layouts, game.Hall.Book, Statistics{}, 1);
  EXPECT_EQ(model.FilesRead(), 4);
  EXPECT_NE(*model.Rows()[1].sketch, before);
}

TEST_F(LayoutChoosing, ImportSavesEveryHeapItMayAndTheMenuListsThemWithTheirRecordsKept) {
  HallOf(game, 3).Add("Kim", 95, 0);  // Tower's, in play
  platform.openAnswers.push_back(dir.Write("elsewhere/mix.map", Maps));
  platform.confirmAnswers.push_back(false);  // keep the listed Tower
  game.Menus.ImportLayout1.Click();

  ASSERT_EQ(platform.openDialogs.size(), 1u);
  EXPECT_EQ(platform.openDialogs[0].filter, "Layouts from other games (*.layout *.map)|*.layout;*.map");
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].text, "The layout \"Tower\" already exists. Do you want to replace it?");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0],
            "From \"mix.map\":\nImported into the Layout menu: Alpha.\n"
            "Refused: Small (it has 60 tiles; a heap needs exactly 144).\nKept as they were: Tower.");
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "mine/Alpha.lay"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "mine/Tower.lay"));

  ASSERT_EQ(game.Listed.Layouts.Count(), 4);
  EXPECT_EQ(game.Listed.Layouts[1].name, "Alpha");
  EXPECT_EQ(game.Listed.Entries.Entry(1)->Caption(), "Alpha");
  EXPECT_EQ(game.Menus.Layout1.Items().size(), 6u + 4u);
  // The layout in play moved down one place; its check mark and its Hall of Fame list went with it.
  EXPECT_EQ(game.Layout.BoardNumber, 4);
  EXPECT_TRUE(game.Listed.Entries.Entry(4)->Checked());
  EXPECT_FALSE(game.Listed.Entries.Entry(3)->Checked());
  EXPECT_EQ(HallOf(game, 4).entries[1].substr(0, 3), "Kim");
  EXPECT_TRUE(HallOf(game, 1).IsEmpty());
  EXPECT_EQ(game.Help.ChooserIndex, 3);  // the Hall of Fame page's chooser names it under its new number

  // The new entry plays the imported heap.
  game.Listed.Entries.Entry(1)->Click();
  EXPECT_EQ(game.Layout.LayoutName, "Alpha");
  EXPECT_EQ(game.Layout.Shape.Count(), 144);
}

TEST_F(LayoutChoosing, ImportingAFileAgainReplacesItsLayoutsWithTheirRecordsAndAsksOnlyWhenTheyChanged) {
  // "Bridge" is a shipped layout's name: the heap comes in beside the listed Bridge.
  auto map = [](char z) {
    return std::string("<mahjongg><map name='Bridge'><block left='0' right='11' top='0' bottom='5' z='0'/>") +
           "<block left='0' right='11' top='0' bottom='5' z='" + z + "'/></map></mahjongg>";
  };
  const std::string file = dir.Write("elsewhere/bridge.map", map('1'));
  platform.openAnswers.push_back(file);
  game.Menus.ImportLayout1.Click();
  const int number = game.Listed.Layouts.FindName("Bridge (GNOME Mahjongg)");
  ASSERT_NE(number, 0);
  HallOf(game, number).Add("Kim", 95, 0);

  platform.openAnswers.push_back(file);
  game.Menus.ImportLayout1.Click();
  EXPECT_TRUE(platform.questions.empty());
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1], "From \"bridge.map\":\nImported into the Layout menu: Bridge (GNOME Mahjongg).");
  EXPECT_EQ(game.Listed.Layouts.Count(), 4);
  EXPECT_EQ(game.Listed.Layouts.FindName("Bridge (GNOME Mahjongg)"), number);
  EXPECT_EQ(game.Listed.Entries.Entry(number)->Caption(), "Bridge (GNOME Mahjongg)");
  EXPECT_EQ(HallOf(game, number).entries[1].substr(0, 3), "Kim");

  // A changed heap replaces the one before only when the player agrees.
  platform.openAnswers.push_back(dir.Write("elsewhere/bridge.map", map('2')));
  platform.confirmAnswers.push_back(false);
  game.Menus.ImportLayout1.Click();
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.errors.back(),
            "From \"bridge.map\":\nKept as they were: Bridge (GNOME Mahjongg).\nNo layout was imported.");
  EXPECT_EQ(game.Listed.Layouts.Count(), 4);
}

TEST_F(LayoutChoosing, AFileThatIsNoLayoutIsRefusedAndNothingChanges) {
  for (const std::string& text : {std::string("just some words\n"), std::string("<mahjongg><map name=\"A\">")}) {
    platform.errors.clear();
    platform.openAnswers.push_back(dir.Write("elsewhere/odd.layout", text));
    game.Menus.ImportLayout1.Click();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("odd.layout"), std::string::npos) << platform.errors[0];
    EXPECT_NE(platform.errors[0].find("No layout was imported."), std::string::npos) << platform.errors[0];
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "mine"));
  EXPECT_EQ(game.Listed.Layouts.Count(), 3);
  EXPECT_EQ(game.Menus.Layout1.Items().size(), 6u + 3u);
}
