// The layout generator must read drawings exactly and refuse every heap the game cannot use.
#include <gtest/gtest.h>

#include "LayoutGen.h"
#include "layouts/LayoutFile.h"

using namespace velmor;
using namespace velmor::layoutgen;

namespace {

LayoutShape Read(std::vector<LayerDrawing> layers, std::string* errorOut = nullptr) {
  LayoutShape shape;
  std::string error;
  const bool ok = ReadDrawing(LayoutDrawing{"Test", FileKind::Lay, Symmetry::None, std::move(layers)}, shape, error);
  if (errorOut)
    *errorOut = ok ? std::string() : error;
  else
    EXPECT_TRUE(ok) << error;
  return shape;
}

std::string ReadError(std::vector<LayerDrawing> layers) {
  std::string error;
  Read(std::move(layers), &error);
  return error;
}

// Anchors given board-style: column and row 1-based.
void Put(LayoutShape& s, int c, int r, int l) { s.at(l, r - 1, c - 1) = 1; }

// A sound heap to break in the tests below: eight rows of fifteen on the table and a 4 x 6 block
// on them, centred.
LayoutShape SoundHeap() {
  LayoutShape s;
  for (int r = 3; r <= 17; r += 2)
    for (int c = 3; c <= 31; c += 2) Put(s, c, r, 1);
  for (int r = 5; r <= 15; r += 2)
    for (int c = 13; c <= 19; c += 2) Put(s, c, r, 2);
  return s;
}

std::string ShapeError(const LayoutShape& s) {
  std::string error;
  return CheckShape(s, error) ? std::string("accepted") : error;
}

}  // namespace

