// Playing with keys: a cursor on the board that the arrows, Tab and Home move, and Space, Return
// and Escape that do what the mouse buttons do on its tile. It shows at the first key and hides
// when the pointer moves over the board. In the layout editor it is a place on the grid instead:
// the arrows move it half a tile, Page Up and Page Down change its layer, Return adds a tile and
// Delete takes one away, as the mouse buttons do there.
#pragma once

#include <functional>

#include "modes/GameState.h"
#include "shell/Platform.h"

namespace velmor {

class KeyboardPlay {
 public:
  enum class Key { Left, Right, Up, Down, Tab, BackTab, Home, Activate, Cancel, PageUp, PageDown, Delete };

  // What a key does, as the mouse would do it. Points are in board pixels, from the board's origin.
  struct Hands {
    std::function<bool(int tile)> playable;  // the free-tile rule in force
    std::function<void(bool primary, int x, int y)> click;
    std::function<void(bool primary, int x, int y)> editorClick;
    std::function<void(int x, int y)> point;  // the pointer over the board
    std::function<void(int tile)> redraw;
  };
  KeyboardPlay(Platform& platform, const GameState& game, Hands hands)
      : platform_(platform), game_(game), hands_(std::move(hands)) {}
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
  Platform& platform_;
  const GameState& game_;
  Hands hands_;
  int column_ = 17, row_ = 10, layer_ = 1;  // the editor's place
  int tile_ = 0;
  bool shown_ = false;
};

}  // namespace velmor
