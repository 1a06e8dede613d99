// Start-up and shutdown with the settings file: defaults, round trips, placement, lists.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>

#include <sys/resource.h>

#include "TestSupport.h"
#include "shell/IniFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {

class Startup : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  std::unique_ptr<TVelmor> game;

  void SetUp() override {
    std::filesystem::create_directories(dir.path() + "Layouts");
    for (const char* layout : {"Traditional.lay", "Pyramid.lay", "Spiral.shp"})
      std::filesystem::copy_file(DataDir() + "/Layouts/" + layout, dir.path() + "Layouts/" + layout,
                                 std::filesystem::copy_options::overwrite_existing);
    for (const char* tune : {"Autumn", "Night", "River"}) dir.Write(std::string("Musics/") + tune + ".mid", "MThd");
    dir.Write("velmor.rtf", "{\\rtf1 The rules.\\par}");
    dir.Write("whatsnew.rtf", "{\\rtf1 Version 5.21.\\par}");
    for (const char* picture : {"Tilesets/bluepai.bmp", "Tilesets/darkpai.bmp", "Backgrounds/kanji.bmp"})
      platform.bitmaps[dir.Write(picture, "BM")] = Picture(400, 600, Rgb(1, 2, 3));
  }
  bool Start(const StartRequest& asked = {}) {
    game = std::make_unique<TVelmor>(platform, dir.path());
    game->Asked = asked;
    if (!game->Init()) return false;
    game->FormShow();
    game->Temps();  // the first heartbeat starts the music
    return true;
  }
  std::string Ini() {
    std::string text, error;
    ReadWholeFile(dir.path() + "Velmor.ini", text, error);
    return text;
  }
};

}  // namespace

TEST_F(Startup, FirstStartTakesTheDefaultsAndDealsTraditional) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);  // "Begin game directly at startup" is on
  EXPECT_EQ(game->Layout.LayoutName, "Traditional");
  EXPECT_EQ(game->Tunes.Number, 2);  // "Night"
  EXPECT_TRUE(game->Tunes.Entry(2)->Checked());
  EXPECT_EQ(game->Tunes.Current, dir.path() + "Musics/Night.mid");
  EXPECT_EQ(game->Pictures.HighlightMode, 3);
  EXPECT_EQ(game->Pictures.PenColor, Rgb(0, 128, 0));
  EXPECT_TRUE(game->Menus.Highlight4.Checked());
  EXPECT_TRUE(game->Menus.MahJongg3.Checked());  // blue borders
  // Andromeda is the default background; it is not in this folder, so the player is asked, and
  // cancelling ends on plain teal.
  EXPECT_TRUE(game->Menus.None1.Checked());
  EXPECT_EQ(platform.window.left, 0);
  EXPECT_EQ(platform.window.top, 0);
  EXPECT_EQ(platform.window.width, 704 + 92);
  EXPECT_EQ(platform.window.height, 468 + 33 + 19);
  EXPECT_EQ(platform.cursor, 21);
  EXPECT_EQ(game->Pictures.BoardOriginX, 36);
  EXPECT_TRUE(game->Menus.SetMusic.Enabled());
  EXPECT_TRUE(platform.errors.empty());
}

