// Composing the board picture: background, tiles back to front, marks and shadows. The renderer
// only draws what it is handed; whether a game is over, paused or shown at all is the caller's.
#pragma once

#include <cstdint>

#include "board/Grid.h"
#include "display/Picture.h"
#include "display/Scale.h"

namespace velmor {

// The "Highlight" choices, numbered as the settings keep them: how the tile under the pointer
// is marked. Every style but the coloured tile frames it in the pen colour.
enum HighlightStyle : int32_t {
  HighlightNone = 0,
  HighlightRedFrame = 1,
  HighlightColoredTile = 2,
  HighlightGreenFrame = 3,
  HighlightBlueFrame = 4,
};
inline constexpr uint32_t RedPen = Pixel({0x0000FF});
inline constexpr uint32_t GreenPen = Pixel({0x008000});
inline constexpr uint32_t BluePen = Pixel({0xFF0000});

// The pictures a board is drawn from, all at the renderer's scale.
struct BoardLooks {
  const Picture& tilesetPicture;  // faces, masks, blank and coloured grounds
  const Picture& tileSheet;       // every face already laid on the blank tile (ChangeTexture)
  const Picture& background;      // the board picture's size
  bool shadows = true;
};

// What the tiles show besides their faces. Tile numbers; 0 marks nothing.
struct BoardMarks {
  int picked1 = 0, picked2 = 0;  // the tiles chosen for a pair
  int hintA = 0, hintB = 0;      // the pair a hint shows
  int hover = 0;                 // the tile under the pointer
  int cursor = 0;                // the keyboard's tile
  int32_t highlight = HighlightGreenFrame;
  uint32_t pen = GreenPen;  // the hover frame's colour
  bool invert = false;      // picked and hinted faces inverted instead of coloured
  // The editor: every face blank, no marks, and the ghost (where a click would add a tile)
  // drawn with the picked ground, on an empty cell too.
  bool editing = false;
  Place ghost{-1, -1, -1};
  bool slideInProgress = false;  // a flat-game slide has found its way: no marks until it ends
};

// Draws at a whole scale K from 1 to MaxScale: every distance of the 1x picture, from the grid
// steps to the width of a frame, is K times longer, so a board drawn at K from 1x looks enlarged
// by pixel repetition is exactly the 1x board enlarged the same way. Rectangles given to and
// returned by the renderer are in the pixels of the picture it draws.
class BoardRenderer {
 public:
  // The board origin is where column 0, row 0 of the grid lies in the board picture at 1x.
  BoardRenderer(const BoardLooks& looks, int originX, int originY, int scale = 1);

  int scale() const { return k_; }

  // The whole picture of a tile anchored at `p`.
  Rect TileBox(const Place& p) const;
  // What can change when the tile anchored at `p` goes: its picture and the shadows it cast on
  // the faces of the layer below.
  Rect TakenBox(const Place& p) const;

  // The board over the background into `frame` (the background's size).
  void Compose(Picture& frame, const Grid& grid, const BoardMarks& marks) const;
  // Only the pixels of `box` change, and they end exactly as a whole composition leaves them:
  // tiles overlapping the box are drawn inside it alone.
  void Compose(Picture& frame, const Grid& grid, const BoardMarks& marks, const Rect& box) const;

  // The tile of value `v` anchored at (c, r, l), marks and shadows included, drawn over what
  // `frame` holds; skipped when `box` is given and the tile's picture misses it.
  void DrawTile(Picture& frame, const Grid& grid, const BoardMarks& marks, int c, int r, int l, int v,
                const Rect* box = nullptr) const;

 private:
  void DrawTiles(Picture& frame, const Grid& grid, const BoardMarks& marks, const Rect* box) const;
  BoardLooks looks_;
  int originX_, originY_;
  int k_;
};

}  // namespace velmor
