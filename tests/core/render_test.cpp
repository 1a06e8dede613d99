// Board drawing, pixel by pixel, on a synthetic tileset whose regions have distinct colours: the
// renderer over a board and its marks, then the board's redraws in the game and the highlight choices.
#include <gtest/gtest.h>

#include "BoardModels.h"
#include "TestSupport.h"
#include "display/BoardRenderer.h"
#include "display/Tileset.h"
#include "modes/FlatGame.h"
#include "shell/HighlightChoice.h"
#include "shell/LookMenus.h"

using namespace velmor;
using namespace velmor::test;

namespace {

constexpr uint32_t Black = 0, White = Rgb(255, 255, 255);
constexpr uint32_t Side = Rgb(200, 100, 0), Lower = Rgb(150, 60, 0), Ground = Rgb(250, 240, 220);
constexpr uint32_t Picked = Rgb(255, 220, 0), Hinted = Rgb(120, 230, 120), Back = Rgb(10, 20, 30);
constexpr uint32_t Grey = Rgb(123, 123, 123);

uint32_t FaceColour(int i, int j) { return Rgb(20 + 20 * i, 30 + 40 * j, 90); }

// A whole tile is opaque except its top-left and bottom-right 6 x 6 corners, as a block seen
// from the lower left. Each face picture fills its left half; the right half shows the ground.
Picture SyntheticTileset() {
  using namespace tileset;
  Picture t(tileset::MinWidth, tileset::MinHeight, Black);
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 9; ++i) {
      const Rect pic = FacePicture(i, j), mask = FaceMask(i, j);
      t.Fill({pic.left, pic.top, pic.left + 20, pic.bottom}, FaceColour(i, j));
      t.Fill({mask.left, mask.top, mask.left + 20, mask.bottom}, Black);
      t.Fill({mask.left + 20, mask.top, mask.right, mask.bottom}, White);
    }
  t.Fill({0, 256, 6, 312}, Side);
  t.Fill({6, 306, 46, 312}, Lower);
  t.Fill(BlankFace, Ground);
  t.Fill({0, 256, 6, 262}, Black);
  t.Fill({40, 306, 46, 312}, Black);
  t.Fill(PickedFace, Picked);
  t.Fill(HintedFace, Hinted);
  t.Fill(TileMask, Black);
  t.Fill({138, 256, 144, 262}, White);
  t.Fill({178, 306, 184, 312}, White);
  return t;
}

// Face top-left of a tile at (c, r, l), the board's origin at (36, 25).
int X(int c, int l) { return 36 + 20 * c + 6 * l - 46; }
int Y(int r, int l) { return 25 + 25 * r - 6 * l - 59; }
uint32_t FaceOf(int tile) {
  const SheetCell cell = FaceCell(FaceOfTile(tile));
  return FaceColour(cell.column, cell.row);
}

// The renderer alone, with the marks the game gives it before any choice.
class Render : public ::testing::Test {
 protected:
  Picture tiles = SyntheticTileset();
  Picture sheet{TileSheetWidth, TileSheetHeight};
  Picture background{BoardPictureWidth, BoardPictureHeight};
  Picture frame{BoardPictureWidth, BoardPictureHeight};
  BoardState board;
  BoardMarks marks;
  bool shadows = false;

  void SetUp() override {
    ChangeTexture(tiles, sheet);
    background.Fill({0, 0, 704, 468}, Back);
    marks.highlight = BoardPictures{}.HighlightMode;
    marks.pen = BoardPictures{}.PenColor;
  }
  BoardRenderer Renderer() const { return BoardRenderer({tiles, sheet, background, shadows}, 36, 25); }
  void Draw() { Renderer().Compose(frame, board.BoardGrid, marks); }
  // The tile of value `v` alone over what the frame holds.
  void DrawOne(int c, int r, int l, int v) { Renderer().DrawTile(frame, board.BoardGrid, marks, c, r, l, v); }
  uint32_t At(int x, int y) const { return frame.at(x, y); }
};