TEST_F(Startup, ShutdownWritesEveryKeyInOrderAndKeepsTheRest) {
  dir.Write("Velmor.ini", "; my notes\r\n[Other]\r\nkeep=me\r\n[Velmor]\r\nUnknownKey=42\r\nHighlight=1\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Pictures.HighlightMode, 1);
  EXPECT_TRUE(game->Menus.Highlight2.Checked());
  platform.window = {17, 23, 800, 560};
  game->FormCloseQuery();
  const std::string ini = Ini();
  EXPECT_NE(ini.find("; my notes\r\n[Other]\r\nkeep=me\r\n"), std::string::npos);
  EXPECT_NE(ini.find("UnknownKey=42"), std::string::npos);
  const char* keys[] = {"Highlight",
                        "Invert",
                        "ShowMoves",
                        "PlayMusic",
                        "PlaySounds",
                        "CurrentPlayer1",
                        "Background",
                        "BoardNumber",
                        "LayoutFile",
                        "MidiNumber",
                        "Tileset",
                        "HighContrastTiles",
                        "SetRes800",
                        "LastLoadedTileset",
                        "LastLoadedBackground",
                        "StartDirectly",
                        "StartMusic",
                        "ShowHallOfFame",
                        "ShowToolbar",
                        "ShowStatus",
                        "CoolMenu",
                        "CoolMouse",
                        "CoolStatus",
                        "CoolToolbar",
                        "TileRivers",
                        "ShowTime",
                        "FlatButtons",
                        "EnableHall",
                        "Shadows",
                        "Vertical",
                        "Winnable",
                        "Shuffable",
                        "Animate",
                        "ShowTile",
                        "OnlyPossible",
                        "RandomMusic",
                        "RandomSeed",
                        "XPos",
                        "YPos",
                        "WPos",
                        "HPos",
                        "PreviousRes"};
  size_t last = 0;
  for (const char* key : keys) {
    const size_t at = ini.find(std::string("\r\n") + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    if (std::string(key) != "Highlight") {  // Highlight kept its old place
      EXPECT_GT(at, last) << key;
    }
    last = at;
  }
  IniFile file;
  std::string error;
  ASSERT_TRUE(file.Load(dir.path() + "Velmor.ini", error));
  EXPECT_EQ(file.ReadInteger("Velmor", "XPos", -1), 17);
  EXPECT_EQ(file.ReadInteger("Velmor", "WPos", -1), 800);
  EXPECT_EQ(file.ReadInteger("Velmor", "Background", -1), 2);
  EXPECT_EQ(file.ReadInteger("Velmor", "PreviousRes", -1), 1280);
}

TEST_F(Startup, EveryOptionRoundTrips) {
  ASSERT_TRUE(Start());
  // Flip every option away from its default, as a player would from the menus.
  for (MenuItem* item : {&game->Menus.Invert,          &game->Menus.Moves,           &game->Menus.PlayMusic,
                         &game->Menus.PlaySounds,      &game->Menus.Res800,          &game->Menus.StartDirectly,
                         &game->Menus.StartMusic,      &game->Menus.ShowHallFame,    &game->Menus.Toolbar1,
                         &game->Menus.ShowTitle,       &game->Menus.CoolMenu1,       &game->Menus.CoolMouse,
                         &game->Menus.CoolStatus,      &game->Menus.CoolToolbar,     &game->Menus.AnimateTileRivers,
                         &game->Menus.ShowTime,        &game->Menus.FlatButtons,     &game->Menus.EnableHall,
                         &game->Menus.Shadows,         &game->Menus.Winnable,        &game->Menus.Shuffable,
                         &game->Menus.Animate,         &game->Menus.ShowCurrentTile, &game->Menus.OnlyPossibleMoves,
                         &game->Menus.RandomMusic,     &game->Menus.ResumeLastGame,  &game->Menus.FullScreen,
                         &game->Menus.WatchWinnability})
    item->Toggle();
  game->Menus.Vertical.Toggle();
  game->Highlights.ColouredTile();
  game->Menus.Kanji1.Click();
  game->Menus.MahJongg2.Click();
  game->CurrentPlayer = "Ann Lee";
  game->Current.GameNumber = 2147483647;
  game->Listed.Entries.Entry(1)->Click();  // Pyramid sorts first
  game->Tunes.Entry(3)->Click();
  platform.window = {40, 50, 704, 468};
  game->FormCloseQuery();

  FakePlatform again;
  again.bitmaps = platform.bitmaps;
  TVelmor second(again, dir.path());
  ASSERT_TRUE(second.Init());
  for (auto [a, b] : std::initializer_list<std::pair<MenuItem*, MenuItem*>>{
           {&game->Menus.Invert, &second.Menus.Invert},
           {&game->Menus.Moves, &second.Menus.Moves},
           {&game->Menus.PlayMusic, &second.Menus.PlayMusic},
           {&game->Menus.PlaySounds, &second.Menus.PlaySounds},
           {&game->Menus.Res800, &second.Menus.Res800},
           {&game->Menus.StartDirectly, &second.Menus.StartDirectly},
           {&game->Menus.StartMusic, &second.Menus.StartMusic},
           {&game->Menus.ShowHallFame, &second.Menus.ShowHallFame},
           {&game->Menus.Toolbar1, &second.Menus.Toolbar1},
           {&game->Menus.ShowTitle, &second.Menus.ShowTitle},
           {&game->Menus.CoolMenu1, &second.Menus.CoolMenu1},
           {&game->Menus.CoolMouse, &second.Menus.CoolMouse},
           {&game->Menus.CoolStatus, &second.Menus.CoolStatus},
           {&game->Menus.CoolToolbar, &second.Menus.CoolToolbar},
           {&game->Menus.AnimateTileRivers, &second.Menus.AnimateTileRivers},
           {&game->Menus.ShowTime, &second.Menus.ShowTime},
           {&game->Menus.FlatButtons, &second.Menus.FlatButtons},
           {&game->Menus.EnableHall, &second.Menus.EnableHall},
           {&game->Menus.Shadows, &second.Menus.Shadows},
           {&game->Menus.Vertical, &second.Menus.Vertical},
           {&game->Menus.Winnable, &second.Menus.Winnable},
           {&game->Menus.Shuffable, &second.Menus.Shuffable},
           {&game->Menus.Animate, &second.Menus.Animate},
           {&game->Menus.ShowCurrentTile, &second.Menus.ShowCurrentTile},
           {&game->Menus.OnlyPossibleMoves, &second.Menus.OnlyPossibleMoves},
           {&game->Menus.RandomMusic, &second.Menus.RandomMusic},
           {&game->Menus.ResumeLastGame, &second.Menus.ResumeLastGame},
           {&game->Menus.FullScreen, &second.Menus.FullScreen},
           {&game->Menus.WatchWinnability, &second.Menus.WatchWinnability}})
    EXPECT_EQ(a->Checked(), b->Checked()) << a->Caption();
  EXPECT_EQ(second.Pictures.HighlightMode, 2);
  EXPECT_TRUE(second.Menus.Highlight3.Checked());
  EXPECT_TRUE(second.Menus.Kanji1.Checked());
  EXPECT_TRUE(second.Menus.MahJongg2.Checked());
  EXPECT_EQ(second.CurrentPlayer, "Ann Lee");
  EXPECT_EQ(second.Current.GameNumber, 2147483647);
  EXPECT_EQ(second.Layout.BoardNumber, 1);
  EXPECT_EQ(second.Layout.LayoutName, "Pyramid");
  EXPECT_EQ(second.Tunes.Number, 3);
  EXPECT_EQ(again.window.left, 40);  // same screen width: the saved place
  EXPECT_EQ(again.window.top, 50);
  EXPECT_EQ(second.Current.Play.Number(), ModeNoGame);
  second.FormShow();
  EXPECT_EQ(second.Current.Play.Number(), ModeStopped);  // "Begin game directly" was switched off
}

// The volume steps: each is applied to its player at once, the steps rise from silence to the
// full level, and the choice comes back at the next start. "Off" is a level only: the music and
// sound options keep their marks and the tune goes on.
TEST_F(Startup, AVolumeStepIsAppliedAtOnceAndComesBackAtTheNextStart) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(platform.media.volume, 1.0);
  EXPECT_EQ(platform.effectsVolume, 1.0);
  auto step = [](TVelmor& g, const char* menu, int level) { return g.Menus.FindItem(menu + std::to_string(level)); };
  double music = -1, effects = 2;
  for (int level = 0; level <= SoundLevels::Full; ++level) {
    step(*game, "MusicVolume", level)->Click();
    step(*game, "EffectsVolume", SoundLevels::Full - level)->Click();
    EXPECT_GT(platform.media.volume, music) << level;
    EXPECT_LT(platform.effectsVolume, effects) << level;
    music = platform.media.volume;
    effects = platform.effectsVolume;
    for (int k = 0; k <= SoundLevels::Full; ++k) {
      EXPECT_EQ(step(*game, "MusicVolume", k)->Checked(), k == level);
      EXPECT_EQ(step(*game, "EffectsVolume", k)->Checked(), k == SoundLevels::Full - level);
    }
  }
  EXPECT_EQ(music, 1.0);
  EXPECT_EQ(effects, 0.0);

  step(*game, "MusicVolume", 2)->Click();
  const double chosen = platform.media.volume;
  EXPECT_GT(chosen, 0.0);
  EXPECT_LT(chosen, 1.0);
  EXPECT_TRUE(game->Menus.PlaySounds.Checked());
  EXPECT_TRUE(game->Menus.PlayMusic.Checked());
  EXPECT_TRUE(platform.media.playing);
  game->FormCloseQuery();

  FakePlatform again;
  again.bitmaps = platform.bitmaps;
  TVelmor second(again, dir.path());
  ASSERT_TRUE(second.Init());
  EXPECT_EQ(again.media.volume, chosen);
  EXPECT_EQ(again.effectsVolume, 0.0);
  EXPECT_TRUE(step(second, "MusicVolume", 2)->Checked());
  EXPECT_TRUE(step(second, "EffectsVolume", 0)->Checked());
}

// The high contrast tiles are kept under a key of their own, beside "Tileset", and win over it.
TEST_F(Startup, HighContrastTilesAreKeptUnderTheirOwnKeyAndWinAtStartUp) {
  const Picture contrast(400, 600, Rgb(9, 9, 9));
  platform.bitmaps[dir.Write("Tilesets/contrast.bmp", "BM")] = contrast;
  const std::string mine = dir.Write("elsewhere/mine.bmp", "BM");
  platform.bitmaps[mine] = Picture(400, 600, Rgb(7, 7, 7));
  auto checkedTilesets = [](TVelmor& g) {
    std::vector<std::string> checked;
    for (MenuItem* item : g.Menus.Tileset1.Items())
      if (item->Checked()) checked.push_back(item->Caption());
    return checked;
  };
  // A file from before the key, naming a tileset loaded from disk, then the key set beside it.
  for (const char* highContrast : {"", "HighContrastTiles=1\r\n"}) {
    SCOPED_TRACE(highContrast);
    dir.Write("Velmor.ini", "[Velmor]\r\nTileset=0\r\nLastLoadedTileset=" + mine + "\r\n" + highContrast);
    ASSERT_TRUE(Start());
    const bool set = *highContrast != 0;
    EXPECT_EQ(game->Pictures.TilesetPicture.at(5, 5), set ? Rgb(9, 9, 9) : Rgb(7, 7, 7));
    EXPECT_EQ(checkedTilesets(*game), std::vector<std::string>{set ? "High Contrast" : "Load from disk"});
  }
  game->Menus.MahJongg3.Click();
  game->Menus.HighContrast1.Click();
  EXPECT_EQ(game->Pictures.TilesetPicture.at(5, 5), Rgb(9, 9, 9));
  game->FormCloseQuery();
  EXPECT_NE(Ini().find("\r\nHighContrastTiles=1\r\n"), std::string::npos);
  ASSERT_TRUE(Start());
  EXPECT_EQ(checkedTilesets(*game), std::vector<std::string>{"High Contrast"});
  game->Menus.MahJongg3.Click();
  game->FormCloseQuery();
  const std::string ini = Ini();
  EXPECT_NE(ini.find("\r\nTileset=3\r\n"), std::string::npos);
  EXPECT_NE(ini.find("\r\nHighContrastTiles=0\r\n"), std::string::npos);
}

TEST_F(Startup, AnotherScreenWidthCentresTheWindowAndSmallScreensShrinkIt) {
  dir.Write("Velmor.ini", "[Velmor]\r\nPreviousRes=1024\r\nXPos=300\r\nYPos=200\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(platform.window.left, (1280 - 796) / 2);
  EXPECT_EQ(platform.window.top, (1024 - 520) / 2);

  platform.screenWidth = 640;
  platform.screenHeight = 480;
  ASSERT_TRUE(Start());
  EXPECT_EQ(platform.window.left, 0);
  EXPECT_EQ(platform.window.width, 640);
  EXPECT_EQ(platform.window.height, 480 - 19);
  EXPECT_FALSE(game->Menus.ShowHallFame.Checked());
  EXPECT_FALSE(game->Menus.Toolbar1.Checked());
  EXPECT_EQ(game->Pictures.BoardOriginX, -5);
  EXPECT_EQ(game->Pictures.BoardOriginY, 0);
}

TEST_F(Startup, OddValuesAreSettled) {
  dir.Write("Velmor.ini",
            "[Velmor]\r\nBoardNumber=-9\r\nMidiNumber=99\r\nHighlight=7\r\nTileset=11\r\nBackground=-1\r\n"
            "LastLoadedTileset=/no/such/file.bmp\r\nSetRes800=1\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Layout.LayoutName, "Traditional");  // below -1 counts as none saved
  EXPECT_EQ(game->Tunes.Number, 3);                   // too large: the last tune
  EXPECT_EQ(game->Pictures.HighlightMode, 7);         // no item checked, the value stays
  for (MenuItem* item : game->Menus.HighlightMenu.Items()) EXPECT_FALSE(item->Checked());
  EXPECT_TRUE(game->Menus.MahJongg2.Checked());  // unknown tileset: dark borders
  EXPECT_TRUE(game->Menus.None1.Checked());      // unknown background: none
  EXPECT_TRUE(game->Looks.LastLoadedTileset.empty());
  EXPECT_FALSE(game->Window.DisplayModeChanged);  // no mode switch on this system
  EXPECT_EQ(platform.modeChanges, 0);
}

TEST_F(Startup, TheScreenModeIsRestoredOnlyWhenItWasChanged) {
  dir.Write("Velmor.ini", "[Velmor]\r\nSetRes800=1\r\n");
  platform.displayModeAvailable = true;
  ASSERT_TRUE(Start());
  EXPECT_TRUE(game->Window.DisplayModeChanged);
  EXPECT_EQ(platform.modeChanges, 1);
  game->FormCloseQuery();
  EXPECT_EQ(platform.modeRestores, 1);

  platform.screenWidth = 800;
  platform.screenHeight = 600;
  ASSERT_TRUE(Start());
  EXPECT_FALSE(game->Window.DisplayModeChanged);
  game->FormCloseQuery();
  EXPECT_EQ(platform.modeRestores, 1);
}

TEST_F(Startup, MissingTunesOrLayoutsStopTheStartWithAMessage) {
  std::filesystem::remove_all(dir.path() + "Musics");
  EXPECT_FALSE(Start());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("Musics/"), std::string::npos);
  dir.Write("Musics/Night.mid", "MThd");
  std::filesystem::remove_all(dir.path() + "Layouts");
  EXPECT_FALSE(Start());
  EXPECT_EQ(platform.errors.size(), 2u);
  dir.Write("Layouts/Broken.lay", "Velmor 3.0\r\nBroken\r\n01\r\n");
  EXPECT_FALSE(Start());  // the only layout is unreadable
  EXPECT_GE(platform.errors.size(), 3u);
}

TEST_F(Startup, ASettingsFileThatCannotBeReadIsNotOverwritten) {
  std::filesystem::create_directories(dir.path() + "Velmor.ini");  // a folder in the way
  ASSERT_TRUE(Start());
  const size_t before = platform.errors.size();
  game->FormCloseQuery();
  EXPECT_GT(platform.errors.size(), before);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "Velmor.ini"));
}

