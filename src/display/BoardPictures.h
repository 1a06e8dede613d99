// What the board picture is made of and where it stands: the looks in use (background, tileset
// and the tiles built from it), the picture as last composed, the board origin, and the marks
// that only the picture shows (highlight style, the editor's ghost, a slide under way), and the Hall
// of Fame panel beside the board.
#pragma once

#include <cstdint>
#include <string>

#include "board/Geometry.h"
#include "board/Grid.h"
#include "display/Picture.h"
#include "display/ScaledLooks.h"
#include "display/Tileset.h"

namespace velmor {

struct BoardPictures {
  Picture BackgroundImage{BoardPictureWidth, BoardPictureHeight};
  Picture FrameBuffer{BoardPictureWidth, BoardPictureHeight};
  Picture TilesetPicture{SheetWidth, SheetHeight};
  Picture TileSheet{TileSheetWidth, TileSheetHeight};
  int32_t BoardOriginX = BoardOriginLeft;
  int32_t BoardOriginY = BoardOriginTop;

  static constexpr Rect NoBox{-1, -1, -1, -1};
  Rect RedrawBox = NoBox;  // the box a partial redraw composes; NoBox: the whole picture
  int32_t HighlightMode = 3;
  uint32_t PenColor = 0;  // the hover rectangle's colour, as a pixel
  Place EditorGhost{-1, -1, -1};
  Rect GhostBox = NoBox;
  bool PathFound = false;  // a flat-game slide is under way: no marks are drawn
  // The pictures are drawn at this whole scale (1..MaxScale) for the window's size and screen; every
  // position the game works with stays in 1x board pixels.
  int32_t Scale = 1;
  uint32_t BackgroundGeneration = 1;  // counts the background pictures made, for the window's copies
  // The looks as read, at 1x, and the files they came from: a scale change redraws from them,
  // taking the file's larger artwork where there is some.
  LookSource TilesetSource, BackgroundSource, HofSource;
  struct MovingTileState {
    int tile = 0, column = 0, row = 0;
  } MovingTile;  // the sliding tile and where it stands now
  // The pace of the animations: one step shown, then this long to let the eye follow it.
  static constexpr int DealTileMs = 5, RiverSlideMs = 10, HintPathMs = 700;

  // The Hall of Fame panel beside the board: clean, and as composed with its text.
  static constexpr int HofWidth = 92;
  static constexpr Rect CurrentTilePreview{24, 390, 70, 446};  // the pointed tile, shown in the panel
  Picture HofPic;
  Picture SaveHof;
  // The board on screen is the bare background, as a paused or stopped game shows it: the beat
  // need not present it again.
  bool BackgroundShown = false;
};

}  // namespace velmor
