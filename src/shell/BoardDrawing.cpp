#include "shell/BoardDrawing.h"

#include <algorithm>

namespace velmor {

BoardRenderer BoardDrawing::Renderer() const {
  return BoardRenderer(
      {pictures_.TilesetPicture, pictures_.TileSheet, pictures_.BackgroundImage, menus_.Shadows.Checked()},
      pictures_.BoardOriginX, pictures_.BoardOriginY, pictures_.Scale);
}

BoardMarks BoardDrawing::Marks() const {
  BoardMarks marks;
  marks.picked1 = game_.FirstTile;
  marks.picked2 = game_.SecondTile;
  marks.hintA = game_.HintTileA;
  marks.hintB = game_.HintTileB;
  marks.hover = game_.HoverTile;
  marks.cursor = keys_.Tile();
  marks.highlight = pictures_.HighlightMode;
  marks.pen = pictures_.PenColor;
  marks.invert = menus_.Invert.Checked();
  marks.editing = game_.Play.Editing();
  marks.ghost = pictures_.EditorGhost;
  marks.slideInProgress = pictures_.PathFound;
  return marks;
}

Rect BoardDrawing::TileBox(const Place& p) const { return Renderer().TileBox(p); }

void BoardDrawing::RedrawTaken(const Place& a, const Place& b) {
  // The flat game's slide and the last pair (the board is cleared) change more than two places.
  if (game_.Play.Is(GameKind::Flat) || game_.Board.TilesLeft == 0) {
    hooks_.fullRedraw();
    return;
  }
  // Only the two places change, and the shadows they cast on the faces of the layer below: at a
  // large size a whole board redrawn (and brought to the window's scale) costs many times more.
  const BoardRenderer renderer = Renderer();
  for (const Place& p : {a, b}) {
    const Rect own = renderer.TileBox(p);
    const Rect first = renderer.TileBox({p.column - 1, p.row - 1, p.layer - 1});
    const Rect last = renderer.TileBox({p.column + 2, p.row + 2, p.layer - 1});
    pictures_.RedrawBox = {std::min({own.left, first.left}), std::min({own.top, first.top}),
                           std::max({own.right, last.right}), std::max({own.bottom, last.bottom})};
    Redraw();
  }
  pictures_.RedrawBox = pictures_.NoBox;
}

void BoardDrawing::Redraw() {
  hooks_.panelFirst();
  // A paused or finished game shows the bare background, never its tiles.
  if (game_.BoardCleared || game_.Play.Paused()) {
    ShowBackground();
    return;
  }
  // A partial redraw draws the overlapping tiles only inside the box, so FrameBuffer always
  // holds exactly what a full redraw would: the window can show it as it is.
  const bool partial = pictures_.RedrawBox.bottom != -1;
  pictures_.BackgroundShown = false;
  if (partial) {
    Renderer().Compose(pictures_.FrameBuffer, game_.Board.BoardGrid, Marks(), pictures_.RedrawBox);
    platform_.PresentBoard(pictures_.FrameBuffer, pictures_.RedrawBox);
  } else {
    Renderer().Compose(pictures_.FrameBuffer, game_.Board.BoardGrid, Marks());
    platform_.PresentBoard(pictures_.FrameBuffer,
                           {0, 0, pictures_.FrameBuffer.width(), pictures_.FrameBuffer.height()});
  }
}

void BoardDrawing::RedrawAll() {
  pictures_.RedrawBox = pictures_.NoBox;
  Redraw();
}

void BoardDrawing::RedrawTile(int tile) {
  if (tile < 0 || tile > TileTotal) return;
  pictures_.RedrawBox = TileBox(game_.Board.TilePlace[static_cast<size_t>(tile)]);
  Redraw();
  pictures_.RedrawBox = pictures_.NoBox;
}

void BoardDrawing::ShowBackground() {
  pictures_.BackgroundShown = true;
  platform_.PresentBoard(pictures_.BackgroundImage,
                         {0, 0, pictures_.BackgroundImage.width(), pictures_.BackgroundImage.height()});
}

}  // namespace velmor
