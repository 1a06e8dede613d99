#include "display/Tileset.h"

#include <algorithm>

#include "board/Tiles.h"

namespace velmor {

void ChangeTexture(const Picture& t, Picture& sheet) {
  using namespace tileset;
  for (int face = 1; face <= FaceTotal; ++face) {
    const SheetCell cell = FaceCell(face);
    const int sx = TileBoxWidth * cell.column, sy = TileBoxHeight * cell.row;
    const Rect mask = FaceMask(cell.column, cell.row), pic = FacePicture(cell.column, cell.row);
    BitBlt(sheet, sx, sy, TileBoxWidth, TileBoxHeight, t, BlankTile.left, BlankTile.top, RasterOp::SRCCOPY);
    BitBlt(sheet, sx + EdgeWidth, sy, FaceWidth, FaceHeight, t, mask.left, mask.top, RasterOp::SRCAND);
    BitBlt(sheet, sx + EdgeWidth, sy, FaceWidth, FaceHeight, t, pic.left, pic.top, RasterOp::SRCPAINT);
  }
}

void PadTilesetPicture(Picture& picture) {
  using namespace tileset;
  if (picture.width() >= MinWidth && picture.height() >= MinHeight) return;
  Picture padded(std::max(picture.width(), MinWidth), std::max(picture.height(), MinHeight), 0);
  BitBlt(padded, 0, 0, picture.width(), picture.height(), picture, 0, 0, RasterOp::SRCCOPY);
  picture = std::move(padded);
}

void TileBackground(Picture& bg, const Picture& pic) {
  const int w = pic.width(), h = pic.height();
  if (w >= bg.width() && h >= bg.height()) {
    BitBlt(bg, 0, 0, w, h, pic, 0, 0, RasterOp::SRCCOPY);
    return;
  }
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < bg.height(); y += h)
    for (int x = 0; x < bg.width(); x += w) BitBlt(bg, x, y, w, h, pic, 0, 0, RasterOp::SRCCOPY);
}

void PlainBackground(Picture& bg) {
  bg.Fill({0, 0, bg.width(), bg.height()}, Pixel({0x808000}));
  bg.Frame({0, 0, bg.width(), bg.height()}, Pixel({0x000000}));
}

void DrawTransparent(Picture& dst, int x, int y, const MaskedImage& piece) {
  MaskBlt(dst, x, y, piece.width(), piece.height(), piece.mask, 0, 0, piece.image, 0, 0);
}

namespace {
template <class Opaque>
MaskedImage MakePiece(int w, int h, Opaque&& opaque) {
  constexpr uint32_t Grey = Rgb(123, 123, 123), White = Rgb(255, 255, 255);
  MaskedImage piece{Picture(w, h, 0), Picture(w, h, White)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (opaque(x, y)) {
        piece.image.set(x, y, Grey);
        piece.mask.set(x, y, 0);
      }
  return piece;
}

ShadowPieces BuildShadows() {
  ShadowPieces s;
  auto even = [](int x, int y) { return (x + y) % 2 == 0; };
  s.vertical[1] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && even(x, y); });
  s.vertical[0] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && even(x, y); });
  s.vertical[2] = MakePiece(10, 20, [&](int x, int y) { return !even(x, y); });
  s.vertical[3] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && x >= y && even(x, y); });
  s.vertical[4] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && x <= y && even(x, y); });
  s.vertical[5] = MakePiece(10, 20, [&](int x, int y) { return y < 15 && !even(x, y); });
  s.horizontal = MakePiece(20, 10, even);
  return s;
}
}  // namespace

const ShadowPieces& Shadows() {
  static const ShadowPieces pieces = BuildShadows();
  return pieces;
}

}  // namespace velmor
