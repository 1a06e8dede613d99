// The board at every window size: it keeps its shape, fills the room, and a click on a tile's face
// takes that tile whatever the scale.
#include <QKeyEvent>
#include <QScreen>

#include "WindowFixture.h"
#include "board/Grid.h"

using namespace velmor;
using namespace velmor::test;

TEST_F(GameWindow, AtEverySizeTheBoardFitsAndAClickOnAFaceTakesThatTile) {
  ASSERT_TRUE(Start());
  game->Menus.Winnable.SetChecked(true);
  game->Current.GameNumber = 77;
  game->NewSpecificGame1Click();
  const std::vector<Place> order = game->Current.RemovalOrder;
  PictureView* board = window->Board();
  const QSize natural = window->size();
  size_t next = 0;
  for (const QSize size : {natural, QSize(1300, 800), QSize(1600, 1000), QSize(2700, 1500), QSize(3900, 2300)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    window->resize(size);
    QApplication::processEvents();
    const double scale = board->Scale();
    EXPECT_EQ(game->Pictures.Scale, std::clamp(static_cast<int>(std::ceil(scale - 1e-9)), 1, 4));
    EXPECT_NEAR(board->width() * 468.0, board->height() * 704.0, 704.0);  // the shape is kept
    const BoardArea* area = window->Area();
    const int room =
        std::min(area->width() - board->width() - window->HallPanel()->width(), area->height() - board->height());
    EXPECT_LE(room, 2);  // it fills the room in one direction at least
    if (size == natural) EXPECT_EQ(scale, 1.0);
    if (size.width() > 3000) EXPECT_GT(scale, 4.0);  // past the largest drawn scale
    // Two pairs clicked through their faces' centres, mapped as the picture is.
    for (int k = 0; k < 4; ++k, ++next) {
      const Place& p = order[next];
      const double x1 = game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26.5,
                   y1 = game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25.5;
      const QPoint face(static_cast<int>(x1 * scale / board->devicePixelRatioF()),
                        static_cast<int>(y1 * scale / board->devicePixelRatioF()));
      QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, face);
      ASSERT_EQ(game->Current.Board.TilesLeft, 144 - static_cast<int>(next) - (k % 2 == 1 ? 1 : 0)) << "tile " << next;
    }
  }
}

// Around a board smaller than its window the background goes on; a new background shows there
// as soon as it shows on the board.
TEST_F(GameWindow, TheMarginAroundTheBoardFollowsTheBackground) {
  ASSERT_TRUE(Start());
  window->resize(QSize(2200, 900));
  QApplication::processEvents();
  const PictureView* board = window->Board();
  ASSERT_GT(board->x(), 20);
  // What the screen shows (the window's last painting), not a fresh rendering of the area.
  const QPoint margin = window->Area()->mapTo(window.get(), QPoint(board->x() / 2, board->y() + board->height() / 2));
  auto shown = [&] {
    QApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().pixelColor(margin * window->devicePixelRatioF());
  };
  EXPECT_NE(shown(), QColor(0, 128, 128));
  game->Menus.None1.Click();  // teal in a thin black frame
  EXPECT_EQ(shown(), QColor(0, 128, 128));
}

TEST_F(GameWindow, FullScreenComesAndGoesWithItsItemAndEscape) {
  ASSERT_TRUE(Start());
  game->Menus.FullScreen.Click();
  QApplication::processEvents();
  EXPECT_TRUE(window->isFullScreen());
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &escape);
  QApplication::processEvents();
  EXPECT_FALSE(window->isFullScreen());
  EXPECT_FALSE(game->Menus.FullScreen.Checked());
}

// On a small screen at a large scale the window must fit: the toolbar's captions give way to its
// pictures rather than hold the window wider than the screen, and come back when there is room.
TEST_F(GameWindow, ANarrowWindowKeepsBoardAndPanelWholeAndItsButtonsShowPicturesAlone) {
  ASSERT_TRUE(Start());
  const QSize natural = window->size();
  const QToolButton* hint = window->ButtonOf(game->Menus.ExplorerButton3);
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
  window->resize(QSize(natural.width() * 2 / 3, natural.height()));
  QApplication::processEvents();
  EXPECT_EQ(window->width(), natural.width() * 2 / 3);
  EXPECT_EQ(hint->toolButtonStyle(), Qt::ToolButtonIconOnly);
  const BoardArea* area = window->Area();
  EXPECT_LE(window->Board()->width() + window->HallPanel()->width(), area->width());
  EXPECT_GE(window->Board()->x(), 0);
  window->resize(natural);
  QApplication::processEvents();
  EXPECT_EQ(hint->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}
