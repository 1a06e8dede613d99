// Choosing tilesets and backgrounds: built-in items, pictures from disk, start-up.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "display/BoardRenderer.h"
#include "display/Scale.h"
#include "display/Tileset.h"
#include "shell/BoardDrawing.h"
#include "shell/KeyboardPlay.h"
#include "shell/LookMenus.h"

using namespace velmor;
using namespace velmor::test;

namespace {

Picture Gradient(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.set(x, y, Rgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
  return p;
}

Picture PlainTileset(uint32_t colour) {
  Picture t(tileset::MinWidth, tileset::MinHeight, colour);
  return t;
}

std::vector<std::string> TilesetsChecked(const GameMenus& menus) {
  std::vector<std::string> out;
  for (MenuItem* item : menus.Tileset1.Items())
    if (item->Checked()) out.push_back(item->Caption() + (item == &menus.Load1 ? "(disk)" : ""));
  return out;
}
std::vector<std::string> BackgroundsChecked(const GameMenus& menus) {
  std::vector<std::string> out;
  for (MenuItem* item : menus.Background1.Items())
    if (item->Checked()) out.push_back(item->Caption() + (item == &menus.LoadBackground ? "(disk)" : ""));
  return out;
}

// The player's files and the shipped pictures, as the fake loader knows them.
class LookFiles : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;

  // A bitmap the fake loader knows, with a file on disk so that existence checks pass.
  std::string Bitmap(const std::string& relative, const Picture& picture) {
    const std::string path = dir.Write(relative, "BM");
    platform.bitmaps[path] = picture;
    return path;
  }
  void ShipBuiltIns() {
    Bitmap("Tilesets/pai.bmp", PlainTileset(Rgb(1, 0, 0)));
    Bitmap("Tilesets/darkpai.bmp", PlainTileset(Rgb(2, 0, 0)));
    Bitmap("Tilesets/bluepai.bmp", PlainTileset(Rgb(3, 0, 0)));
    Bitmap("Tilesets/pai256.bmp", PlainTileset(Rgb(4, 0, 0)));
    Bitmap("Backgrounds/kanji.bmp", Picture(100, 100, Rgb(0, 1, 0)));
    Bitmap("Backgrounds/dragons.bmp", Picture(100, 100, Rgb(0, 2, 0)));
  }
};

// The tileset and background menus on their own, over the menus' items and the pictures; the
// redraws they ask for are counted.
class Looks : public LookFiles {
 protected:
  std::string appFolder = dir.path();
  GameMenus menus;
  BoardPictures pictures;
  PlayState play;  // no game on the board
  int redraws = 0;
  LookMenus looks{platform, appFolder, menus, pictures, play, [this] { ++redraws; }};

  void SetUp() override {
    // The first start's choices, as the settings give them.
    menus.MahJongg3.SetChecked(true);
    menus.Andromeda.SetChecked(true);
  }
  uint32_t TilesetColour() const { return pictures.TilesetPicture.at(5, 5); }
  std::vector<std::string> CheckedTilesets() const { return TilesetsChecked(menus); }
  std::vector<std::string> CheckedBackgrounds() const { return BackgroundsChecked(menus); }
};

// The looks under a game on the board, drawn at each scale.
class LooksOnBoard : public LookFiles {
 protected:
  std::string appFolder = dir.path();
  GameMenus menus;
  GameState current;
  BoardPictures pictures;
  KeyboardPlay keys{platform, current, {}};
  BoardDrawing view{platform, menus, current, pictures, keys, {[] {}, [this] { view.RedrawAll(); }}};
  LookMenus looks{platform, appFolder, menus, pictures, current.Play, [this] { view.RedrawAll(); }};
};

// The looks within the game: its menu items and the redraws they ask for.
class LooksInGame : public LookFiles {
 protected:
  TVelmor game{platform, dir.path()};
  uint32_t TilesetColour() const { return game.Pictures.TilesetPicture.at(5, 5); }
  std::vector<std::string> CheckedTilesets() const { return TilesetsChecked(game.Menus); }
  std::vector<std::string> CheckedBackgrounds() const { return BackgroundsChecked(game.Menus); }
};

}  // namespace

