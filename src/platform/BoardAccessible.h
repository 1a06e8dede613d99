// The board as a screen reader sees it: a list of the tiles that show, each named by its face and
// described by its state and place, with the keyboard's cursor as the focused one.
#pragma once

#include <QAccessibleWidget>
#include <map>
#include <vector>

#include "base/Say.h"
#include "platform/BoardArea.h"

namespace velmor {

class BoardAccessible : public QAccessibleWidget {
  VELMOR_SPEAKS(velmor)

 public:
  explicit BoardAccessible(BoardView* view);
  ~BoardAccessible() override;

  QAccessible::Role role() const override { return QAccessible::List; }
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // The interface of a tile on the board, made when first asked for; null for a tile off it.
  QAccessibleInterface* Tile(int tile) const;
  TVelmor& Game() const { return view_->Game(); }
  BoardView* View() const { return view_; }

 private:
  // The tiles that show, in reading order: row, column, the upper layer first.
  std::vector<int> Shown() const;
  BoardView* view_;
  mutable std::map<int, QAccessible::Id> tiles_;
};

// Lets Qt make a BoardAccessible for every board view; once per program.
void InstallBoardAccessibility();
// Tells a screen reader that the cursor now frames `tile`.
void AnnounceCursor(BoardView* view, int tile);
// Tells a screen reader that tiles came, went or moved, once the board has settled: a deal or an
// animation presents many steps.
void NoteBoardPresented(BoardView* view);

}  // namespace velmor
