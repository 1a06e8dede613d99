// The board and the side panel as the window shows them: drawn by the game at a whole scale,
// brought to the exact size the window has room for, centred, with the background repeated
// around them. Pointer positions are handed to the game in 1x board pixels at every size.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

class QPainter;
class QTimer;

#include "base/Say.h"
#include "display/Picture.h"
#include "display/Scale.h"
#include "shell/TVelmor.h"

namespace velmor {

// One picture of the game (the board or the side panel). `scale` is how many device pixels one
// 1x pixel covers; the game's picture has `k` pixels for it. When the two differ the picture is
// reduced by area averaging (or, past the largest scale, enlarged smoothly).
class PictureView : public QWidget {
 public:
  PictureView(int width, int height, QWidget* parent);
  // What the view shows now, at the game picture's resolution when it is shown 1:1.
  QImage Shown() const;
  // Shows `area` (in the picture's pixels) of `picture` at the same place and repaints that part.
  void Present(const Picture& picture, const Rect& area);
  void SetScale(double scale, int k);
  // Paints what Present changed since the last paint at once, and puts it on the screen.
  void ShowPending();
  double Scale() const { return scale_; }
  QSize BaseSize() const { return base_; }
  std::function<void(Qt::MouseButton, QPoint)> onPress;  // in 1x pixels
  std::function<void(QPoint)> onMove;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  bool Reducing() const { return scale_ < k_; }
  // What the view shows, at the picture's scale: the game's picture or the view's own mix.
  const Picture* Truth() const;
  void Draw(QPainter& p, const QRect& area);
  QPoint ToBase(QPointF at) const;
  QSize base_;
  double scale_ = 1;
  int k_ = 1;
  const Picture* source_ = nullptr;
  QRegion pending_;  // asked to be painted by Present, not painted yet
  Picture mixed_;
  // From the picture's size to the view's in device pixels, between scales and past the largest;
  // worked out as it is painted, so that no copy at the window's size is kept.
  AreaReduction reduction_;
  SmoothEnlargement enlargement_;
  // The truth brought down to the view's size (for a look at what it shows, not for painting).
  Picture Reduced() const;
  void Changed(const QRect& area);  // in the view's coordinates
};

// The board's view: the one a screen reader reads tile by tile (platform/BoardAccessible).
class BoardView : public PictureView {
  VELMOR_SPEAKS(velmor)

 public:
  BoardView(TVelmor& game, QWidget* parent);
  TVelmor& Game() const { return game_; }
  // What the board showed when the view last looked (tiles, picks, hint), and the wait before a
  // screen reader is told.
  size_t shownTiles = 0;
  QTimer* settling = nullptr;

 private:
  TVelmor& game_;
};

class BoardArea : public QWidget {
  VELMOR_SPEAKS(velmor)

 public:
  BoardArea(TVelmor& game, QWidget* parent);
  BoardView* Board() const { return board_; }
  PictureView* Panel() const { return panel_; }
  // The size that shows the board at `scale` (device pixels per 1x pixel) with the panel if shown.
  QSize SizeFor(double scale) const;
  // The size that keeps the scale shown now: toggling a part of the window changes nothing else.
  QSize sizeHint() const override;
  double ShownScale() const { return shownScale_; }
  QSize minimumSizeHint() const override { return SizeFor(devicePixelRatioF() / 2); }
  // Places the pictures for the area's size and tells the game the scale to draw at.
  void Fit();
  // Repaints the margin around the pictures when the game's background has changed since.
  void FollowBackground();

 protected:
  void resizeEvent(QResizeEvent*) override;
  void paintEvent(QPaintEvent*) override;

 private:
  TVelmor& game_;
  BoardView* board_;
  PictureView* panel_;
  uint32_t surroundOf_ = 0;  // the background the margin around the pictures was painted with
  double shownScale_ = 0;    // 0 until the first fit: then the screen's own pixel ratio
};

}  // namespace velmor
