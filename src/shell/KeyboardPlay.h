// Playing with keys: a cursor on the board that the arrows, Tab and Home move, and Space, Return
// and Escape that do what the mouse buttons do on its tile. It shows at the first key and hides
// when the pointer moves over the board.
#pragma once

namespace velmor {

class TVelmor;

class KeyboardPlay {
 public:
  enum class Key { Left, Right, Up, Down, Tab, BackTab, Home, Activate, Cancel };

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
  TVelmor& game_;
  int tile_ = 0;
  bool shown_ = false;
};

}  // namespace velmor
