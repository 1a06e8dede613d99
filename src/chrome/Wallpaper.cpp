#include "chrome/Wallpaper.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>
#include <cmath>

namespace velmor {

TWallpaper::TWallpaper(QWidget* owner) : QFrame(owner) {
  setAttribute(Qt::WA_AlwaysShowToolTips, true);
  setAutoFillBackground(true);
}

void TWallpaper::SetWallpaper(const QPixmap& picture) {
  wallpaper_ = picture;
  update();
}

void TWallpaper::SetBevels(Bevel outer, Bevel inner, int bevelWidth, int borderWidth) {
  outer_ = outer;
  inner_ = inner;
  bevelWidth_ = bevelWidth;
  borderWidth_ = borderWidth;
  setContentsMargins(Inset(), Inset(), Inset(), Inset());
  update();
}

int TWallpaper::Inset() const {
  return borderWidth_ + (outer_ != Bevel::None ? bevelWidth_ : 0) + (inner_ != Bevel::None ? bevelWidth_ : 0);
}

void TWallpaper::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor light = palette().color(QPalette::Light), dark = palette().color(QPalette::Dark);
  p.fillRect(rect(), palette().color(QPalette::Button));
  QRect r = rect();
  auto bevel = [&](Bevel kind) {
    if (kind == Bevel::None) return;
    const QColor topLeft = kind == Bevel::Raised ? light : dark;
    const QColor bottomRight = kind == Bevel::Raised ? dark : light;
    for (int i = 0; i < bevelWidth_; ++i) {
      p.setPen(topLeft);
      p.drawLine(r.left(), r.top(), r.right(), r.top());
      p.drawLine(r.left(), r.top(), r.left(), r.bottom());
      p.setPen(bottomRight);
      p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
      p.drawLine(r.right(), r.top(), r.right(), r.bottom());
      r.adjust(1, 1, -1, -1);
    }
  };
  bevel(outer_);
  r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  bevel(inner_);

  const int w = wallpaper_.width(), h = wallpaper_.height();
  if (wallpaper_.isNull() || w <= 0 || h <= 0) return;
  const int b = Inset();
  const QRect inner = rect().adjusted(b, b, -b, -b);
  p.save();
  p.setClipRect(inner);
  for (int i = 0; i <= (width() - 2 * b) / w; ++i)
    for (int j = 0; j <= (height() - 2 * b) / h; ++j)
      p.drawPixmap(inner.left() + i * w, inner.top() + j * h, wallpaper_);
  p.restore();
}

QPixmap MakeToolBitmap() {
  QImage image(100, 32, QImage::Format_Indexed8);
  image.setColorCount(16);
  const QRgb colours[16] = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
                            qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  for (int i = 0; i < 16; ++i) image.setColor(i, colours[i]);
  image.fill(8);  // silver
  // One full period of a wave across the width, so neighbouring copies join without a step.
  for (int x = 0; x < 100; ++x) {
    const double centre = 16.0 + 7.0 * std::sin(2.0 * M_PI * x / 100.0);
    for (int y = 0; y < 32; ++y) {
      const double d = std::abs(y - centre);
      if (d < 4.5 && (x + y) % 2 == 0)
        image.setPixel(x, y, 15);  // stippled white band
      else if (d < 6.0 && (x + y) % 4 == 0)
        image.setPixel(x, y, 15);  // softer fringe
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace velmor
