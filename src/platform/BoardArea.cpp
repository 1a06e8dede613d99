#include "platform/BoardArea.h"

#include "base/Say.h"
#include "platform/QtPictures.h"
#include "platform/Translation.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/Scale.h"

namespace velmor {

PictureView::PictureView(int width, int height, QWidget* parent) : QWidget(parent), base_(width, height) {
  setFixedSize(base_);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const Picture* PictureView::Truth() const {
  if (!mixed_.empty()) return &mixed_;
  // The game's picture is kept by reference; after a change of scale it may not have been made
  // again yet.
  if (source_ && source_->width() == base_.width() * k_ && source_->height() == base_.height() * k_) return source_;
  return nullptr;
}

Picture PictureView::Reduced() const {
  Picture out(reduction_.width(), reduction_.height());
  if (const Picture* truth = Truth()) reduction_.Into(*truth, out, {0, 0, out.width(), out.height()});
  return out;
}

QImage PictureView::Shown() const {
  if (Reducing()) return WrapPicture(Reduced()).copy();
  QImage out(base_.width() * k_, base_.height() * k_, QImage::Format_RGB32);
  out.fill(Qt::black);
  if (const Picture* truth = Truth()) {
    QPainter p(&out);
    p.drawImage(0, 0, WrapPicture(*truth));
  }
  return out;
}

void PictureView::SetScale(double scale, int k) {
  const double dpr = devicePixelRatioF();
  setFixedSize(static_cast<int>(std::lround(base_.width() * scale / dpr)),
               static_cast<int>(std::lround(base_.height() * scale / dpr)));
  if (scale == scale_ && k == k_) return;
  if (k != k_) mixed_ = Picture();
  scale_ = scale;
  k_ = k;
  reduction_ = Reducing() ? AreaReduction(base_.width() * k_, base_.height() * k_,
                                          static_cast<int>(std::lround(base_.width() * scale)),
                                          static_cast<int>(std::lround(base_.height() * scale)))
                          : AreaReduction();
  enlargement_ = scale_ > k_ ? SmoothEnlargement(base_.width() * k_, base_.height() * k_,
                                                 static_cast<int>(std::lround(width() * dpr)),
                                                 static_cast<int>(std::lround(height() * dpr)))
                             : SmoothEnlargement();
  update();
}

void PictureView::Present(const Picture& picture, const Rect& area) {
  const Rect full{0, 0, base_.width() * k_, base_.height() * k_};
  const Rect box{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, full.right),
                 std::min(area.bottom, full.bottom)};
  if (box.empty()) return;
  if (box.left == 0 && box.top == 0 && box.right == full.right && box.bottom == full.bottom) {
    source_ = &picture;
    mixed_ = Picture();
  } else if (mixed_.empty() && source_ == &picture) {
    // The picture the view shows has changed in the box: nothing to keep.
  } else {
    // Two pictures share the view: it keeps its own copy of the mix.
    if (mixed_.empty()) {
      const Picture* truth = Truth();
      mixed_ = truth ? *truth : Picture(full.right, full.bottom);
    }
    BitBlt(mixed_, box.left, box.top, box.width(), box.height(), picture, box.left, box.top, RasterOp::SRCCOPY);
    source_ = nullptr;
  }
  const double dpr = devicePixelRatioF();
  if (Reducing()) {
    // The changed pixels only, brought to the shown size; one more pixel around them catches
    // the device pixels they share with their neighbours.
    const double f = scale_ / k_;
    const Rect shown{static_cast<int>(std::floor(box.left * f)) - 1, static_cast<int>(std::floor(box.top * f)) - 1,
                     static_cast<int>(std::ceil(box.right * f)) + 1, static_cast<int>(std::ceil(box.bottom * f)) + 1};
    Changed(QRectF(shown.left / dpr, shown.top / dpr, shown.width() / dpr, shown.height() / dpr).toAlignedRect());
    return;
  }
  const double f = scale_ / k_ / dpr;  // logical pixels per picture pixel
  Changed(QRectF(box.left * f, box.top * f, box.width() * f, box.height() * f).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PictureView::Changed(const QRect& area) {
  pending_ += area;
  update(area);
}

void PictureView::ShowPending() {
  if (!pending_.isEmpty() && isVisible()) repaint(pending_);
}

void PictureView::paintEvent(QPaintEvent* e) {
  pending_ -= e->region();
  QPainter p(this);
  // Shown 1:1, the pixels are copied into the window's buffer and made opaque at once; blending
  // them in and then laying black under them took several times as long on a large window.
  const Picture* truth = Truth();
  if (truth && scale_ == k_ && PaintOpaque(p, *truth, e->region())) return;
  // Between scales and past the largest only the part asked for is reduced or enlarged, straight
  // into the buffer: a reduced copy of the whole board cost a copy of it at every resize, and Qt's
  // smooth drawing through the clip took over half of a taken pair's time at 4K.
  if (truth && Reducing() && PaintReduced(p, *truth, reduction_, e->region())) return;
  // (A view moved to a screen of another pixel ratio keeps its scale until the next fit.)
  const bool sized = enlargement_.width() == std::lround(width() * devicePixelRatioF()) &&
                     enlargement_.height() == std::lround(height() * devicePixelRatioF());
  if (truth && scale_ > k_ && sized && PaintEnlarged(p, *truth, enlargement_, e->region())) return;
  Draw(p, e->rect());
  MakeOpaque(p, e->rect());
}

void PictureView::Draw(QPainter& p, const QRect& area) {
  if (Reducing()) {
    const Picture reduced = Reduced();
    QImage shown = WrapPicture(reduced);
    shown.setDevicePixelRatio(devicePixelRatioF());
    p.drawImage(QPointF(0, 0), shown);
    return;
  }
  const Picture* truth = Truth();
  if (!truth) {
    p.fillRect(area, Qt::black);
    return;
  }
  if (scale_ == k_) {
    // 1:1 in device pixels: the picture's pixels are exactly the screen's.
    QImage shown = WrapPicture(*truth);
    shown.setDevicePixelRatio(devicePixelRatioF());
    p.drawImage(QPointF(0, 0), shown);
    return;
  }
  // Past the largest drawn scale the picture is enlarged smoothly.
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(rect()), WrapPicture(*truth));
}

QPoint PictureView::ToBase(QPointF at) const {
  const double f = devicePixelRatioF() / scale_;
  return {static_cast<int>(std::floor(at.x() * f)), static_cast<int>(std::floor(at.y() * f))};
}

void PictureView::mousePressEvent(QMouseEvent* e) {
  if (onPress) onPress(e->button(), ToBase(e->position()));
}

void PictureView::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove(ToBase(e->position()));
}

BoardView::BoardView(TVelmor& game, QWidget* parent)
    : PictureView(BoardPictureWidth, BoardPictureHeight, parent), game_(game) {
  setAccessibleName(Say(VELMOR_TEXT("Board")));
}

BoardArea::BoardArea(TVelmor& game, QWidget* parent) : QWidget(parent), game_(game) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  board_ = new BoardView(game, this);
  panel_ = new PictureView(BoardPictures::HofWidth, BoardPictureHeight, this);
  panel_->setAccessibleName(Say(VELMOR_TEXT("Hall of Fame")));
}

