// Redrawing the board: the marks of the game in progress handed to the renderer.
#include <algorithm>

#include "shell/TVelmor.h"

namespace velmor {

BoardRenderer TVelmor::Renderer() const {
  return BoardRenderer({Pictures.TilesetPicture, Pictures.TileSheet, Pictures.BackgroundImage, Menus.Shadows.Checked()},
                       Pictures.BoardOriginX, Pictures.BoardOriginY, Pictures.Scale);
}

BoardMarks TVelmor::Marks() const {
  BoardMarks marks;
  marks.picked1 = Current.FirstTile;
  marks.picked2 = Current.SecondTile;
  marks.hintA = Current.HintTileA;
  marks.hintB = Current.HintTileB;
  marks.hover = Current.HoverTile;
  marks.cursor = Keys.Tile();
  marks.highlight = Pictures.HighlightMode;
  marks.pen = Pictures.PenColor;
  marks.invert = Menus.Invert.Checked();
  marks.editing = Current.Play.Editing();
  marks.ghost = Pictures.EditorGhost;
  marks.slideInProgress = Pictures.PathFound;
  return marks;
}

Rect TVelmor::TileBox(const Place& p) const { return Renderer().TileBox(p); }

void TVelmor::FullRedraw() {
  Pictures.RedrawBox = Pictures.NoBox;
  Redraw();
}

void TVelmor::RedrawTile(int tile) {
  if (tile < 0 || tile > TileTotal) return;
  Pictures.RedrawBox = TileBox(Current.Board.TilePlace[static_cast<size_t>(tile)]);
  Redraw();
  Pictures.RedrawBox = Pictures.NoBox;
}

void TVelmor::RedrawTaken(const Place& a, const Place& b) {
  // The flat game's slide and the last pair (the board is cleared) change more than two places.
  if (Current.Play.Is(GameKind::Flat) || Current.Board.TilesLeft == 0) {
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
    Pictures.RedrawBox = {std::min({own.left, first.left}), std::min({own.top, first.top}),
                          std::max({own.right, last.right}), std::max({own.bottom, last.bottom})};
    Redraw();
  }
  Pictures.RedrawBox = Pictures.NoBox;
}

void TVelmor::Redraw() {
  if (Panel.Stale) ShowPanelHOF();
  // A paused or finished game shows the bare background, never its tiles.
  if (Current.BoardCleared || Current.Play.Paused()) {
    ShowFond();
    return;
  }
  // A partial redraw draws the overlapping tiles only inside the box, so FrameBuffer always
  // holds exactly what a full redraw would: the window can show it as it is.
  const bool partial = Pictures.RedrawBox.bottom != -1;
  Pictures.BackgroundShown = false;
  if (partial) {
    Renderer().Compose(Pictures.FrameBuffer, Current.Board.BoardGrid, Marks(), Pictures.RedrawBox);
    platform.PresentBoard(Pictures.FrameBuffer, Pictures.RedrawBox);
  } else {
    Renderer().Compose(Pictures.FrameBuffer, Current.Board.BoardGrid, Marks());
    platform.PresentBoard(Pictures.FrameBuffer, {0, 0, Pictures.FrameBuffer.width(), Pictures.FrameBuffer.height()});
  }
}

void TVelmor::ShowIt(int c, int r, int l, int v) {
  Renderer().DrawTile(Pictures.FrameBuffer, Current.Board.BoardGrid, Marks(), c, r, l, v,
                      Pictures.RedrawBox.bottom != -1 ? &Pictures.RedrawBox : nullptr);
}

void TVelmor::SetBoardScale(int scale) {
  if (!Looks.SetScale(scale)) return;
  // What was on the board is shown again: the background alone once a game is stopped or over.
  if (Current.Play.Stopped() || Current.Play.Over())
    ShowFond();
  else if (!Current.Play.Idle())
    Redraw();
  ShowPanelHOF();
  if (!Menus.ShowHallFame.Checked()) Pictures.SaveHof = Pictures.HofPic;
}

void TVelmor::ShowFond() {
  Pictures.BackgroundShown = true;
  platform.PresentBoard(Pictures.BackgroundImage,
                        {0, 0, Pictures.BackgroundImage.width(), Pictures.BackgroundImage.height()});
}

void TVelmor::ShadowsClick() {
  Menus.Shadows.Toggle();
  FullRedraw();
}

}  // namespace velmor