TEST_F(Startup, ViewTogglesResizeTheWindow) {
  ASSERT_TRUE(Start());
  const int height = platform.window.height;
  game->Menus.Toolbar1.Click();
  EXPECT_FALSE(game->Menus.Tools.Visible());
  EXPECT_EQ(platform.window.height, height - 33);
  game->Menus.ShowTitle.Click();
  EXPECT_FALSE(game->Menus.LigneStatus.Visible());
  EXPECT_EQ(platform.window.height, height - 33 - 19);
  game->Menus.Toolbar1.Click();
  game->Menus.ShowTitle.Click();
  EXPECT_EQ(platform.window.height, height);
  game->Menus.CoolMouse.Click();
  EXPECT_EQ(platform.cursor, 0);
  game->Menus.Exit1.Click();
  EXPECT_TRUE(platform.closed);
}

namespace {
// Runs `write` while files may not grow beyond 200 bytes: a disk that fills up mid-write.
template <class F>
void WithFullDisk(F&& write) {
  struct rlimit saved;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tiny = saved;
  tiny.rlim_cur = 200;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
  write();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
}
}  // namespace

TEST_F(Startup, AFailedShutdownWriteKeepsTheOldFilesWholeAndSaysSo) {
  const std::string settings = "[Velmor]\r\nHighlight=1\r\n";
  const std::string records = "[Rivers]\r\nRank1=Old        50    0\r\n";
  dir.Write("Velmor.ini", settings);
  dir.Write("Hallfame.ini", records);
  ASSERT_TRUE(Start());
  game->Hall.Book[RiversEasyHall].Add("New", 10, 0);
  const size_t before = platform.errors.size();
  WithFullDisk([&] { game->FormCloseQuery(); });
  EXPECT_EQ(platform.errors.size(), before + 2);  // the settings and the records
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(dir.path() + "Velmor.ini", text, error));
  EXPECT_EQ(text, settings);
  ASSERT_TRUE(ReadWholeFile(dir.path() + "Hallfame.ini", text, error));
  EXPECT_EQ(text, records);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(Startup, ZeroByteFilesOfEveryKindAreHandled) {
  // Empty settings and records read as fresh ones and are written whole at shutdown.
  dir.Write("Velmor.ini", "");
  dir.Write("Hallfame.ini", "");
  dir.Write("Layouts/Empty.lay", "");
  dir.Write("Layouts/Empty.shp", "");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_EQ(game->Layout.LayoutName, "Traditional");
  EXPECT_EQ(game->Pictures.HighlightMode, 3);
  EXPECT_EQ(HallOf(*game, 1).entries[1], FillerEntry(1));

  // Choosing an empty layout says so and keeps the heap in play.
  const std::string before = game->Layout.LayoutPath;
  for (int k = 1; k <= game->Listed.Layouts.Count(); ++k)
    if (game->Listed.Layouts[static_cast<size_t>(k)].name.rfind("Empty", 0) == 0) {
      const size_t errors = platform.errors.size() + platform.messages.size();
      game->Listed.Entries.Entry(k)->Click();
      EXPECT_GT(platform.errors.size() + platform.messages.size(), errors)
          << game->Listed.Layouts[static_cast<size_t>(k)].name;
      EXPECT_EQ(game->Layout.LayoutPath, before);
      EXPECT_EQ(game->Current.Board.TilesLeft, 144);
    }
  game->FormCloseQuery();
  EXPECT_NE(Ini().find("[Velmor]\r\nHighlight=3\r\n"), std::string::npos);

  // An empty help text cannot be shown: the start ends with a message naming it.
  dir.Write("whatsnew.rtf", "");
  platform.errors.clear();
  EXPECT_FALSE(Start());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("whatsnew.rtf"), std::string::npos);
}