TEST(Background, TilingRule) {
  for (auto [w, h] :
       {std::pair{704, 468}, std::pair{900, 500}, std::pair{800, 300}, std::pair{100, 100}, std::pair{703, 1000}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    const Picture pic = Gradient(w, h);
    Picture bg(704, 468, Rgb(9, 9, 9));
    TileBackground(bg, pic);
    for (int y = 0; y < 468; y += 13)
      for (int x = 0; x < 704; x += 11) ASSERT_EQ(bg.at(x, y), pic.at(x % w, y % h)) << x << "," << y;
    EXPECT_EQ(bg.at(703, 467), pic.at(703 % w, 467 % h));
  }
}

TEST(Background, NoneIsTealInABlackFrame) {
  Picture bg(704, 468, Rgb(1, 2, 3));
  PlainBackground(bg);
  EXPECT_EQ(bg.at(0, 0), 0u);
  EXPECT_EQ(bg.at(703, 200), 0u);
  EXPECT_EQ(bg.at(300, 467), 0u);
  EXPECT_EQ(bg.at(1, 1), Rgb(0, 128, 128));
  EXPECT_EQ(bg.at(702, 466), Rgb(0, 128, 128));
}

TEST(Background, AtOneXALookMadeForTheBoardIsKeptOnceNotTwice) {
  const LookSource board{Gradient(704, 468), "board.jpg"}, small{Gradient(100, 100), "small.jpg"};
  Picture background;
  MakeBackgroundAtScale(board, 1, background);
  EXPECT_TRUE(background.SharesPixelsWith(board.picture));
  MakeBackgroundAtScale(small, 1, background);
  EXPECT_FALSE(background.SharesPixelsWith(small.picture));
  MakeBackgroundAtScale(board, 2, background);
  EXPECT_EQ(background.width(), 1408);
  EXPECT_FALSE(background.SharesPixelsWith(board.picture));

  const LookSource tiles{Picture(tileset::MinWidth, tileset::MinHeight, Rgb(1, 0, 0)), "tiles.bmp"};
  Picture tilesetPicture, sheet;
  MakeTilesetAtScale(tiles, 1, tilesetPicture, sheet);
  EXPECT_TRUE(tilesetPicture.SharesPixelsWith(tiles.picture));
}

TEST_F(Looks, BuiltInTilesetsCheckOneItemAndRebuildTheSheet) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg1);
  EXPECT_EQ(TilesetColour(), Rgb(1, 0, 0));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Orange borders"});
  EXPECT_EQ(pictures.TileSheet.at(10, 10), Rgb(1, 0, 0));  // the blank tile of a uniform picture
  looks.BuiltInTilesetClick(menus.Lowcolor1);
  EXPECT_EQ(TilesetColour(), Rgb(4, 0, 0));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Few Colors"});
  EXPECT_EQ(redraws, 0);  // no game yet: nothing redrawn
  play = PlayState::FromNumbers(ModeSolitaire, ModeSolitaire);
  looks.BuiltInTilesetClick(menus.MahJongg2);
  EXPECT_EQ(redraws, 1);
}

TEST_F(Looks, MissingBuiltInAsksForAFileAndCancelKeepsTheTilesetInUse) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg1);
  std::filesystem::remove(dir.path() + "Tilesets/darkpai.bmp");
  looks.BuiltInTilesetClick(menus.MahJongg2);  // the dialog opens and is cancelled
  ASSERT_EQ(platform.openDialogs.size(), 1u);
  EXPECT_EQ(platform.openDialogs[0].title, "Please choose a Tileset bitmap file");
  EXPECT_EQ(platform.openDialogs[0].filter, "Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg");
  EXPECT_EQ(platform.openDialogs[0].initialFolder, dir.path() + "Tilesets/");
  EXPECT_EQ(TilesetColour(), Rgb(1, 0, 0));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Orange borders"});
  EXPECT_TRUE(looks.LastLoadedTileset.empty());
}

