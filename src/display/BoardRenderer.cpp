#include "display/BoardRenderer.h"

#include <algorithm>
#include <thread>

#include "board/Tiles.h"
#include "display/Tileset.h"

namespace velmor {

namespace {

struct ShadowRule {
  int dc, dr;
  struct Piece {
    int image;  // 1..5: vertical pieces; 0: the horizontal one
    int dx, dy;
  } pieces[3];
  int count;
};

// A tile one layer up casts a stippled band onto the faces below it and to its right.
constexpr ShadowRule ShadowRules[16] = {
    {+1, -2, {{3, 20, 0}, {1, 30, 0}}, 2},
    {0, -2, {{3, 0, 0}, {0, 10, 0}, {1, 30, 0}}, 3},
    {-1, -2, {{0, 0, 0}, {4, 20, 0}}, 2},
    {-2, -2, {{4, 0, 0}}, 1},
    {+1, -1, {{3, 20, 25}, {1, 30, 25}}, 2},
    {0, -1, {{3, 0, 25}, {0, 10, 25}, {1, 30, 25}}, 3},
    {-1, -1, {{0, 0, 25}, {4, 20, 25}}, 2},
    {-2, -1, {{4, 0, 25}}, 1},
    {-2, +1, {{4, 0, 25}, {5, 0, 35}}, 2},
    {-2, 0, {{4, 0, 0}, {2, 0, 10}, {2, 0, 30}}, 3},
    {-2, -1, {{5, 0, 0}, {1, 0, 15}, {3, 0, 25}}, 3},
    {-2, -2, {{3, 0, 0}}, 1},
    {-1, +1, {{4, 20, 25}, {5, 20, 35}}, 2},
    {-1, 0, {{4, 20, 0}, {2, 20, 10}, {2, 20, 30}}, 3},
    {-1, -1, {{5, 20, 0}, {1, 20, 15}, {3, 20, 25}}, 3},
    {-1, -2, {{3, 20, 0}}, 1},
};
// The top layer has nothing above it; the first column and row lie under the picture's edges.
constexpr int LastShadedLayer = AnchorLayers - 1;

// The colour bits of `r` flipped, within what `picture` lets be drawn: the inverted marks.
void InvertColours(Picture& picture, Rect r) {
  const Rect area = picture.DrawableArea();
  r = {std::max(r.left, area.left), std::max(r.top, area.top), std::min(r.right, area.right),
       std::min(r.bottom, area.bottom)};
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* p = picture.row(y);
    for (int x = r.left; x < r.right; ++x) p[x] = (p[x] ^ 0xFFFFFF) & 0xFFFFFF;
  }
}

constexpr uint32_t CursorOuter = Rgb(0, 0, 0), CursorInner = Rgb(255, 196, 0);
// How wide the hover frame's pen is at 1x; the frame lies just inside the face.
constexpr int HoverPenWidth = 3;

}  // namespace

BoardRenderer::BoardRenderer(const BoardLooks& looks, int originX, int originY, int scale)
    : looks_(looks), originX_(originX), originY_(originY), k_(std::clamp(scale, 1, MaxScale)) {}

Rect BoardRenderer::TileBox(const Place& p) const {
  const int x = originX_ + TileLeft(p.column, p.layer);
  const int y = originY_ + TileTop(p.row, p.layer);
  return Rect{x, y, x + TileBoxWidth, y + TileBoxHeight}.Scaled(k_);
}