TEST_F(Startup, TheWelcomeGivesWayAtTheFirstPairWhereMessagesStay) {
  ASSERT_TRUE(Start());
  game->Menus.CoolStatus.SetChecked(false);
  for (int beat = 0; beat < 5; ++beat) game->Temps();
  EXPECT_EQ(game->Menus.StatusText.Caption().rfind("Welcome to Velmor", 0), 0u) << game->Menus.StatusText.Caption();
  int a = 0, b = 0;
  game->IsItFree();
  ASSERT_TRUE(game->Current.Free.NthMove(1, a, b));
  game->TakePair(a, game->Current.Board.TilePlace[static_cast<size_t>(a)], b);
  EXPECT_EQ(game->Menus.StatusText.Caption(), " ");
}

TEST_F(Startup, AnEditedShpLayoutIsSavedAsItsOwnLayAndPlaysAtTheNextStart) {
  ASSERT_TRUE(Start());
  for (int k = 1; k <= game->Listed.Layouts.Count(); ++k)
    if (game->Listed.Layouts[static_cast<size_t>(k)].file == "Spiral.shp") game->Listed.Entries.Entry(k)->Click();
  ASSERT_TRUE(game->Layout.LayoutPath.ends_with("Spiral.shp"));
  game->Menus.Editlayout1.Click();
  game->Editor.SaveAndExit(game->Menus.Save1);
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "Layouts/Spiral.lay"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "Layouts/Spiral.shp.lay"));
  std::string saved, error;
  ASSERT_TRUE(ReadWholeFile(dir.path() + "Layouts/Spiral.lay", saved, error)) << error;
  EXPECT_EQ(saved.substr(saved.find("\r\n") + 2, 8), "Spiral\r\n") << "the name line carries no folder";
  game->FormCloseQuery();
  ASSERT_TRUE(Start());
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_EQ(game->Layout.LayoutPath, dir.path() + "Layouts/Spiral.lay");
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);
}

