// The help window in the real window: pages, the game paused meanwhile, the Hall of Fame page.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "WindowFixture.h"
#include "platform/HelpWindow.h"

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
  int pageShown = -1;
  uint8_t modeWhileOpen = 0;
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    pageShown = help.Pages()->currentIndex();
    modeWhileOpen = game->GameMode;
    EXPECT_EQ(help.windowTitle(), "Velmor - Help");
    EXPECT_EQ(help.Pages()->count(), 7);
    EXPECT_EQ(help.Pages()->tabText(6), "Hall of Fame");
  });
  window->ActionOf(game->ViewTiles1)->trigger();
  EXPECT_EQ(pageShown, 4);
  EXPECT_EQ(modeWhileOpen, ModePaused);
  EXPECT_EQ(game->GameMode, ModeSolitaire);
}

TEST_F(GameWindow, HallOfFamePageListsTheCurrentLayout) {
  ASSERT_TRUE(Start());
  game->HallOfFame[static_cast<size_t>(game->BoardNumber)].Add("Kim", 95, 40);
  WhileHelpIsOpen(*window, [&](HelpWindow& help) {
    EXPECT_EQ(help.Pages()->currentIndex(), 6);
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "Kim     ");
    EXPECT_EQ(help.Scores()->item(0, 2)->text(), "01:35");
    EXPECT_EQ(help.Scores()->item(0, 3)->text(), "00:40");
    EXPECT_EQ(help.Chooser()->currentText(), "Traditional Layout");
    EXPECT_TRUE(help.Chooser()->isVisible());
    EXPECT_FALSE(help.NameField()->isVisible());
    help.Chooser()->setCurrentIndex(game->LayoutCount);  // the easy flat game's list
    EXPECT_EQ(help.Scores()->item(0, 1)->text(), "---     ");
  });
  QTest::mouseClick(window->ButtonOf(game->HallFameButton), Qt::LeftButton);
}
