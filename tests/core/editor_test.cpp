// The layout editor: placing and taking tiles, moving the heap, saving, trying and leaving.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "BoardModels.h"
#include "TestSupport.h"
#include "shell/EditorPlay.h"
#include "shell/HallOfFameFile.h"
#include "shell/LayoutMenu.h"
#include "shell/TilePicking.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// A primary press where the ghost would show place `p`, or a secondary one on the tile at `p`: at
// the first point of the place's picture where the board sees that place, in board pixels. False,
// and no press, when no point leads there.
bool PressPlace(const Grid& g, Place p, TilePicking::Button button, const std::function<void(int x, int y)>& press) {
  const int tile = g.at(p);
  for (int dy = 0; dy < TileBoxHeight; ++dy)
    for (int dx = 0; dx < TileBoxWidth; ++dx) {
      const int x = TileLeft(p.column, p.layer) + dx, y = TileTop(p.row, p.layer) + dy;
      if (x / 20 < 0 || y / 25 < 0 || x / 20 > 34 || y / 25 > 20) continue;  // off the board area
      const bool hit =
          button == TilePicking::Button::Primary ? WhatAdd(g, x, y) == p : tile != 0 && WhatTileThere(g, x, y) == tile;
      if (hit) {
        press(x, y);
        return true;
      }
    }
  return false;
}

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
  void ClickPlace(Place p, TVelmor::Button button = TVelmor::Button::Primary) {
    if (!PressPlace(game.Current.Board.BoardGrid, p, button, [&](int x, int y) {
          game.ButtonDown(button, game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
        }))
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

// The editor on its own model, over the board's models and a layout list holding Traditional; a
// press on the board reaches it as the game hands it on.
class EditorModel : public BoardModels {
 protected:
  ScratchFolder dir;
  FolderPaths folders;
  MenuItem layoutMenu{"Layout1", "&Layout"};
  LayoutMenu listed{platform, folders, layout, layoutMenu, [] {}};
  BackgroundWriter writer{platform.WritesInBackground()};
  HallRecords hall{platform, writer, folders, listed.Layouts};
  EditorPlay editor{platform,
                    folders,
                    menus,
                    current,
                    layout,
                    pictures,
                    listed,
                    hall,
                    {[] {}, [this] { view.RedrawAll(); }, [](const std::string&) {}, [this] { DealLayout(); }, [] {},
                     [this] { return listed.LoadCurrent(); }}};
  TilePicking picks{current, pictures, moves, EditorHooks()};

  TilePicking::Hooks EditorHooks() {
    TilePicking::Hooks hooks = PickHooks();
    hooks.editorClick = [this](bool add, int x, int y, int column, int row) { editor.Click(add, x, y, column, row); };
    return hooks;
  }
  void SetUp() override {
    folders.AppFolder = folders.ConfigFolder = dir.path();
    std::filesystem::create_directories(dir.path() + "Layouts");
    std::filesystem::copy_file(DataDir() + "/Layouts/Traditional.lay", dir.path() + "Layouts/Traditional.lay");
    ASSERT_TRUE(listed.Build({}));
    ASSERT_TRUE(listed.LoadCurrent());
  }
  void ClickPlace(Place p, TilePicking::Button button = TilePicking::Button::Primary) {
    if (!PressPlace(current.Board.BoardGrid, p, button,
                    [&](int x, int y) { picks.Press(button, pictures.BoardOriginX + x, pictures.BoardOriginY + y); }))
      clicksMissed++;
  }
  int clicksMissed = 0;
  int Left() { return std::stoi(menus.Label40.Caption()); }
  void Fill(int count) {
    for (int r = 2, placed = 0; r <= 18 && placed < count; r += 2)
      for (int c = 2; c <= 32 && placed < count; c += 2, ++placed) ClickPlace({c, r, 1});
  }
};

}  // namespace

TEST_F(EditorModel, CreateStartsEmptyAndCountsDownAndUp) {
  editor.Enter(true);
  EXPECT_EQ(current.Play.Number(), ModeEditor);
  EXPECT_EQ(layout.LayoutName, "New Layout");
  EXPECT_EQ(menus.Edit1.Caption(), "New Layout");
  EXPECT_EQ(Left(), 144);
  EXPECT_FALSE(menus.VO.Visible());
  EXPECT_TRUE(menus.EditorMenu.Visible());
  EXPECT_TRUE(menus.EditorPanel.Visible());
  EXPECT_FALSE(menus.Tools.Visible());
  EXPECT_TRUE(platform.errors.empty());

  editor.SaveAndExit(menus.TryIt1);  // nothing placed yet
  EXPECT_EQ(platform.messages.back(), "You haven't finished building the layout yet !");
  EXPECT_EQ(current.Play.Number(), ModeEditor);

  Fill(144);
  EXPECT_EQ(Left(), 0);
  ClickPlace({2, 2, 1}, TilePicking::Button::Secondary);
  EXPECT_EQ(Left(), 1);
  ClickPlace({2, 2, 1});
  EXPECT_EQ(Left(), 0);
  ClickPlace({5, 3, 2});  // a 145th tile is refused
  EXPECT_EQ(Left(), 0);
  EXPECT_EQ(layout.Shape.Count(), 144);
}

// The rules themselves are the model's (layout_editor_test.cpp); here, that each entry moves the
// heap its own way, and that the board is shown again only when the heap moved.
TEST_F(EditorModel, MoveEntriesShiftTheHeapAndRedrawOnlyWhenItMoves) {
  editor.Enter(true);
  ClickPlace({2, 4, 1});
  ClickPlace({1, 8, 1});  // on column 1
  const Grid before = current.Board.BoardGrid;
  platform.presented.clear();
  editor.Move(-1, 0);
  EXPECT_TRUE(current.Board.BoardGrid == before);
  EXPECT_TRUE(platform.presented.empty());
  editor.Move(1, 0);
  EXPECT_EQ(current.Board.BoardGrid.at(3, 4, 1), before.at(2, 4, 1));
  EXPECT_EQ(current.Board.BoardGrid.at(2, 8, 1), before.at(1, 8, 1));
  EXPECT_EQ(layout.Shape.at(1, 3, 2), 1);  // shape row 3, column 2 = anchor (3, 4)
  EXPECT_FALSE(platform.presented.empty());
  editor.Move(0, -1);
  EXPECT_EQ(current.Board.BoardGrid.at(3, 3, 1), before.at(2, 4, 1));
  editor.Move(0, 1);
  editor.Move(-1, 0);
  EXPECT_TRUE(current.Board.BoardGrid == before);
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

TEST_F(EditorModel, AFailedSaveKeepsTheEditorOpen) {
  editor.Enter(true);
  Fill(144);
  platform.saveAnswers = {dir.path() + "no/such/folder/X"};
  editor.SaveAndExit(menus.SaveAs1);
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_EQ(current.Play.Number(), ModeEditor);
  EXPECT_EQ(layout.Shape.Count(), 144);
  EXPECT_FALSE(menus.VO.Visible());
}

TEST_F(Editor, TheToolbarEntryActsOnTheEditorPanelWhileEditing) {
  game.Menus.CreateLayout1.Click();
  game.Menus.Toolbar1.Click();
  EXPECT_FALSE(game.Menus.EditorPanel.Visible());
  EXPECT_FALSE(game.Menus.Tools.Visible());
  game.Menus.Toolbar1.Click();
  EXPECT_TRUE(game.Menus.EditorPanel.Visible());
}