TEST_F(Startup, TheRememberedLayoutFileWinsAndAnUnreadableOneFallsBackToTraditional) {
  // A file left by older versions: ".shp" inside the name of a ".lay" file is read as a ".lay".
  std::filesystem::copy_file(dir.path() + "Layouts/Pyramid.lay", dir.path() + "Layouts/Spiral.shp.lay");
  dir.Write("Velmor.ini", "[Velmor]\r\nResumeLastGame=0\r\nBoardNumber=1\r\nLayoutFile=Spiral.shp.lay\r\n");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_EQ(game->Layout.LayoutPath, dir.path() + "Layouts/Spiral.shp.lay");
  EXPECT_EQ(game->Layout.LayoutName, "Pyramid");

  // A layout that sorts first shifts every position; the file name still finds Pyramid.
  dir.Write("Velmor.ini", "[Velmor]\r\nResumeLastGame=0\r\nBoardNumber=1\r\nLayoutFile=Pyramid.lay\r\n");
  dir.Write("Layouts/Aardvark.lay", FormatLayFile("Aardvark", RowShape(8)));
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Layout.LayoutPath, dir.path() + "Layouts/Pyramid.lay");
  EXPECT_TRUE(game->Listed.Entries.Entry(game->Layout.BoardNumber)->Checked());
  game->FormCloseQuery();
  EXPECT_NE(Ini().find("\r\nLayoutFile=Pyramid.lay\r\n"), std::string::npos);
  // Old settings without the key keep choosing by position.
  dir.Write("Velmor.ini", "[Velmor]\r\nResumeLastGame=0\r\nBoardNumber=1\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Layout.LayoutPath, dir.path() + "Layouts/Aardvark.lay");

  // Remembered but damaged: the start goes on with Traditional and says which file and why.
  dir.Write("Layouts/Aardvark.lay", "Velmor 3.0\r\nAardvark\r\n01\r\n");
  dir.Write("Velmor.ini", "[Velmor]\r\nResumeLastGame=0\r\nBoardNumber=1\r\nLayoutFile=Aardvark.lay\r\n");
  ASSERT_TRUE(Start());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("Aardvark.lay\" is damaged"), std::string::npos) << platform.errors[0];
  EXPECT_NE(platform.errors[0].find("starts with the layout \"Traditional\""), std::string::npos);
  EXPECT_EQ(game->Layout.LayoutName, "Traditional");
  EXPECT_TRUE(game->Listed.Entries.Entry(game->Layout.BoardNumber)->Checked());
  game->FormShow();
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);
}