TEST_F(Looks, LoadFromDiskRemembersTheFileAndReloadsItWithoutADialog) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg3);
  const std::string mine = Bitmap("elsewhere/mine.bmp", PlainTileset(Rgb(7, 7, 7)));
  platform.openAnswers = {mine};
  looks.Load1Click();
  EXPECT_EQ(TilesetColour(), Rgb(7, 7, 7));
  EXPECT_EQ(looks.LastLoadedTileset, mine);
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Load from disk(disk)"});
  looks.BuiltInTilesetClick(menus.MahJongg3);
  looks.Load1Click();  // not checked, file remembered: no dialog
  EXPECT_EQ(platform.openDialogs.size(), 1u);
  EXPECT_EQ(TilesetColour(), Rgb(7, 7, 7));
  looks.Load1Click();  // checked already: asks for another file; cancelled keeps it
  EXPECT_EQ(platform.openDialogs.size(), 2u);
  EXPECT_EQ(TilesetColour(), Rgb(7, 7, 7));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Load from disk(disk)"});
}

TEST_F(Looks, ATilesetSmallerThanItsLayoutReadsAsBlackWhereItEnds) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg1);  // a full picture first, so leftovers would show
  const std::string tiny = Bitmap("tiny.bmp", Picture(100, 60, Rgb(50, 60, 70)));
  platform.openAnswers = {tiny};
  looks.Load1Click();
  EXPECT_EQ(pictures.TilesetPicture.width(), tileset::MinWidth);
  EXPECT_EQ(pictures.TilesetPicture.at(10, 10), Rgb(50, 60, 70));
  EXPECT_EQ(pictures.TilesetPicture.at(300, 400), 0u);
  // Every ready-made tile is built from the blank tile at y 256: black, not the old tileset.
  EXPECT_EQ(pictures.TileSheet.at(2, 30), 0u);
  BoardState board;
  board.PutTile(1, {30, 18, 5});  // a tile reaching the picture's far corner draws safely
  BoardRenderer({pictures.TilesetPicture, pictures.TileSheet, pictures.BackgroundImage, true}, pictures.BoardOriginX,
                pictures.BoardOriginY, pictures.Scale)
      .Compose(pictures.FrameBuffer, board.BoardGrid, BoardMarks{});
}

TEST_F(Looks, AnUnreadableTilesetKeepsTheOldLookAndItsMark) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg1);
  const std::string junk = dir.Write("junk.bmp", "not a picture");
  platform.openAnswers = {junk};
  looks.Load1Click();
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_EQ(TilesetColour(), Rgb(1, 0, 0));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Orange borders"});
  // The unreadable file is not remembered: the next click asks again instead of re-reading it.
  EXPECT_EQ(looks.LastLoadedTileset, "");
  looks.Load1Click();
  EXPECT_EQ(platform.openDialogs.size(), 2u);
  EXPECT_EQ(platform.errors.size(), 1u);
  // A remembered file that has become unreadable is forgotten when it fails, also at start-up.
  looks.LastLoadedTileset = junk;
  looks.Load1Click();
  EXPECT_EQ(platform.openDialogs.size(), 2u);
  EXPECT_EQ(platform.errors.size(), 2u);
  EXPECT_EQ(looks.LastLoadedTileset, "");
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Orange borders"});
}