Rect BoardRenderer::TakenBox(const Place& p) const {
  Rect box = TileBox(p);
  const int l = p.layer - 1;
  if (!looks_.shadows || l < 1 || l > LastShadedLayer) return box;
  const ShadowPieces& pieces = Shadows(k_);
  // The pieces each tile below draws for a tile where `p` is, as DrawTile places them.
  for (const ShadowRule& rule : ShadowRules) {
    const int c = p.column - rule.dc, r = p.row - rule.dr;
    if (c < 2 || r < 2) continue;
    const int X = k_ * (originX_ + FaceLeft(c, l)), Y = k_ * (originY_ + TileTop(r, l));
    for (int i = 0; i < rule.count; ++i) {
      const auto& piece = rule.pieces[i];
      const MaskedImage& image = piece.image ? pieces.vertical[piece.image] : pieces.horizontal;
      const int x = X + k_ * piece.dx, y = Y + k_ * piece.dy;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + image.width()),
             std::max(box.bottom, y + image.height())};
    }
  }
  return box;
}

void BoardRenderer::Compose(Picture& frame, const Grid& grid, const BoardMarks& marks) const {
  const Picture& bg = looks_.background;
  if (k_ == 1) {
    // A frame that is the background still (just made for a new scale) is copied once, by the
    // first tile drawn, not twice.
    if (!frame.SharesPixelsWith(bg)) BitBlt(frame, 0, 0, bg.width(), bg.height(), bg, 0, 0, RasterOp::SRCCOPY);
    return DrawTiles(frame, grid, marks, nullptr);
  }
  // A whole board at 2x and up is drawn as an upper and a lower half side by side, each drawn
  // exactly as the whole composition leaves it there, its background copied by its own thread.
  // A frame that is the background still gets memory of its own that nobody has touched yet.
  if (frame.SharesPixelsWith(bg)) frame = Picture(bg.width(), bg.height());
  const int middle = frame.height() / 2;
  const Rect upper{0, 0, frame.width(), middle}, lower{0, middle, frame.width(), frame.height()};
  auto draw = [&](Picture part, const Rect& box) {
    part.SetClip(box);
    BitBlt(part, box.left, box.top, box.width(), box.height(), bg, box.left, box.top, RasterOp::SRCCOPY);
    DrawTiles(part, grid, marks, &box);
  };
  const Picture shared = frame.DrawingShared();
  std::thread other(draw, shared, upper);
  draw(shared, lower);
  other.join();
}

void BoardRenderer::Compose(Picture& frame, const Grid& grid, const BoardMarks& marks, const Rect& box) const {
  BitBlt(frame, box.left, box.top, box.width(), box.height(), looks_.background, box.left, box.top, RasterOp::SRCCOPY);
  frame.SetClip(box);
  DrawTiles(frame, grid, marks, &box);
  frame.ClearClip();
}

void BoardRenderer::DrawTiles(Picture& frame, const Grid& grid, const BoardMarks& marks, const Rect* box) const {
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int c = AnchorColumns; c >= 1; --c)
      for (int r = 1; r <= AnchorRows; ++r) {
        const uint8_t v = grid.at(c, r, l);
        if ((v >= 1 && v <= HighestTileValue) || marks.ghost == Place{c, r, l})
          DrawTile(frame, grid, marks, c, r, l, v, box);
      }
}