// The file a player carries between versions: for the same settings, the same bytes.
TEST_F(Startup, ShutdownWritesTheWholeSettingsFileByteForByte) {
  struct Case {
    const char* name;
    int screenWidth, screenHeight;
    const char* before;  // nullptr: no file yet
    std::function<void(TVelmor&)> play;
    const char* after;
  };
  const Case cases[] = {
      {"first start", 1280, 1024, nullptr, [](TVelmor&) {},
       "[Velmor]\r\nHighlight=3\r\nInvert=0\r\nShowMoves=1\r\nPlayMusic=1\r\nPlaySounds=1\r\n"
       "CurrentPlayer1=Player1\r\nBackground=2\r\nBoardNumber=2\r\nLayoutFile=Traditional.lay\r\nMidiNumber=2\r\n"
       "Tileset=3\r\nHighContrastTiles=0\r\nSetRes800=0\r\nLastLoadedTileset=\r\nLastLoadedBackground=\r\n"
       "StartDirectly=1\r\n"
       "StartMusic=1\r\nShowHallOfFame=1\r\nShowToolbar=1\r\nShowStatus=1\r\nCoolMenu=1\r\nCoolMouse=1\r\n"
       "CoolStatus=1\r\nCoolToolbar=1\r\nTileRivers=1\r\nShowTime=1\r\nFlatButtons=1\r\nEnableHall=1\r\nShadows=1\r\n"
       "Vertical=0\r\nWinnable=0\r\nShuffable=1\r\nAnimate=0\r\nShowTile=0\r\nOnlyPossible=0\r\nRandomMusic=0\r\n"
       "RandomSeed=0\r\nXPos=0\r\nYPos=0\r\nWPos=796\r\nHPos=520\r\nPreviousRes=1280\r\nWindowWidth=0\r\n"
       "WindowHeight=0\r\nWindowMaximized=0\r\nFullScreen=0\r\nResumeLastGame=1\r\nWatchWinnability=0\r\n"
       "MusicVolume=5\r\nEffectsVolume=5\r\nLanguage=System\r\nHelpWidth=0\r\nHelpHeight=0\r\n"},
      {"every option flipped", 1280, 1024, nullptr,
       [](TVelmor& g) {
         for (MenuItem* item : {&g.Menus.Invert,
                                &g.Menus.Moves,
                                &g.Menus.PlayMusic,
                                &g.Menus.PlaySounds,
                                &g.Menus.Res800,
                                &g.Menus.StartDirectly,
                                &g.Menus.StartMusic,
                                &g.Menus.ShowHallFame,
                                &g.Menus.Toolbar1,
                                &g.Menus.ShowTitle,
                                &g.Menus.CoolMenu1,
                                &g.Menus.CoolMouse,
                                &g.Menus.CoolStatus,
                                &g.Menus.CoolToolbar,
                                &g.Menus.AnimateTileRivers,
                                &g.Menus.ShowTime,
                                &g.Menus.FlatButtons,
                                &g.Menus.EnableHall,
                                &g.Menus.Shadows,
                                &g.Menus.Vertical,
                                &g.Menus.Winnable,
                                &g.Menus.Shuffable,
                                &g.Menus.Animate,
                                &g.Menus.ShowCurrentTile,
                                &g.Menus.OnlyPossibleMoves,
                                &g.Menus.RandomMusic,
                                &g.Menus.FullScreen,
                                &g.Menus.ResumeLastGame,
                                &g.Menus.WatchWinnability})
           item->Toggle();
         static_cast<FakePlatform&>(g.platform).shape = {1200, 800, true};  // a maximised window
         g.Highlights.ColouredTile();
         g.Menus.Kanji1.Click();
         g.Menus.MahJongg2.Click();
         g.CurrentPlayer = "Ann Lee";
         g.Current.GameNumber = 2147483647;
         g.Looks.LastLoadedTileset = "/home/ann/My Tiles/pai.bmp";
         g.Looks.LastLoadedBackground = "/home/ann/sky.jpg";
         g.Listed.Entries.Entry(1)->Click();  // Pyramid, remembered through the flat game that follows
         g.Tunes.Entry(3)->Click();
         g.FourRivers(false, 1u);
         g.platform.PlaceWindow(40, 50, 704, 468);
         g.Menus.FindItem("MusicVolume1")->Click();
         g.Menus.FindItem("EffectsVolume0")->Click();
         g.Menus.FindItem("Language_pt_BR")->Click();
       },
       "[Velmor]\r\nHighlight=2\r\nInvert=1\r\nShowMoves=0\r\nPlayMusic=0\r\nPlaySounds=0\r\n"
       "CurrentPlayer1=Ann Lee\r\nBackground=0\r\nBoardNumber=1\r\nLayoutFile=Pyramid.lay\r\nMidiNumber=3\r\n"
       "Tileset=2\r\nHighContrastTiles=0\r\nSetRes800=1\r\nLastLoadedTileset=/home/ann/My Tiles/pai.bmp\r\n"
       "LastLoadedBackground=/home/ann/sky.jpg\r\nStartDirectly=0\r\nStartMusic=0\r\nShowHallOfFame=0\r\n"
       "ShowToolbar=0\r\nShowStatus=0\r\nCoolMenu=0\r\nCoolMouse=0\r\nCoolStatus=0\r\nCoolToolbar=0\r\n"
       "TileRivers=0\r\nShowTime=0\r\nFlatButtons=0\r\nEnableHall=0\r\nShadows=0\r\nVertical=1\r\nWinnable=1\r\n"
       "Shuffable=0\r\nAnimate=1\r\nShowTile=1\r\nOnlyPossible=1\r\nRandomMusic=1\r\nRandomSeed=2147483647\r\n"
       "XPos=40\r\nYPos=50\r\nWPos=704\r\nHPos=468\r\nPreviousRes=1280\r\nWindowWidth=1200\r\n"
       "WindowHeight=800\r\nWindowMaximized=1\r\nFullScreen=1\r\nResumeLastGame=0\r\nWatchWinnability=1\r\n"
       "MusicVolume=1\r\nEffectsVolume=0\r\nLanguage=pt_BR\r\nHelpWidth=0\r\nHelpHeight=0\r\n"},
      {"odd values on a small screen", 640, 480,
       "; my notes\r\n[Other]\r\nkeep=me\r\n\r\n[VELMOR]\r\n  highlight = 7 \r\nTileset=11\r\nBackground=-1\r\n"
       "BoardNumber=-9\r\nMidiNumber=99\r\nLastLoadedTileset=/no/such/file.bmp\r\nSetRes800=1\r\nShowMoves=yes\r\n"
       "RandomSeed=99999999999\r\nUnknownKey=42\r\nXPos=300\r\nPreviousRes=1024\r\nMusicVolume=9\r\n"
       "[Later]\r\nx=1\r\n[Velmor]\r\nInvert=1\r\n",
       [](TVelmor&) {},
       "; my notes\r\n[Other]\r\nkeep=me\r\n\r\n[VELMOR]\r\n  highlight = 7\r\nTileset=2\r\nBackground=2\r\n"
       "BoardNumber=2\r\nMidiNumber=3\r\nLastLoadedTileset=\r\nSetRes800=1\r\nShowMoves=1\r\nRandomSeed=0\r\n"
       "UnknownKey=42\r\nXPos=0\r\nPreviousRes=640\r\nMusicVolume=5\r\nInvert=1\r\nPlayMusic=1\r\nPlaySounds=1\r\n"
       "CurrentPlayer1=Player1\r\nLayoutFile=Traditional.lay\r\nHighContrastTiles=0\r\nLastLoadedBackground=\r\n"
       "StartDirectly=1\r\n"
       "StartMusic=1\r\nShowHallOfFame=0\r\nShowToolbar=0\r\nShowStatus=1\r\nCoolMenu=1\r\nCoolMouse=1\r\n"
       "CoolStatus=1\r\nCoolToolbar=1\r\nTileRivers=1\r\nShowTime=1\r\nFlatButtons=1\r\nEnableHall=1\r\nShadows=1\r\n"
       "Vertical=0\r\nWinnable=0\r\nShuffable=1\r\nAnimate=0\r\nShowTile=0\r\nOnlyPossible=0\r\nRandomMusic=0\r\n"
       "YPos=0\r\nWPos=640\r\nHPos=461\r\nWindowWidth=0\r\nWindowHeight=0\r\nWindowMaximized=0\r\n"
       "FullScreen=0\r\nResumeLastGame=1\r\nWatchWinnability=0\r\nEffectsVolume=5\r\nLanguage=System\r\nHelpWidth="
       "0\r\nHelpHeight=0\r\n[Later]\r\nx="
       "1\r\n[Velmor]\r\n"
       "Invert=1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir.path() + "Velmor.ini");
    if (c.before) dir.Write("Velmor.ini", c.before);
    platform.screenWidth = c.screenWidth;
    platform.screenHeight = c.screenHeight;
    platform.shape = {};
    ASSERT_TRUE(Start());
    c.play(*game);
    game->FormCloseQuery();
    EXPECT_EQ(Ini(), c.after);
  }
}

// The game in progress comes back at the next start as it was left: board, history, clock;
// Back works on it. A save that cannot be continued is moved aside, with a word, and a new game
// starts.
TEST_F(Startup, TheGameInProgressIsResumedAndADamagedOneMovedAside) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 31;
  game->NewSpecificGame1Click();
  const std::vector<Place> order = game->Current.RemovalOrder;
  for (size_t k = 0; k < 6; ++k)
    game->ButtonDown(TVelmor::Button::Primary,
                     game->Pictures.BoardOriginX + TileLeft(order[k].column, order[k].layer) + 26,
                     game->Pictures.BoardOriginY + TileTop(order[k].row, order[k].layer) + 25);
  ASSERT_EQ(game->Current.Board.TilesLeft, 138);
  platform.tick += 65000;
  game->Current.Clock.Update(platform.tick);
  game->Menus.Undo1.Click();  // and taken again by Redo after the restart
  const BoardState board = game->Current.Board;
  const int elapsed = game->Current.Clock.ElapsedSeconds;
  game->FormCloseQuery();
  game.reset();

  platform.tick = 500;  // a new run: the counter starts afresh
  ASSERT_TRUE(Start());
  EXPECT_TRUE(game->Current.Board.BoardGrid == board.BoardGrid);
  EXPECT_EQ(game->Current.Board.TilesLeft, 140);
  EXPECT_EQ(game->Current.GameNumber, 31);
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  game->Current.Clock.Update(platform.tick);
  EXPECT_EQ(game->Current.Clock.ElapsedSeconds, elapsed);
  game->Menus.Redo1.Click();
  EXPECT_EQ(game->Current.Board.TilesLeft, 138);
  game->Menus.Undo1.Click();
  game->Menus.Undo1.Click();
  EXPECT_EQ(game->Current.Board.TilesLeft, 142);
  game.reset();

  dir.Write("Resume.vsave", "Velmor saved game 1\nnot really\n");
  platform.errors.clear();
  ASSERT_TRUE(Start());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("cannot be continued"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "Resume.vsave.damaged"));
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);  // a new game ("Begin game directly" is on)
}

