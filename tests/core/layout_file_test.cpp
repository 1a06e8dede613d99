// Reading ".lay" and ".shp" files, and what the game does with good and bad ones.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/Text.h"
#include "shell/LayoutMenu.h"

using namespace velmor;
using namespace velmor::test;

TEST(LayoutLines, CarriageReturnEndsALineAndLineFeedDoesNot) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLayoutLines("a\r\nb\r\nc\r\n"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitLayoutLines("a\rb\rc"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitLayoutLines("a\nb\nc\n"), (V{"a\nb\nc\n"}));
  EXPECT_EQ(SplitLayoutLines("a\r\n\nb"), (V{"a", "\nb"}));  // only one LF is skipped
  EXPECT_EQ(SplitLayoutLines("a\r\nb\x1a\r\nc\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLayoutLines(""), V{});
  EXPECT_EQ(SplitLayoutLines("\r\n\r\n"), (V{"", ""}));
}

TEST(LayFile, WrittenFileReadsBackTheSame) {
  LayoutShape shape = RowShape(10);
  shape.at(5, 19, 33) = 1;
  const std::string text = FormatLayFile("My Little Heap", shape);
  EXPECT_EQ(text.substr(0, 12), "Velmor 3.0\r\n");
  EXPECT_EQ(text.size(), 12u + 16u + 3402u);
  LayFile lay;
  std::string error;
  ASSERT_TRUE(ParseLayFile(text, lay, error)) << error;
  EXPECT_TRUE(lay.magicOk);
  EXPECT_EQ(lay.name, "My Little Heap");
  EXPECT_TRUE(lay.shape == shape);
}

TEST(LayFile, DamagedTileMapsAreRefused) {
  std::string error;
  LayFile lay;
  const std::string head = "Velmor 3.0\r\nx\r\n";
  EXPECT_FALSE(ParseLayFile(head + std::string(3399, '0') + "\r\n", lay, error));
  EXPECT_NE(error.find("3399"), std::string::npos);
  EXPECT_FALSE(ParseLayFile(head + std::string(3401, '0'), lay, error));
  EXPECT_FALSE(ParseLayFile(head + std::string(3399, '0') + "2", lay, error));
  EXPECT_NE(error.find("3400"), std::string::npos);
  EXPECT_FALSE(ParseLayFile("Velmor 3.0\r\nno map", lay, error));
  std::string binary(4000, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37);
  LayFile garbage;
  EXPECT_TRUE(ParseLayFile(binary, garbage, error));  // not ours: only the magic decides
  EXPECT_FALSE(garbage.magicOk);
}

TEST(ShpFile, HexadecimalPlacesAndDuplicates) {
  std::string text = "   000000\r\n   0A1202\r\n";
  for (int i = 2; i < 144; ++i) text += "xyz0A1202 trailing text\r\n";  // same place again
  text += "   1F1F1F ignored: beyond line 144\r\n";
  LayoutShape shape;
  std::string error;
  ASSERT_TRUE(ParseShpFile(text, shape, error)) << error;
  EXPECT_EQ(shape.at(1, 1, 1), 1);
  EXPECT_EQ(shape.at(3, 19, 11), 1);
  EXPECT_EQ(shape.Count(), 2);
}

TEST(ShpFile, BadFilesAreRefusedWithAReason) {
  auto lines = [](const std::string& line, int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += line + "\r\n";
    return t;
  };
  LayoutShape shape;
  std::string error;
  EXPECT_FALSE(ParseShpFile(lines("   000000", 143), shape, error));
  EXPECT_NE(error.find("143"), std::string::npos);
  EXPECT_FALSE(ParseShpFile(lines("   00000", 144), shape, error));
  EXPECT_NE(error.find("shorter"), std::string::npos);
  EXPECT_FALSE(ParseShpFile(lines("   0a0000", 144), shape, error));  // lower case is no digit
  EXPECT_FALSE(ParseShpFile(lines("   G00000", 144), shape, error));
  EXPECT_FALSE(ParseShpFile(lines("   210000", 144), shape, error));  // x 33
  EXPECT_NE(error.find("outside"), std::string::npos);
  EXPECT_FALSE(ParseShpFile(lines("   001300", 144), shape, error));  // y 19
  EXPECT_FALSE(ParseShpFile(lines("   000005", 144), shape, error));  // z 5
  std::string crOnly;
  for (int i = 0; i < 144; ++i) crOnly += "   000000\r";
  EXPECT_TRUE(ParseShpFile(crOnly, shape, error)) << error;
  EXPECT_EQ(shape.Count(), 1);
}

namespace {
class LoadLayout : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  RecordingGame game{platform, dir.path()};

  std::string Lay(const std::string& file, const std::string& name, const LayoutShape& shape) {
    return dir.Write("Layouts/" + file, FormatLayFile(name, shape));
  }
  void StartWith(const LayoutShape& shape) {
    game.Layout.Shape = shape;
    game.Layout.LayoutName = "Before";
    game.BeginGame();
  }
};
// The layout list reading a file on its own, over the game's folders and the layout in play.
class LayoutReading : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  FolderPaths folders;
  LayoutInPlay layout;
  MenuItem menu{"Layout1", "&Layout"};
  int reads = 0;  // layouts read, each of which the game would deal
  LayoutMenu listed{platform, folders, layout, menu, [this] { ++reads; }};
  void SetUp() override { folders.AppFolder = folders.ConfigFolder = dir.path(); }
  std::string Lay(const std::string& file, const std::string& name, const LayoutShape& shape) {
    return dir.Write("Layouts/" + file, FormatLayFile(name, shape));
  }
};
}  // namespace

