// Names read out for the tiles: one per face, in the family its picture is drawn from.
#include <gtest/gtest.h>

#include <set>

#include "board/TileNames.h"

using namespace velmor;

TEST(TileNames, EveryFaceHasItsOwnNameFromThePictureFamily) {
  // The tile sheet keeps each family on its own row; dragons share row 4 with the flowers and the
  // winds row 3 with the seasons, from column 4 on.
  auto family = [](int face) -> std::string {
    const SheetCell cell = FaceCell(face);
    switch (cell.row) {
      case 0:
        return "Dot ";
      case 1:
        return "Bamboo ";
      case 2:
        return "Crak ";
      case 3:
        return cell.column < 4 ? "Season: " : " Wind";
      default:
        return cell.column < 4 ? "Flower: " : " Dragon";
    }
  };
  std::set<std::string> names;
  for (int face = 1; face <= FaceTotal; ++face) {
    const std::string name = FaceName(face), word = family(face);
    EXPECT_NE(name.find(word), std::string::npos) << face << ": " << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), static_cast<size_t>(FaceTotal));
  EXPECT_EQ(FaceName(0), "");
  EXPECT_EQ(FaceName(FaceTotal + 1), "");
  // The suits count from 1 and the honours follow the pictures' order.
  EXPECT_EQ(TileName(1), "Crak 1");
  EXPECT_EQ(TileName(108), "Dot 9");
  EXPECT_EQ(TileName(109), "Flower: Plum");
  EXPECT_EQ(TileName(116), "Season: Winter");
  EXPECT_EQ(TileName(117), "Red Dragon");
  EXPECT_EQ(TileName(129), "East Wind");
  EXPECT_EQ(TileName(144), "North Wind");
}

TEST(TileNames, ADescriptionGivesTheStateBeforeThePlace) {
  EXPECT_EQ(TileDescription({}, {7, 3, 1}), "blocked, layer 1, row 3, column 7");
  EXPECT_EQ(TileDescription({.free = true, .picked = true, .hinted = true}, {12, 20, 5}),
            "free, picked, hinted, layer 5, row 20, column 12");
}
