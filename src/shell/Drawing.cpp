// Redrawing the board: the marks of the game in progress handed to the renderer, and the
// highlight options.
#include <algorithm>

#include "shell/TVelmor.h"

namespace velmor {

BoardRenderer TVelmor::Renderer() const {
  return BoardRenderer({TilesetPicture, TileSheet, BackgroundImage, Shadows.Checked()}, BoardOriginX, BoardOriginY,
                       Scale);
}

BoardMarks TVelmor::Marks() const {
  BoardMarks marks;
  marks.picked1 = FirstTile;
  marks.picked2 = SecondTile;
  marks.hintA = HintTileA;
  marks.hintB = HintTileB;
  marks.hover = HoverTile;
  marks.cursor = Keys.Tile();
  marks.highlight = HighlightMode;
  marks.pen = PenColor;
  marks.invert = Invert.Checked();
  marks.editing = Play.Editing();
  marks.ghost = EditorGhost;
  marks.slideInProgress = PathFound;
  return marks;
}

Rect TVelmor::TileBox(const Place& p) const { return Renderer().TileBox(p); }

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

void TVelmor::RedrawTaken(const Place& a, const Place& b) {
  // The flat game's slide and the last pair (the board is cleared) change more than two places.
  if (Play.Is(GameKind::Flat) || Board.TilesLeft == 0) {
    FullRedraw();
    return;
  }
  // Only the two places change, and the shadows they cast on the faces of the layer below: at a
  // large size a whole board redrawn (and brought to the window's scale) costs many times more.
  const BoardRenderer renderer = Renderer();
  for (const Place& p : {a, b}) {
    const Rect own = renderer.TileBox(p);
    const Rect first = renderer.TileBox({p.column - 1, p.row - 1, p.layer - 1});
    const Rect last = renderer.TileBox({p.column + 2, p.row + 2, p.layer - 1});
    RedrawBox = {std::min({own.left, first.left}), std::min({own.top, first.top}), std::max({own.right, last.right}),
                 std::max({own.bottom, last.bottom})};
    Redraw();
  }
  RedrawBox = NoBox;
}

void TVelmor::Redraw() {
  if (RefreshHallPanel) ShowPanelHOF();
  // A paused or finished game shows the bare background, never its tiles.
  if (BoardCleared || Play.Paused()) {
    ShowFond();
    return;
  }
  // A partial redraw draws the overlapping tiles only inside the box, so FrameBuffer always
  // holds exactly what a full redraw would: the window can show it as it is.
  const bool partial = RedrawBox.bottom != -1;
  if (partial) {
    Renderer().Compose(FrameBuffer, Board.BoardGrid, Marks(), RedrawBox);
    platform.PresentBoard(FrameBuffer, RedrawBox);
  } else {
    Renderer().Compose(FrameBuffer, Board.BoardGrid, Marks());
    platform.PresentBoard(FrameBuffer, {0, 0, FrameBuffer.width(), FrameBuffer.height()});
  }
}

void TVelmor::ShowIt(int c, int r, int l, int v) {
  Renderer().DrawTile(FrameBuffer, Board.BoardGrid, Marks(), c, r, l, v, RedrawBox.bottom != -1 ? &RedrawBox : nullptr);
}

void TVelmor::ShowFond() {
  platform.PresentBoard(BackgroundImage, {0, 0, BackgroundImage.width(), BackgroundImage.height()});
}

void TVelmor::ColorHighlight() {
  if (Highlight2.Checked()) {
    HighlightMode = HighlightRedFrame;
    PenColor = RedPen;
  }
  if (Highlight4.Checked()) {
    HighlightMode = HighlightGreenFrame;
    PenColor = GreenPen;
  }
  if (Highlight5.Checked()) {
    HighlightMode = HighlightBlueFrame;
    PenColor = BluePen;
  }
}

void TVelmor::ClearHover() {
  const int hovered = HoverTile;
  HoverTile = 0;
  if (hovered) RedrawTile(hovered);
}

void TVelmor::Highlight1Click() {
  ClearHover();
  HighlightMode = HighlightNone;
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5})
    item->SetChecked(item == &Highlight1);
}

void TVelmor::Highlight2Click(MenuItem& sender) {
  ClearHover();
  Highlight1.SetChecked(false);
  Highlight3.SetChecked(false);
  for (MenuItem* item : {&Highlight2, &Highlight4, &Highlight5}) item->SetChecked(item->Caption() == sender.Caption());
  ColorHighlight();
}

void TVelmor::Highlight3Click() {
  ClearHover();
  HighlightMode = HighlightColoredTile;
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5})
    item->SetChecked(item == &Highlight3);
}

void TVelmor::ShadowsClick() {
  Shadows.Toggle();
  FullRedraw();
}

}  // namespace velmor
