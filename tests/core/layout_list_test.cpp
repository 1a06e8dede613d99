// The layout list, the "&Layout" menu entries, choosing a layout and saving one.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

#include "TestSupport.h"
#include "shell/EditorPlay.h"
#include "shell/HallOfFameFile.h"
#include "shell/LayoutMenu.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// The entries of the layout files: what follows the menu's last separator.
std::vector<std::string> EntryCaptions(const MenuItem& menu) {
  std::vector<std::string> out;
  for (MenuItem* item : menu.Items())
    if (item->IsSeparator())
      out.clear();
    else
      out.push_back(item->Caption());
  return out;
}
int CheckedEntryOf(const LayoutMenu& listed) {
  int found = 0;
  for (int k = 1; k <= listed.Layouts.Count(); ++k)
    if (listed.Entries.Entry(k)->Checked()) {
      EXPECT_EQ(found, 0) << "two entries checked";
      found = k;
    }
  return found;
}

class LayoutFiles : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;

  void AddLay(const std::string& name, int tiles = 8) {
    dir.Write("Layouts/" + name + ".lay", FormatLayFile(name + " heap", RowShape(tiles)));
  }
  void AddShp(const std::string& file) {
    std::string text;
    for (int i = 0; i < 144; ++i) {
      char line[16];
      std::snprintf(line, sizeof line, "   %02X%02X00\r\n", 2 * (i % 16), 2 * (i / 16));
      text += line;
    }
    dir.Write("Layouts/" + file, text);
  }
};

// The list and its entries on their own, over the game's folders, the layout in play and a menu.
class LayoutListing : public LayoutFiles {
 protected:
  FolderPaths folders;
  LayoutInPlay layout;
  MenuItem menu{"Layout1", "&Layout"};
  LayoutMenu listed{platform, folders, layout, menu, [] {}};
  void SetUp() override { folders.AppFolder = folders.ConfigFolder = dir.path(); }
  std::vector<std::string> Captions() const { return EntryCaptions(menu); }
  int CheckedEntry() const { return CheckedEntryOf(listed); }
};

// Saving the editor's layout on the editor's own model, over the list above.
class LayoutSaving : public LayoutListing {
 protected:
  GameMenus menus;
  GameState current;
  BoardPictures pictures;
  BackgroundWriter writer{platform.WritesInBackground()};
  HallRecords hall{platform, writer, folders, listed.Layouts};
  EditorPlay editor{platform, folders, menus,
                    current,  layout,  pictures,
                    listed,   hall,    {[] {}, [] {}, [](const std::string&) {}, [] {}, [] {}, [] { return true; }}};
  void SetMode(uint8_t mode) { current.Play = PlayState::FromNumbers(mode, current.Play.ResumeNumber()); }
};

// Choosing and saving layouts in the game.
class LayoutList : public LayoutFiles {
 protected:
  RecordingGame game{platform, dir.path()};
  std::vector<std::string> Captions() const { return EntryCaptions(game.Menus.Layout1); }
  int CheckedEntry() const { return CheckedEntryOf(game.Listed); }
};
}  // namespace

TEST_F(LayoutListing, SortedWithoutCaseThenShpFilesAndTraditionalFirstChoice) {
  AddLay("pyramid");
  AddLay("Bridge");
  AddLay("Traditional");
  AddLay("castle");
  AddShp("Spiral.shp");
  dir.Write("Layouts/notes.txt", "not a layout");
  dir.Write("Layouts/noextension", "x");
  std::filesystem::create_directories(dir.path() + "Layouts/folder.lay");
  ASSERT_TRUE(listed.Build({}));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Bridge", "castle", "pyramid", "Traditional", "Spiral"}));
  EXPECT_EQ(listed.Layouts.Count(), 5);
  EXPECT_EQ(listed.Layouts[5].name, "Spiral");
  EXPECT_EQ(layout.BoardNumber, 4);
  EXPECT_EQ(layout.LayoutPath, dir.path() + "Layouts/Traditional.lay");
  EXPECT_EQ(CheckedEntry(), 4);
}

TEST_F(LayoutListing, SavedBoardNumberIsHonouredAndClamped) {
  AddLay("A");
  AddLay("B");
  AddShp("C.shp");
  layout.BoardNumber = -1;  // no Traditional: the first
  ASSERT_TRUE(listed.Build({}));
  EXPECT_EQ(layout.BoardNumber, 1);

  for (auto [saved, expected, path] : {std::tuple{2, 2, "B.lay"}, std::tuple{3, 3, "C.shp"}, std::tuple{57, 3, "C.shp"},
                                       std::tuple{0, 1, "A.lay"}, std::tuple{-7, 1, "A.lay"}}) {
    LayoutInPlay fresh;
    MenuItem freshMenu;
    LayoutMenu freshList(platform, folders, fresh, freshMenu, [] {});
    fresh.BoardNumber = saved;
    ASSERT_TRUE(freshList.Build({}));
    EXPECT_EQ(fresh.BoardNumber, expected) << saved;
    EXPECT_EQ(fresh.LayoutPath, dir.path() + "Layouts/" + path) << saved;
  }
}

