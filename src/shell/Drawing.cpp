// Composing the board picture: background, tiles back to front, marks and shadows.
#include "board/Tiles.h"
#include "display/Tileset.h"
#include "shell/TVelmor.h"

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

const Picture& WhiteFace() {
  static const Picture filled(FaceWidth, FaceHeight, Rgb(255, 255, 255));
  return filled;
}

}  // namespace

Rect TVelmor::TileBox(const Place& p) const {
  const int x = BoardOriginX + TileLeft(p.column, p.layer);
  const int y = BoardOriginY + TileTop(p.row, p.layer);
  return {x, y, x + TileBoxWidth, y + TileBoxHeight};
}

void TVelmor::FullRedraw() {
  RedrawBox = NoBox;
  Redraw();
}

void TVelmor::RedrawTile(int tile) {
  if (tile < 0 || tile > TileTotal) return;
  RedrawBox = TileBox(Board.TilePlace[static_cast<size_t>(tile)]);
  Redraw();
  RedrawBox = NoBox;
}

void TVelmor::Redraw() {
  if (RefreshHallPanel) ShowPanelHOF();
  if (Board.TilesLeft == 0 && GameMode != ModeEditor && Clock.ElapsedSeconds > 0) BoardCleared = true;
  if (BoardCleared || GameMode == ModePaused) {
    GameOver();
    return;
  }
  const bool partial = RedrawBox.bottom != -1;
  if (partial)
    BitBlt(FrameBuffer, RedrawBox.left, RedrawBox.top, TileBoxWidth, TileBoxHeight, BackgroundImage,
           RedrawBox.left, RedrawBox.top, RasterOp::SRCCOPY);
  else
    BitBlt(FrameBuffer, 0, 0, BackgroundImage.width(), BackgroundImage.height(), BackgroundImage, 0, 0,
           RasterOp::SRCCOPY);

  // A partial redraw draws the overlapping tiles only inside the box, so FrameBuffer always
  // holds exactly what a full redraw would: the window can show it as it is.
  if (partial) FrameBuffer.SetClip(RedrawBox);
  const Grid& grid = Board.BoardGrid;
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int c = AnchorColumns; c >= 1; --c)
      for (int r = 1; r <= AnchorRows; ++r) {
        const uint8_t v = grid.at(c, r, l);
        if ((v >= 1 && v <= 154) || EditorGhost == Place{c, r, l}) ShowIt(c, r, l, v);
      }
  FrameBuffer.ClearClip();

  platform.PresentBoard(FrameBuffer, partial ? RedrawBox : Rect{0, 0, FrameBuffer.width(), FrameBuffer.height()});
}

