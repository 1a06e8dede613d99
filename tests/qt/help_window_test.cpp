// The help window in the real window: pages, the game paused meanwhile, the Hall of Fame page.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "WindowFixture.h"
#include "platform/HelpWindow.h"
#include "shell/HallOfFameFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {
// Runs `inspect` once the modal help window is up, then closes it.
void WhileHelpIsOpen(MainWindow& window, std::function<void(HelpWindow&)> inspect) {
  QTimer::singleShot(50, [&window, inspect] {
    HelpWindow* help = window.Help();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    inspect(*help);
    // Pictures of the pages for a person to look at, when asked for.
    if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
      for (int i = 0; i < help->Pages()->count(); ++i) {
        help->Pages()->setCurrentIndex(i);
        help->grab().save(QString("%1/help-%2.png").arg(QString(dir)).arg(i));
      }
    help->accept();
  });
}
}  // namespace

TEST_F(GameWindow, HelpOpensOnItsPageAndTheGameWaits) {
  ASSERT_TRUE(Start());
  QTest::qWait(200);
  EXPECT_EQ(window->Help(), nullptr) << "the help window is made when first opened, not at start";
  int pageShown = -1;
  uint8_t modeWhileOpen = 0;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    pageShown = help.Pages()->currentIndex();
    modeWhileOpen = game->Current.Play.Number();
    EXPECT_EQ(help.windowTitle(), "Velmor - Help");
    EXPECT_EQ(help.Pages()->count(), 8);
    EXPECT_EQ(help.Pages()->tabText(7), "Statistics");
    EXPECT_EQ(help.Pages()->tabText(6), "Hall of Fame");
  });
  window->ActionOf(game->Menus.ViewTiles1)->trigger();
  EXPECT_EQ(pageShown, 4);
  EXPECT_EQ(modeWhileOpen, ModePaused);
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
}

// The manual opens on a good part of the screen, never beyond it, and comes back at the size the
// player gave it, in this session and the next.
TEST_F(GameWindow, TheHelpWindowFitsTheScreenAndKeepsTheSizeItWasGiven) {
  ASSERT_TRUE(Start());
  const QSize screen = window->screen()->availableGeometry().size();
  QSize first;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    first = help.size();
    help.resize(700, 520);
  });
  window->ActionOf(game->Menus.Contents1)->trigger();
  EXPECT_LE(first.width(), std::max(screen.width(), 616));
  EXPECT_GE(first.width(), std::min(screen.width() / 2, 616));
  QSize again;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) { again = help.size(); });
  window->ActionOf(game->Menus.Contents1)->trigger();
  EXPECT_EQ(again, QSize(700, 520));
  window->close();
  ASSERT_TRUE(Start());
  WhileHelpIsOpen(*window, [&](HelpWindow& help) { again = help.size(); });
  window->ActionOf(game->Menus.Contents1)->trigger();
  EXPECT_EQ(again, QSize(700, 520)) << "at the next start too";
}

TEST_F(GameWindow, HallOfFamePageListsTheCurrentLayout) {
  ASSERT_TRUE(Start());
  game->Hall.Book[HallKeyOf(game->Listed.Layouts, game->Layout.BoardNumber)].Add("Kim", 95, 40);
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    EXPECT_EQ(help.Pages()->currentIndex(), 6);
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "Kim     ");
    EXPECT_EQ(help.Scores()->item(0, 2)->text(), "01:35");
    EXPECT_EQ(help.Scores()->item(0, 3)->text(), "00:40");
    EXPECT_EQ(help.Chooser()->currentText(), "Traditional Layout");
    EXPECT_TRUE(help.Chooser()->isVisible());
    EXPECT_FALSE(help.NameField()->isVisible());
    help.Chooser()->setCurrentIndex(game->Listed.Layouts.Count());  // the easy flat game's list
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "---     ");
  });
  QTest::mouseClick(window->ButtonOf(game->Menus.HallFameButton), Qt::LeftButton);
}