// The board's drawing in the game: what it hands the renderer, and what reaches the screen.
class RenderInGame : public BoardModels {
 protected:
  const std::string appFolder = "/nonexistent/";
  HighlightChoice highlights{menus, pictures, current, [this](int tile) { view.RedrawTile(tile); }};
  LookMenus looks{platform, appFolder, menus, pictures, current.Play, [this] { view.RedrawAll(); }};

  void SetUp() override {
    pictures.TilesetPicture = SyntheticTileset();
    ChangeTexture(pictures.TilesetPicture, pictures.TileSheet);
    pictures.BackgroundImage.Fill({0, 0, 704, 468}, Back);
    pictures.BoardOriginX = 36;
    pictures.BoardOriginY = 25;
    menus.Shadows.SetChecked(false);
    SetMode(ModeSolitaire);
    current.Board.TilesLeft = 144;
  }
  uint32_t At(int x, int y) const { return pictures.FrameBuffer.at(x, y); }
  // A whole winnable heap, drawn with its shadows.
  void DealWithShadows() {
    highlights.Apply();
    pictures.FrameBuffer = pictures.BackgroundImage;
    DealWinnable(TraditionalShape(), 8);
    menus.Shadows.SetChecked(true);
    view.RedrawAll();
  }
  // A matching pair leaves the board as a click on its second tile takes it.
  void TakePair(int a, int b) {
    const Place placeA = current.Board.TilePlace[a], placeB = current.Board.TilePlace[b];
    current.Clear();
    current.History.TakePair(current.Board, a, placeA, b);
    view.RedrawTaken(placeA, placeB);
  }
};

}  // namespace

TEST_F(Render, TileSheetHoldsEveryFaceOnTheBlankTile) {
  for (int f = 1; f <= FaceTotal; ++f) {
    const SheetCell cell = FaceCell(f);
    const int sx = 46 * cell.column, sy = 56 * cell.row;
    EXPECT_EQ(sheet.at(sx + 6, sy + 10), FaceColour(cell.column, cell.row)) << f;
    EXPECT_EQ(sheet.at(sx + 45, sy + 10), Ground) << f;
    EXPECT_EQ(sheet.at(sx + 2, sy + 30), Side) << f;
    EXPECT_EQ(sheet.at(sx + 20, sy + 53), Lower) << f;
    EXPECT_EQ(sheet.at(sx + 1, sy + 1), Black) << f;
  }
}

TEST_F(Render, ATileIsDrawnThroughItsMaskAtItsPlace) {
  board.PutTile(1, {10, 6, 1});
  Draw();
  const int x = X(10, 1), y = Y(6, 1);
  EXPECT_EQ(At(x, y), FaceOf(1));
  EXPECT_EQ(At(x + 39, y + 49), Ground);
  EXPECT_EQ(At(x - 6, y + 30), Side);
  EXPECT_EQ(At(x + 10, y + 55), Lower);
  EXPECT_EQ(At(x - 6, y), Back);  // transparent corners show the background
  EXPECT_EQ(At(x + 39, y + 55), Back);
  EXPECT_EQ(At(x - 7, y + 30), Back);  // nothing outside the box
  EXPECT_EQ(At(x + 40, y + 30), Back);
}

TEST_F(RenderInGame, AFullRedrawShowsTheWholePicture) {
  current.Board.PutTile(1, {10, 6, 1});
  view.RedrawAll();
  EXPECT_EQ(At(X(10, 1), Y(6, 1)), FaceOf(1));
  EXPECT_EQ(platform.screen, pictures.FrameBuffer);
  EXPECT_EQ(platform.presented.back(), (Rect{0, 0, 704, 468}));
}