TEST_F(LoadLayout, GoodFileBecomesTheShapeAndIsDealt) {
  const std::string path = Lay("Wall.lay", "Great wall", RowShape(12));
  ASSERT_TRUE(game.RunLayout(path));
  EXPECT_EQ(game.Layout.LayoutName, "Great wall");
  EXPECT_TRUE(game.Layout.Shape == RowShape(12));
  EXPECT_EQ(game.Current.Board.TilesLeft, 12);
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Current.Status.Message, "Layout GREAT WALL selected.");
  EXPECT_EQ(game.ReachedRank, 0);
}

TEST_F(LoadLayout, StartingUpShowsTheCreditLineAndDealsNothing) {
  const std::string path = Lay("Wall.lay", "Wall", RowShape(12));
  game.StartingUp = true;
  ASSERT_TRUE(game.RunLayout(path));
  EXPECT_EQ(game.Current.Play.Number(), ModeNoGame);
  EXPECT_EQ(game.Current.Board.TilesLeft, 144);  // untouched
  EXPECT_NE(game.Current.Status.Message.find("Velmor"), std::string::npos);
}

TEST_F(LoadLayout, LineFeedOnlyFileKeepsTheShapeButTakesAnEmptyName) {
  StartWith(RowShape(6));
  const std::string path = dir.Write("Layouts/Unix.lay", "Velmor 3.0\nUnix\n" + std::string(3400, '1') + "\n");
  ASSERT_TRUE(game.RunLayout(path));
  EXPECT_TRUE(game.Layout.Shape == RowShape(6));
  EXPECT_EQ(game.Layout.LayoutName, "");
  EXPECT_EQ(game.Current.Status.Message, "Layout  selected.");
  EXPECT_TRUE(platform.errors.empty());
}

// The name travels into the title, the editor and every ".lay" saved from it: no folder in it.
TEST_F(LoadLayout, ShpFileNameBecomesTheLayoutName) {
  std::string text;
  for (int i = 0; i < 144; ++i) {
    char line[16];
    std::snprintf(line, sizeof line, "%03d%02X%02X00\r\n", i, 2 * (i % 16), 2 * (i / 16) % 18);
    text += line;
  }
  const std::string path = dir.Write("Layouts/Flat.shp", text);
  ASSERT_TRUE(game.RunShpLayout(path)) << (platform.errors.empty() ? "" : platform.errors[0]);
  EXPECT_EQ(game.Layout.LayoutName, "Flat");
  EXPECT_EQ(game.Layout.Shape.Count(), 144);
  EXPECT_EQ(game.Current.Status.Message, "Layout FLAT selected.");
  game.Menus.Editlayout1.Click();
  EXPECT_EQ(game.Menus.Edit1.Caption(), "Flat");
}

TEST_F(LayoutReading, BadFilesLeaveEverythingAsItWas) {
  layout.Shape = RowShape(6);
  layout.LayoutName = "Before";
  LayoutShape odd = RowShape(7);
  LayoutShape big;
  for (int i = 0; i < 146; ++i) big.cells[static_cast<size_t>(i * 20)] = 1;
  const std::string files[] = {
      dir.path() + "Layouts/missing.lay",
      dir.Write("Layouts/empty.lay", ""),
      dir.Write("Layouts/short.lay", "Velmor 3.0\r\nShort\r\n0101\r\n"),
      dir.Write("Layouts/garbage.lay", std::string("\x7f"
                                                   "ELF\x02\x01\x01\0\0\0 binary\r\n\x01\x02",
                                                   20)),
      Lay("odd.lay", "Odd", odd),
      Lay("none.lay", "None", LayoutShape{}),
      Lay("big.lay", "Big", big),
      dir.Write("Layouts/dup.shp",
                [] {
                  std::string t;
                  for (int i = 0; i < 144; ++i) t += "   000000\r\n";  // one place, 144 times
                  return t;
                }()),
  };
  for (const std::string& file : files) {
    platform.errors.clear();
    const bool ok = Contains(file, ".shp") ? listed.Play(file, true) : listed.Play(file, false);
    EXPECT_FALSE(ok) << file;
    EXPECT_EQ(platform.errors.size(), 1u) << file;
    EXPECT_TRUE(layout.Shape == RowShape(6)) << file;
    EXPECT_EQ(layout.LayoutName, "Before") << file;
    EXPECT_EQ(reads, 0) << file;  // nothing read, so nothing dealt
  }
}
