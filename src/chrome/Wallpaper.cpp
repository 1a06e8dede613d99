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

  // A picture made for a HiDPI screen tiles by its size in the window's own pixels.
  const QSize size = wallpaper_.deviceIndependentSize().toSize();
  const int w = size.width(), h = size.height();
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

namespace {

// The band's centre line at x (in 1x pixels): one full period of a wave across the width, so
// neighbouring copies join without a step.
double BandCentre(double x) { return 16.0 + 7.0 * std::sin(2.0 * M_PI * x / 100.0); }

// The same wave for a screen of `scale` device pixels a pixel, where the 16-colour stipple would be a
// coarse screen door: the white the stipple stands for (half the band, a quarter of its fringe)
// laid over the silver as a shade, its edges smoothed over four by four samples a pixel.
QPixmap SmoothToolBitmap(int scale) {
  QImage image(100 * scale, 32 * scale, QImage::Format_RGB32);
  constexpr int Samples = 4;
  for (int py = 0; py < image.height(); ++py)
    for (int px = 0; px < image.width(); ++px) {
      double white = 0;
      for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx) {
          const double x = (px + (sx + 0.5) / Samples) / scale, y = (py + (sy + 0.5) / Samples) / scale;
          const double d = std::abs(y - 0.5 - BandCentre(x - 0.5));
          white += d < 4.5 ? 0.5 : d < 6.0 ? 0.25 : 0.0;
        }
      const int v = static_cast<int>(std::lround(192 + 63 * white / (Samples * Samples)));
      image.setPixel(px, py, qRgb(v, v, v));
    }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

}  // namespace

QPixmap MakeToolBitmap(int scale) {
  if (scale >= 2) return SmoothToolBitmap(scale);
  QImage image(100, 32, QImage::Format_Indexed8);
  image.setColorCount(16);
  const QRgb colours[16] = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
                            qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  for (int i = 0; i < 16; ++i) image.setColor(i, colours[i]);
  image.fill(8);  // silver
  for (int x = 0; x < 100; ++x) {
    const double centre = BandCentre(x);
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
