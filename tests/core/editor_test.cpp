// The layout editor: placing and taking tiles, moving the heap, saving, trying and leaving.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class Editor : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  TVelmor game{platform, dir.path()};

  void SetUp() override {
    std::filesystem::create_directories(dir.path() + "Layouts");
    std::filesystem::copy_file(DataDir() + "/Layouts/Traditional.lay", dir.path() + "Layouts/Traditional.lay");
    ASSERT_TRUE(game.BuildLayoutList());
    ASSERT_TRUE(game.Listed.LoadCurrent());
  }
  // A left click where the ghost would show place `p`, or a right click on the tile at `p`: the
  // first point of the place's picture where the game sees that place.
  void ClickPlace(Place p, TVelmor::Button button = TVelmor::Button::Primary) {
    const Grid& g = game.Current.Board.BoardGrid;
    const int tile = g.at(p);
    for (int dy = 0; dy < TileBoxHeight; ++dy)
      for (int dx = 0; dx < TileBoxWidth; ++dx) {
        const int x = TileLeft(p.column, p.layer) + dx, y = TileTop(p.row, p.layer) + dy;
        if (x / 20 < 0 || y / 25 < 0 || x / 20 > 34 || y / 25 > 20) continue;  // off the board area
        const bool hit =
            button == TVelmor::Button::Primary ? WhatAdd(g, x, y) == p : tile != 0 && WhatTileThere(g, x, y) == tile;
        if (hit) {
          game.ButtonDown(button, game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
          return;
        }
      }
    clicksMissed++;  // no point of the picture leads there: the click is not made
  }
  int clicksMissed = 0;
  int Left() { return std::stoi(game.Menus.Label40.Caption()); }
  // Fills layer 1 row by row, two columns and two rows apart, with `count` tiles.
  void Fill(int count) {
    for (int r = 2, placed = 0; r <= 18 && placed < count; r += 2)
      for (int c = 2; c <= 32 && placed < count; c += 2, ++placed) ClickPlace({c, r, 1});
  }
};

}  // namespace

TEST_F(Editor, CreateStartsEmptyAndCountsDownAndUp) {
  game.Menus.CreateLayout1.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeEditor);
  EXPECT_EQ(game.Layout.LayoutName, "New Layout");
  EXPECT_EQ(game.Menus.Edit1.Caption(), "New Layout");
  EXPECT_EQ(Left(), 144);
  EXPECT_FALSE(game.Menus.VO.Visible());
  EXPECT_TRUE(game.Menus.EditorMenu.Visible());
  EXPECT_TRUE(game.Menus.EditorPanel.Visible());
  EXPECT_FALSE(game.Menus.Tools.Visible());
  EXPECT_TRUE(platform.errors.empty());

  game.Menus.TryIt1.Click();  // nothing placed yet
  EXPECT_EQ(platform.messages.back(), "You haven't finished building the layout yet !");
  EXPECT_EQ(game.Current.Play.Number(), ModeEditor);

  Fill(144);
  EXPECT_EQ(Left(), 0);
  ClickPlace({2, 2, 1}, TVelmor::Button::Secondary);
  EXPECT_EQ(Left(), 1);
  ClickPlace({2, 2, 1});
  EXPECT_EQ(Left(), 0);
  ClickPlace({5, 3, 2});  // a 145th tile is refused
  EXPECT_EQ(Left(), 0);
  EXPECT_EQ(game.Layout.Shape.Count(), 144);
}

// The rules themselves are the model's (layout_editor_test.cpp); here, that each entry moves the
// heap its own way, and that the board is shown again only when the heap moved.
TEST_F(Editor, MoveEntriesShiftTheHeapAndRedrawOnlyWhenItMoves) {
  game.Menus.CreateLayout1.Click();
  ClickPlace({2, 4, 1});
  ClickPlace({1, 8, 1});  // on column 1
  const Grid before = game.Current.Board.BoardGrid;
  platform.presented.clear();
  game.Menus.Movetoleft1.Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == before);
  EXPECT_TRUE(platform.presented.empty());
  game.Menus.Movetoright1.Click();
  EXPECT_EQ(game.Current.Board.BoardGrid.at(3, 4, 1), before.at(2, 4, 1));
  EXPECT_EQ(game.Current.Board.BoardGrid.at(2, 8, 1), before.at(1, 8, 1));
  EXPECT_EQ(game.Layout.Shape.at(1, 3, 2), 1);  // shape row 3, column 2 = anchor (3, 4)
  EXPECT_FALSE(platform.presented.empty());
  game.Menus.Movetotop1.Click();
  EXPECT_EQ(game.Current.Board.BoardGrid.at(3, 3, 1), before.at(2, 4, 1));
  game.Menus.Movetobottom1.Click();
  game.Menus.Movetoleft1.Click();
  EXPECT_TRUE(game.Current.Board.BoardGrid == before);
}

