// Playing with keys: a cursor on the board that the arrows, Tab and Home move, and Space, Return
// and Escape that do what the mouse buttons do on its tile. It shows at the first key and hides
// when the pointer moves over the board. In the layout editor it is a place on the grid instead:
// the arrows move it half a tile, Page Up and Page Down change its layer, Return adds a tile and
// Delete takes one away, as the mouse buttons do there.
#pragma once

namespace velmor {

class TVelmor;

class KeyboardPlay {
 public:
  enum class Key { Left, Right, Up, Down, Tab, BackTab, Home, Activate, Cancel, PageUp, PageDown, Delete };

  explicit KeyboardPlay(TVelmor& game) : game_(game) {}
  KeyboardPlay(const KeyboardPlay&) = delete;
  KeyboardPlay& operator=(const KeyboardPlay&) = delete;

  // False when the board has no use for the key (no game on it), so the window may use it.
  bool Press(Key key);
  void PointerMoved();
  // The tile the cursor frames; 0 while it is hidden.
  int Tile() const { return shown_ ? tile_ : 0; }

 private:
  void MoveTo(int tile);
  bool EditorPress(Key key);
  TVelmor& game_;
  int column_ = 17, row_ = 10, layer_ = 1;  // the editor's place
  int tile_ = 0;
  bool shown_ = false;
};

}  // namespace velmor
