// Reading bitmap files (sizes refused before decoding, empty and broken files) and the pointer image.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <QPainter>

#include "chrome/Artwork.h"
#include "platform/QtPictures.h"

using namespace velmor;

namespace {
std::string Bmp(int width, int height) {
  auto le32 = [](std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto le16 = [](std::string& s, uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
  };
  std::string s = "BM";
  le32(s, 54 + 16);
  le32(s, 0);
  le32(s, 54);
  le32(s, 40);
  le32(s, static_cast<uint32_t>(width));
  le32(s, static_cast<uint32_t>(height));
  le16(s, 1);
  le16(s, 24);
  le32(s, 0);
  le32(s, 16);
  le32(s, 2835);
  le32(s, 2835);
  le32(s, 0);
  le32(s, 0);
  s.append(16, '\x40');  // far fewer pixels than the header claims
  return s;
}

std::string Write(const std::string& name, const std::string& bytes) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}
}  // namespace

TEST(BitmapFiles, AbsurdSizesAreRefusedBeforeDecoding) {
  Picture picture(3, 3, Rgb(1, 2, 3));
  std::string error;
  EXPECT_FALSE(LoadPictureFile(Write("velmor-huge.bmp", Bmp(60000, 60000)), picture, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));  // untouched
}

TEST(BitmapFiles, EmptyForeignAndMissingFilesFailWithAReason) {
  Picture picture(3, 3, Rgb(1, 2, 3));
  for (const std::string& path :
       {Write("velmor-empty.bmp", ""), Write("velmor-text.bmp", "just some words"), std::string("/no/such/file.bmp")}) {
    std::string error;
    EXPECT_FALSE(LoadPictureFile(path, picture, error)) << path;
    EXPECT_FALSE(error.empty()) << path;
  }
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));
}

TEST(BitmapFiles, TheShippedTilesetReadsAtItsSize) {
  Picture picture;
  std::string error;
  ASSERT_TRUE(LoadPictureFile(std::string(VELMOR_DATA_DIR) + "/Tilesets/pai256.bmp", picture, error)) << error;
  EXPECT_EQ(picture.width(), 369);
  EXPECT_EQ(picture.height(), 567);
  for (uint32_t p : picture.pixels()) ASSERT_EQ(p >> 24, 0u);  // the fourth byte stays zero
}

TEST(BitmapFiles, OnlyBitmapsAreDecodedWhateverTheirName) {
  // A picture of another kind named .bmp never reaches another decoder: the file that made
  // libpng ask for gigabytes is refused before any of it is decoded.
  QImage png(8, 8, QImage::Format_RGB32);
  png.fill(Qt::red);
  const std::string path = (std::filesystem::temp_directory_path() / "velmor-png-named.bmp").string();
  ASSERT_TRUE(png.save(QString::fromStdString(path), "PNG"));
  Picture picture(3, 3, Rgb(1, 2, 3));
  std::string error;
  EXPECT_FALSE(LoadPictureFile(path, picture, error));
  EXPECT_EQ(error, "not a bitmap (.bmp) file");
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));

  // A real bitmap still reads, under any name.
  ASSERT_TRUE(png.save(QString::fromStdString(path), "BMP"));
  ASSERT_TRUE(LoadPictureFile(path, picture, error)) << error;
  EXPECT_EQ(picture.width(), 8);
  EXPECT_EQ(picture.pixels()[0], Rgb(255, 0, 0));
  std::filesystem::remove(path);
}

// The pointer as the screen shows it: every pixel transparent, white or black.
TEST(TechnoPointer, IsAWhiteArrowWithABlackOutlineOnTransparency) {
  const QCursor cursor = TechnoCursor();
  ASSERT_EQ(cursor.hotSpot(), QPoint(0, 0));
  // A colour picture, not a bitmap and mask: those have no picture a Wayland compositor can show.
  ASSERT_FALSE(cursor.pixmap().isNull());
  const QImage bits = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(bits.size(), QSize(32, 32));
  enum Look { Transparent, White, Black, Other };
  auto look = [&](int x, int y) {
    const QRgb c = bits.pixel(x, y);
    if (qAlpha(c) == 0) return Transparent;
    if (qAlpha(c) != 255) return Other;
    return c == qRgb(0, 0, 0) ? Black : c == qRgb(255, 255, 255) ? White : Other;
  };
  EXPECT_EQ(look(0, 0), Black);  // the tip is outline
  EXPECT_EQ(look(31, 31), Transparent);
  EXPECT_EQ(look(31, 0), Transparent);
  EXPECT_EQ(look(3, 10), White);   // inside the arrow
  EXPECT_EQ(look(14, 26), White);  // inside the tail
  int white = 0, transparent = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Look here = look(x, y);
      EXPECT_NE(here, Other) << x << "," << y;
      white += here == White;
      transparent += here == Transparent;
      if (here != White) continue;
      // Every white pixel is enclosed: its four neighbours are never transparent.
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        ASSERT_TRUE(nx >= 0 && ny >= 0 && nx < 32 && ny < 32) << x << "," << y;
        EXPECT_NE(look(nx, ny), Transparent) << "white pixel " << x << "," << y << " touches the outside";
      }
    }
  EXPECT_GT(white, 100);
  EXPECT_GT(transparent, 32 * 32 / 2);
}

