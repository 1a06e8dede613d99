// The pointer over the board: hover marks, the side-panel preview, the editor's ghost tile.
#include <gtest/gtest.h>

#include "BoardModels.h"
#include "TestSupport.h"
#include "shell/HighlightChoice.h"
#include "shell/PointerHover.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class Pointer : public ::testing::Test {
 protected:
  FakePlatform platform;
  TVelmor game{platform, "/app/"};

  void SetUp() override {
    SetMode(game, ModeSolitaire);
    game.Current.Board.PutTile(1, {4, 4, 1});
    game.Current.Board.PutTile(5, {10, 4, 1});
    game.Current.Board.PutTile(9, {12, 4, 1});
    game.Current.Board.PutTile(13, {14, 4, 1});  // 9 sits between 5 and 13: blocked
    game.Current.Board.PutTile(2, {20, 4, 1});
    game.Current.Board.PutTile(3, {20, 4, 2});  // exactly on 2
    game.Current.Board.PutTile(6, {26, 4, 1});
    game.Current.Board.PutTile(7, {27, 5, 2});  // half on 6
    game.Current.Board.TilesLeft = 8;
    game.Pictures.SaveHof = Picture(92, 468, Rgb(9, 9, 9));
    game.Pictures.HofPic = game.Pictures.SaveHof;
    game.Pictures.TilesetPicture = Picture(369, 567, 0);  // an opaque tile mask everywhere
    game.Pictures.TileSheet.Fill({0, 0, game.Pictures.TileSheet.width(), game.Pictures.TileSheet.height()},
                                 Rgb(200, 100, 50));
  }
  void MoveTo(int tile, int dx = 26, int dy = 25) {
    const Place& p = game.Current.Board.TilePlace[tile];
    game.FormMouseMove(game.Pictures.BoardOriginX + TileLeft(p.column, p.layer) + dx,
                       game.Pictures.BoardOriginY + TileTop(p.row, p.layer) + dy);
  }
  size_t Presents() const { return platform.presented.size(); }
  bool Previewed() const { return platform.panel.at(30, 400) == Rgb(200, 100, 50); }
};

// The pointer's own model over the board's models, on the same board.
class Hover : public BoardModels {
 protected:
  HighlightChoice highlights{menus, pictures, current, [this](int tile) { view.RedrawTile(tile); }};
  PointerHover hover{menus, current, pictures,
                     moves, view,    {[] {}, [this](int tile) { view.RedrawTile(tile); }, [](int) {}, [] {}}};

  void SetUp() override {
    SetMode(ModeSolitaire);
    current.Board.PutTile(1, {4, 4, 1});
    current.Board.PutTile(5, {10, 4, 1});
    current.Board.TilesLeft = 2;
    pictures.TilesetPicture = Picture(369, 567, 0);  // an opaque tile mask everywhere
  }
  void MoveTo(int tile, int dx = 26, int dy = 25) {
    const Place& p = current.Board.TilePlace[tile];
    hover.Move(pictures.BoardOriginX + TileLeft(p.column, p.layer) + dx,
               pictures.BoardOriginY + TileTop(p.row, p.layer) + dy);
  }
  size_t Presents() const { return platform.presented.size(); }
};

}  // namespace

TEST_F(Hover, HoverFollowsTheTileAndStaysWhenThePointerLeavesTheBoard) {
  MoveTo(1);
  EXPECT_EQ(current.HoverTile, 1);
  const size_t before = Presents();
  MoveTo(1, 30, 30);  // same tile: nothing redrawn
  EXPECT_EQ(Presents(), before);
  hover.Move(2000, 2000);  // off the board
  EXPECT_EQ(current.HoverTile, 1);
  MoveTo(1);  // back on the same tile
  EXPECT_EQ(Presents(), before);
  MoveTo(5);
  EXPECT_EQ(current.HoverTile, 5);
  EXPECT_EQ(Presents(), before + 2);                                    // old box cleared, new one marked
  hover.Move(pictures.BoardOriginX + 680, pictures.BoardOriginY + 10);  // on the board, no tile
  EXPECT_EQ(current.HoverTile, 0);
  EXPECT_EQ(current.PointedTile, 0);
}

