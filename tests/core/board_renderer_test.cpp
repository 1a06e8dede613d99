// The board renderer against its own interface: boxes, marks, shadows and scales, on dealt boards
// and a noise tileset, where any misplaced pixel shows.
#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "board/Deal.h"
#include "display/BoardRenderer.h"
#include "display/Scale.h"
#include "display/Tileset.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class BoardRendererTest : public ::testing::Test {
 protected:
  Picture tiles = Noise(tileset::MinWidth, tileset::MinHeight, 1);
  Picture sheet{TileSheetWidth, TileSheetHeight};
  Picture background = Noise(BoardPictureWidth, BoardPictureHeight, 2);
  std::mt19937 random{7};

  void SetUp() override { ChangeTexture(tiles, sheet); }
  BoardRenderer Renderer(bool shadows = true) const {
    return BoardRenderer({tiles, sheet, background, shadows}, BoardOriginLeft, BoardOriginTop);
  }
  // A "Traditional" deal with some pairs of its solution already taken.
  BoardState Board(uint32_t game) {
    NumberedDeal deal = DealGameNumber(TraditionalShape(), game, true, 0);
    const size_t taken = 2 * std::uniform_int_distribution<size_t>(0, 60)(random);
    for (size_t k = 0; k < taken; ++k) deal.board.TakeTile(deal.board.BoardGrid.at(deal.removalOrder[k]));
    return deal.board;
  }
  int AnyTile(const BoardState& board) {
    for (;;) {
      const int t = std::uniform_int_distribution<int>(1, TileTotal)(random);
      if (!board.TilePlace[static_cast<size_t>(t)].empty()) return t;
    }
  }
  BoardMarks AnyMarks(const BoardState& board) {
    BoardMarks marks;
    marks.picked1 = AnyTile(board);
    marks.hintA = AnyTile(board);
    marks.hover = AnyTile(board);
    marks.highlight = std::uniform_int_distribution<int>(0, 4)(random);
    marks.pen = random() & 0xFFFFFF;
    marks.invert = random() % 2;
    return marks;
  }
  Picture Full(const BoardRenderer& renderer, const BoardState& board, const BoardMarks& marks) const {
    Picture frame(BoardPictureWidth, BoardPictureHeight);
    renderer.Compose(frame, board.BoardGrid, marks);
    return frame;
  }
};

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// Pixels where the two pictures differ, all of them inside `allowed`; false names the first one.
::testing::AssertionResult DiffersOnlyWithin(const Picture& a, const Picture& b, const std::vector<Rect>& allowed,
                                             int* count = nullptr) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      if (a.at(x, y) == b.at(x, y)) continue;
      ++n;
      bool ok = false;
      for (const Rect& r : allowed) ok |= Inside(r, x, y);
      if (!ok) return ::testing::AssertionFailure() << "pixel " << x << "," << y << " changed";
    }
  if (count) *count = n;
  return ::testing::AssertionSuccess();
}

}  // namespace

// A box composed over any earlier picture leaves the box as a whole composition would, and
// everything outside it untouched.
TEST_F(BoardRendererTest, BoxComposeEqualsTheSameRegionOfAFullOne) {
  const BoardRenderer renderer = Renderer();
  for (uint32_t game = 1; game <= 6; ++game) {
    const BoardState board = Board(game);
    const BoardMarks marks = AnyMarks(board);
    const Picture full = Full(renderer, board, marks);
    for (int k = 0; k < 8; ++k) {
      const Place p = board.TilePlace[static_cast<size_t>(AnyTile(board))];
      Rect box = renderer.TileBox(p);
      if (k % 2) {  // any rectangle, partly off the picture too
        const int x = std::uniform_int_distribution<int>(-30, 700)(random);
        const int y = std::uniform_int_distribution<int>(-30, 460)(random);
        box = {x, y, x + std::uniform_int_distribution<int>(1, 150)(random),
               y + std::uniform_int_distribution<int>(1, 150)(random)};
      }
      Picture frame = Noise(BoardPictureWidth, BoardPictureHeight, 100 + k);
      const Picture before = frame;
      renderer.Compose(frame, board.BoardGrid, marks, box);
      for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
          ASSERT_EQ(frame.at(x, y), Inside(box, x, y) ? full.at(x, y) : before.at(x, y))
              << "game " << game << " pixel " << x << "," << y;
    }
  }
}