void TVelmor::ShowIt(int c, int r, int l, int v) {
  const int X = BoardOriginX + 20 * c + 6 * l - 46;
  const int Y = BoardOriginY + 25 * r - 6 * l - 59;
  const Rect box{X - 6, Y, X + 40, Y + 56};
  if (RedrawBox.bottom != -1 && !box.Intersects(RedrawBox)) return;

  int sx = 0, sy = 0;
  const bool editing = GameMode == ModeEditor;
  if (!editing && v >= 1 && v <= TileTotal) {
    const SheetCell cell = FaceCell(FaceOfTile(v));
    sx = 46 * cell.column;
    sy = 56 * cell.row;
  }

  using namespace tileset;
  Picture& fb = FrameBuffer;
  const Grid& grid = Board.BoardGrid;
  // The tile half a column right and a row lower was drawn first: keep this tile's lower edge
  // off its face.
  if (grid.at(c + 1, r + 2, l) != 0 || EditorGhost == Place{c + 1, r + 2, l}) {
    MaskBlt(fb, X - 6, Y, 46, 50, TilesetPicture, TileMaskTop.left, TileMaskTop.top, TileSheet, sx, sy);
    BitBlt(fb, X - 6, Y + 50, 21, 6, TileSheet, sx, sy + 50, RasterOp::SRCCOPY);
    MaskBlt(fb, X + 15, Y + 50, 6, 6, TilesetPicture, TileMaskCorner.left, TileMaskCorner.top, TileSheet, sx + 40,
            sy + 50);
  } else {
    MaskBlt(fb, X - 6, Y, 46, 56, TilesetPicture, TileMask.left, TileMask.top, TileSheet, sx, sy);
  }

  if (editing) {
    const Rect face = EditorGhost == Place{c, r, l} ? PickedFace : BlankFace;
    BitBlt(fb, X, Y, 40, 50, TilesetPicture, face.left, face.top, RasterOp::SRCCOPY);
  } else if (!PathFound) {
    const bool picked = v == FirstTile || v == SecondTile;
    const bool marked = picked || v == HintTileA || v == HintTileB || (v == HoverTile && HighlightMode == 2);
    if (marked) {
      if (Invert.Checked()) {
        BitBlt(fb, X, Y, 40, 50, WhiteFace(), 0, 0, RasterOp::SRCINVERT);
      } else {
        const Rect ground = picked ? PickedFace : HintedFace;
        const SheetCell cell = FaceCell(FaceOfTile(v));
        const Rect mask = FaceMask(cell.column, cell.row), pic = FacePicture(cell.column, cell.row);
        BitBlt(fb, X, Y, 40, 50, TilesetPicture, ground.left, ground.top, RasterOp::SRCCOPY);
        BitBlt(fb, X, Y, 40, 50, TilesetPicture, mask.left, mask.top, RasterOp::SRCAND);
        BitBlt(fb, X, Y, 40, 50, TilesetPicture, pic.left, pic.top, RasterOp::SRCPAINT);
      }
    }
    if (v == HoverTile && HighlightMode != 2) fb.PenRectangle({X + 1, Y + 1, X + 39, Y + 49}, 3, PenColor);
  }

  if (Shadows.Checked() && l <= 4 && c >= 2 && r >= 2) {
    const ShadowPieces& pieces = velmor::Shadows();
    for (const ShadowRule& rule : ShadowRules) {
      if (grid.at(c + rule.dc, r + rule.dr, l + 1) == 0) continue;
      for (int k = 0; k < rule.count; ++k) {
        const auto& p = rule.pieces[k];
        DrawTransparent(fb, X + p.dx, Y + p.dy, p.image ? pieces.vertical[p.image] : pieces.horizontal);
      }
    }
  }
}

void TVelmor::ShowFond() {
  platform.PresentBoard(BackgroundImage, {0, 0, BackgroundImage.width(), BackgroundImage.height()});
}

void TVelmor::ColorHighlight() {
  if (Highlight2.Checked()) {
    HighlightMode = 1;
    PenColor = Pixel({0x0000FF});
  }
  if (Highlight4.Checked()) {
    HighlightMode = 3;
    PenColor = Pixel({0x008000});
  }
  if (Highlight5.Checked()) {
    HighlightMode = 4;
    PenColor = Pixel({0xFF0000});
  }
}

void TVelmor::ClearHover() {
  const int hovered = HoverTile;
  HoverTile = 0;
  if (hovered) RedrawTile(hovered);
}

void TVelmor::Highlight1Click() {
  ClearHover();
  HighlightMode = 0;
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5})
    item->SetChecked(item == &Highlight1);
}

void TVelmor::Highlight2Click(MenuItem& sender) {
  ClearHover();
  Highlight1.SetChecked(false);
  Highlight3.SetChecked(false);
  for (MenuItem* item : {&Highlight2, &Highlight4, &Highlight5})
    item->SetChecked(item->Caption() == sender.Caption());
  ColorHighlight();
}

void TVelmor::Highlight3Click() {
  ClearHover();
  HighlightMode = 2;
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5})
    item->SetChecked(item == &Highlight3);
}

void TVelmor::ShadowsClick() {
  Shadows.Toggle();
  FullRedraw();
}

}  // namespace velmor