// Every mark the renderer draws comes from the game in progress, the pictures and the menus.
TEST_F(RenderInGame, TheMarksAreThoseOfTheGameInProgress) {
  current.FirstTile = 1;
  current.SecondTile = 3;
  current.HintTileA = 2;
  current.HintTileB = 4;
  current.HoverTile = 5;
  pictures.HighlightMode = HighlightColoredTile;
  pictures.PenColor = BluePen;
  pictures.EditorGhost = {11, 8, 1};
  pictures.PathFound = true;
  menus.Invert.SetChecked(true);
  BoardMarks marks = view.Marks();
  EXPECT_EQ(marks.picked1, 1);
  EXPECT_EQ(marks.picked2, 3);
  EXPECT_EQ(marks.hintA, 2);
  EXPECT_EQ(marks.hintB, 4);
  EXPECT_EQ(marks.hover, 5);
  EXPECT_EQ(marks.highlight, HighlightColoredTile);
  EXPECT_EQ(marks.pen, BluePen);
  EXPECT_TRUE(marks.invert);
  EXPECT_TRUE(marks.slideInProgress);
  EXPECT_EQ(marks.ghost, (Place{11, 8, 1}));
  EXPECT_FALSE(marks.editing);
  SetMode(ModeEditor);
  EXPECT_TRUE(view.Marks().editing);
}

TEST_F(Render, HigherLayersAndLeftColumnsAreDrawnLast) {
  board.PutTile(2, {20, 12, 1});
  board.PutTile(37, {20, 12, 2});  // exactly on top
  board.PutTile(1, {10, 6, 1});
  board.PutTile(73, {12, 6, 1});  // two columns right: its side edge lies under tile 1
  Draw();
  EXPECT_EQ(At(X(20, 2) + 1, Y(12, 2) + 1), FaceOf(37));
  EXPECT_EQ(At(X(20, 1) + 10, Y(12, 1) + 46), Lower);  // the upper tile's lower edge
  EXPECT_EQ(At(X(12, 1) - 3, Y(6, 1) + 20), Ground);   // tile 1's face, not tile 73's edge
  EXPECT_EQ(At(X(12, 1) + 1, Y(6, 1) + 20), FaceOf(73));
}

TEST_F(Render, LowerEdgeStopsShortOfTheFaceOfTheTileBelowRight) {
  board.PutTile(1, {10, 6, 1});
  Draw();
  const int x = X(10, 1), y = Y(6, 1);
  EXPECT_EQ(At(x + 30, y + 52), Lower);  // full edge without the neighbour
  board.PutTile(73, {11, 8, 1});         // half a tile right, one tile lower
  Draw();
  EXPECT_EQ(At(x + 10, y + 52), Lower);
  EXPECT_EQ(At(x + 30, y + 52), FaceOf(73));  // the neighbour's face stays visible
  EXPECT_EQ(At(x + 14, y + 53), Lower);       // the copied part ends at x+15
}

TEST_F(Render, PickedHintedAndColoredHoverMarks) {
  board.PutTile(1, {4, 4, 1});
  board.PutTile(2, {10, 4, 1});
  board.PutTile(5, {16, 4, 1});
  board.PutTile(9, {22, 4, 1});
  marks.picked1 = 1;
  marks.hintA = 2;
  marks.hover = 5;
  marks.highlight = 2;
  Draw();
  EXPECT_EQ(At(X(4, 1) + 30, Y(4, 1) + 20), Picked);
  EXPECT_EQ(At(X(4, 1) + 3, Y(4, 1) + 20), FaceOf(1));  // the face stands on the coloured ground
  EXPECT_EQ(At(X(10, 1) + 30, Y(4, 1) + 20), Hinted);
  EXPECT_EQ(At(X(16, 1) + 30, Y(4, 1) + 20), Hinted);
  EXPECT_EQ(At(X(22, 1) + 30, Y(4, 1) + 20), Ground);
  EXPECT_EQ(At(X(4, 1) - 3, Y(4, 1) + 20), Side);  // edges keep their look
}

TEST_F(Render, InvertXorsTheWholeFace) {
  board.PutTile(1, {4, 4, 1});
  board.PutTile(5, {10, 4, 1});
  marks.picked1 = 1;
  marks.hover = 5;
  marks.highlight = 2;
  marks.invert = true;
  Draw();
  EXPECT_EQ(At(X(4, 1) + 30, Y(4, 1) + 20), Ground ^ White);
  EXPECT_EQ(At(X(4, 1) + 3, Y(4, 1) + 20), FaceOf(1) ^ White);
  EXPECT_EQ(At(X(10, 1) + 30, Y(4, 1) + 20), Ground ^ White);
  EXPECT_EQ(At(X(4, 1) - 3, Y(4, 1) + 20), Side);
}

