#include "platform/BoardAccessible.h"

#include "base/Say.h"
#include "platform/Translation.h"

#include <QTimer>
#include <algorithm>
#include <tuple>
#include <utility>

#include "board/TileNames.h"
#include "modes/BoardCursor.h"

namespace velmor {

namespace {

bool OnBoard(const TVelmor& g, int tile) {
  return tile >= 1 && tile <= TileTotal && !g.Current.Board.TilePlace[static_cast<size_t>(tile)].empty();
}

// The reader hears what the picture shows: no faces in the editor, none while the game is paused
// or stopped (the background alone), and no board before the first game.
bool FacesShown(const TVelmor& g) { return g.Current.Play.Playing() || g.Current.Play.Over(); }

// One tile: it has no widget of its own, so it lives as long as the board's interface and answers
// from the game's state at each question.
class TileAccessible : public QAccessibleInterface {
 public:
  TileAccessible(const BoardAccessible* board, int tile) : board_(board), tile_(tile) {}

  bool isValid() const override {
    return board_->isValid() && (OnBoard(board_->Game(), tile_) || board_->Leaving(tile_));
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return const_cast<BoardAccessible*>(board_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const TVelmor& g = board_->Game();
    // A tile taken a moment ago still has its name, for the word that it left.
    if (t == QAccessible::Name) return Say(TileName(tile_));
    if (t != QAccessible::Description || !OnBoard(g, tile_)) return {};
    return Say(TileDescription(board_->Facts(tile_), g.Current.Board.TilePlace[static_cast<size_t>(tile_)]));
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid() || !OnBoard(board_->Game(), tile_)) {
      s.invalid = true;
      return s;
    }
    const TVelmor& g = board_->Game();
    const TileState facts = board_->Facts(tile_);
    s.focusable = s.selectable = true;
    s.disabled = !facts.free;
    s.selected = facts.picked;
    s.focused = g.Keys.Tile() == tile_;
    return s;
  }

  QRect rect() const override {
    if (!isValid() || !OnBoard(board_->Game(), tile_)) return {};
    const TVelmor& g = board_->Game();
    const BoardView* view = board_->View();
    const Place& p = g.Current.Board.TilePlace[static_cast<size_t>(tile_)];
    const double f = view->Scale() / view->devicePixelRatioF();  // logical pixels per 1x pixel
    const QRectF face((g.Pictures.BoardOriginX + FaceLeft(p.column, p.layer)) * f,
                      (g.Pictures.BoardOriginY + TileTop(p.row, p.layer)) * f, FaceWidth * f, FaceHeight * f);
    return QRect(view->mapToGlobal(face.topLeft().toPoint()), face.size().toSize());
  }

 private:
  const BoardAccessible* board_;
  int tile_;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* view = dynamic_cast<BoardView*>(object)) return new BoardAccessible(view);
  return nullptr;
}

}  // namespace

BoardAccessible::BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::List), view_(view) {
  // A reader that asks for the board now reads it as it stands: only later changes are news.
  for (int t : Shown()) told_[t] = {Game().Current.Board.TilePlace[static_cast<size_t>(t)], Facts(t)};
  for (int t : {Game().Current.FirstTile, Game().Current.SecondTile})
    if (told_.contains(t)) picked_.push_back(t);
}

BoardAccessible::~BoardAccessible() {
  for (const auto& [tile, id] : tiles_) QAccessible::deleteAccessibleInterface(id);
}

QString BoardAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Description) {
    const int left = Game().Current.Board.TilesLeft;
    return Say(Fill(left == 1 ? VELMOR_TEXT("%1 tile left") : VELMOR_TEXT("%1 tiles left"), left));
  }
  return QAccessibleWidget::text(t);
}

std::vector<int> BoardAccessible::Shown() const {
  const BoardState& board = Game().Current.Board;
  std::vector<int> tiles;
  if (!FacesShown(Game())) return tiles;
  for (int t = 1; t <= TileTotal; ++t)
    if (TileVisible(board, t)) tiles.push_back(t);
  auto key = [&board](int t) {
    const Place& p = board.TilePlace[static_cast<size_t>(t)];
    return std::tuple{p.row, p.column, -p.layer};
  };
  std::sort(tiles.begin(), tiles.end(), [&key](int a, int b) { return key(a) < key(b); });
  return tiles;
}

int BoardAccessible::childCount() const { return static_cast<int>(Shown().size()) + QAccessibleWidget::childCount(); }

QAccessibleInterface* BoardAccessible::child(int index) const {
  const std::vector<int> tiles = Shown();
  if (index < 0) return nullptr;
  if (index < static_cast<int>(tiles.size())) return Tile(tiles[static_cast<size_t>(index)]);
  // Widgets over the board (the dead-end notice) follow the tiles.
  return QAccessibleWidget::child(index - static_cast<int>(tiles.size()));
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<int> tiles = Shown();
  for (size_t i = 0; i < tiles.size(); ++i)
    if (const auto it = tiles_.find(tiles[i]);
        it != tiles_.end() && QAccessible::accessibleInterface(it->second) == child)
      return static_cast<int>(i);
  const int widget = QAccessibleWidget::indexOfChild(child);
  return widget < 0 ? -1 : widget + static_cast<int>(tiles.size());
}

QAccessibleInterface* BoardAccessible::Tile(int tile) const {
  if (!OnBoard(Game(), tile)) return nullptr;
  if (const auto it = tiles_.find(tile); it != tiles_.end()) return QAccessible::accessibleInterface(it->second);
  QAccessibleInterface* made = new TileAccessible(this, tile);
  tiles_[tile] = QAccessible::registerAccessibleInterface(made);
  return made;
}