TEST_F(Looks, BackgroundsFromBitmapsAndJpegsAndTheirFailures) {
  ShipBuiltIns();
  looks.BuiltInBackgroundClick(menus.Kanji1);
  EXPECT_EQ(pictures.BackgroundImage.at(650, 450), Rgb(0, 1, 0));
  // ".JPG" in capitals is not a JPEG name here: the bitmap loader reads it.
  const std::string upper = Bitmap("pics/photo.JPG", Picture(800, 600, Rgb(5, 5, 5)));
  platform.openAnswers = {upper};
  looks.LoadBackgroundClick();
  EXPECT_EQ(pictures.BackgroundImage.at(10, 10), Rgb(5, 5, 5));
  EXPECT_EQ(CheckedBackgrounds(), std::vector<std::string>{"Load from disk(disk)"});
  // A damaged ".jpg" leaves the previous background and its check mark.
  const std::string broken = dir.Write("pics/broken.jpg", "\xff\xd8\xff\xe0 definitely not a jpeg");
  platform.openAnswers = {broken};
  looks.LoadBackgroundClick();
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_EQ(pictures.BackgroundImage.at(10, 10), Rgb(5, 5, 5));
  EXPECT_EQ(CheckedBackgrounds(), std::vector<std::string>{"Load from disk(disk)"});
  EXPECT_EQ(looks.LastLoadedBackground, upper);  // the picture in use stays the remembered one
  looks.None1Click();
  EXPECT_EQ(pictures.BackgroundImage.at(10, 10), Rgb(0, 128, 128));
  EXPECT_EQ(CheckedBackgrounds(), std::vector<std::string>{"None"});
}

TEST_F(LooksInGame, StartUpAppliesTheRememberedChoices) {
  ShipBuiltIns();
  // Tileset 2 (or anything unknown) checks nothing the start-up looks for: dark borders.
  game.Menus.MahJongg3.SetChecked(false);
  game.Menus.MahJongg2.SetChecked(true);
  game.Menus.Andromeda.SetChecked(false);
  game.Menus.Dragons1.SetChecked(true);
  game.Looks.ActiveTilesetBackground();
  EXPECT_EQ(TilesetColour(), Rgb(2, 0, 0));
  EXPECT_EQ(game.Pictures.BackgroundImage.at(5, 5), Rgb(0, 2, 0));
  EXPECT_TRUE(platform.openDialogs.empty());
  EXPECT_TRUE(platform.presented.empty());
}

TEST_F(LooksInGame, StartUpWithoutARememberedFileAsksAndFallsBackOnCancel) {
  ShipBuiltIns();
  game.Menus.MahJongg3.SetChecked(false);
  game.Menus.Load1.SetChecked(true);  // "Tileset" = 0 with no remembered path
  game.Menus.Andromeda.SetChecked(false);
  game.Menus.LoadBackground.SetChecked(true);
  game.Looks.ActiveTilesetBackground();
  // Background: the dialog, then once more for the missing default picture; tileset: once.
  EXPECT_EQ(platform.openDialogs.size(), 3u);
  EXPECT_EQ(TilesetColour(), Rgb(3, 0, 0));  // the default "Blue borders"
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Blue borders"});
  // The default background file is missing here, so the fallback ends on plain teal.
  EXPECT_EQ(game.Pictures.BackgroundImage.at(5, 5), Rgb(0, 128, 128));
  EXPECT_EQ(CheckedBackgrounds(), std::vector<std::string>{"None"});
}

TEST_F(LooksInGame, StartUpReloadsARememberedFileWithoutADialog) {
  ShipBuiltIns();
  const std::string mine = Bitmap("mine.bmp", Picture(704, 468, Rgb(6, 6, 6)));
  game.Looks.LastLoadedBackground = mine;
  game.Menus.Andromeda.SetChecked(false);
  game.Menus.LoadBackground.SetChecked(true);
  game.Looks.ActiveTilesetBackground();
  EXPECT_TRUE(platform.openDialogs.empty());
  EXPECT_EQ(game.Pictures.BackgroundImage.at(100, 100), Rgb(6, 6, 6));
  EXPECT_EQ(CheckedBackgrounds(), std::vector<std::string>{"Load from disk(disk)"});
}

TEST_F(Looks, AJpegTilesetFromDiskIsDecodedAsAJpeg) {
  ShipBuiltIns();
  looks.BuiltInTilesetClick(menus.MahJongg1);
  // A real JPEG, never handed to the bitmap loader (which knows nothing of it here).
  const std::string mine = dir.path() + "elsewhere/mine.jpg";
  std::filesystem::create_directories(dir.path() + "elsewhere");
  std::filesystem::copy_file(DataDir() + "/Backgrounds/andromeda.jpg", mine);
  platform.openAnswers = {mine};
  looks.Load1Click();
  EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
  EXPECT_EQ(looks.LastLoadedTileset, mine);
  EXPECT_NE(TilesetColour(), Rgb(1, 0, 0));
  EXPECT_EQ(CheckedTilesets(), std::vector<std::string>{"Load from disk(disk)"});
}