TEST(ReadDrawing, PutsEachTileOnTheAnchorUnderItsTopLeftCharacter) {
  // One tile at column 3, row 2; a second one tile along and half a tile down, touching it; and
  // on layer 2 a tile straddling both.
  const LayoutShape s = Read({{1, R"(

  /\
  \//\
    \/
)"},
                              {2, R"(


   /\
   \/
)"}});
  LayoutShape want;
  Put(want, 3, 2, 1);
  Put(want, 5, 3, 1);
  Put(want, 4, 3, 2);
  EXPECT_EQ(s, want);
}

TEST(ReadDrawing, NamesWhereADrawingGoesWrong) {
  EXPECT_EQ(ReadError({{1, "\n\n  /\\\n  \\\\\n"}}).substr(0, 30), "layer 1, line 2, column 3: a b");
  EXPECT_NE(ReadError({{2, "\n\n  /\\x\n  \\/\n"}}).find("layer 2, line 2, column 5: 'x'"), std::string::npos);
  // Two tiles of a layer drawn over one another leave broken corners.
  EXPECT_NE(ReadError({{1, "\n /\\\n \\/\\\n  \\/\n"}}).find("broken tile"), std::string::npos);
  EXPECT_NE(ReadError({{1, "\n"}, {1, "\n"}}).find("twice"), std::string::npos);
  EXPECT_NE(ReadError({{6, "\n"}}).find("layers run 1 to 5"), std::string::npos);
  EXPECT_NE(ReadError({{1, "\n" + std::string(35, ' ') + "/\\\n"}}).find("wide"), std::string::npos);
}

TEST(ReadDrawing, ReadsBackWhatDrawLayersPrints) {
  const LayoutShape heap = SoundHeap();
  // DrawLayers puts a heading before each layer; the pictures between headings are drawings.
  const std::string text = DrawLayers(heap);
  std::vector<std::string> pictures;
  size_t at = 0;
  while ((at = text.find("layer ", at)) != std::string::npos) {
    const size_t start = text.find('\n', at) + 1;
    const size_t end = text.find("layer ", start);
    pictures.push_back("\n" + text.substr(start, end == std::string::npos ? end : end - start));
    at = start;
  }
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(Read({{1, pictures[0]}, {2, pictures[1]}}), heap);
}

TEST(CheckShape, AcceptsASoundHeapAndMeasuresIt) {
  const LayoutShape heap = SoundHeap();
  EXPECT_EQ(ShapeError(heap), "accepted");
  const LayoutFigures f = Measure(heap);
  EXPECT_EQ(f.tiles, 144);
  EXPECT_EQ(f.perLayer[0], 120);
  EXPECT_EQ(f.perLayer[1], 24);
  // Both ends of every row on the table, and of every row of the block.
  EXPECT_EQ(f.freeAtStart, 16 + 12);
  EXPECT_EQ(f.marginLeft, 50);
  EXPECT_EQ(f.marginRight, 48);
}

TEST(CheckShape, RefusesEachBrokenRule) {
  LayoutShape s = SoundHeap();
  Put(s, 15, 9, 3);
  EXPECT_NE(ShapeError(s).find("145 tiles"), std::string::npos);

  // Each case swaps one block tile for a bad one, keeping 144.
  auto swapped = [](int c, int r, int l) {
    LayoutShape t = SoundHeap();
    t.at(2, 14, 18) = 0;  // the block tile at column 19, row 15
    Put(t, c, r, l);
    return ShapeError(t);
  };
  EXPECT_NE(swapped(20, 9, 2).find("overlaps"), std::string::npos);
  EXPECT_NE(swapped(19, 10, 2).find("overlaps"), std::string::npos);
  EXPECT_EQ(swapped(16, 10, 3), "accepted");  // resting on four tiles
  EXPECT_NE(swapped(17, 9, 4).find("floats"), std::string::npos);
  EXPECT_NE(swapped(13, 1, 1).find("top edge"), std::string::npos);
  EXPECT_NE(swapped(34, 4, 1).find("right edge"), std::string::npos);
  EXPECT_NE(swapped(3, 19, 1).find("bottom edge"), std::string::npos);
  // How high a tile may stand depends on its layer: row 2 fits on layer 2, not on layer 3.
  {
    LayoutShape t = SoundHeap();
    t.at(2, 14, 18) = t.at(2, 14, 16) = 0;
    Put(t, 15, 2, 2);
    Put(t, 15, 3, 3);
    EXPECT_EQ(ShapeError(t), "accepted");
    t.at(3, 2, 14) = 0;
    Put(t, 15, 2, 3);
    EXPECT_NE(ShapeError(t).find("top edge"), std::string::npos);
  }

  LayoutShape shifted;
  for (int l = 1; l <= 2; ++l)
    for (int r = 0; r < AnchorRows; ++r)
      for (int c = 0; c + 2 < AnchorColumns; ++c)
        if (SoundHeap().at(l, r, c)) shifted.at(l, r, c + 2) = 1;
  EXPECT_NE(ShapeError(shifted).find("off centre"), std::string::npos);

  // Four aligned layers of 6 x 6: only the ends of the top rows are free.
  LayoutShape buried;
  for (int l = 1; l <= 4; ++l)
    for (int r = 5; r <= 15; r += 2)
      for (int c = 12; c <= 22; c += 2) Put(buried, c, r, l);
  EXPECT_NE(ShapeError(buried).find("only 12 tiles are free"), std::string::npos);
}

// Mirrors are taken about the heap's own middle with each tile's two columns in mind, so a heap
// drawn evenly is symmetric wherever it stands and one half a tile out of true is not.
TEST(CheckSymmetry, FindsTheMirrorsAHeapHasAndRefusesAWrongDeclaration) {
  // The sound heap's block stands half a tile left of the table's middle: its mirror is top-bottom
  // only. Moved half a tile right, it is even.
  const LayoutShape sound = SoundHeap();
  EXPECT_EQ(MeasureSymmetry(sound), Symmetry::TopBottom);
  LayoutShape even = sound;
  for (int r = 5; r <= 15; r += 2)
    for (int c = 13; c <= 19; c += 2) {
      even.at(2, r - 1, c - 1) = 0;
      Put(even, c + 1, r, 2);
    }
  EXPECT_EQ(MeasureSymmetry(even), Symmetry::Both);
  LayoutShape moved;
  for (int l = 1; l <= 2; ++l)
    for (int r = 0; r + 1 < AnchorRows; ++r)
      for (int c = 0; c + 1 < AnchorColumns; ++c)
        if (even.at(l, r, c)) moved.at(l, r + 1, c + 1) = 1;
  EXPECT_EQ(MeasureSymmetry(moved), Symmetry::Both);

  // The block's top and bottom right-hand tiles half a tile further right spoil the left-right
  // mirror only; the bottom one alone half a tile right and down spoils both.
  LayoutShape sideways = even, diagonal = even;
  for (int r : {5, 15}) {
    sideways.at(2, r - 1, 19) = 0;
    Put(sideways, 21, r, 2);
  }
  diagonal.at(2, 14, 19) = 0;
  Put(diagonal, 21, 16, 2);
  EXPECT_EQ(MeasureSymmetry(sideways), Symmetry::TopBottom);
  EXPECT_EQ(MeasureSymmetry(diagonal), Symmetry::None);

  std::string error;
  EXPECT_TRUE(CheckSymmetry(sideways, Symmetry::TopBottom, error)) << error;
  EXPECT_FALSE(CheckSymmetry(sideways, Symmetry::Both, error));
  EXPECT_NE(
      error.find("left-right, but the tile at column 14, row 5, layer 2 has no tile at its image, column 20, row 5"),
      std::string::npos)
      << error;
  EXPECT_FALSE(CheckSymmetry(diagonal, Symmetry::TopBottom, error));
  EXPECT_NE(
      error.find("top-bottom, but the tile at column 20, row 5, layer 2 has no tile at its image, column 20, row 15"),
      std::string::npos)
      << error;
  // A mirror the heap has but its drawing does not declare is refused too.
  EXPECT_FALSE(CheckSymmetry(even, Symmetry::LeftRight, error));
  EXPECT_NE(error.find("declare what it is"), std::string::npos) << error;
}

TEST(CheckDeals, PassesASoundHeapAndCatchesOneThatDeadEnds) {
  std::string error;
  EXPECT_TRUE(CheckDeals(SoundHeap(), 5, error)) << error;
  // Two tiles stacked: only the top one is ever free, so no pair can be taken.
  LayoutShape stack;
  Put(stack, 17, 10, 1);
  Put(stack, 17, 10, 2);
  EXPECT_FALSE(CheckDeals(stack, 1, error));
  EXPECT_NE(error.find("game 1 cannot be dealt"), std::string::npos);
}

TEST(FormatShpFile, WritesLinesTheGameReadsBackAsTheSameHeap) {
  const LayoutShape heap = SoundHeap();
  std::string text, error;
  ASSERT_TRUE(FormatShpFile(heap, text, error)) << error;
  ASSERT_EQ(text.size(), 144u * 11);
  // The first tile in layer, row, column order is column 3, row 3 of the table: x 1, y 1, z 0.
  EXPECT_EQ(text.substr(0, 11), "001010100\r\n");
  // Layer 2, column 19, row 15 comes last: x 17 and y 13 in upper-case hexadecimal.
  EXPECT_EQ(text.substr(143 * 11), "144110D01\r\n");
  LayoutShape back;
  ASSERT_TRUE(ParseShpFile(text, back, error)) << error;
  EXPECT_EQ(back, heap);

  LayoutShape edge = heap;
  Put(edge, 1, 10, 1);
  EXPECT_FALSE(FormatShpFile(edge, text, error));
  EXPECT_NE(error.find("column 1, row 10"), std::string::npos);
}