TEST_F(Render, HoverRectangleIsThreePixelsWideInThePenColour) {
  board.PutTile(1, {4, 4, 1});
  marks.picked1 = 1;
  marks.hover = 1;
  marks.highlight = HighlightGreenFrame;
  marks.pen = GreenPen;
  Draw();
  const int x = X(4, 1), y = Y(4, 1);
  const uint32_t green = Rgb(0, 128, 0);
  for (int d = 0; d < 3; ++d) {
    EXPECT_EQ(At(x + d, y + 20), green) << d;       // left band x..x+2
    EXPECT_EQ(At(x + 37 + d, y + 20), green) << d;  // right band x+37..x+39
    EXPECT_EQ(At(x + 20, y + d), green) << d;
    EXPECT_EQ(At(x + 20, y + 47 + d), green) << d;
  }
  EXPECT_EQ(At(x + 3, y + 20), FaceOf(1));  // inside: the picked look
  EXPECT_EQ(At(x + 30, y + 20), Picked);
  EXPECT_EQ(At(x - 1, y + 20), Side);
}

TEST_F(RenderInGame, HighlightHandlersSetModeAndPen) {
  menus.Highlight4.SetChecked(true);
  highlights.Apply();
  EXPECT_EQ(pictures.HighlightMode, 3);
  EXPECT_EQ(pictures.PenColor, GreenPen);
  menus.Highlight4.SetChecked(false);
  highlights.Frame(menus.Highlight2);
  EXPECT_EQ(pictures.HighlightMode, 1);
  EXPECT_EQ(pictures.PenColor, Rgb(255, 0, 0));
  EXPECT_TRUE(menus.Highlight2.Checked());
  EXPECT_FALSE(menus.Highlight4.Checked());
  highlights.Frame(menus.Highlight5);
  EXPECT_EQ(pictures.HighlightMode, 4);
  EXPECT_EQ(pictures.PenColor, Rgb(0, 0, 255));
  current.Board.PutTile(1, {4, 4, 1});
  current.HoverTile = 1;
  platform.presented.clear();
  highlights.ColouredTile();
  EXPECT_EQ(pictures.HighlightMode, 2);
  EXPECT_EQ(current.HoverTile, 0);
  ASSERT_EQ(platform.presented.size(), 1u);  // the unhovered tile was redrawn alone
  EXPECT_EQ(platform.presented[0], view.TileBox({4, 4, 1}));
  highlights.None();
  EXPECT_EQ(pictures.HighlightMode, 0);
  EXPECT_TRUE(menus.Highlight1.Checked());
  EXPECT_FALSE(menus.Highlight3.Checked());
  pictures.HighlightMode = 9;  // an odd settings value: none of the rectangles is checked
  menus.Highlight1.SetChecked(false);
  highlights.Apply();
  EXPECT_EQ(pictures.HighlightMode, 9);
}

TEST_F(Render, EditorDrawsBlankTilesAndTheGhostOnAnEmptyCell) {
  marks.editing = true;
  board.PutTile(1, {10, 6, 1});
  marks.picked1 = 1;  // no marks in the editor
  marks.ghost = {11, 8, 1};
  Draw();
  EXPECT_EQ(At(X(10, 1) + 3, Y(6, 1) + 20), Ground);
  EXPECT_EQ(At(X(11, 1) + 3, Y(8, 1) + 20), Picked);
  EXPECT_EQ(At(X(10, 1) + 30, Y(6, 1) + 52), Picked);  // short lower edge: the ghost counts
}

TEST_F(RenderInGame, PartialRedrawTouchesOnlyTheTileBox) {
  current.Board.PutTile(1, {10, 6, 1});
  current.Board.PutTile(5, {20, 6, 1});
  view.RedrawAll();
  platform.presented.clear();
  current.FirstTile = 1;
  view.RedrawTile(1);
  ASSERT_EQ(platform.presented.size(), 1u);
  EXPECT_EQ(platform.presented[0], (Rect{X(10, 1) - 6, Y(6, 1), X(10, 1) + 40, Y(6, 1) + 56}));
  EXPECT_EQ(platform.screen.at(X(10, 1) + 30, Y(6, 1) + 20), Picked);
  EXPECT_EQ(pictures.RedrawBox, BoardPictures::NoBox);
}

