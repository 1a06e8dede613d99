// A whole game played in the real window with real mouse clicks.
#include "WindowFixture.h"
#include "board/Grid.h"
#include "platform/DeadEndPanel.h"

#include <QMenu>
#include <QPushButton>

using namespace velmor;
using namespace velmor::test;

TEST_F(GameWindow, AWinnableDealIsClearedByClickingItsPairs) {
  ASSERT_TRUE(Start());
  // A slow machine could make this a record, whose window waits for a name nobody types.
  game->Menus.EnableHall.SetChecked(false);
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 2024;
  game->NewSpecificGame1Click();
  const std::vector<Place> order = game->Current.RemovalOrder;
  ASSERT_EQ(order.size(), 144u);
  PictureView* board = window->Board();
  for (size_t k = 0; k < order.size(); ++k) {
    const Place& p = order[k];
    const QPoint face(game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                      game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
    QTest::mouseMove(board, face);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, face);
    if (k % 2 == 1) ASSERT_EQ(game->Current.Board.TilesLeft, 144 - static_cast<int>(k) - 1) << "pair " << k / 2 + 1;
  }
  EXPECT_EQ(game->Current.Board.TilesLeft, 0);
  EXPECT_EQ(game->Current.History.Count, 144);
}

TEST_F(GameWindow, RightClickOnNewOpensTheGamePopupBelowTheButton) {
  ASSERT_TRUE(Start());
  QToolButton* button = window->ButtonOf(game->Menus.ExplorerButton1);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::RightButton);
  QMenu* popup = window->PopupShown();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(popup->actions().size(), 4);
  EXPECT_GE(popup->pos().y(), button->mapToGlobal(QPoint(0, button->height())).y() - 1);
  popup->hide();
}

// Played on without a way out, a deal ends in the notice over the board; its buttons are the game's
// own commands.
TEST_F(GameWindow, ADeadEndShowsItsNoticeUntilAButtonOpensAMoveAgain) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(false);
  for (int number = 1; number < 50 && !game->DeadEnds.Stuck(); ++number) {
    game->Current.GameNumber = number;
    game->NewSpecificGame1Click();
    int a = 0, b = 0;
    // The first move offered, every time, until none is left.
    while (game->Current.Free.MovesLeft > 0 && game->Current.Free.NthMove(1, a, b)) {
      for (int tile : {a, b}) {
        const Place& p = game->Current.Board.TilePlace[static_cast<size_t>(tile)];
        const QPoint face(game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                          game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
        QTest::mouseClick(window->Board(), Qt::LeftButton, Qt::NoModifier, face);
      }
      game->IsItFree();
    }
  }
  ASSERT_TRUE(game->DeadEnds.Stuck());
  QTest::qWait(DeadEnd::NoticeDelayMs + 300);
  DeadEndPanel* notice = window->DeadEnd();
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(notice->isVisible());
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
    window->grab().save(QString("%1/dead-end.png").arg(QString(dir)));
  // The keyboard is on the first way; Tab and the arrows go from way to way, Return takes one.
  QApplication::setActiveWindow(window.get());
  EXPECT_EQ(QApplication::focusWidget(), notice->Buttons()[0]);
  QTest::keyClick(window.get(), Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), notice->Buttons()[1]);
  QTest::keyClick(window.get(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), notice->Buttons()[2]);
  QTest::keyClick(window.get(), Qt::Key_Left);
  QTest::keyClick(window.get(), Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), notice->Buttons()[0]);
  const int left = game->Current.Board.TilesLeft;
  QTest::keyClick(window.get(), Qt::Key_Return);  // Back
  EXPECT_EQ(game->Current.Board.TilesLeft, left + 2);
  EXPECT_FALSE(notice->isVisible());
}

// A whole game won with the keyboard alone: Tab walks the free tiles, Return takes them.
TEST_F(GameWindow, AWinnableDealIsClearedWithKeysOnly) {
  ASSERT_TRUE(Start());
  game->Menus.EnableHall.SetChecked(false);
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 77;
  game->NewSpecificGame1Click();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  const std::vector<Place> order = game->Current.RemovalOrder;
  QTest::keyClick(window.get(), Qt::Key_Home);  // the cursor comes out
  for (const Place& p : order) {
    const int tile = game->Current.Board.BoardGrid.at(p);
    for (int k = 0; k < 150 && game->Keys.Tile() != tile; ++k) QTest::keyClick(window.get(), Qt::Key_Tab);
    ASSERT_EQ(game->Keys.Tile(), tile);
    QTest::keyClick(window.get(), Qt::Key_Return);
  }
  EXPECT_EQ(game->Current.Board.TilesLeft, 0);
}

// A pair taken is on the screen before the click's handler goes on to its sound, its save and
// its checks: the board is painted within the click itself, not at the next turn of the loop.
TEST_F(GameWindow, APairTakenIsPaintedWithinTheClick) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 7;
  game->NewSpecificGame1Click();
  PictureView* board = window->Board();
  struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++paints;
      return false;
    }
  } count;
  board->installEventFilter(&count);
  auto click = [&](const Place& p) {
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier,
                      QPoint(game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                             game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25));
  };
  click(game->Current.RemovalOrder[0]);
  QApplication::processEvents();
  count.paints = 0;
  click(game->Current.RemovalOrder[1]);
  EXPECT_EQ(game->Current.Board.TilesLeft, 142);
  EXPECT_GE(count.paints, 1);
  board->removeEventFilter(&count);
}
