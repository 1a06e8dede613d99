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
// No picture pixel has its top byte set: the mark of a pixel no piece covers.
constexpr uint32_t NoShade = 0xFF000000u;

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

// `stippled` false: the areas the stipple spans, every pixel of them.
ShadowPieces BuildShadows(bool stippled = true) {
  ShadowPieces s;
  auto even = [stippled](int x, int y) { return !stippled || (x + y) % 2 == 0; };
  auto odd = [stippled](int x, int y) { return !stippled || (x + y) % 2 != 0; };
  s.vertical[1] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && even(x, y); });
  s.vertical[0] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && even(x, y); });
  s.vertical[2] = MakePiece(10, 20, [&](int x, int y) { return odd(x, y); });
  s.vertical[3] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && x >= y && even(x, y); });
  s.vertical[4] = MakePiece(10, 20, [&](int x, int y) { return y < 10 && x <= y && even(x, y); });
  s.vertical[5] = MakePiece(10, 20, [&](int x, int y) { return y < 15 && odd(x, y); });
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
    const ShadowPieces areas = BuildShadows(false);
    for (int i = 0; i < 6; ++i) enlarged[k].vertical[i] = enlarge(areas.vertical[i]);
    enlarged[k].horizontal = enlarge(areas.horizontal);
    enlarged[k].translucent = true;
  });
  return enlarged[k];
}

namespace {

// Each shaded pixel halfway to its grey, the others as they are; without a branch a pixel, the
// compiler does several at once.
VELMOR_WIDE_VECTORS void ShadeRow(uint32_t* __restrict d, const uint32_t* __restrict g, int w) {
  for (int x = 0; x < w; ++x) {
    const uint32_t shade = g[x], px = d[x];
    const uint32_t half = Rgb((RedOf(px) + RedOf(shade) + 1) / 2, (GreenOf(px) + GreenOf(shade) + 1) / 2,
                              (BlueOf(px) + BlueOf(shade) + 1) / 2);
    d[x] = shade == NoShade ? px : half;
  }
}

}  // namespace

void DrawShade(Picture& dst, const PlacedPiece* pieces, int count) {
  if (count <= 0) return;
  Rect all = {pieces[0].x, pieces[0].y, pieces[0].x, pieces[0].y};
  for (int i = 0; i < count; ++i) {
    const PlacedPiece& p = pieces[i];
    all = {std::min(all.left, p.x), std::min(all.top, p.y), std::max(all.right, p.x + p.piece->width()),
           std::max(all.bottom, p.y + p.piece->height())};
  }
  const Rect area = dst.DrawableArea();
  const Rect clip{std::max(all.left, area.left), std::max(all.top, area.top), std::min(all.right, area.right),
                  std::min(all.bottom, area.bottom)};
  if (clip.empty()) return;
  // Which pixels any piece covers, and the grey there, first; then each of them shaded once.
  thread_local std::vector<uint32_t> grey;
  const size_t w = static_cast<size_t>(clip.width());
  grey.assign(w * static_cast<size_t>(clip.height()), NoShade);
  for (int i = 0; i < count; ++i) {
    const PlacedPiece& p = pieces[i];
    const int top = std::max(p.y, clip.top), bottom = std::min(p.y + p.piece->height(), clip.bottom);
    const int left = std::max(p.x, clip.left), right = std::min(p.x + p.piece->width(), clip.right);
    for (int y = top; y < bottom; ++y) {
      const uint32_t* mask = p.piece->mask.row(y - p.y);
      const uint32_t* image = p.piece->image.row(y - p.y);
      uint32_t* g = grey.data() + static_cast<size_t>(y - clip.top) * w;
      for (int x = left; x < right; ++x)
        if ((mask[x - p.x] & 0xFFFFFF) == 0) g[x - clip.left] = image[x - p.x];
    }
  }
  for (int y = clip.top; y < clip.bottom; ++y)
    ShadeRow(dst.row(y) + clip.left, grey.data() + static_cast<size_t>(y - clip.top) * w, clip.width());
}

}  // namespace velmor
