// What a screen reader gets from the window: the board as a list of the tiles that show, the
// cursor's tile as the focus, and names for what is only drawn. (Qt drops its change events
// while no reader listens, so they are checked by scripts/a11y-events.sh, not here.)
#include <QAccessible>
#include <algorithm>
#include <functional>
#include <vector>

#include "WindowFixture.h"
#include "board/TileNames.h"
#include "modes/BoardCursor.h"
#include "platform/BoardAccessible.h"

using namespace velmor;
using namespace velmor::test;

namespace {

QAccessibleInterface* Find(QAccessibleInterface* from, const std::function<bool(QAccessibleInterface*)>& wanted) {
  if (wanted(from)) return from;
  for (int i = 0; i < from->childCount(); ++i)
    if (QAccessibleInterface* child = from->child(i))
      if (QAccessibleInterface* found = Find(child, wanted)) return found;
  return nullptr;
}

}  // namespace

class ReadOutWindow : public GameWindow {
 protected:
  QAccessibleInterface* board = nullptr;

  void Deal() {
    ASSERT_TRUE(Start());
    game->Current.GameNumber = 77;
    game->NewSpecificGame1Click();
    // Reached from the window, as a reader walks to it.
    board = Find(QAccessible::queryAccessibleInterface(window.get()), [](QAccessibleInterface* i) {
      return i->role() == QAccessible::List && i->text(QAccessible::Name) == "Board";
    });
    ASSERT_NE(board, nullptr);
  }
};

TEST_F(ReadOutWindow, TheBoardListsTheTilesThatShowWithTheirStates) {
  Deal();
  auto check = [&](const char* when) {
    std::vector<std::string> expected, listed;
    int free = 0, listedFree = 0;
    for (int t = 1; t <= TileTotal; ++t)
      if (TileVisible(game->Current.Board, t)) {
        expected.push_back(TileName(t));
        free += game->IsPlayable(t);
      }
    ASSERT_EQ(board->childCount(), static_cast<int>(expected.size())) << when;
    for (int i = 0; i < board->childCount(); ++i) {
      QAccessibleInterface* child = board->child(i);
      EXPECT_EQ(board->indexOfChild(child), i);
      listed.push_back(child->text(QAccessible::Name).toStdString());
      const bool isFree = !child->state().disabled;
      listedFree += isFree;
      EXPECT_EQ(child->text(QAccessible::Description).startsWith("free"), isFree) << when;
      // Nothing lies over a free tile's middle: the board finds the same tile there.
      const QPoint middle = child->rect().center();
      if (isFree) {
        EXPECT_EQ(board->childAt(middle.x(), middle.y()), child) << when;
      }
    }
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, expected) << when;
    EXPECT_EQ(listedFree, free) << when;
  };
  check("after the deal");

  int a = 0, b = 0;
  ASSERT_TRUE(game->Current.Free.NthMove(1, a, b));
  auto click = [&](int tile) {
    int x = 0, y = 0;
    ASSERT_TRUE(VisiblePoint(game->Current.Board, tile, x, y));
    QTest::mouseClick(window->Board(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(game->Pictures.BoardOriginX + x, game->Pictures.BoardOriginY + y));
  };
  auto* tiles = dynamic_cast<BoardAccessible*>(board);
  ASSERT_NE(tiles, nullptr);
  QAccessibleInterface* first = tiles->Tile(a);
  click(a);
  EXPECT_TRUE(first->state().selected);
  EXPECT_TRUE(first->text(QAccessible::Description).startsWith("free, picked"));
  click(b);
  EXPECT_FALSE(first->isValid());
  EXPECT_EQ(board->indexOfChild(first), -1);
  check("after a pair");
}

TEST_F(ReadOutWindow, TheFocusFollowsTheCursorAndTheDrawnPartsHaveNames) {
  Deal();
  EXPECT_EQ(board->focusChild(), nullptr);
  using Key = KeyboardPlay::Key;
  for (Key key : {Key::Home, Key::Tab, Key::Tab, Key::Right, Key::Down, Key::BackTab}) {
    game->Keys.Press(key);
    QAccessibleInterface* focus = board->focusChild();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus, dynamic_cast<BoardAccessible*>(board)->Tile(game->Keys.Tile()));
    EXPECT_EQ(focus->text(QAccessible::Name).toStdString(), TileName(game->Keys.Tile()));
    for (int i = 0; i < board->childCount(); ++i) EXPECT_EQ(board->child(i)->state().focused, board->child(i) == focus);
  }

  // A paused board shows no faces, to the ear either.
  game->PauseClick();
  EXPECT_EQ(board->childCount(), 0);
  EXPECT_EQ(board->focusChild(), nullptr);
  game->PauseClick();
  EXPECT_GT(board->childCount(), 0);

  // The line scrolls its message in a character at a time; the reader gets it whole at once.
  game->Menus.CoolStatus.SetChecked(true);
  game->ShowStatus("No more moves");
  game->Temps();
  EXPECT_NE(window->LabelOf(game->Menus.StatusText)->text(), "No more moves");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->LabelOf(game->Menus.StatusText))->text(QAccessible::Name),
            "No more moves");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->ButtonOf(game->Menus.RedoButton))->text(QAccessible::Name),
            "Redo");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->HallPanel())->text(QAccessible::Name), "Hall of Fame");
}
