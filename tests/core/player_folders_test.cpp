// Where the data is found and where the player's settings, records and layouts are kept: beside
// the program when it can keep them, in the player's own folders when installed or read-only.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TestSupport.h"
#include "shell/GameFolders.h"

using namespace velmor;
using namespace velmor::test;
namespace fs = std::filesystem;

namespace {

// An environment made of the given variables only.
EnvironmentLookup Env(std::map<std::string, std::string> vars) {
  auto shared = std::make_shared<std::map<std::string, std::string>>(std::move(vars));
  return [shared](const char* name) -> const char* {
    const auto it = shared->find(name);
    return it == shared->end() ? nullptr : it->second.c_str();
  };
}

bool AlwaysWritable(const std::string&) { return true; }
bool NeverWritable(const std::string&) { return false; }

std::vector<std::string> FilesUnder(const std::string& folder) {
  std::vector<std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) out.push_back(fs::relative(entry.path(), folder).string());
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

TEST(GameFolders, DataBesideTheProgramKeepsEverythingThere) {
  ScratchFolder dir;
  fs::create_directories(dir.path() + "bin/Layouts");
  const GameFolders f = FindGameFolders(dir.path() + "bin", Env({{"HOME", "/home/x"}}), AlwaysWritable);
  EXPECT_EQ(f.app, dir.path() + "bin/");
  EXPECT_EQ(f.config, f.app);
  EXPECT_FALSE(f.PerUser());
}

TEST(GameFolders, AnInstalledProgramUsesTheSharedDataAndThePlayersFolders) {
  ScratchFolder dir;
  fs::create_directories(dir.path() + "usr/bin");
  fs::create_directories(dir.path() + "usr/share/velmor/Layouts");

  // Even a writable prefix (a root player, a home-folder install) keeps player files apart.
  GameFolders f = FindGameFolders(dir.path() + "usr/bin/",
                                  Env({{"HOME", "/home/x"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data/"}}),
                                  AlwaysWritable);
  EXPECT_EQ(f.app, dir.path() + "usr/share/velmor/");
  EXPECT_EQ(f.config, "/cfg/velmor/");
  EXPECT_EQ(f.userLayouts, "/data/velmor/Layouts/");

  // Unset, empty and relative XDG values fall back to the usual places under HOME.
  for (const char* value : {"", "relative/cfg"}) {
    f = FindGameFolders(dir.path() + "usr/bin", Env({{"HOME", "/home/x/"}, {"XDG_CONFIG_HOME", value}}),
                        AlwaysWritable);
    EXPECT_EQ(f.config, "/home/x/.config/velmor/") << value;
    EXPECT_EQ(f.userLayouts, "/home/x/.local/share/velmor/Layouts/") << value;
  }
}

TEST(GameFolders, AReadOnlyPortableCopyKeepsThePlayersFilesInTheirFolders) {
  ScratchFolder dir;
  fs::create_directories(dir.path() + "game/Layouts");
  const GameFolders f = FindGameFolders(dir.path() + "game", Env({{"HOME", "/home/x"}}), NeverWritable);
  EXPECT_EQ(f.app, dir.path() + "game/");
  EXPECT_EQ(f.config, "/home/x/.config/velmor/");
  EXPECT_TRUE(f.PerUser());
}

TEST(GameFolders, DataBesideTheProgramWinsOverAnInstalledCopy) {
  ScratchFolder dir;
  fs::create_directories(dir.path() + "usr/bin/Layouts");
  fs::create_directories(dir.path() + "usr/share/velmor/Layouts");
  EXPECT_EQ(FindGameFolders(dir.path() + "usr/bin", Env({}), AlwaysWritable).app, dir.path() + "usr/bin/");
}

TEST(GameFolders, WritabilityIsTriedAndLeavesNothingBehind) {
  ScratchFolder dir;
  EXPECT_TRUE(FolderIsWritable(dir.path()));
  EXPECT_TRUE(FilesUnder(dir.path()).empty());
  EXPECT_FALSE(FolderIsWritable(dir.path() + "missing"));
  EXPECT_FALSE(FolderIsWritable("/proc/self"));  // refused even to root
}

TEST(GameFolders, OldSettingsAndRecordsAreCarriedOverButNeverReplaced) {
  ScratchFolder dir;
  dir.Write("game/Velmor.ini", "[Velmor]\r\nHighlight=1\r\n");
  dir.Write("game/Hallfame.ini", "[Rivers]\r\nRank1=old\r\n");
  dir.Write("cfg/velmor/Hallfame.ini", "[Rivers]\r\nRank1=mine\r\n");
  const GameFolders f{dir.path() + "game/", dir.path() + "cfg/velmor/", dir.path() + "data/velmor/Layouts/"};
  CarryOverPlayerFiles(f);
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(f.config + "Velmor.ini", text, error));
  EXPECT_EQ(text, "[Velmor]\r\nHighlight=1\r\n");
  ASSERT_TRUE(ReadWholeFile(f.config + "Hallfame.ini", text, error));
  EXPECT_EQ(text, "[Rivers]\r\nRank1=mine\r\n");
}

TEST(GameFolders, MakeFolderCreatesParentsAndExplainsFailures) {
  ScratchFolder dir;
  std::string error;
  EXPECT_TRUE(MakeFolder(dir.path() + "a/b/c/", error));
  EXPECT_TRUE(fs::is_directory(dir.path() + "a/b/c"));
  dir.Write("file", "x");
  EXPECT_FALSE(MakeFolder(dir.path() + "file/sub/", error));
  EXPECT_NE(error.find(dir.path() + "file/sub/"), std::string::npos);
}

namespace {

// A game whose shipped data must stay untouched and whose player folders start missing.
class PlayerFolders : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  std::string shipped = dir.path() + "share/velmor/";
  std::string config = dir.path() + "home/.config/velmor/";
  std::string mine = dir.path() + "home/.local/share/velmor/Layouts/";
  RecordingGame game{platform, shipped};

  void SetUp() override {
    for (const char* name : {"Bridge", "Traditional"})
      dir.Write("share/velmor/Layouts/" + std::string(name) + ".lay", FormatLayFile(name, RowShape(8)));
    game.Folders.UsePlayerFolders(config, mine);
  }
  void AddMine(const std::string& name, int tiles) {
    dir.Write("home/.local/share/velmor/Layouts/" + name + ".lay", FormatLayFile(name + " (mine)", RowShape(tiles)));
  }
  std::vector<std::string> Entries() {
    std::vector<std::string> names;
    for (int k = 1; k <= game.Listed.Layouts.Count(); ++k) names.push_back(game.Listed.Layouts[k].name);
    return names;
  }
};

}  // namespace

TEST_F(PlayerFolders, TheListMergesShippedAndOwnLayoutsAndOwnOnesReplaceShippedNames) {
  AddMine("Arch", 4);
  AddMine("Traditional", 6);
  ASSERT_TRUE(game.BuildLayoutList());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Arch", "Bridge", "Traditional"}));
  EXPECT_EQ(game.Layout.BoardNumber, 3);
  EXPECT_EQ(game.Layout.LayoutPath, mine + "Traditional.lay");

  game.Listed.Entries.Entry(1)->Click();
  EXPECT_EQ(game.Layout.LayoutName, "Arch (mine)");
  game.Listed.Entries.Entry(2)->Click();
  EXPECT_EQ(game.Layout.LayoutPath, shipped + "Layouts/Bridge.lay");
  EXPECT_EQ(game.Current.Board.TilesLeft, 8);
  game.Listed.Entries.Entry(3)->Click();
  EXPECT_EQ(game.Layout.LayoutName, "Traditional (mine)");
  EXPECT_EQ(game.Current.Board.TilesLeft, 6);
}

TEST_F(PlayerFolders, AMissingOwnFolderStillListsTheShippedLayouts) {
  ASSERT_TRUE(game.BuildLayoutList());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Bridge", "Traditional"}));
  EXPECT_FALSE(fs::exists(dir.path() + "home"));  // listing creates nothing
}

TEST_F(PlayerFolders, ChangingAShippedLayoutSavesItAsThePlayersOwn) {
  const auto before = FilesUnder(shipped);
  ASSERT_TRUE(game.BuildLayoutList());
  game.Listed.Entries.Entry(1)->Click();  // Bridge, shipped
  game.Layout.Shape = RowShape(4);
  ASSERT_TRUE(game.Editor.Save());
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_EQ(game.Layout.LayoutPath, mine + "Bridge.lay");
  EXPECT_EQ(FilesUnder(shipped), before);
  EXPECT_EQ(game.Listed.Layouts.Count(), 2);
  EXPECT_EQ(game.Layout.BoardNumber, 1);
  game.Listed.Entries.Entry(2)->Click();
  game.Listed.Entries.Entry(1)->Click();  // the entry now reads the player's copy
  EXPECT_EQ(game.Current.Board.TilesLeft, 4);
}

TEST_F(PlayerFolders, ANewLayoutIsOfferedThePlayersFolderAndListed) {
  ASSERT_TRUE(game.BuildLayoutList());
  game.Layout.LayoutPath.clear();
  game.Layout.Shape = RowShape(6);
  platform.saveAnswers = {mine + "Zigzag"};
  ASSERT_TRUE(game.Editor.Save());
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(platform.saveDialogs[0].initialFolder, mine);
  EXPECT_TRUE(fs::is_regular_file(mine + "Zigzag.lay"));
  EXPECT_EQ(game.Listed.Layouts.Count(), 3);
  EXPECT_EQ(game.Listed.Layouts[3].folder, mine);

  // The next start finds it again.
  RecordingGame next(platform, shipped);
  next.Folders.UsePlayerFolders(config, mine);
  ASSERT_TRUE(next.BuildLayoutList());
  EXPECT_EQ(next.Listed.Layouts[next.Listed.Layouts.Count()].name, "Zigzag");
}

TEST_F(PlayerFolders, AnOwnFolderThatCannotBeMadeFailsTheSaveCleanly) {
  dir.Write("home/.local/share/velmor", "a file where the folder should be");
  ASSERT_TRUE(game.BuildLayoutList());
  game.Listed.Entries.Entry(2)->Click();
  const std::string before = game.Layout.LayoutPath;
  game.Layout.Shape = RowShape(4);
  EXPECT_FALSE(game.Editor.Save());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("The layout was not saved"), std::string::npos);
  EXPECT_EQ(game.Layout.LayoutPath, before);
}

TEST_F(PlayerFolders, SettingsAndRecordsAreWrittenToTheConfigFolderOnly) {
  const auto before = FilesUnder(shipped);
  ASSERT_TRUE(game.BuildLayoutList());
  HallOf(game, 1).Add("Mia", 61, 0);
  game.FormCloseQuery();
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_TRUE(fs::is_regular_file(config + "Velmor.ini"));
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(config + "Hallfame.ini", text, error));
  EXPECT_NE(text.find("Mia"), std::string::npos);
  EXPECT_EQ(FilesUnder(shipped), before);
}