// Every mark changes its own tile's box and nothing else; a slide in progress shows none.
TEST_F(BoardRendererTest, MarksChangeOnlyTheirTilesBox) {
  const BoardRenderer renderer = Renderer();
  for (uint32_t game = 1; game <= 3; ++game) {
    const BoardState board = Board(game);
    const Picture plain = Full(renderer, board, {});
    for (int k = 0; k < 6; ++k) {
      int tile;
      do tile = AnyTile(board);
      while (!IsTileFree(board, tile, false));  // a free tile's face is in sight
      const Rect box = renderer.TileBox(board.TilePlace[static_cast<size_t>(tile)]);
      BoardMarks picked, hinted, hovered;
      picked.picked2 = tile;
      hinted.hintB = tile;
      hovered.hover = tile;
      hovered.highlight = k % 5;
      hovered.pen = Rgb(255, 0, 255);
      for (BoardMarks marks : {picked, hinted, hovered}) {
        marks.invert = k % 2;
        int changed = 0;
        EXPECT_TRUE(DiffersOnlyWithin(plain, Full(renderer, board, marks), {box}, &changed)) << "tile " << tile;
        EXPECT_GT(changed, 0) << "tile " << tile;
        marks.slideInProgress = true;
        EXPECT_TRUE(Full(renderer, board, marks) == plain) << "tile " << tile;
      }
    }
  }
}

// Shadows fall only on tiles with a tile one layer up beside or over them, and some do fall.
TEST_F(BoardRendererTest, ShadowsOnlyWhereAnUpperTileStands) {
  for (uint32_t game = 1; game <= 4; ++game) {
    const BoardState board = Board(game);
    std::vector<Rect> shaded;
    for (int t = 1; t <= TileTotal; ++t) {
      const Place& p = board.TilePlace[static_cast<size_t>(t)];
      if (p.empty()) continue;
      bool upper = false;
      for (int dc = -2; dc <= 1; ++dc)
        for (int dr = -2; dr <= 1; ++dr) upper |= board.BoardGrid.at(p.column + dc, p.row + dr, p.layer + 1) != 0;
      if (upper) shaded.push_back(Renderer().TileBox(p));
    }
    int changed = 0;
    EXPECT_TRUE(DiffersOnlyWithin(Full(Renderer(false), board, {}), Full(Renderer(true), board, {}), shaded, &changed));
    EXPECT_GT(changed, 0);
  }
}

// Drawn at K from 1x looks enlarged by pixel repetition, the board is the 1x board enlarged the
// same way: every mark, frame and partial redraw at K is the 1x one with its distances
// multiplied. (Shadows are shaded at K, not stippled: see the Shadows test.)
class BoardRendererAtScale : public BoardRendererTest, public ::testing::WithParamInterface<int> {};

