#include "display/Tileset.h"

#include <algorithm>
#include <mutex>

#include "board/Tiles.h"
#include "display/Scale.h"

namespace velmor {

void ChangeTexture(const Picture& t, Picture& sheet, int k) {
  using namespace tileset;
  const Rect blank = BlankTile.Scaled(k);
  const int w = TileBoxWidth * k, h = TileBoxHeight * k, faceW = FaceWidth * k, faceH = FaceHeight * k;
  for (int face = 1; face <= FaceTotal; ++face) {
    const SheetCell cell = FaceCell(face);
    const int sx = w * cell.column, sy = h * cell.row;
    const Rect mask = FaceMask(cell.column, cell.row).Scaled(k), pic = FacePicture(cell.column, cell.row).Scaled(k);
    BitBlt(sheet, sx, sy, w, h, t, blank.left, blank.top, RasterOp::SRCCOPY);
    BitBlt(sheet, sx + EdgeWidth * k, sy, faceW, faceH, t, mask.left, mask.top, RasterOp::SRCAND);
    BitBlt(sheet, sx + EdgeWidth * k, sy, faceW, faceH, t, pic.left, pic.top, RasterOp::SRCPAINT);
  }
}

void PadTilesetPicture(Picture& picture, int k) {
  using namespace tileset;
  const int minWidth = MinWidth * k, minHeight = MinHeight * k;
  if (picture.width() >= minWidth && picture.height() >= minHeight) return;
  Picture padded(std::max(picture.width(), minWidth), std::max(picture.height(), minHeight), 0);
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

void PlainBackground(Picture& bg, int k) {
  bg.Fill({0, 0, bg.width(), bg.height()}, Pixel({0x808000}));
  bg.Frame({0, 0, bg.width(), bg.height()}, Pixel({0x000000}), k);
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

const ShadowPieces& Shadows(int k) {
  static const ShadowPieces pieces = BuildShadows();
  if (k <= 1) return pieces;
  // Built on first use only: most players never leave one scale.
  static std::once_flag built[MaxScale + 1];
  static ShadowPieces enlarged[MaxScale + 1];
  k = std::min(k, MaxScale);
  std::call_once(built[k], [k] {
    auto enlarge = [k](const MaskedImage& m) {
      return MaskedImage{EnlargeByRepetition(m.image, k), EnlargeByRepetition(m.mask, k)};
    };
    for (int i = 0; i < 6; ++i) enlarged[k].vertical[i] = enlarge(pieces.vertical[i]);
    enlarged[k].horizontal = enlarge(pieces.horizontal);
  });
  return enlarged[k];
}

}  // namespace velmor