TileState BoardAccessible::Facts(int tile) const {
  const TVelmor& g = Game();
  // As the keyboard's Tab sees it: in the flat game every tile may be tried.
  return {.free = g.Current.Play.Is(GameKind::Flat) || g.IsPlayable(tile),
          .picked = g.Current.FirstTile == tile || g.Current.SecondTile == tile,
          .hinted = g.Current.HintTileA == tile || g.Current.HintTileB == tile};
}

void BoardAccessible::Tell(int tile, QAccessible::Event type) const {
  // The tile's interface even once it has left the board, which Tile() no longer gives.
  const auto it = tiles_.find(tile);
  QAccessibleInterface* iface = it != tiles_.end() ? QAccessible::accessibleInterface(it->second) : Tile(tile);
  if (!iface) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

// Qt 6.4's bridge sends ObjectReorder as one children-changed per child with the child's path as a
// string where the protocol wants a variant holding an object reference: readers drop every one
// of them as malformed. Created and destroyed children it marshals right, so each tile that comes
// or goes is told on its own. (It passes a destruction on only to readers that listen to state
// changes too, as screen readers do, and only while the child still answers: hence Leaving().)
void BoardAccessible::TellChanges() {
  const BoardState& board = Game().Current.Board;
  std::map<int, Place> now;
  for (int t : Shown()) now[t] = board.TilePlace[static_cast<size_t>(t)];
  telling_ = true;
  for (auto it = told_.begin(); it != told_.end();) {
    const auto there = now.find(it->first);
    if (there != now.end() && there->second == it->second.place) {
      ++it;
      continue;
    }
    // Gone, or moved (a shuffle): a moved tile leaves its place in the list and comes back at its new one.
    Tell(it->first, QAccessible::ObjectDestroyed);
    std::erase(picked_, it->first);
    it = told_.erase(it);
  }
  telling_ = false;
  for (const auto& [tile, place] : now) {
    const TileState facts = Facts(tile);
    if (const auto it = told_.find(tile); it != told_.end()) {
      // A reader keeps what it read of a tile until it hears that it changed.
      const TileState was = std::exchange(it->second.facts, facts);
      if (was.free != facts.free) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(Tile(tile), changed);
        QAccessible::updateAccessibility(&event);
      }
      if (was != facts) Tell(tile, QAccessible::DescriptionChanged);
      continue;
    }
    told_[tile] = {place, facts};
    Tell(tile, QAccessible::ObjectCreated);
  }
}

void BoardAccessible::TellPicks() {
  std::vector<int> now;
  for (int t : {Game().Current.FirstTile, Game().Current.SecondTile})
    if (told_.contains(t) && OnBoard(Game(), t)) now.push_back(t);
  for (int t : picked_)
    if (std::find(now.begin(), now.end(), t) == now.end() && OnBoard(Game(), t)) Tell(t, QAccessible::SelectionRemove);
  for (int t : now)
    if (std::find(picked_.begin(), picked_.end(), t) == picked_.end()) Tell(t, QAccessible::SelectionAdd);
  picked_ = std::move(now);
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  // The widget's own lookup would go through the tiles as children; only widgets are wanted here.
  for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
    if (QAccessibleInterface* widget = QAccessibleWidget::child(i);
        widget && !widget->state().invisible && widget->rect().contains(x, y))
      return widget;
  const QPoint local = view_->mapFromGlobal(QPoint(x, y));
  const double f = view_->devicePixelRatioF() / view_->Scale();  // 1x pixels per logical pixel
  const TVelmor& g = Game();
  const int tile = WhatTileThere(g.Current.Board.BoardGrid, static_cast<int>(local.x() * f) - g.Pictures.BoardOriginX,
                                 static_cast<int>(local.y() * f) - g.Pictures.BoardOriginY);
  return tile > 0 && FacesShown(g) ? Tile(tile) : nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  const int tile = Game().Keys.Tile();
  return tile > 0 && FacesShown(Game()) ? Tile(tile) : nullptr;
}

void InstallBoardAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  (void)installed;
}

void AnnounceCursor(BoardView* view, int tile) {
  auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
  if (QAccessibleInterface* framed = board ? board->Tile(tile) : nullptr) {
    QAccessibleEvent event(framed, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

void NoteBoardPresented(BoardView* view) {
  // Nobody listens: nothing to work out.
  if (!QAccessible::isActive()) return;
  auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
  if (!board) return;
  // A pick is heard as the player makes it.
  board->TellPicks();
  const auto& g = view->Game().Current;
  size_t seen = FacesShown(view->Game()) ? 1 : 2;
  for (const Place& p : g.Board.TilePlace)
    seen = seen * 1000003 + static_cast<size_t>(p.column * 4096 + p.row * 8 + p.layer);
  for (const int t : std::initializer_list<int>{g.FirstTile, g.SecondTile, g.HintTileA, g.HintTileB})
    seen = seen * 1000003 + static_cast<size_t>(t);
  if (seen == view->shownTiles) return;
  view->shownTiles = seen;
  if (!view->settling) {
    view->settling = new QTimer(view);
    view->settling->setSingleShot(true);
    QObject::connect(view->settling, &QTimer::timeout, view, [view] {
      if (auto* settled = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view)))
        settled->TellChanges();
    });
  }
  // A deal or a shuffle changes the board step by step for a while: one word when it has settled.
  view->settling->start(250);
}

}  // namespace velmor