QSize BoardArea::sizeHint() const { return SizeFor(shownScale_ > 0 ? shownScale_ : devicePixelRatioF()); }

QSize BoardArea::SizeFor(double scale) const {
  const double dpr = devicePixelRatioF();
  const int width = BoardPictureWidth + (game_.Menus.HofBox.Visible() ? BoardPictures::HofWidth : 0);
  return {static_cast<int>(std::lround(width * scale / dpr)),
          static_cast<int>(std::lround(BoardPictureHeight * scale / dpr))};
}

void BoardArea::Fit() {
  const double dpr = devicePixelRatioF();
  const bool panel = game_.Menus.HofBox.Visible();
  const int width1x = BoardPictureWidth + (panel ? BoardPictures::HofWidth : 0);
  // Device pixels per 1x pixel; a size within half a pixel of a whole scale is that scale, so the
  // natural window shows the pictures 1:1.
  double scale = std::min(width() * dpr / width1x, height() * dpr / BoardPictureHeight);
  if (std::abs(scale - std::round(scale)) * BoardPictureHeight < 0.5) scale = std::round(scale);
  scale = std::max(scale, 0.25);
  const int k = std::clamp(static_cast<int>(std::ceil(scale - 1e-9)), 1, MaxScale);
  board_->SetScale(scale, k);
  panel_->SetScale(scale, k);
  game_.SetBoardScale(k);  // a new scale makes every picture again and presents it
  const int shownWidth = board_->width() + (panel ? panel_->width() : 0);
  const int left = (width() - shownWidth) / 2, top = (height() - board_->height()) / 2;
  board_->move(left, top);
  panel_->move(left + board_->width(), top);
  shownScale_ = scale;
  update();
}

void BoardArea::resizeEvent(QResizeEvent*) { Fit(); }

void BoardArea::FollowBackground() {
  if (surroundOf_ != game_.Pictures.BackgroundGeneration) update();
}

void BoardArea::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  // The background around the pictures continues the board's own, at the board's size: the
  // game's picture itself, stretched by the brush, so no copy of it is kept at the window's size.
  const Picture& back = game_.Pictures.BackgroundImage;
  if (back.empty()) {
    p.fillRect(e->rect(), Qt::black);
  } else {
    // Only the part of the background under each piece of the margin, repeated as the board's
    // own repeats, made opaque and stretched: a brush of the whole picture had Qt convert all of
    // it (12 MB at 3x) for a margin a few pixels wide.
    const double sx = static_cast<double>(board_->width()) / back.width();
    const double sy = static_cast<double>(board_->height()) / back.height();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& r : e->region()) {
      const int u0 = static_cast<int>(std::floor((r.left() - board_->x()) / sx)) - 1;
      const int v0 = static_cast<int>(std::floor((r.top() - board_->y()) / sy)) - 1;
      const int u1 = static_cast<int>(std::ceil((r.right() + 1 - board_->x()) / sx)) + 1;
      const int v1 = static_cast<int>(std::ceil((r.bottom() + 1 - board_->y()) / sy)) + 1;
      Picture part(u1 - u0, v1 - v0);
      const int startColumn = ((u0 % back.width()) + back.width()) % back.width();
      for (int v = v0; v < v1; ++v) {
        const uint32_t* from = back.row(((v % back.height()) + back.height()) % back.height());
        uint32_t* to = part.row(v - v0);
        // Whole runs of the background's row at a time, from where the part starts in it.
        for (int u = 0, column = startColumn; u < part.width(); column = 0) {
          const int run = std::min(back.width() - column, part.width() - u);
          std::copy_n(from + column, run, to + u);
          u += run;
        }
      }
      const QRectF target(board_->x() + u0 * sx, board_->y() + v0 * sy, (u1 - u0) * sx, (v1 - v0) * sy);
      if (PaintStretched(p, part, target, r)) continue;
      p.save();
      p.setClipRect(r);
      p.drawImage(target, WrapPicture(part));
      p.restore();
    }
  }
  surroundOf_ = game_.Pictures.BackgroundGeneration;
  MakeOpaque(p, e->rect());
}

}  // namespace velmor