TEST_F(LayoutListing, NoLayoutIsReportedAndFails) {
  EXPECT_FALSE(listed.Build({}));  // no folder at all
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("Layouts/"), std::string::npos);
  std::filesystem::create_directories(dir.path() + "Layouts");
  EXPECT_FALSE(listed.Build({}));
}

TEST_F(LayoutListing, AtMostNinetyNineEntriesAndOneReport) {
  for (int i = 0; i < 101; ++i) AddLay("L" + std::to_string(1000 + i));
  AddShp("Z.shp");
  layout.BoardNumber = 150;
  ASSERT_TRUE(listed.Build({}));
  EXPECT_EQ(listed.Layouts.Count(), 99);
  EXPECT_EQ(layout.BoardNumber, 99);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("3 more"), std::string::npos);
  EXPECT_NE(platform.messages[0].find("Z.shp"), std::string::npos);
}

TEST_F(LayoutListing, ResolveFallsBackToTheFirstEntryWhenTheFileIsGone) {
  AddLay("A");
  AddLay("B");
  layout.BoardNumber = 2;
  ASSERT_TRUE(listed.Build({}));
  std::filesystem::remove(dir.path() + "Layouts/B.lay");
  listed.ResolvePath();
  EXPECT_EQ(layout.BoardNumber, 1);
  EXPECT_EQ(layout.LayoutPath, dir.path() + "Layouts/A.lay");
}

TEST_F(LayoutList, ChoosingAnEntryLoadsAndDealsIt) {
  AddLay("A", 6);
  AddLay("B", 10);
  AddShp("C.shp");
  ASSERT_TRUE(game.BuildLayoutList());
  game.Listed.Entries.Entry(2)->Click();
  EXPECT_EQ(game.Layout.BoardNumber, 2);
  EXPECT_EQ(game.Layout.LayoutPath, dir.path() + "Layouts/B.lay");
  EXPECT_EQ(game.Layout.LayoutName, "B heap");
  EXPECT_EQ(game.Current.Board.TilesLeft, 10);
  EXPECT_EQ(CheckedEntry(), 2);
  game.Listed.Entries.Entry(3)->Click();
  EXPECT_EQ(game.Layout.BoardNumber, 3);
  EXPECT_EQ(game.Layout.LayoutName, "C");
  EXPECT_EQ(game.Current.Board.TilesLeft, 144);
  EXPECT_EQ(CheckedEntry(), 3);
}

TEST_F(LayoutListing, ABrokenEntryKeepsThePreviousLayoutAndItsMark) {
  AddLay("A", 6);
  dir.Write("Layouts/Broken.lay", "Velmor 3.0\r\nBroken\r\n0101\r\n");
  ASSERT_TRUE(listed.Build({}));
  listed.Entries.Entry(1)->Click();
  ASSERT_EQ(layout.LayoutName, "A heap");
  listed.Entries.Entry(2)->Click();
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_EQ(layout.BoardNumber, 1);
  EXPECT_EQ(layout.LayoutPath, dir.path() + "Layouts/A.lay");
  EXPECT_EQ(layout.LayoutName, "A heap");
  EXPECT_EQ(CheckedEntry(), 1);
}

TEST_F(LayoutList, SavingANewNameAppendsAnEntryAtTheEnd) {
  AddLay("B");
  AddShp("C.shp");
  ASSERT_TRUE(game.BuildLayoutList());
  game.Layout.Shape = RowShape(144 / 2);
  game.Layout.LayoutName = "Fresh";
  game.Layout.LayoutPath.clear();
  SetMode(game, ModeEditor);
  platform.saveAnswers = {dir.path() + "Layouts/A"};
  ASSERT_TRUE(game.Editor.Save());
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(platform.saveDialogs[0].title, "Please choose a name for your layout file");
  EXPECT_EQ(platform.saveDialogs[0].filter, "LAY Layout files (*.lay)|*.lay");
  EXPECT_EQ(platform.saveDialogs[0].initialFolder, dir.path() + "Layouts/");
  EXPECT_EQ(game.Layout.LayoutPath, dir.path() + "Layouts/A.lay");
  EXPECT_EQ(game.Current.Play.Number(), ModeNoGame);
  EXPECT_EQ(Captions().back(), "A");  // after the .shp entry, not in sorted place
  EXPECT_EQ(game.Listed.Layouts.Count(), 3);
  EXPECT_EQ(game.Layout.BoardNumber, 3);
  EXPECT_EQ(CheckedEntry(), 3);

  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(game.Layout.LayoutPath, text, error));
  EXPECT_EQ(text, FormatLayFile("Fresh", RowShape(72)));

  // The new entry loads like any other.
  game.Listed.Entries.Entry(3)->Click();
  EXPECT_EQ(game.Layout.LayoutName, "Fresh");
  EXPECT_EQ(game.Current.Board.TilesLeft, 72);
}

