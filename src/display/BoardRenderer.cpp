#include "display/BoardRenderer.h"

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

const Picture& WhiteFace() {
  static const Picture filled(FaceWidth, FaceHeight, Rgb(255, 255, 255));
  return filled;
}

}  // namespace

Rect BoardRenderer::TileBox(const Place& p) const {
  const int x = originX_ + TileLeft(p.column, p.layer);
  const int y = originY_ + TileTop(p.row, p.layer);
  return {x, y, x + TileBoxWidth, y + TileBoxHeight};
}

void BoardRenderer::Compose(Picture& frame, const Grid& grid, const BoardMarks& marks) const {
  const Picture& bg = looks_.background;
  BitBlt(frame, 0, 0, bg.width(), bg.height(), bg, 0, 0, RasterOp::SRCCOPY);
  DrawTiles(frame, grid, marks, nullptr);
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
  const int X = originX_ + FaceLeft(c, l);
  const int Y = originY_ + TileTop(r, l);
  const Rect tileBox{X - EdgeWidth, Y, X + FaceWidth, Y + TileBoxHeight};
  if (box && !tileBox.Intersects(*box)) return;

  int sx = 0, sy = 0;
  if (!marks.editing && v >= 1 && v <= TileTotal) {
    const SheetCell cell = FaceCell(FaceOfTile(v));
    sx = TileBoxWidth * cell.column;
    sy = TileBoxHeight * cell.row;
  }

  using namespace tileset;
  const Picture& tiles = looks_.tilesetPicture;
  const Picture& sheet = looks_.tileSheet;
  // The tile half a column right and a row lower was drawn first: keep this tile's lower edge
  // off its face.
  if (grid.at(c + 1, r + 2, l) != 0 || marks.ghost == Place{c + 1, r + 2, l}) {
    constexpr int Uncovered = EdgeWidth + 15;  // the part of the lower edge left of that face
    MaskBlt(fb, X - EdgeWidth, Y, TileBoxWidth, FaceHeight, tiles, TileMaskTop.left, TileMaskTop.top, sheet, sx, sy);
    BitBlt(fb, X - EdgeWidth, Y + FaceHeight, Uncovered, EdgeHeight, sheet, sx, sy + FaceHeight, RasterOp::SRCCOPY);
    MaskBlt(fb, X - EdgeWidth + Uncovered, Y + FaceHeight, EdgeWidth, EdgeHeight, tiles, TileMaskCorner.left,
            TileMaskCorner.top, sheet, sx + TileBoxWidth - EdgeWidth, sy + FaceHeight);
  } else {
    MaskBlt(fb, X - EdgeWidth, Y, TileBoxWidth, TileBoxHeight, tiles, TileMask.left, TileMask.top, sheet, sx, sy);
  }

  if (marks.editing) {
    const Rect face = marks.ghost == Place{c, r, l} ? PickedFace : BlankFace;
    BitBlt(fb, X, Y, FaceWidth, FaceHeight, tiles, face.left, face.top, RasterOp::SRCCOPY);
  } else if (!marks.slideInProgress) {
    const bool picked = v == marks.picked1 || v == marks.picked2;
    const bool marked =
        picked || v == marks.hintA || v == marks.hintB || (v == marks.hover && marks.highlight == HighlightColoredTile);
    if (marked) {
      if (marks.invert) {
        BitBlt(fb, X, Y, FaceWidth, FaceHeight, WhiteFace(), 0, 0, RasterOp::SRCINVERT);
      } else {
        const Rect ground = picked ? PickedFace : HintedFace;
        const SheetCell cell = FaceCell(FaceOfTile(v));
        const Rect mask = FaceMask(cell.column, cell.row), pic = FacePicture(cell.column, cell.row);
        BitBlt(fb, X, Y, FaceWidth, FaceHeight, tiles, ground.left, ground.top, RasterOp::SRCCOPY);
        BitBlt(fb, X, Y, FaceWidth, FaceHeight, tiles, mask.left, mask.top, RasterOp::SRCAND);
        BitBlt(fb, X, Y, FaceWidth, FaceHeight, tiles, pic.left, pic.top, RasterOp::SRCPAINT);
      }
    }
    if (v == marks.hover && marks.highlight != HighlightColoredTile)
      fb.PenRectangle({X + 1, Y + 1, X + FaceWidth - 1, Y + FaceHeight - 1}, 3, marks.pen);
  }

  if (looks_.shadows && l <= LastShadedLayer && c >= 2 && r >= 2) {
    const ShadowPieces& pieces = Shadows();
    for (const ShadowRule& rule : ShadowRules) {
      if (grid.at(c + rule.dc, r + rule.dr, l + 1) == 0) continue;
      for (int k = 0; k < rule.count; ++k) {
        const auto& p = rule.pieces[k];
        DrawTransparent(fb, X + p.dx, Y + p.dy, p.image ? pieces.vertical[p.image] : pieces.horizontal);
      }
    }
  }
}

}  // namespace velmor
