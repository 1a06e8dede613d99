// The layout editor in the real window: a whole layout built by clicks, saved and dealt.
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "WindowFixture.h"
#include "board/Grid.h"

using namespace velmor;
using namespace velmor::test;

namespace {
// A point of the board picture where a left click adds a tile at `p`, if there is one.
bool AddPoint(const TVelmor& game, const Place& p, QPoint& at) {
  for (int dy = 0; dy < TileBoxHeight; ++dy)
    for (int dx = 0; dx < TileBoxWidth; ++dx) {
      const int x = TileLeft(p.column, p.layer) + dx, y = TileTop(p.row, p.layer) + dy;
      if (x < 0 || y < 0) continue;
      if (WhatAdd(game.Current.Board.BoardGrid, x, y) == p) {
        at = QPoint(game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
        return true;
      }
    }
  return false;
}
}  // namespace

TEST_F(GameWindow, ALayoutBuiltByClicksIsSavedListedAndDealt) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.CreateLayout1)->trigger();
  ASSERT_EQ(game->Current.Play.Number(), ModeEditor);
  EXPECT_TRUE(window->LabelOf(game->Menus.Label40)->isVisible());
  EXPECT_EQ(window->LabelOf(game->Menus.Label40)->text(), "144");

  // 12 x 6 on the table and 12 x 6 on top of it, a tile's width apart.
  PictureView* board = window->Board();
  for (int layer = 1; layer <= 2; ++layer)
    for (int r = 4; r <= 14; r += 2)
      for (int c = 6; c <= 28; c += 2) {
        QPoint at;
        ASSERT_TRUE(AddPoint(*game, {c, r, layer}, at)) << c << "," << r << "," << layer;
        QTest::mouseMove(board, at);
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
      }
  EXPECT_EQ(window->LabelOf(game->Menus.Label40)->text(), "0");
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty()) {
    QTest::mouseMove(board, QPoint(300, 200));
    QTest::mouseMove(board, QPoint(game->Pictures.BoardOriginX + 260, game->Pictures.BoardOriginY + 110));
    window->grab().save(QString("%1/editor.png").arg(QString(dir)));
  }

  const std::string file = (folder / "Layouts" / "Twin Decks").string();
  // The save dialog is modal: answer it as a player would once it shows.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&answer, file] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
        answer.stop();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(file));  // typed, then Enter
        QTest::keyClick(name, Qt::Key_Return);
      }
  });
  answer.start(50);
  window->ActionOf(game->Menus.Save1)->trigger();
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  EXPECT_TRUE(std::filesystem::exists(file + ".lay"));
  QMenu* layouts = nullptr;
  for (QAction* a : window->menuBar()->actions())
    if (a->text() == "&Layout") layouts = a->menu();
  ASSERT_NE(layouts, nullptr);
  EXPECT_EQ(layouts->actions().last()->text(), "Twin Decks");
  EXPECT_TRUE(layouts->actions().last()->isChecked());
  layouts->actions().last()->trigger();
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);
  EXPECT_EQ(game->Layout.LayoutName, "New Layout");
}

TEST_F(GameWindow, CtrlTHidesAndShowsTheEditorPanel) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.CreateLayout1)->trigger();
  ASSERT_EQ(game->Current.Play.Number(), ModeEditor);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  ASSERT_TRUE(game->Menus.EditorPanel.Visible());
  QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(game->Menus.EditorPanel.Visible());
  EXPECT_FALSE(game->Menus.Tools.Visible());
  QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(game->Menus.EditorPanel.Visible());
  EXPECT_FALSE(game->Menus.Tools.Visible());
}

// A dialog over the editor keeps its own Return: the board's cursor never takes a dialog's key.
TEST_F(GameWindow, ADialogsReturnIsTheDialogsWhileTheEditorIsOpen) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.CreateLayout1)->trigger();
  ASSERT_EQ(game->Current.Play.Number(), ModeEditor);
  const int toPlace = game->Layout.TilesToPlace;
  QDialog dialog(window.get());
  auto* button = new QPushButton("OK", &dialog);
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.show();
  QApplication::setActiveWindow(window.get());  // the main window still active, as a slow start leaves it
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(game->Layout.TilesToPlace, toPlace);  // no tile was placed by the dialog's key
}