// Each item of the two menus reaches its look, and a new look during a game redraws the board.
TEST_F(LooksInGame, TheMenuItemsChooseTheirLooksAndAGameIsDrawnAgain) {
  ShipBuiltIns();
  game.Menus.MahJongg1.Click();
  EXPECT_EQ(TilesetColour(), Rgb(1, 0, 0));
  game.Menus.Lowcolor1.Click();
  EXPECT_EQ(TilesetColour(), Rgb(4, 0, 0));
  EXPECT_TRUE(platform.presented.empty());  // no game yet: nothing redrawn
  SetMode(game, ModeSolitaire);
  game.Menus.MahJongg2.Click();
  EXPECT_EQ(TilesetColour(), Rgb(2, 0, 0));
  EXPECT_FALSE(platform.presented.empty());
  game.Menus.MahJongg3.Click();
  EXPECT_EQ(TilesetColour(), Rgb(3, 0, 0));
  platform.openAnswers = {Bitmap("elsewhere/mine.bmp", PlainTileset(Rgb(7, 7, 7)))};
  game.Menus.Load1.Click();
  EXPECT_EQ(TilesetColour(), Rgb(7, 7, 7));
  game.Menus.Kanji1.Click();
  EXPECT_EQ(game.Pictures.BackgroundImage.at(650, 450), Rgb(0, 1, 0));
  game.Menus.Dragons1.Click();
  EXPECT_EQ(game.Pictures.BackgroundImage.at(650, 450), Rgb(0, 2, 0));
  platform.openAnswers = {Bitmap("pics/photo.bmp", Picture(800, 600, Rgb(5, 5, 5)))};
  game.Menus.LoadBackground.Click();
  EXPECT_EQ(game.Pictures.BackgroundImage.at(10, 10), Rgb(5, 5, 5));
  game.Menus.None1.Click();
  EXPECT_EQ(game.Pictures.BackgroundImage.at(10, 10), Rgb(0, 128, 128));
}

// Looks without larger artwork (the player's own files) are enlarged by repeating pixels, and so
// the board and the panel at scale K are the 1x ones repeated; back at 1x nothing has changed.
TEST_F(LooksOnBoard, AtEveryScaleLooksWithoutLargerArtworkGiveTheOneXPictureRepeated) {
  looks.LoadTileset(Bitmap("mine/tiles.bmp", Noise(tileset::MinWidth, tileset::MinHeight, 7)));
  looks.NouveauFond(Bitmap("mine/back.bmp", Noise(90, 70, 8)));
  pictures.HofSource = {Noise(BoardPictures::HofWidth, BoardPictureHeight, 9), dir.path() + "mine/panel.bmp"};
  pictures.HofPic = pictures.HofSource.picture;
  current.Play = PlayState::FromNumbers(ModeSolitaire, ModeSolitaire);
  for (int t = 1; t <= 40; ++t) current.Board.PutTile(t, {2 + 3 * (t % 10), 2 + 3 * (t / 10), 1 + t % 3});
  current.Board.TilesLeft = 40;
  current.FirstTile = 3;
  current.HoverTile = 12;
  view.RedrawAll();
  const Picture board1 = pictures.FrameBuffer, panel1 = pictures.HofPic;
  for (int k : {2, 3, 1}) {
    ASSERT_TRUE(looks.SetScale(k));
    view.Redraw();  // a game on the board is drawn again at its new scale
    EXPECT_TRUE(pictures.FrameBuffer == EnlargeByRepetition(board1, k)) << k;
    EXPECT_TRUE(pictures.HofPic == EnlargeByRepetition(panel1, k)) << k;
    view.RedrawTile(12);  // a partial redraw at K keeps the picture whole
    EXPECT_TRUE(pictures.FrameBuffer == EnlargeByRepetition(board1, k)) << k;
  }
}