TEST_F(Pointer, OnlyPossibleMovesMarksFreeTilesOnlyExceptInTheFlatGame) {
  game.Menus.OnlyPossibleMoves.Click();
  game.Menus.ShowCurrentTile.SetChecked(true);
  MoveTo(5);
  ASSERT_EQ(game.Current.HoverTile, 5);
  EXPECT_TRUE(Previewed());
  MoveTo(9);  // blocked
  EXPECT_EQ(game.Current.HoverTile, 0);
  EXPECT_FALSE(Previewed());
  SetMode(game, ModeRivers);
  MoveTo(9);
  EXPECT_EQ(game.Current.HoverTile, 9);
}

TEST_F(Pointer, PreviewShowsVisibleFacesOnlyAndNeverWithTwoPlayers) {
  game.Menus.ShowCurrentTile.SetChecked(true);
  MoveTo(6, 2, 40);  // tile 6 is only half covered
  ASSERT_EQ(game.Current.PointedTile, 6);
  EXPECT_TRUE(Previewed());
  MoveTo(2, 2, 52);  // reached through its edge, but a tile lies exactly on it
  ASSERT_EQ(game.Current.PointedTile, 2);
  EXPECT_FALSE(Previewed());
  SetMode(game, ModeTwoPlayers);
  MoveTo(5);
  EXPECT_FALSE(Previewed());
}

TEST_F(Hover, NoFeedbackWithoutAStyleOrWithoutAGame) {
  highlights.None();
  MoveTo(1);
  EXPECT_EQ(current.HoverTile, 0);
  highlights.ColouredTile();
  SetMode(ModeStopped);
  const size_t before = Presents();
  MoveTo(1);
  EXPECT_EQ(current.HoverTile, 0);
  EXPECT_EQ(Presents(), before);
}

TEST_F(Hover, EditorGhostFollowsThePointerWhateverTheStyle) {
  highlights.None();
  SetMode(ModeEditor);
  pictures.GhostBox = BoardPictures::NoBox;  // a freshly started editor
  platform.presented.clear();
  hover.Move(pictures.BoardOriginX + 300, pictures.BoardOriginY + 300);
  ASSERT_NE(pictures.EditorGhost.layer, -1);
  ASSERT_EQ(platform.presented.size(), 2u);
  EXPECT_EQ(platform.presented[0], (Rect{0, 0, 704, 468}));  // the first move: a full redraw
  const Place first = pictures.EditorGhost;
  hover.Move(pictures.BoardOriginX + 301, pictures.BoardOriginY + 301);  // same add place
  EXPECT_EQ(platform.presented.size(), 2u);
  hover.Move(pictures.BoardOriginX + 400, pictures.BoardOriginY + 300);
  ASSERT_EQ(platform.presented.size(), 4u);  // the old box and the new one
  EXPECT_EQ(platform.presented[2], view.TileBox(first));
  EXPECT_EQ(platform.presented[3], view.TileBox(pictures.EditorGhost));
}

TEST_F(Pointer, RightClicksInTheEditorGoToTheEditor) {
  SetMode(game, ModeEditor);
  game.Layout.TilesToPlace = 144 - 8;
  MoveTo(1, 26, 40);
  game.ButtonDown(TVelmor::Button::Secondary, game.Pictures.BoardOriginX + TileLeft(4, 1) + 26,
                  game.Pictures.BoardOriginY + TileTop(4, 1) + 40);
  EXPECT_TRUE(game.Current.Board.TilePlace[1].empty());  // taken away, not a dropped selection
  EXPECT_EQ(game.Layout.TilesToPlace, 144 - 7);
}

TEST_F(Pointer, NewButtonPopupAndTheCoolMouse) {
  game.ExplorerButton1MouseUp(TVelmor::Button::Primary);
  EXPECT_TRUE(platform.popups.empty());
  game.ExplorerButton1MouseUp(TVelmor::Button::Secondary);
  EXPECT_EQ(platform.popups, std::vector<std::string>{"NewPopup"});
  ASSERT_EQ(game.Menus.NewPopup.Items().size(), 4u);
  EXPECT_EQ(game.Menus.NewPopup.Items()[0]->Caption(), "Solitaire (1-player)");
  EXPECT_EQ(game.Menus.NewPopup.Items()[3]->Caption(), "MJ Rivers (Hard)");
  game.Menus.CoolMouse.SetChecked(false);
  game.Menus.CoolMouse.Click();
  EXPECT_EQ(platform.cursor, 21);
}
