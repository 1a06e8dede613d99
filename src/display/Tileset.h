// Where things lie in a tileset picture, and how the sheet of ready-made tiles is built from it.
// The positions are those of a tileset drawn at 1x; one drawn at scale K has every coordinate
// multiplied by K, and so do the tile sheet, the background and the shadow pieces at K.
#pragma once

#include "board/Geometry.h"
#include "display/Picture.h"

namespace velmor {

namespace tileset {
inline constexpr Rect BlankTile{0, 256, 46, 312};
inline constexpr Rect BlankFace{6, 256, 46, 306};
inline constexpr Rect PickedFace{52, 256, 92, 306};
inline constexpr Rect HintedFace{98, 256, 138, 306};
inline constexpr Rect TileMask{138, 256, 184, 312};
inline constexpr Rect TileMaskTop{138, 256, 184, 306};
inline constexpr Rect TileMaskCorner{178, 306, 184, 312};
inline constexpr int MinWidth = 369, MinHeight = 567;

// Face picture and face mask of the face in sheet column i, row j.
constexpr Rect FacePicture(int i, int j) { return {41 * i + 1, 51 * j + 1, 41 * i + 41, 51 * j + 51}; }
constexpr Rect FaceMask(int i, int j) { return {41 * i + 1, 51 * j + 313, 41 * i + 41, 51 * j + 363}; }
}  // namespace tileset

constexpr int BoardPictureWidth = 704;
constexpr int BoardPictureHeight = 468;
// The tileset picture's size until a file is loaded.
constexpr int SheetWidth = 800;
constexpr int SheetHeight = 600;
// The ready-made tiles: nine columns and five rows of tile boxes, and nothing more, since every
// picture counts against the game's memory.
constexpr int TileSheetWidth = 9 * TileBoxWidth;
constexpr int TileSheetHeight = 5 * TileBoxHeight;

// A picture too small for the tileset layout (at `scale`) is read as black where it has no pixels.
void PadTilesetPicture(Picture& picture, int scale = 1);

// Lays every face onto the blank tile, so one mask and one copy draw a whole tile. Both pictures
// are at `scale`.
void ChangeTexture(const Picture& tilesetPicture, Picture& tileSheet, int scale = 1);

// Covers the background with `pic`: once at (0,0) when it is at least as large, else repeated.
void TileBackground(Picture& background, const Picture& pic);

// Solid teal inside a 1-pixel black frame, `scale` pixels at `scale`: the "None" background.
void PlainBackground(Picture& background, int scale = 1);

// Copies `src` through its mask: AND the mask (black = opaque), then OR the picture.
struct MaskedImage {
  Picture image;
  Picture mask;
  int width() const { return image.width(); }
  int height() const { return image.height(); }
};
void DrawTransparent(Picture& dst, int x, int y, const MaskedImage& piece);

// The grey shadow pieces: vertical 1..5 (10 x 20) and the horizontal one (20 x 10).
struct ShadowPieces {
  MaskedImage vertical[6];  // index 0 unused, as in the image list
  MaskedImage horizontal;
  // Stippled: every other pixel grey, drawn through the mask. Translucent: the whole area the
  // stipple spans, each pixel halfway to the grey, and an area two pieces share shaded once.
  bool translucent = false;
};
// At 1x the stipple; from 2x on, where one dot would be a block of K x K pixels (a screen door),
// the translucent shade of the same areas (each 1x pixel a K x K block), which the stipple only
// stood for.
const ShadowPieces& Shadows(int scale = 1);

// The translucent pieces drawn at (x, y) of `dst` (where they are opaque, within its drawable
// area): the pixels any of them covers once halfway to the piece's grey.
struct PlacedPiece {
  int x, y;
  const MaskedImage* piece;
};
void DrawShade(Picture& dst, const PlacedPiece* pieces, int count);

}  // namespace velmor