TEST_F(Startup, AGameAskedOnTheCommandLineIsPlayedInsteadOfTheUnfinishedOne) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(game->Records.Figures().Of("Traditional.lay").Unfinished);
  game->FormCloseQuery();
  ASSERT_TRUE(std::filesystem::exists(game->Folders.ResumePath()));

  ASSERT_TRUE(Start({.game = 12, .layout = "pYRAMID"}));
  EXPECT_EQ(game->Layout.BoardNumber, game->Listed.Layouts.FindFile("Pyramid.lay"));
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(platform.title, "Velmor 5.21 - " + game->Layout.LayoutName + " - game 12");
  // Counted as New Game counts it: the unfinished game lost, the new one under way.
  const StatisticsEntry left = game->Records.Figures().Of("Traditional.lay");
  EXPECT_FALSE(left.Unfinished);
  EXPECT_EQ(left.Started, 1);
  EXPECT_TRUE(game->Records.Figures().Of("Pyramid.lay").Unfinished);
  const BoardState asked = game->Current.Board;
  game->NewSpecificGame1Click();
  EXPECT_TRUE(game->Current.Board.BoardGrid == asked.BoardGrid);
  game->FormCloseQuery();

  StartRequest flat;
  flat.rivers = StartRequest::Rivers::Hard;
  ASSERT_TRUE(Start(flat));
  EXPECT_EQ(game->Current.Play.Number(), ModeRivers);
  EXPECT_EQ(game->Layout.BoardNumber, RiversHardList);
  EXPECT_EQ(game->Layout.SavedLayoutNumber,
            game->Listed.Layouts.FindFile("Pyramid.lay"));  // remembered, as the menu leaves it
}

TEST_F(Startup, ASavedGameLoadsBackAfterAskingAndABrokenOneChangesNothing) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 77;
  game->NewSpecificGame1Click();
  const std::vector<Place> order = game->Current.RemovalOrder;
  auto take = [&](size_t k) {
    game->ButtonDown(TVelmor::Button::Primary,
                     game->Pictures.BoardOriginX + TileLeft(order[k].column, order[k].layer) + 26,
                     game->Pictures.BoardOriginY + TileTop(order[k].row, order[k].layer) + 25);
  };
  for (size_t k = 0; k < 4; ++k) take(k);
  const BoardState saved = game->Current.Board;
  platform.saveAnswers.push_back(dir.path() + "mine");
  game->Menus.SaveGame1.Click();
  ASSERT_TRUE(std::filesystem::exists(dir.path() + "mine.vsave"));
  take(4);
  take(5);

  platform.openAnswers.push_back(dir.path() + "mine.vsave");
  platform.confirmAnswers.push_back(false);  // the game in progress is kept
  game->Menus.LoadGame1.Click();
  EXPECT_EQ(game->Current.Board.TilesLeft, 138);
  platform.openAnswers.push_back(dir.path() + "mine.vsave");
  game->Menus.LoadGame1.Click();
  EXPECT_TRUE(game->Current.Board.BoardGrid == saved.BoardGrid);
  EXPECT_EQ(game->Current.History.Count, 4);
  EXPECT_EQ(platform.questions.size(), 2u);

  dir.Write("broken.vsave", "Velmor saved game 1\nBoard=\n");
  platform.openAnswers.push_back(dir.path() + "broken.vsave");
  platform.errors.clear();
  game->Menus.LoadGame1.Click();
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("cannot be loaded"), std::string::npos);
  EXPECT_TRUE(game->Current.Board.BoardGrid == saved.BoardGrid);
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "broken.vsave"));  // the player's file stays
}

TEST_F(Startup, StatisticsCountGamesWinsAndStreaksAndOutliveTheProgram) {
  ASSERT_TRUE(Start());  // "Begin game directly": one Traditional game under way
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 5;
  game->NewSpecificGame1Click();  // the first is left: a loss
  const std::vector<Place> order = game->Current.RemovalOrder;
  platform.tick += 90000;
  for (const Place& p : order)
    game->ButtonDown(TVelmor::Button::Primary, game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                     game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
  ASSERT_EQ(game->Current.Board.TilesLeft, 0);
  game->Menus.RiversHard1.Click();
  const StatisticsEntry traditional = game->Records.Figures().Of("Traditional.lay");
  EXPECT_EQ(traditional.Started, 2);
  EXPECT_EQ(traditional.Won, 1);
  EXPECT_EQ(traditional.BestSeconds, 90);
  EXPECT_EQ(traditional.CurrentStreak, 1);
  EXPECT_EQ(game->Records.Figures().Of(StatisticsKey(game->Layout)).Started, 1);
  game->FormCloseQuery();
  game.reset();

  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Records.Figures().Of("Traditional.lay"), traditional);
  game->Menus.Statistics1.Click();
  ASSERT_EQ(game->Help.Statistics.size(), 2u);
  EXPECT_EQ(game->Help.Statistics[0].name, "Traditional");
  EXPECT_EQ(game->Help.Statistics[0].best, "01:30");
  platform.confirmAnswers.push_back(false);
  EXPECT_FALSE(game->Records.AskAndReset());
  EXPECT_TRUE(game->Records.AskAndReset());
  game.reset();
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Records.Figures().Of("Traditional.lay").Won, 0);
}