// The splash and the toolbar's icons are carried ready-made; after a change to their drawing
// they must be made again (velmor-chromegen), or the game would show the old ones.
TEST(ChromePictures, TheShippedOnesAreWhatTheDrawingMakes) {
  auto farthest = [](const QImage& a, const QImage& b) {
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        for (int shift : {0, 8, 16, 24})
          most = std::max(most, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
      }
    return most;
  };
  std::vector<std::pair<QString, std::pair<QImage, QImage>>> pictures = {
      {"splash", {SplashPicture().toImage(), DrawSplashPicture().toImage()}}};
  for (const QString& name : ToolbarIconNames())
    pictures.push_back({name, {ToolbarIcon(name).pixmap(20, 20).toImage(), DrawToolbarIcon(name).toImage()}});
  ASSERT_EQ(pictures.size(), 12u);
  for (auto& [name, pair] : pictures) {
    SCOPED_TRACE(name.toStdString());
    const QImage shipped = pair.first.convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = pair.second.convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(drawn.isNull());
    ASSERT_EQ(shipped.size(), drawn.size());
    // Font rasterising may differ by a shade from machine to machine; a changed drawing does not.
    EXPECT_LE(farthest(shipped, drawn), 24);
  }
}

// Painted 1:1 straight into a window's buffer, a picture lands where drawImage would put it, only
// inside the region, and opaque; a painter that does not fall on whole device pixels is refused.
TEST(PaintOpaque, CopiesTheRegionOpaqueWhereDrawImageWouldPutIt) {
  Picture picture(30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) picture.set(x, y, Rgb(x * 8, y * 12, 77));
  for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32}) {
    for (const int k : {1, 2}) {
      QImage buffer(80, 60, format);
      buffer.fill(QColor(1, 2, 3, 4));
      const QImage before = buffer;
      const QRegion region = QRegion(2, 1, 5, 4) + QRegion(9, 6, 3, 3);
      {
        QPainter p(&buffer);
        p.translate(7, 5);
        p.scale(k, k);
        ASSERT_TRUE(PaintOpaque(p, picture, region));
      }
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
          const int px = x - 7, py = y - 5;
          const bool inside = px >= 0 && py >= 0 && px < 30 && py < 20 && region.contains(QPoint(px / k, py / k));
          ASSERT_EQ(buffer.pixel(x, y), inside ? (picture.at(px, py) | 0xFF000000u) : before.pixel(x, y))
              << format << " at " << k << "x: " << x << "," << y;
        }
    }
  }
  QImage buffer(40, 40, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&buffer);
  p.translate(0.5, 0);
  EXPECT_FALSE(PaintOpaque(p, picture, QRegion(0, 0, 10, 10)));
}

// Enlarged straight into a window's buffer region by region, a picture gets exactly the pixels of
// its whole smooth enlargement there, opaque, and nothing outside the region changes.
namespace {

// Painting a picture enlarged or reduced region by region gives exactly the whole resized
// picture's pixels there, opaque, and leaves everything else as it was.
template <typename Resizing, typename Paint>
void ExpectPaintsTheWholeResizingInTheRegionOnly(const Picture& picture, const Picture& whole, const Resizing& resizing,
                                                 Paint paint) {
  for (const double dpr : {1.0, 2.0}) {
    QImage buffer(80, 60, QImage::Format_ARGB32_Premultiplied);
    buffer.fill(QColor(1, 2, 3, 4));
    const QImage before = buffer;
    const QRegion region = QRegion(2, 1, 9, 4) + QRegion(12, 9, 30, 30);
    {
      QPainter p(&buffer);
      p.translate(7, 5);
      p.scale(dpr, dpr);
      ASSERT_TRUE(paint(p, picture, resizing, region));
    }
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 80; ++x) {
        const int px = x - 7, py = y - 5;
        const bool inside = px >= 0 && py >= 0 && px < whole.width() && py < whole.height() &&
                            region.contains(QPoint(static_cast<int>(px / dpr), static_cast<int>(py / dpr)));
        ASSERT_EQ(buffer.pixel(x, y), inside ? (whole.at(px, py) | 0xFF000000u) : before.pixel(x, y))
            << dpr << "x: " << x << "," << y;
      }
  }
  QImage buffer(40, 40, QImage::Format_RGB32);
  QPainter p(&buffer);
  EXPECT_FALSE(paint(p, Picture(31, 20), resizing, QRegion(0, 0, 10, 10)));
}

}  // namespace

TEST(PaintResized, PaintsTheWholeResizedPixelsInTheRegionOnly) {
  Picture picture(30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) picture.set(x, y, Rgb(x * 8, y * 12, (x * y) % 256));
  ExpectPaintsTheWholeResizingInTheRegionOnly(picture, EnlargeSmooth(picture, 41, 29),
                                              SmoothEnlargement(30, 20, 41, 29), PaintEnlarged);
  ExpectPaintsTheWholeResizingInTheRegionOnly(picture, ReduceArea(picture, 23, 15), AreaReduction(30, 20, 23, 15),
                                              PaintReduced);
}