TEST_F(GameWindow, AWonGameOpensTheHallOfFamePageWhereThePlayerSignsTheRecord) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 99;
  game->NewSpecificGame1Click();
  const std::vector<Place> order = game->Current.RemovalOrder;
  QTest::qWait(1100);  // at least a second of play
  bool checked = false;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    EXPECT_EQ(help.Pages()->currentIndex(), 6);
    EXPECT_EQ(help.RecordLabel()->text(), "You reached rank #1, Player1 !");
    EXPECT_TRUE(help.NameField()->isVisible());
    EXPECT_FALSE(help.Chooser()->isVisible());
    // Typed at once, without a click into the field, the name replaces the one offered.
    EXPECT_EQ(help.focusWidget(), help.NameField()) << "the field the window's keys go to";
    QApplication::setActiveWindow(&help);  // as the window manager does when the window opens
    EXPECT_EQ(QApplication::focusWidget(), help.NameField());
    EXPECT_EQ(help.NameField()->selectedText(), "Player1");
    if (QWidget* typedInto = QApplication::focusWidget()) QTest::keyClicks(typedInto, "Ada");
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "Ada     ");
    if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
      window->HallPanel()->Shown().save(QString("%1/panel-record.png").arg(QString(dir)));
    checked = true;
    if (QWidget* typedInto = QApplication::focusWidget()) QTest::keyClick(typedInto, Qt::Key_Return);
    EXPECT_FALSE(help.isVisible()) << "Return signs the record and goes back to the game";
  });
  for (const Place& p : order)
    QTest::mouseClick(window->Board(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                             game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25));
  ASSERT_EQ(game->Current.Board.TilesLeft, 0);
  QTest::qWait(300);  // the heartbeat ends the game and opens the page
  EXPECT_TRUE(checked);
  EXPECT_EQ(game->Current.Play.Number(), ModeGameOver);
  EXPECT_EQ(game->Hall.Book[HallKeyOf(game->Listed.Layouts, game->Layout.BoardNumber)].entries[1].substr(0, 8),
            "Ada     ");
  EXPECT_EQ(game->CurrentPlayer, "Ada");
}

TEST_F(GameWindow, TheTwoPlayerPanelShowsBothClocks) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.TwoPlayerGame1)->trigger();
  ASSERT_EQ(game->Current.Play.Number(), ModeTwoPlayers);
  QTest::qWait(700);
  const QImage panel = window->HallPanel()->Shown();
  // Yellow "PLAY 1" or aqua "PLAY 2" text stands in the lower part of the panel.
  int lit = 0;
  for (int y = 380; y < 468; ++y)
    for (int x = 0; x < 92; ++x) {
      const QColor c = panel.pixelColor(x, y);
      lit += (c.red() > 200 && c.green() > 200 && c.blue() < 80) || (c.red() < 80 && c.green() > 200 && c.blue() > 200);
    }
  EXPECT_GT(lit, 30);
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
    window->grab().save(QString("%1/two-players.png").arg(QString(dir)));
}

TEST_F(GameWindow, TheOptionsPageNamesARealFileMenuEntry) {
  ASSERT_TRUE(Start());
  QString named;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    const QString lead = "Activate the game by clicking File -> ";
    for (QLabel* label : help.findChildren<QLabel*>())
      if (label->text().startsWith(lead)) named = label->text().mid(lead.size());
  });
  window->ActionOf(game->Menus.ViewTiles1)->trigger();
  ASSERT_FALSE(named.isEmpty());
  QStringList fileEntries;
  for (QAction* menu : window->menuBar()->actions())
    if (menu->text() == "&File")
      for (QAction* entry : menu->menu()->actions())
        fileEntries << QString(entry->text()).remove(QChar('&'));  // as shown, without the accelerator mark
  EXPECT_TRUE(fileEntries.contains(named)) << named.toStdString();
}

// Every file in the layouts folder gets a menu entry, a place in the Hall of Fame chooser and a
// list of its own; the last entry of a long menu is where a numbering slip would show.
TEST_F(GameWindow, TheLastOfManyLayoutsPlaysFromItsMenuEntryAndKeepsItsOwnRecords) {
  ASSERT_TRUE(Start());
  const int count = game->Listed.Layouts.Count();
  const auto files = std::count_if(std::filesystem::directory_iterator(folder / "Layouts"), {}, [](const auto& entry) {
    return entry.path().extension() == ".lay" || entry.path().extension() == ".shp";
  });
  ASSERT_EQ(count, files);
  ASSERT_GE(count, 41);
  for (int k = 1; k <= count; ++k) ASSERT_NE(window->ActionOf(*game->Listed.Entries.Entry(k)), nullptr) << k;

  QAction* last = window->ActionOf(*game->Listed.Entries.Entry(count));
  last->trigger();
  EXPECT_TRUE(last->isChecked());
  EXPECT_EQ(game->Layout.BoardNumber, count);
  EXPECT_EQ(game->Layout.LayoutPath, game->Listed.Layouts[static_cast<size_t>(count)].Path());
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);

  game->Hall.Book[HallKeyOf(game->Listed.Layouts, count)].Add("Kim", 95, 40);
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    EXPECT_EQ(help.Chooser()->count(), count + 2);  // and the two flat-game lists
    EXPECT_EQ(help.Chooser()->currentIndex(), count - 1);
    EXPECT_EQ(help.Chooser()->currentText(), last->text() + " Layout");  // the menu and the list agree
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "Kim     ");
    help.Chooser()->setCurrentIndex(count - 2);
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "---     ");
  });
  QTest::mouseClick(window->ButtonOf(game->Menus.HallFameButton), Qt::LeftButton);
}