void BoardRenderer::DrawTile(Picture& fb, const Grid& grid, const BoardMarks& marks, int c, int r, int l, int v,
                             const Rect* box) const {
  const int k = k_;
  // Every distance below is a 1x one times k.
  const int X = k * (originX_ + FaceLeft(c, l));
  const int Y = k * (originY_ + TileTop(r, l));
  const int edgeW = k * EdgeWidth, edgeH = k * EdgeHeight, faceW = k * FaceWidth, faceH = k * FaceHeight;
  const int boxW = k * TileBoxWidth, boxH = k * TileBoxHeight;
  const Rect tileBox{X - edgeW, Y, X + faceW, Y + boxH};
  if (box && !tileBox.Intersects(*box)) return;

  int sx = 0, sy = 0;
  if (!marks.editing && v >= 1 && v <= TileTotal) {
    const SheetCell cell = FaceCell(FaceOfTile(v));
    sx = boxW * cell.column;
    sy = boxH * cell.row;
  }

  using namespace tileset;
  const Picture& tiles = looks_.tilesetPicture;
  const Picture& sheet = looks_.tileSheet;
  // The tile half a column right and a row lower was drawn first: keep this tile's lower edge
  // off its face.
  if (grid.at(c + 1, r + 2, l) != 0 || marks.ghost == Place{c + 1, r + 2, l}) {
    const int uncovered = k * (EdgeWidth + 15);  // the part of the lower edge left of that face
    const Rect top = TileMaskTop.Scaled(k), corner = TileMaskCorner.Scaled(k);
    MaskBlt(fb, X - edgeW, Y, boxW, faceH, tiles, top.left, top.top, sheet, sx, sy);
    BitBlt(fb, X - edgeW, Y + faceH, uncovered, edgeH, sheet, sx, sy + faceH, RasterOp::SRCCOPY);
    MaskBlt(fb, X - edgeW + uncovered, Y + faceH, edgeW, edgeH, tiles, corner.left, corner.top, sheet,
            sx + boxW - edgeW, sy + faceH);
  } else {
    const Rect mask = TileMask.Scaled(k);
    MaskBlt(fb, X - edgeW, Y, boxW, boxH, tiles, mask.left, mask.top, sheet, sx, sy);
  }

  if (marks.editing) {
    const Rect face = (marks.ghost == Place{c, r, l} ? PickedFace : BlankFace).Scaled(k);
    BitBlt(fb, X, Y, faceW, faceH, tiles, face.left, face.top, RasterOp::SRCCOPY);
  } else if (!marks.slideInProgress) {
    const bool picked = v == marks.picked1 || v == marks.picked2;
    const bool marked =
        picked || v == marks.hintA || v == marks.hintB || (v == marks.hover && marks.highlight == HighlightColoredTile);
    if (marked) {
      if (marks.invert) {
        InvertColours(fb, {X, Y, X + faceW, Y + faceH});
      } else {
        const Rect ground = (picked ? PickedFace : HintedFace).Scaled(k);
        const SheetCell cell = FaceCell(FaceOfTile(v));
        const Rect mask = FaceMask(cell.column, cell.row).Scaled(k);
        const Rect pic = FacePicture(cell.column, cell.row).Scaled(k);
        BitBlt(fb, X, Y, faceW, faceH, tiles, ground.left, ground.top, RasterOp::SRCCOPY);
        BitBlt(fb, X, Y, faceW, faceH, tiles, mask.left, mask.top, RasterOp::SRCAND);
        BitBlt(fb, X, Y, faceW, faceH, tiles, pic.left, pic.top, RasterOp::SRCPAINT);
      }
    }
    if (v == marks.hover && marks.highlight != HighlightColoredTile)
      fb.Frame({X, Y, X + faceW, Y + faceH}, marks.pen, k * HoverPenWidth);
    // Two colours, so the keyboard's frame stands out on light and dark faces and marks alike.
    if (v == marks.cursor) {
      fb.Frame({X, Y, X + faceW, Y + faceH}, CursorOuter, k * 4);
      fb.Frame({X + k, Y + k, X + faceW - k, Y + faceH - k}, CursorInner, k * 2);
    }
  }

  if (looks_.shadows && l <= LastShadedLayer && c >= 2 && r >= 2) {
    const ShadowPieces& pieces = Shadows(k);
    PlacedPiece placed[16 * 3];
    int count = 0;
    for (const ShadowRule& rule : ShadowRules) {
      if (grid.at(c + rule.dc, r + rule.dr, l + 1) == 0) continue;
      for (int i = 0; i < rule.count; ++i) {
        const auto& p = rule.pieces[i];
        const MaskedImage& piece = p.image ? pieces.vertical[p.image] : pieces.horizontal;
        if (pieces.translucent)
          placed[count++] = {X + k * p.dx, Y + k * p.dy, &piece};
        else
          DrawTransparent(fb, X + k * p.dx, Y + k * p.dy, piece);
      }
    }
    DrawShade(fb, placed, count);
  }
}

}  // namespace velmor