// Every menu, the lists of layouts and tunes included, can be worked from the keyboard: each entry
// has its own accelerator within its menu while letters and digits last.
TEST_F(Startup, EveryMenuEntryHasAnAcceleratorOfItsOwn) {
  ASSERT_TRUE(Start());
  std::function<void(const MenuItem&)> check = [&](const MenuItem& menu) {
    const std::vector<std::string> captions = AcceleratedCaptions(menu);
    std::map<char, std::string> seen;
    int entries = 0;
    for (size_t k = 0; k < captions.size(); ++k) {
      if (captions[k].empty()) continue;
      ++entries;
      const char a = AcceleratorOf(captions[k]);
      if (a == 0) {
        EXPECT_GT(entries, 36) << menu.Name() << ": \"" << captions[k] << "\" has no accelerator";
        continue;
      }
      const auto [it, fresh] = seen.emplace(a, captions[k]);
      EXPECT_TRUE(fresh) << menu.Name() << ": \"" << captions[k] << "\" and \"" << it->second << "\"";
    }
    for (const MenuItem* item : menu.Items())
      if (item && !item->Items().empty()) check(*item);
  };
  for (const MenuItem* root : {&game->Menus.VO, &game->Menus.EditorMenu, &game->Menus.NewPopup}) check(*root);
}

// The effects' device is readied with the first heartbeat after the window shows, and again when
// effects are turned on, never when they are off.
TEST_F(Startup, TheEffectsDeviceIsReadiedOnlyForEffectsThatWillSound) {
  game = std::make_unique<TVelmor>(platform, dir.path());
  ASSERT_TRUE(game->Init());
  game->FormShow();
  EXPECT_EQ(platform.soundsPrepared, 0);  // not while the first picture is being made
  game->Temps();
  game->Temps();
  EXPECT_EQ(platform.soundsPrepared, 1);
  game->Menus.PlaySounds.Click();
  EXPECT_FALSE(game->Menus.PlaySounds.Checked());
  EXPECT_EQ(platform.soundsPrepared, 1);
  game->Menus.PlaySounds.Click();
  EXPECT_TRUE(game->Menus.PlaySounds.Checked());
  EXPECT_EQ(platform.soundsPrepared, 2);
  game->Menus.PlaySounds.Click();
  game->FormCloseQuery();
  platform.soundsPrepared = 0;
  ASSERT_TRUE(Start());  // with effects off, as the settings now say
  EXPECT_FALSE(game->Menus.PlaySounds.Checked());
  EXPECT_EQ(platform.soundsPrepared, 0);
}

// A window rebuilds a menu whenever its entries change: the layouts' entries arrive in one change.
TEST_F(Startup, TheLayoutMenuIsFilledInOneChange) {
  game = std::make_unique<TVelmor>(platform, dir.path());
  std::map<const MenuItem*, int> changes;
  game->Menus.VO.SetObserver([&](MenuItem& item, MenuItem::Change change) {
    if (change == MenuItem::Change::Children) ++changes[&item];
  });
  ASSERT_TRUE(game->Init());
  EXPECT_EQ(changes[&game->Menus.Layout1], 1);
  ASSERT_GT(game->Listed.Layouts.Count(), 1);
  int position = game->Menus.Layout1.IndexOf(*game->Listed.Entries.Entry(1));
  for (int k = 1; k <= game->Listed.Layouts.Count(); ++k, ++position) {
    ASSERT_EQ(game->Menus.Layout1.Items().at(static_cast<size_t>(position)), game->Listed.Entries.Entry(k));
    EXPECT_EQ(game->Listed.Entries.Entry(k)->Caption(), game->Listed.Layouts[k].name);
    EXPECT_EQ(game->Listed.Entries.Entry(k)->Parent(), &game->Menus.Layout1);
  }
}

// The help texts come in the language spoken; a translated one that is missing or cannot be read
// gives way to the English without a word, and choosing another language reads them again.
TEST_F(Startup, HelpTextsFollowTheLanguageAndFallBackToEnglish) {
  dir.Write("velmor.de.rtf", "{\\rtf1 Die Regeln.\\par}");
  dir.Write("whatsnew.de.rtf", "{\\rtf1 broken");
  dir.Write("velmor.fr.rtf", "{\\rtf1 Les r\\'e8gles.\\par}");
  platform.systemLanguage = "de_DE.UTF-8";
  ASSERT_TRUE(Start());
  EXPECT_EQ(platform.languages.back(), "de");
  EXPECT_NE(game->Help.HelpHtml.find("Die Regeln."), std::string::npos);
  EXPECT_NE(game->Help.WhatsNewHtml.find("Version 5.21."), std::string::npos);
  EXPECT_TRUE(platform.errors.empty());

  game->Menus.FindItem("Language_fr")->Click();
  EXPECT_EQ(platform.languages.back(), "fr");
  EXPECT_NE(game->Help.HelpHtml.find("Les r\xC3\xA8gles."), std::string::npos);
  game->Menus.FindItem("Language_it")->Click();
  EXPECT_NE(game->Help.HelpHtml.find("The rules."), std::string::npos);
  EXPECT_TRUE(platform.errors.empty());
}

// A HiDPI window chooses its scale before the game starts: every picture start-up makes, the
// panel's too, is made at that scale, whether the panel has its own picture or none.
TEST_F(Startup, PicturesAreMadeAtTheScaleTheWindowChoseBeforeStartUp) {
  for (bool panelPicture : {true, false}) {
    if (panelPicture)
      platform.bitmaps[dir.Write("hof.bmp", "BM")] = Picture(BoardPictures::HofWidth, BoardPictureHeight, Rgb(9, 8, 7));
    game = std::make_unique<TVelmor>(platform, dir.path());
    game->SetBoardScale(2);
    ASSERT_TRUE(game->Init());
    game->FormShow();
    EXPECT_EQ(game->Pictures.HofPic.width(), BoardPictures::HofWidth * 2) << panelPicture;
    EXPECT_EQ(game->Pictures.HofPic.height(), BoardPictureHeight * 2) << panelPicture;
    EXPECT_EQ(game->Pictures.FrameBuffer.width(), BoardPictureWidth * 2) << panelPicture;
    if (panelPicture) {
      EXPECT_EQ(game->Pictures.HofPic.at(3, 3), Rgb(9, 8, 7));
    }
    game->FormCloseQuery();
    std::filesystem::remove(dir.path() + "hof.bmp");
  }
}
