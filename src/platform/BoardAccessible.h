// The board as a screen reader sees it: a list of the tiles that show, each named by its face and
// described by its state and place, with the keyboard's cursor as the focused one.
#pragma once

#include <QAccessibleWidget>
#include <map>
#include <vector>

#include "base/Say.h"
#include "board/TileNames.h"
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
  // How the tile stands in the game, as its state and description tell it.
  TileState Facts(int tile) const;
  // A tile that left the board while its leaving is told: it still answers for that moment.
  bool Leaving(int tile) const { return telling_ && told_.contains(tile); }

  // Tells the reader which tiles came, went or moved, and which became free or blocked, since it
  // was last told.
  void TellChanges();
  // Tells the reader of each tile picked or put down since it was last told.
  void TellPicks();

 private:
  // The tiles that show, in reading order: row, column, the upper layer first.
  std::vector<int> Shown() const;
  void Tell(int tile, QAccessible::Event event) const;
  BoardView* view_;
  mutable std::map<int, QAccessible::Id> tiles_;
  struct Seen {
    Place place;
    TileState facts;
  };
  std::map<int, Seen> told_;
  std::vector<int> picked_;
  bool telling_ = false;
};

// Lets Qt make a BoardAccessible for every board view; once per program.
void InstallBoardAccessibility();
// Tells a screen reader that the cursor now frames `tile`.
void AnnounceCursor(BoardView* view, int tile);
// Tells a screen reader of a pick at once, and that tiles came, went, moved or changed state once
// the board has settled: a deal or an animation presents many steps.
void NoteBoardPresented(BoardView* view);

}  // namespace velmor