TEST_F(LayoutList, SavingAnExistingNameOverwritesWithoutANewEntry) {
  AddLay("A");
  AddLay("B");
  ASSERT_TRUE(game.BuildLayoutList());
  game.Listed.Entries.Entry(1)->Click();
  game.Layout.Shape = RowShape(4);
  game.Layout.LayoutPath = dir.path() + "Layouts/B.lay";
  ASSERT_TRUE(game.Editor.Save());
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_EQ(game.Listed.Layouts.Count(), 2);
  EXPECT_EQ(game.Layout.BoardNumber, 2);
  EXPECT_EQ(CheckedEntry(), 2);
  game.Listed.Entries.Entry(2)->Click();
  EXPECT_EQ(game.Current.Board.TilesLeft, 4);
}

TEST_F(LayoutSaving, CancelledOrFailedSavesWriteNothing) {
  AddLay("A");
  ASSERT_TRUE(listed.Build({}));
  layout.LayoutPath.clear();
  SetMode(ModeEditor);
  EXPECT_FALSE(editor.Save());  // the dialog is cancelled
  EXPECT_TRUE(layout.LayoutPath.empty());
  EXPECT_EQ(current.Play.Number(), ModeEditor);
  EXPECT_TRUE(platform.errors.empty());

  // A folder name holding ".lay" gets no extension appended; a missing folder fails cleanly.
  platform.saveAnswers = {dir.path() + "my.layouts/new"};
  EXPECT_FALSE(editor.Save());
  EXPECT_EQ(platform.errors.size(), 1u);
  EXPECT_TRUE(layout.LayoutPath.empty());
  EXPECT_EQ(current.Play.Number(), ModeEditor);
  EXPECT_EQ(listed.Layouts.Count(), 1);

  std::filesystem::create_directories(dir.path() + "my.layouts");
  platform.saveAnswers = {dir.path() + "my.layouts/new"};
  ASSERT_TRUE(editor.Save());
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "my.layouts/new"));
}

TEST_F(LayoutSaving, AFailedSaveKeepsTheOldFileWhole) {
  AddLay("A", 8);
  ASSERT_TRUE(listed.Build({}));
  layout.Shape = RowShape(4);
  layout.LayoutPath = dir.path() + "Layouts/A.lay";
  {
    // A disk that fills up mid-write: files may not grow beyond 1000 bytes.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved_ok = editor.Save();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved_ok);
  }
  EXPECT_EQ(platform.errors.size(), 1u);
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(dir.path() + "Layouts/A.lay", text, error));
  EXPECT_EQ(text, FormatLayFile("A heap", RowShape(8)));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path() + "Layouts"))
    EXPECT_EQ(entry.path().filename(), "A.lay");  // no temporary file left behind
}

TEST_F(LayoutSaving, ReplacingALayoutIsAskedForTheNameActuallyWritten) {
  AddLay("Pyramid");
  ASSERT_TRUE(listed.Build({}));
  const std::string pyramid = dir.path() + "Layouts/Pyramid.lay";
  std::string before, error;
  ASSERT_TRUE(ReadWholeFile(pyramid, before, error));
  layout.Shape = RowShape(12);
  layout.LayoutName = "Mine";
  SetMode(ModeEditor);
  // Typed without ".lay": the dialog saw no file of that name, so the game asks.
  for (bool replace : {false, true}) {
    layout.LayoutPath.clear();
    platform.saveAnswers = {dir.path() + "Layouts/Pyramid"};
    platform.confirmAnswers = {replace};
    const size_t asked = platform.questions.size();
    EXPECT_EQ(editor.Save(), replace);
    ASSERT_EQ(platform.questions.size(), asked + 1);
    EXPECT_NE(platform.questions.back().text.find("\"Pyramid.lay\" already exists"), std::string::npos);
    std::string now;
    ASSERT_TRUE(ReadWholeFile(pyramid, now, error));
    EXPECT_EQ(now == before, !replace);
    EXPECT_EQ(layout.SaveFailed, !replace);  // declined: the layout stays in the editor
  }
  // The name the dialog itself confirmed is not asked about twice.
  layout.LayoutPath.clear();
  platform.saveAnswers = {pyramid};
  const size_t asked = platform.questions.size();
  EXPECT_TRUE(editor.Save());
  EXPECT_EQ(platform.questions.size(), asked);
}
