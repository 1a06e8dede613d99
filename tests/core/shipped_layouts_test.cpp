// Every layout we ship must be a sound heap that deals winnable for any game number.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "base/Text.h"
#include "board/Deal.h"

using namespace velmor;
using namespace velmor::test;

namespace {

std::vector<std::string> ShippedLayouts() {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(DataDir() + "/Layouts"))
    if (e.path().extension() == ".lay" || e.path().extension() == ".shp") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

LayoutShape Read(const std::string& path) {
  std::string text, error;
  EXPECT_TRUE(ReadWholeFile(path, text, error)) << error;
  LayoutShape shape;
  if (Contains(path, ".shp")) {
    EXPECT_TRUE(ParseShpFile(text, shape, error)) << error;
  } else {
    LayFile lay;
    EXPECT_TRUE(ParseLayFile(text, lay, error)) << error;
    EXPECT_TRUE(lay.magicOk);
    EXPECT_FALSE(lay.name.empty());
    EXPECT_EQ(text, FormatLayFile(lay.name, lay.shape)) << "not in the form the game writes";
    shape = lay.shape;
  }
  return shape;
}

}  // namespace

TEST(ShippedLayouts, TraditionalAndEnoughOthersIncludingAnExternalOne) {
  const auto files = ShippedLayouts();
  EXPECT_GE(files.size(), 9u);
  EXPECT_TRUE(std::filesystem::exists(DataDir() + "/Layouts/Traditional.lay"));
  EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](auto& f) { return Contains(f, ".shp"); }));
}

TEST(ShippedLayouts, AreWholeHeapsThatFitTheBoardPicture) {
  for (const std::string& file : ShippedLayouts()) {
    SCOPED_TRACE(file);
    const LayoutShape shape = Read(file);
    EXPECT_EQ(shape.Count(), 144);
    Grid grid;
    MarkLayoutPositions(grid, shape);
    for (const Place& p : BuildPositionList(grid)) {
      const int c = p.column, r = p.row, l = p.layer;
      // Tiles of one layer never overlap.
      for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr)
          if (dc || dr) EXPECT_EQ(grid.at(c + dc, r + dr, l), 0) << c << "," << r << "," << l;
      // Upper tiles stand on something.
      if (l > 1) {
        bool supported = false;
        for (int dc = -1; dc <= 1; ++dc)
          for (int dr = -1; dr <= 1; ++dr) supported |= grid.at(c + dc, r + dr, l - 1) != 0;
        EXPECT_TRUE(supported) << c << "," << r << "," << l;
      }
      // The whole tile picture lies inside the 704 x 468 board with the usual origin.
      const int left = 36 + TileLeft(c, l), top = 25 + TileTop(r, l);
      EXPECT_GE(left, 0);
      EXPECT_GE(top, 0);
      EXPECT_LE(left + TileBoxWidth, 704);
      EXPECT_LE(top + TileBoxHeight, 468);
    }
  }
}

TEST(ShippedLayouts, DealWinnableForManyGameNumbers) {
  for (const std::string& file : ShippedLayouts()) {
    SCOPED_TRACE(file);
    const LayoutShape shape = Read(file);
    for (uint32_t game = 1; game <= 60; ++game) {
      BoardState board;
      Generator gen;
      DealHooks hooks;
      hooks.seed = [&] { gen.GeneratorState = game * 2654435761u; };
      std::vector<Place> order;
      ASSERT_TRUE(CreateBoard(board, shape, gen, hooks, &order)) << "game " << game;
      std::string why;
      ASSERT_EQ(ReplayRemovals(board, order, &why), 144) << "game " << game << ": " << why;
    }
  }
}