TEST_F(RenderInGame, PartialRedrawLeavesTheSamePictureAsAFullOne) {
  DealWithShadows();
  for (int tile : {1, 37, 77, 100, 120, 144}) {
    current.FirstTile = static_cast<uint8_t>(tile);
    current.HoverTile = static_cast<uint8_t>(tile % 144 + 1);
    view.RedrawTile(tile);
    view.RedrawTile(current.HoverTile);
    const Picture partial = pictures.FrameBuffer;
    view.RedrawAll();
    EXPECT_TRUE(partial == pictures.FrameBuffer) << tile;
    current.FirstTile = 0;  // and unmarked again
    current.HoverTile = 0;
    view.RedrawTile(tile);
    view.RedrawTile(tile % 144 + 1);
  }
}

// A taken pair redraws only around its two places, shadows on the layer below included, and
// leaves the picture a full redraw would make, at 1x and 2x, until the heap is gone.
TEST_F(RenderInGame, ATakenPairLeavesTheSamePictureAsAFullRedraw) {
  DealWithShadows();
  for (int pairs = 0; pairs < 72; ++pairs) {
    if (pairs == 36) {
      ASSERT_TRUE(looks.SetScale(2));
      view.Redraw();
    }
    int a = 0, b = 0;
    for (int x = 1; x <= 144 && !b; ++x)
      for (int y = x + 1; y <= 144 && !b; ++y)
        if (TilesMatch(x, y) && !current.Board.TilePlace[x].empty() && !current.Board.TilePlace[y].empty() &&
            TileFreeIn(current.Play, current.Board, x, false) && TileFreeIn(current.Play, current.Board, y, false))
          a = x, b = y;
    ASSERT_NE(b, 0) << pairs;  // a winnable deal always has one
    current.HoverTile = static_cast<uint8_t>(b);
    platform.presented.clear();
    TakePair(a, b);
    if (current.Board.TilesLeft == 0) break;
    for (const Rect& shown : platform.presented)
      EXPECT_LT(shown.width() * shown.height(), pictures.FrameBuffer.width() * pictures.FrameBuffer.height() / 8);
    const Picture partial = pictures.FrameBuffer;
    view.RedrawAll();
    ASSERT_TRUE(partial == pictures.FrameBuffer) << pairs;
  }
}

TEST_F(Render, PlaceMarkersAreNotDrawn) {
  board.BoardGrid.set(10, 6, 1, PlaceMarker);
  Draw();
  EXPECT_EQ(At(X(10, 1) + 10, Y(6, 1) + 10), Back);
}

TEST_F(RenderInGame, PausedOrClearedBoardsShowOnlyTheBackground) {
  current.Board.PutTile(1, {10, 6, 1});
  view.RedrawAll();
  SetMode(ModePaused);
  view.RedrawAll();
  EXPECT_EQ(platform.screen.at(X(10, 1) + 10, Y(6, 1) + 10), Back);
  // Drawing decides nothing: an empty board is a won game only once the end is checked, and
  // not before a second of play.
  SetMode(ModeSolitaire);
  current.Board.TakeTile(1);
  current.Board.TilesLeft = 0;
  current.Clock.ElapsedSeconds = 3;
  view.RedrawAll();
  EXPECT_FALSE(current.BoardCleared);
  current.BoardCleared = true;
  current.Board.PutTile(1, {10, 6, 1});  // even a tile put back stays hidden once the game is over
  view.RedrawAll();
  EXPECT_EQ(platform.screen.at(X(10, 1) + 10, Y(6, 1) + 10), Back);
}

// The end is the game's to check: an empty board is a won game only after a second of play, and
// then nothing put back on it shows.
TEST(GameEnd, AnEmptyBoardIsWonOnlyAfterASecondOfPlay) {
  FakePlatform platform;
  TVelmor game{platform, "/nonexistent/"};
  SetMode(game, ModeSolitaire);
  game.Current.Board.TilesLeft = 0;
  EXPECT_FALSE(game.CheckGameEnd());
  game.Current.Clock.ElapsedSeconds = 3;
  EXPECT_TRUE(game.CheckGameEnd());
  game.Current.Board.PutTile(1, {10, 6, 1});
  game.FullRedraw();
  EXPECT_EQ(platform.screen, game.Pictures.BackgroundImage);
}