TEST_F(Editor, ExitRestoresTheFileAndTryItKeepsTheChanges) {
  const LayoutShape traditional = game.Layout.Shape;
  game.Menus.Editlayout1.Click();
  EXPECT_EQ(Left(), 0);
  int capTile = 0;
  for (int t = 1; t <= 144; ++t)
    if (game.Current.Board.TilePlace[t].layer == 5) capTile = t;
  ASSERT_GT(capTile, 0);
  const Place cap = game.Current.Board.TilePlace[capTile];
  ClickPlace(cap, TVelmor::Button::Secondary);  // the top tile can always go
  EXPECT_EQ(Left(), 1);
  game.Menus.Save1.Click();
  EXPECT_EQ(platform.messages.back(), "You haven't finished building the layout yet !");
  game.Menus.Cancel2.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_TRUE(game.Layout.Shape == traditional);
  EXPECT_TRUE(game.Menus.VO.Visible());
  EXPECT_TRUE(game.Menus.Tools.Visible());

  game.Menus.Editlayout1.Click();
  for (int t = 1; t <= 144; ++t)
    if (game.Current.Board.TilePlace[t].layer == 5)
      ClickPlace(game.Current.Board.TilePlace[t], TVelmor::Button::Secondary);
  ClickPlace({2, 18, 1});  // somewhere else on the table
  game.Menus.TryIt1.Click();
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Current.Board.TilesLeft, 144);
  EXPECT_FALSE(game.Layout.Shape == traditional);
  game.Menus.Editlayout1.Click();
  EXPECT_EQ(game.Current.Board.BoardGrid.at(2, 18, 1) != 0, true);  // the changes are still there
  std::string text, error;
  ReadWholeFile(dir.path() + "Layouts/Traditional.lay", text, error);
  EXPECT_EQ(text, FormatLayFile("Traditional", traditional));  // and not in the file
}

TEST_F(Editor, SavingANewLayoutAsksForANameAndAddsItsEntry) {
  game.Menus.CreateLayout1.Click();
  Fill(144);
  game.Menus.Edit1.SetCaption("Flat Lands");
  platform.saveAnswers = {dir.path() + "Layouts/Flat"};
  game.Menus.Save1.Click();  // a new layout: asks, never overwrites Traditional
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "Layouts/Flat.lay"));
  EXPECT_EQ(game.Listed.Layouts.Count(), 2);
  EXPECT_EQ(game.Listed.Layouts[2].name, "Flat");
  EXPECT_EQ(game.Layout.BoardNumber, 2);
  EXPECT_TRUE(game.Listed.Entries.Entry(2)->Checked());
  EXPECT_EQ(game.Layout.LayoutName, "Flat Lands");
  EXPECT_EQ(game.Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game.Current.Board.TilesLeft, 144);

  game.Menus.Editlayout1.Click();  // edit and save under its existing name: no new entry
  ClickPlace({2, 2, 1}, TVelmor::Button::Secondary);
  ClickPlace({3, 3, 2});
  game.Menus.Save1.Click();
  EXPECT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(game.Listed.Layouts.Count(), 2);
  EXPECT_EQ(game.Layout.BoardNumber, 2);
}

TEST_F(Editor, AFailedSaveKeepsTheEditorOpen) {
  game.Menus.CreateLayout1.Click();
  Fill(144);
  platform.saveAnswers = {dir.path() + "no/such/folder/X"};
  game.Menus.SaveAs1.Click();
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_EQ(game.Current.Play.Number(), ModeEditor);
  EXPECT_EQ(game.Layout.Shape.Count(), 144);
  EXPECT_FALSE(game.Menus.VO.Visible());
}

TEST_F(Editor, TheToolbarEntryActsOnTheEditorPanelWhileEditing) {
  game.Menus.CreateLayout1.Click();
  game.Menus.Toolbar1.Click();
  EXPECT_FALSE(game.Menus.EditorPanel.Visible());
  EXPECT_FALSE(game.Menus.Tools.Visible());
  game.Menus.Toolbar1.Click();
  EXPECT_TRUE(game.Menus.EditorPanel.Visible());
}