TEST_P(BoardRendererAtScale, IsTheOneXBoardEnlargedByRepetition) {
  const int k = GetParam();
  const Picture tilesK = EnlargeByRepetition(tiles, k), backgroundK = EnlargeByRepetition(background, k);
  Picture sheetK(TileSheetWidth * k, TileSheetHeight * k);
  ChangeTexture(tilesK, sheetK, k);
  ASSERT_TRUE(sheetK == EnlargeByRepetition(sheet, k));
  Picture plain(BoardPictureWidth, BoardPictureHeight), plainK(BoardPictureWidth * k, BoardPictureHeight * k);
  PlainBackground(plain);
  PlainBackground(plainK, k);
  EXPECT_TRUE(plainK == EnlargeByRepetition(plain, k));

  const BoardRenderer one = Renderer(false);
  const BoardRenderer atK({tilesK, sheetK, backgroundK, false}, BoardOriginLeft, BoardOriginTop, k);
  for (uint32_t game = 1; game <= 3; ++game) {
    const BoardState board = Board(game);
    auto freeTile = [&] {
      int tile;
      do tile = AnyTile(board);
      while (!IsTileFree(board, tile, false));
      return tile;
    };
    // Every hover style, inverted and coloured marks, and the editor with its ghost.
    std::vector<BoardMarks> variants;
    for (int style = HighlightNone; style <= HighlightBlueFrame; ++style) {
      BoardMarks marks = AnyMarks(board);
      marks.picked1 = freeTile(), marks.hintB = freeTile(), marks.hover = freeTile();
      marks.highlight = style;
      marks.invert = style % 2;
      variants.push_back(marks);
    }
    BoardMarks editing;
    editing.editing = true;
    editing.ghost = {std::uniform_int_distribution<int>(1, AnchorColumns)(random),
                     std::uniform_int_distribution<int>(1, AnchorRows)(random),
                     std::uniform_int_distribution<int>(1, AnchorLayers)(random)};
    variants.push_back(editing);

    for (const BoardMarks& marks : variants) {
      const Picture full = Full(one, board, marks);
      Picture fullK(BoardPictureWidth * k, BoardPictureHeight * k);
      atK.Compose(fullK, board.BoardGrid, marks);
      ASSERT_TRUE(fullK == EnlargeByRepetition(full, k)) << "game " << game << " highlight " << marks.highlight;

      // A tile's box, or any box partly off the picture, redrawn over an earlier picture.
      const Place p = board.TilePlace[static_cast<size_t>(marks.hover ? marks.hover : AnyTile(board))];
      ASSERT_EQ(atK.TileBox(p), one.TileBox(p).Scaled(k));
      const int x = std::uniform_int_distribution<int>(-30, 700)(random);
      const int y = std::uniform_int_distribution<int>(-30, 460)(random);
      for (const Rect& box : {one.TileBox(p), Rect{x, y, x + 90, y + 120}}) {
        Picture frame = Noise(BoardPictureWidth, BoardPictureHeight, game);
        Picture frameK = EnlargeByRepetition(frame, k);
        one.Compose(frame, board.BoardGrid, marks, box);
        atK.Compose(frameK, board.BoardGrid, marks, box.Scaled(k));
        ASSERT_TRUE(frameK == EnlargeByRepetition(frame, k))
            << "game " << game << " box at " << box.left << "," << box.top;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, BoardRendererAtScale, ::testing::Values(2, 3));

// From 2x on, a shadow piece shades the area its 1x stipple spans: every dot's block and every gap
// between two dots halfway to the grey, nothing more than a pixel away from a dot, and a piece
// drawn twice shades once.
TEST(Shadows, FromTwoXOnTheStipplesAreaIsShadedOnce) {
  constexpr uint32_t Ground = Rgb(200, 40, 90), Half = Rgb((200 + 124) / 2, (40 + 124) / 2, (90 + 124) / 2);
  const ShadowPieces& one = Shadows(1);
  ASSERT_FALSE(one.translucent);
  for (int k = 2; k <= MaxScale; ++k) {
    const ShadowPieces& atK = Shadows(k);
    ASSERT_TRUE(atK.translucent);
    for (int i = 0; i < 7; ++i) {
      const MaskedImage& dots = i < 6 ? one.vertical[i] : one.horizontal;
      const MaskedImage& shade = i < 6 ? atK.vertical[i] : atK.horizontal;
      if (i == 0) continue;  // unused
      Picture picture(shade.width() + 4, shade.height() + 4, Ground);
      const PlacedPiece twice[] = {{2, 2, &shade}, {2, 2, &shade}};
      DrawShade(picture, twice, 2);
      auto dot = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < dots.width() && y < dots.height() && (dots.mask.at(x, y) & 0xFFFFFF) == 0;
      };
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
          const uint32_t px = picture.at(x, y);
          ASSERT_TRUE(px == Ground || px == Half) << k << " piece " << i << " at " << x << "," << y;
          const int u = (x - 2 + k) / k - 1, v = (y - 2 + k) / k - 1;  // the 1x pixel, -1 left of the piece
          // No screen door: a gap between two dots is shaded as they are.
          if (dot(u, v) || (dot(u - 1, v) && dot(u + 1, v))) {
            ASSERT_EQ(px, Half) << k << " piece " << i << " at " << x << "," << y;
          }
          if (px == Half) {
            ASSERT_TRUE(dot(u, v) || dot(u - 1, v) || dot(u + 1, v) || dot(u, v - 1) || dot(u, v + 1))
                << k << " piece " << i << " at " << x << "," << y;
          }
        }
    }
  }
}
