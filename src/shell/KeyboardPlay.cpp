#include "shell/KeyboardPlay.h"

#include <algorithm>

#include "modes/BoardCursor.h"
#include "shell/TVelmor.h"

namespace velmor {

bool KeyboardPlay::Press(Key key) {
  TVelmor& g = game_;
  if (g.Current.Play.Editing()) return EditorPress(key);
  const bool flat = g.Current.Play.Is(GameKind::Flat);
  if (!g.Current.Play.Playing()) return false;
  const Selectable selectable = [&g, flat](int t) { return flat || g.IsPlayable(t); };
  const bool onBoard =
      tile_ >= 1 && tile_ <= TileTotal && !g.Current.Board.TilePlace[static_cast<size_t>(tile_)].empty();
  // Escape after a pick made with the mouse drops it, and the hand stays on the mouse: the
  // cursor would only stand on some other tile.
  if (!shown_ && key == Key::Cancel) {
    g.ButtonDown(TVelmor::Button::Secondary, g.Pictures.BoardOriginX, g.Pictures.BoardOriginY);
    return true;
  }
  if (!shown_ || !onBoard) {
    // The first key that moves the cursor brings it out, where the player can see it.
    shown_ = true;
    MoveTo(onBoard && TileVisible(g.Current.Board, tile_) ? tile_ : FirstFreeTile(g.Current.Board, selectable));
    if (key != Key::Cancel) return true;
  }
  int x = 0, y = 0;
  switch (key) {
    case Key::Left:
      MoveTo(CursorMove(g.Current.Board, tile_, CursorStep::Left, selectable));
      break;
    case Key::Right:
      MoveTo(CursorMove(g.Current.Board, tile_, CursorStep::Right, selectable));
      break;
    case Key::Up:
      MoveTo(CursorMove(g.Current.Board, tile_, CursorStep::Up, selectable));
      break;
    case Key::Down:
      MoveTo(CursorMove(g.Current.Board, tile_, CursorStep::Down, selectable));
      break;
    case Key::Tab:
      MoveTo(CursorNextFree(g.Current.Board, tile_, false, selectable));
      break;
    case Key::BackTab:
      MoveTo(CursorNextFree(g.Current.Board, tile_, true, selectable));
      break;
    case Key::Home:
      MoveTo(FirstFreeTile(g.Current.Board, selectable));
      break;
    case Key::Activate:
      // Exactly a click on a point of the tile that shows, so every rule and sound is the click's.
      if (VisiblePoint(g.Current.Board, tile_, x, y))
        g.ButtonDown(TVelmor::Button::Primary, g.Pictures.BoardOriginX + x, g.Pictures.BoardOriginY + y);
      if (g.Current.Board.TilePlace[static_cast<size_t>(tile_)].empty())
        MoveTo(FirstFreeTile(g.Current.Board, selectable));
      break;
    case Key::Cancel:
      g.ButtonDown(TVelmor::Button::Secondary, g.Pictures.BoardOriginX, g.Pictures.BoardOriginY);
      break;
    default:
      return false;
  }
  return true;
}

bool KeyboardPlay::EditorPress(Key key) {
  TVelmor& g = game_;
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
  if (key == Key::Activate || key == Key::Delete)
    g.EditorClick(key == Key::Activate ? TVelmor::Button::Primary : TVelmor::Button::Secondary, x, y, x / CellWidth,
                  y / CellHeight);
  g.FormMouseMove(g.Pictures.BoardOriginX + x, g.Pictures.BoardOriginY + y);  // the ghost shows where a tile would go
  return true;
}

void KeyboardPlay::PointerMoved() {
  if (!shown_) return;
  shown_ = false;
  if (tile_ > 0) game_.RedrawTile(tile_);
}

void KeyboardPlay::MoveTo(int tile) {
  const int old = tile_;
  tile_ = tile;
  if (old > 0 && old != tile) game_.RedrawTile(old);
  if (tile > 0) game_.RedrawTile(tile);
  game_.platform.CursorMoved(tile);
}

}  // namespace velmor
