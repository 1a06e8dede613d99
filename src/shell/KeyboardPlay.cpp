#include "shell/KeyboardPlay.h"

#include <algorithm>

#include "board/Geometry.h"
#include "board/Grid.h"
#include "modes/BoardCursor.h"

namespace velmor {

bool KeyboardPlay::Press(Key key) {
  const GameState& g = game_;
  if (g.Play.Editing()) return EditorPress(key);
  const bool flat = g.Play.Is(GameKind::Flat);
  if (!g.Play.Playing()) return false;
  const Selectable selectable = [this, flat](int t) { return flat || hands_.playable(t); };
  const bool onBoard = tile_ >= 1 && tile_ <= TileTotal && !g.Board.TilePlace[static_cast<size_t>(tile_)].empty();
  // Escape after a pick made with the mouse drops it, and the hand stays on the mouse: the
  // cursor would only stand on some other tile.
  if (!shown_ && key == Key::Cancel) {
    hands_.click(false, 0, 0);
    return true;
  }
  if (!shown_ || !onBoard) {
    // The first key that moves the cursor brings it out, where the player can see it.
    shown_ = true;
    MoveTo(onBoard && TileVisible(g.Board, tile_) ? tile_ : FirstFreeTile(g.Board, selectable));
    if (key != Key::Cancel) return true;
  }
  int x = 0, y = 0;
  switch (key) {
    case Key::Left:
      MoveTo(CursorMove(g.Board, tile_, CursorStep::Left, selectable));
      break;
    case Key::Right:
      MoveTo(CursorMove(g.Board, tile_, CursorStep::Right, selectable));
      break;
    case Key::Up:
      MoveTo(CursorMove(g.Board, tile_, CursorStep::Up, selectable));
      break;
    case Key::Down:
      MoveTo(CursorMove(g.Board, tile_, CursorStep::Down, selectable));
      break;
    case Key::Tab:
      MoveTo(CursorNextFree(g.Board, tile_, false, selectable));
      break;
    case Key::BackTab:
      MoveTo(CursorNextFree(g.Board, tile_, true, selectable));
      break;
    case Key::Home:
      MoveTo(FirstFreeTile(g.Board, selectable));
      break;
    case Key::Activate:
      // Exactly a click on a point of the tile that shows, so every rule and sound is the click's.
      if (VisiblePoint(g.Board, tile_, x, y)) hands_.click(true, x, y);
      if (g.Board.TilePlace[static_cast<size_t>(tile_)].empty()) MoveTo(FirstFreeTile(g.Board, selectable));
      break;
    case Key::Cancel:
      hands_.click(false, 0, 0);
      break;
    default:
      return false;
  }
  return true;
}

bool KeyboardPlay::EditorPress(Key key) {
  switch (key) {
    case Key::Left:
      column_ = std::max(column_ - 1, 1);
      break;
    case Key::Right:
      column_ = std::min(column_ + 1, AnchorColumns);
      break;
    case Key::Up:
      row_ = std::max(row_ - 1, 1);
      break;
    case Key::Down:
      row_ = std::min(row_ + 1, AnchorRows);
      break;
    case Key::PageUp:
      layer_ = std::min(layer_ + 1, AnchorLayers);
      break;
    case Key::PageDown:
      layer_ = std::max(layer_ - 1, 1);
      break;
    case Key::Activate:
    case Key::Delete:
      break;
    default:
      return false;
  }
  // The middle of the face a tile at the place would show: where the mouse would point at it.
  const int x = FaceLeft(column_, layer_) + FaceWidth / 2, y = TileTop(row_, layer_) + FaceHeight / 2;
  if (key == Key::Activate || key == Key::Delete) hands_.editorClick(key == Key::Activate, x, y);
  hands_.point(x, y);  // the ghost shows where a tile would go
  return true;
}

void KeyboardPlay::PointerMoved() {
  if (!shown_) return;
  shown_ = false;
  if (tile_ > 0) hands_.redraw(tile_);
}

void KeyboardPlay::MoveTo(int tile) {
  const int old = tile_;
  tile_ = tile;
  if (old > 0 && old != tile) hands_.redraw(old);
  if (tile > 0) hands_.redraw(tile);
  platform_.CursorMoved(tile);
}

}  // namespace velmor