// The file dialogs open in the player's folders, never the program's: the last one used first.
TEST(DialogFolders, TheLastFolderUsedThenThePlayersOwn) {
  const std::string docs = "/home/p/Documents/", last = "/media/usb/";
  EXPECT_EQ(SavedGamesDialogFolder("", docs), docs);
  EXPECT_EQ(SavedGamesDialogFolder(last, docs), last);
  for (const std::string peer : {"/usr/share/kmahjongg/layouts/", "/usr/share/gnome-mahjongg/"}) {
    auto only = [&](const std::string& f) { return f == peer; };
    EXPECT_EQ(ImportDialogFolder("", docs, only), peer);
    EXPECT_EQ(ImportDialogFolder(last, docs, only), last);
  }
  EXPECT_EQ(ImportDialogFolder("", docs, [](const std::string&) { return false; }), docs);
}

// Loading a game opens in the documents folder and never lists the game in progress's own file.
TEST(DialogFolders, LoadGameOpensInTheDocumentsAndHidesTheResumeFile) {
  ScratchFolder dir;
  FakePlatform platform;
  platform.documents = "/home/p/Documents/";
  TVelmor game{platform, dir.path()};
  platform.openAnswers = {std::nullopt};
  game.Menus.LoadGame1.Click();
  ASSERT_EQ(platform.openDialogs.size(), 1u);
  EXPECT_EQ(platform.openDialogs[0].initialFolder, platform.documents);
  EXPECT_EQ(platform.openDialogs[0].hidden, std::vector<std::string>{game.Folders.ResumePath()});
}
