// The real window: start-up, a dealt board, the clock, pause, and the settings at closing.
#include <fstream>
#include <sstream>

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "WindowFixture.h"
#include "layouts/LayoutFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {
std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

TEST_F(GameWindow, StartsWithADealtTraditionalBoardAndWritesSettingsWhenClosed) {
  ASSERT_FALSE(std::filesystem::exists(folder / "Velmor.ini"));
  ASSERT_TRUE(Start());
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game->Layout.LayoutName, "Traditional");
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);
  EXPECT_GT(TilePixelsOnScreen(), 100000);  // tiles cover a good part of the picture

  QTest::qWait(1200);  // the heartbeat runs: counters and clock
  EXPECT_EQ(window->LabelOf(game->Menus.TilesLeftLine)->text(), "144");
  EXPECT_FALSE(window->LabelOf(game->Menus.MovesLeftLine)->text().isEmpty());
  EXPECT_EQ(window->LabelOf(game->Menus.TimeLine)->text().left(3), "00:");

  window->close();
  const std::string ini = Read(folder / "Velmor.ini");
  EXPECT_NE(ini.find("[Velmor]\r\n"), std::string::npos);
  for (const char* key : {"Highlight=3", "Background=4", "Tileset=3", "StartDirectly=1", "Shadows=1",
                          "CurrentPlayer1=Player1", "WPos=", "HPos=", "PreviousRes="})
    EXPECT_NE(ini.find(key), std::string::npos) << key;
  EXPECT_LT(ini.find("Highlight="), ini.find("PreviousRes="));  // written in table order
}

TEST_F(GameWindow, PauseHidesTheBoardAndResumeShowsItAgain) {
  ASSERT_TRUE(Start());
  QToolButton* pause = window->ButtonOf(game->Menus.PauseButton);
  ASSERT_NE(pause, nullptr);
  QTest::mouseClick(pause, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(game->Current.Play.Number(), ModePaused);
  EXPECT_EQ(pause->text(), "Play");
  EXPECT_EQ(TilePixelsOnScreen(), 0);
  QTest::mouseClick(pause, Qt::LeftButton);
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  EXPECT_GT(TilePixelsOnScreen(), 100000);
}

// A paused game with a still status line and no music wakes nothing; a new message wakes the
// heartbeat again, however it came, and scrolls as before.
TEST_F(GameWindow, HeartbeatSleepsWhileNothingMovesAndWakesForAMessage) {
  // The program's own loop, which sleeps between events (QTest::qWait only polls).
  auto idle = [](int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  };
  ASSERT_TRUE(Start());
  game->Menus.PlayMusic.SetChecked(false);
  game->PauseClick();
  for (int i = 0; i < 300 && window->HeartbeatRunning(); ++i) idle(50);  // the solver may still be thinking
  EXPECT_FALSE(window->HeartbeatRunning());
  game->ShowStatus("Moving again");
  QLabel* status = window->LabelOf(game->Menus.StatusText);
  for (int i = 0; i < 40 && !status->text().contains("again"); ++i) idle(50);
  EXPECT_TRUE(status->text().contains("again"));
}

TEST_F(GameWindow, MenusMirrorTheGameObject) {
  ASSERT_TRUE(Start());
  QAction* shadows = window->ActionOf(game->Menus.Shadows);
  ASSERT_NE(shadows, nullptr);
  EXPECT_TRUE(shadows->isChecked());
  shadows->trigger();
  EXPECT_FALSE(game->Menus.Shadows.Checked());
  EXPECT_FALSE(shadows->isChecked());
  QAction* hint = window->ActionOf(game->Menus.GiveHint);
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->shortcut(), QKeySequence("Ctrl+H"));
  // The layout entries follow the fixed ones, the checked one being the current layout.
  QAction* traditional = window->ActionOf(*game->Listed.Entries.Entry(game->Layout.BoardNumber));
  ASSERT_NE(traditional, nullptr);
  EXPECT_EQ(traditional->text(), "Traditional");
  EXPECT_TRUE(traditional->isChecked());
  QAction* none = window->ActionOf(game->Menus.Highlight1);
  none->trigger();
  EXPECT_EQ(game->Pictures.HighlightMode, 0);
  EXPECT_TRUE(none->isChecked());
  EXPECT_FALSE(window->ActionOf(game->Menus.Highlight4)->isChecked());
}

TEST_F(GameWindow, SettingsComeBackAtTheNextStart) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.Kanji1)->trigger();
  window->ActionOf(game->Menus.MahJongg1)->trigger();
  window->ActionOf(game->Menus.Winnable)->trigger();
  window->ActionOf(game->Menus.Toolbar1)->trigger();
  Close();
  ASSERT_TRUE(Start());
  EXPECT_TRUE(game->Menus.Kanji1.Checked());
  EXPECT_TRUE(game->Menus.MahJongg1.Checked());
  EXPECT_TRUE(game->Menus.Winnable.Checked());
  EXPECT_FALSE(game->Menus.Toolbar1.Checked());
  EXPECT_FALSE(game->Menus.Tools.Visible());
}

TEST_F(GameWindow, MissingTunesOrLayoutsEndTheStartWithAMessage) {
  std::filesystem::remove_all(folder / "Layouts");
  // The message box would wait for a click; answer it as soon as it shows.
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w)) box->accept();
  });
  EXPECT_FALSE(Start());
}

TEST_F(GameWindow, CancellingLoadFromDiskKeepsTheLookInUseChecked) {
  ASSERT_TRUE(Start());
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) dialog->reject();
  });
  cancel.start(50);
  auto checked = [this](MenuItem& menu) {
    QStringList out;
    for (MenuItem* item : menu.Items())
      if (QAction* action = window->ActionOf(*item); action && action->isChecked())
        out << QString(action->text()).remove(QChar('&'));
    return out;
  };
  window->ActionOf(game->Menus.Load1)->trigger();
  EXPECT_EQ(checked(game->Menus.Tileset1), QStringList{"Blue borders"});
  window->ActionOf(game->Menus.LoadBackground)->trigger();
  EXPECT_EQ(checked(game->Menus.Background1), QStringList{"Andromeda"});
}
