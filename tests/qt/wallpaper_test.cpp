// The tiled toolbar panel: where copies of the picture land and where they are cut.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chrome/Wallpaper.h"

using namespace velmor;

namespace {
QPixmap Marked(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(10, 200, 30));
  image.setPixelColor(0, 0, QColor(250, 0, 250));  // the first pixel of each copy
  return QPixmap::fromImage(image);
}

QImage Grab(TWallpaper& panel) { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
}  // namespace

TEST(Wallpaper, CopiesStartInsideTheBevelsEveryPictureWidth) {
  TWallpaper panel(nullptr);
  panel.SetBevels(TWallpaper::Bevel::Lowered, TWallpaper::Bevel::Raised, 1, 0);
  ASSERT_EQ(panel.Inset(), 2);
  panel.resize(350, 33);
  panel.SetWallpaper(Marked(100, 32));
  const QImage shot = Grab(panel);
  for (int x : {2, 102, 202, 302}) EXPECT_EQ(shot.pixelColor(x, 2), QColor(250, 0, 250)) << x;
  EXPECT_EQ(shot.pixelColor(3, 2), QColor(10, 200, 30));
  EXPECT_EQ(shot.pixelColor(347, 30), QColor(10, 200, 30));  // last inner pixel, cut copy
  EXPECT_NE(shot.pixelColor(348, 30), QColor(10, 200, 30));  // the bevels stay visible
  EXPECT_NE(shot.pixelColor(200, 31), QColor(10, 200, 30));
  EXPECT_NE(shot.pixelColor(1, 10), QColor(10, 200, 30));
}

TEST(Wallpaper, NoPictureOrAnEmptyOneLeavesAPlainPanel) {
  TWallpaper plain(nullptr), emptied(nullptr);
  for (TWallpaper* p : {&plain, &emptied}) {
    p->SetBevels(TWallpaper::Bevel::Lowered, TWallpaper::Bevel::Raised, 1, 0);
    p->resize(120, 33);
  }
  emptied.SetWallpaper(Marked(100, 32));
  emptied.SetWallpaper(QPixmap());
  EXPECT_EQ(Grab(plain), Grab(emptied));
  EXPECT_NE(Grab(plain).pixelColor(50, 15), QColor(10, 200, 30));
}

TEST(Wallpaper, ToolBitmapIsSilverWithAWhiteBandInSixteenColours) {
  const QImage image = MakeToolBitmap().toImage();
  EXPECT_EQ(image.size(), QSize(100, 32));
  int silver = 0, white = 0, other = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 100; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == QColor(192, 192, 192))
        ++silver;
      else if (c == QColor(255, 255, 255))
        ++white;
      else
        ++other;
    }
  EXPECT_EQ(other, 0);
  EXPECT_GT(silver, white);
  EXPECT_GT(white, 300);
  // The band leaves the right edge where it enters the left one: no seam between copies.
  auto centre = [&](int x0) {
    double sum = 0;
    int n = 0;
    for (int x = x0; x < x0 + 2; ++x)
      for (int y = 0; y < 32; ++y)
        if (image.pixelColor(x, y) == QColor(255, 255, 255)) {
          sum += y;
          ++n;
        }
    return n ? sum / n : -100.0;
  };
  EXPECT_NEAR(centre(0), centre(98), 2.0);
}

// On a HiDPI screen the band is shaded, not stippled: the picture has the screen's pixels, stays
// between silver and white, and no two neighbours jump as a stipple's dots and gaps would.
TEST(Wallpaper, ToolBitmapAtTwoXIsShadedWithoutAScreenDoor) {
  const QPixmap pixmap = MakeToolBitmap(2);
  EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(100, 32));
  const QImage image = pixmap.toImage();
  ASSERT_EQ(image.size(), QSize(200, 64));
  int lighter = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 200; ++x) {
      const int v = qRed(image.pixel(x, y));
      ASSERT_TRUE(v >= 192 && v <= 255 && qGreen(image.pixel(x, y)) == v) << x << "," << y;
      if (x > 0) ASSERT_LE(std::abs(v - qRed(image.pixel(x - 1, y))), 16) << x << "," << y;
      if (y > 0) ASSERT_LE(std::abs(v - qRed(image.pixel(x, y - 1))), 16) << x << "," << y;
      lighter += v > 200;
    }
  EXPECT_GT(lighter, 4 * 300);
}