namespace {
int GreyIn(const Picture& p, const Rect& r) {
  int n = 0;
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, p.height()); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, p.width()); ++x) n += p.at(x, y) == Grey;
  return n;
}
}  // namespace

TEST_F(Render, EachShadowRuleCastsItsPieces) {
  // Opaque pixels of the pieces: V1 50, V2 100, V3 30, V4 30, V5 75, H 100.
  struct Case {
    int dc, dr, grey;
    int firstDx, firstDy;  // an opaque pixel of the rule's first piece
  } cases[] = {
      {+1, -2, 30 + 50, 20, 0},  {0, -2, 30 + 100 + 50, 0, 0},
      {-1, -2, 100 + 30, 0, 0},  {-2, -2, 30, 0, 0},
      {+1, -1, 30 + 50, 20, 25}, {0, -1, 30 + 100 + 50, 0, 25},
      {-1, -1, 100 + 30, 0, 25}, {-2, -1, 30, 0, 25},
      {-2, +1, 30 + 75, 0, 25},  {-2, 0, 30 + 100 + 100, 0, 0},
      {-1, +1, 30 + 75, 20, 25}, {-1, 0, 30 + 100 + 100, 20, 0},
  };
  // Rules 11, 12, 15 and 16 share their neighbour with rules 8, 4, 7 and 3, so both fire; where
  // a V3 and a V4 piece land on one spot they share their ten diagonal pixels.
  const int extra[][3] = {
      {-2, -1, 75 + 50 + 30 - 10}, {-2, -2, 30 - 10}, {-1, -1, 75 + 50 + 30 - 10}, {-1, -2, 30 - 10}};
  shadows = true;
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.dc) + "," + std::to_string(k.dr));
    board = BoardState{};
    board.PutTile(1, {10, 10, 1});
    board.PutTile(2, {10 + k.dc, 10 + k.dr, 2});
    frame.Fill({0, 0, 704, 468}, Back);
    DrawOne(10, 10, 1, 1);  // the lower tile alone, so the upper one hides nothing
    int expected = k.grey;
    for (const auto& e : extra)
      if (e[0] == k.dc && e[1] == k.dr) expected += e[2];
    EXPECT_EQ(GreyIn(frame, {0, 0, 704, 468}), expected);
    EXPECT_EQ(At(X(10, 1) + k.firstDx, Y(10, 1) + k.firstDy), Grey);
  }
}

TEST_F(Render, NoShadowsOnTheTopLayerTheFirstColumnOrTheFirstRowOrWhenOff) {
  shadows = true;
  const Place lower[] = {{10, 10, 5}, {1, 10, 1}, {10, 1, 1}};
  for (const Place& p : lower) {
    board = BoardState{};
    board.PutTile(1, p);
    board.BoardGrid.set(p.column, p.row - 1, p.layer + 1, 2);
    frame.Fill({0, 0, 704, 468}, Back);
    DrawOne(p.column, p.row, p.layer, 1);
    EXPECT_EQ(GreyIn(frame, {0, 0, 704, 468}), 0) << p.column << "," << p.row << "," << p.layer;
  }
  shadows = false;
  board = BoardState{};
  board.PutTile(1, {10, 10, 1});
  board.PutTile(2, {10, 9, 2});
  frame.Fill({0, 0, 704, 468}, Back);
  DrawOne(10, 10, 1, 1);
  EXPECT_EQ(GreyIn(frame, {0, 0, 704, 468}), 0);
}

TEST_F(Render, TilesBeyondThePictureAreCutOff) {
  board.PutTile(1, {34, 20, 5});
  Draw();  // must not write outside the 704 x 468 picture
  EXPECT_EQ(frame.width(), 704);
  EXPECT_EQ(At(703, 467), FaceOf(1));  // the face reaches the corner and stops there
}
