// The tileset, background and panel files as the game reads them. A tileset is drawn bitwise (AND
// a mask, OR a picture), so a single stray pixel value shows up as a hole, a tint or a fringe on
// screen; these tests look for exactly those faults in the committed files. The Hall of Fame panel
// and the help pages carry text drawn by the game, so their pictures must leave it readable.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "display/Png.h"
#include "display/ScaledArtwork.h"

namespace {

const QString DataDir = QStringLiteral(VELMOR_DATA_DIR);

constexpr int SheetWidth = 369;
constexpr int SheetHeight = 567;
constexpr int FaceWidth = 40;
constexpr int FaceHeight = 50;
constexpr int TileWidth = 46;
constexpr int TileHeight = 56;
constexpr int Depth = 6;  // face offset inside the tile
const QRect BlankTile(0, 256, TileWidth, TileHeight);
const QRect PickedFace(52, 256, FaceWidth, FaceHeight);
const QRect HintedFace(98, 256, FaceWidth, FaceHeight);
const QRect TileMask(138, 256, TileWidth, TileHeight);

QRect facePicture(int column, int row) { return QRect(41 * column + 1, 51 * row + 1, FaceWidth, FaceHeight); }

QRect faceMask(int column, int row) { return facePicture(column, row).translated(0, 312); }

// Cells of the 9 x 5 grid that hold no face.
bool unusedCell(int column, int row) { return (column == 8 && row == 3) || (column >= 7 && row == 4); }

struct Cell {
  int column, row;
};

std::vector<Cell> allCells() {
  std::vector<Cell> cells;
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 9; ++column) cells.push_back({column, row});
  return cells;
}

std::vector<Cell> faceCells() {
  std::vector<Cell> cells;
  for (const Cell& c : allCells())
    if (!unusedCell(c.column, c.row)) cells.push_back(c);
  return cells;
}

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;

QRgb at(const QImage& image, QPoint p) { return image.pixel(p) | 0xFF000000u; }

QImage loadRgb(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::uint32_t little(const QByteArray& bytes, int offset, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | std::uint8_t(bytes.at(offset + i));
  return v;
}

int colourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The face as the game composes it: the blank tile's face area, AND the mask, OR the picture.
QImage composedFace(const QImage& sheet, const Cell& cell) {
  QImage face(FaceWidth, FaceHeight, QImage::Format_RGB32);
  const QPoint pic = facePicture(cell.column, cell.row).topLeft();
  const QPoint mask = faceMask(cell.column, cell.row).topLeft();
  for (int y = 0; y < FaceHeight; ++y)
    for (int x = 0; x < FaceWidth; ++x) {
      const QRgb ground = at(sheet, BlankTile.topLeft() + QPoint(Depth + x, y));
      face.setPixel(x, y, (ground & at(sheet, mask + QPoint(x, y))) | at(sheet, pic + QPoint(x, y)));
    }
  return face;
}

// ---------------------------------------------------------------- each tileset

struct TilesetCase {
  const char* file;
  int bitsPerPixel;
};

void PrintTo(const TilesetCase& c, std::ostream* os) { *os << c.file; }

class TilesetFile : public ::testing::TestWithParam<TilesetCase> {
 protected:
  void SetUp() override {
    path = DataDir + "/Tilesets/" + GetParam().file;
    raw = QImage(path);
    ASSERT_FALSE(raw.isNull()) << path.toStdString() << " cannot be read";
    sheet = raw.convertToFormat(QImage::Format_RGB32);
  }

  QString path;
  QImage raw;
  QImage sheet;
};

TEST_P(TilesetFile, IsAnUncompressedBitmapOfTheExpectedDepthAndSize) {
  EXPECT_GE(sheet.width(), SheetWidth);
  EXPECT_GE(sheet.height(), SheetHeight);
  const QByteArray bytes = readFile(path);
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), QByteArray("BM"));
  EXPECT_EQ(little(bytes, 28, 2), std::uint32_t(GetParam().bitsPerPixel));
  EXPECT_EQ(little(bytes, 30, 4), 0u) << "compressed bitmap";
  if (GetParam().bitsPerPixel == 8) {
    EXPECT_EQ(raw.format(), QImage::Format_Indexed8);
    EXPECT_LE(raw.colorCount(), 256);
  }
}

TEST_P(TilesetFile, MasksHoldOnlyPureBlackAndPureWhite) {
  auto checkBinary = [&](const QRect& area, const char* what) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QRgb c = at(sheet, {x, y});
        ASSERT_TRUE(c == Black || c == White) << what << " pixel (" << x << "," << y << ") is #" << std::hex << c;
      }
  };
  checkBinary(TileMask, "tile mask");
  for (const Cell& c : allCells()) checkBinary(faceMask(c.column, c.row), "face mask");
}

TEST_P(TilesetFile, PicturesAreBlackWhereverTheirMaskLetsTheGroundShow) {
  for (const Cell& c : allCells()) {
    const QRect pic = facePicture(c.column, c.row);
    const QRect mask = faceMask(c.column, c.row);
    for (int y = 0; y < FaceHeight; ++y)
      for (int x = 0; x < FaceWidth; ++x)
        if (at(sheet, mask.topLeft() + QPoint(x, y)) == White) {
          ASSERT_EQ(at(sheet, pic.topLeft() + QPoint(x, y)), Black)
              << "cell (" << c.column << "," << c.row << ") would tint the ground at (" << x << "," << y << ")";
        }
  }
}

TEST_P(TilesetFile, BlankTileIsBlackExactlyOutsideTheTileOutline) {
  int inside = 0;
  for (int y = 0; y < TileHeight; ++y)
    for (int x = 0; x < TileWidth; ++x) {
      const bool outside = at(sheet, TileMask.topLeft() + QPoint(x, y)) == White;
      const bool black = at(sheet, BlankTile.topLeft() + QPoint(x, y)) == Black;
      ASSERT_EQ(outside, black) << "tile pixel (" << x << "," << y << ")";
      inside += !outside;
    }
  // The whole face and most of the edges belong to the tile.
  EXPECT_GT(inside, FaceWidth * FaceHeight + 200);
}

TEST_P(TilesetFile, FaceAndSelectionGroundsStayInsideTheOutline) {
  // A face pixel or ground pixel where the tile mask is white would be ORed onto the board
  // beside the tile.
  for (int y = 0; y < FaceHeight; ++y)
    for (int x = 0; x < FaceWidth; ++x) {
      if (at(sheet, TileMask.topLeft() + QPoint(Depth + x, y)) != White) continue;
      EXPECT_EQ(at(sheet, PickedFace.topLeft() + QPoint(x, y)), Black);
      EXPECT_EQ(at(sheet, HintedFace.topLeft() + QPoint(x, y)), Black);
      for (const Cell& c : faceCells())
        EXPECT_EQ(at(sheet, faceMask(c.column, c.row).topLeft() + QPoint(x, y)), White)
            << "cell (" << c.column << "," << c.row << ") draws outside the tile";
    }
}

TEST_P(TilesetFile, PickedAndHintedGroundsAreClearlyDifferentColours) {
  const QPoint middle(FaceWidth / 2, FaceHeight / 2);
  const QRgb normal = at(sheet, BlankTile.topLeft() + QPoint(Depth, 0) + middle);
  const QRgb picked = at(sheet, PickedFace.topLeft() + middle);
  const QRgb hinted = at(sheet, HintedFace.topLeft() + middle);
  EXPECT_GT(colourDistance(normal, picked), 80);
  EXPECT_GT(colourDistance(normal, hinted), 80);
  EXPECT_GT(colourDistance(picked, hinted), 80);
  for (const QRect& ground : {PickedFace, HintedFace})
    for (int y = 0; y < FaceHeight; ++y)
      for (int x = 0; x < FaceWidth; ++x)
        if (at(sheet, TileMask.topLeft() + QPoint(Depth + x, y)) == Black) {
          ASSERT_NE(at(sheet, ground.topLeft() + QPoint(x, y)), Black)
              << "a hole in a selection ground at (" << x << "," << y << ")";
        }
}

TEST_P(TilesetFile, EveryFaceHasAPictureAndUnusedCellsAreEmpty) {
  for (const Cell& c : allCells()) {
    int drawn = 0;
    int inked = 0;
    for (int y = 0; y < FaceHeight; ++y)
      for (int x = 0; x < FaceWidth; ++x) {
        drawn += at(sheet, faceMask(c.column, c.row).topLeft() + QPoint(x, y)) == Black;
        inked += at(sheet, facePicture(c.column, c.row).topLeft() + QPoint(x, y)) != Black;
      }
    if (unusedCell(c.column, c.row)) {
      EXPECT_EQ(drawn, 0) << "cell (" << c.column << "," << c.row << ")";
      EXPECT_EQ(inked, 0) << "cell (" << c.column << "," << c.row << ")";
    } else {
      // Even the sparsest face (one thin stroke and a corner index) covers this much.
      EXPECT_GT(drawn, 60) << "cell (" << c.column << "," << c.row << ")";
      EXPECT_GT(inked, 60) << "cell (" << c.column << "," << c.row << ")";
    }
  }
}

TEST_P(TilesetFile, ComposedFacesAreVisiblyDifferentFromEachOther) {
  const std::vector<Cell> cells = faceCells();
  ASSERT_EQ(cells.size(), 42u);
  std::vector<QImage> faces;
  for (const Cell& c : cells) faces.push_back(composedFace(sheet, c));
  for (std::size_t i = 0; i < faces.size(); ++i)
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      int differing = 0;
      for (int y = 0; y < FaceHeight; ++y)
        for (int x = 0; x < FaceWidth; ++x)
          differing += colourDistance(faces[i].pixel(x, y), faces[j].pixel(x, y)) > 60;
      EXPECT_GT(differing, 30) << "cells (" << cells[i].column << "," << cells[i].row << ") and (" << cells[j].column
                               << "," << cells[j].row << ") look alike";
    }
}

INSTANTIATE_TEST_SUITE_P(Tilesets, TilesetFile,
                         ::testing::Values(TilesetCase{"pai.bmp", 24}, TilesetCase{"darkpai.bmp", 24},
                                           TilesetCase{"bluepai.bmp", 24}, TilesetCase{"pai256.bmp", 8},
                                           TilesetCase{"contrast.bmp", 24}),
                         [](const auto& info) {
                           QString name = QString::fromLatin1(info.param.file);
                           return name.section('.', 0, 0).toStdString();
                         });

TEST(Tilesets, AllShareOneTileOutline) {
  // The board is laid out for one outline; a tileset with another would leave gaps or overlaps.
  const QImage reference = loadRgb(DataDir + "/Tilesets/pai.bmp").copy(TileMask);
  ASSERT_FALSE(reference.isNull());
  for (const char* file : {"darkpai.bmp", "bluepai.bmp", "pai256.bmp", "contrast.bmp"}) {
    const QImage mask = loadRgb(DataDir + "/Tilesets/" + file).copy(TileMask);
    EXPECT_EQ(mask, reference) << file;
  }
}

TEST(Tilesets, EachShowsItsOwnEdgeColour) {
  // Choosing a tileset must change how the board looks: compare the tiles' side edges.
  const char* files[] = {"pai.bmp", "darkpai.bmp", "bluepai.bmp", "pai256.bmp", "contrast.bmp"};
  std::vector<QRgb> edge;
  for (const char* file : files) {
    const QImage sheet = loadRgb(DataDir + "/Tilesets/" + file);
    ASSERT_FALSE(sheet.isNull()) << file;
    int r = 0, g = 0, b = 0, n = 0;
    for (int y = 15; y < 45; ++y, ++n) {
      const QRgb c = at(sheet, BlankTile.topLeft() + QPoint(2, y));
      r += qRed(c), g += qGreen(c), b += qBlue(c);
    }
    edge.push_back(qRgb(r / n, g / n, b / n));
  }
  for (std::size_t i = 0; i < edge.size(); ++i)
    for (std::size_t j = i + 1; j < edge.size(); ++j)
      EXPECT_GT(colourDistance(edge[i], edge[j]), 60) << files[i] << " vs " << files[j];
}

TEST(Tilesets, OutlineIsTheFaceWithItsEdgesBelowAndToTheLeft) {
  const QImage sheet = loadRgb(DataDir + "/Tilesets/pai.bmp");
  ASSERT_FALSE(sheet.isNull());
  auto inside = [&](int x, int y) { return at(sheet, TileMask.topLeft() + QPoint(x, y)) == Black; };
  EXPECT_TRUE(inside(Depth + FaceWidth / 2, FaceHeight / 2));  // the face
  EXPECT_TRUE(inside(2, TileHeight / 2));                      // the side edge
  EXPECT_TRUE(inside(TileWidth / 2, TileHeight - 2));          // the lower edge
  EXPECT_FALSE(inside(0, 0));                                  // above the side edge
  EXPECT_FALSE(inside(TileWidth - 1, TileHeight - 1));         // right of the lower edge
}

// ---------------------------------------------------------------- backgrounds

struct BackgroundCase {
  const char* file;
  bool pattern;  // repeated over the board rather than shown once
};

void PrintTo(const BackgroundCase& c, std::ostream* os) { *os << c.file; }

class BackgroundFile : public ::testing::TestWithParam<BackgroundCase> {
 protected:
  void SetUp() override {
    path = DataDir + "/Backgrounds/" + GetParam().file;
    image = loadRgb(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString() << " cannot be read";
  }

  QString path;
  QImage image;
};

TEST_P(BackgroundFile, HasTheSizeTheBoardNeedsAndStaysSmallOnDisk) {
  if (GetParam().pattern) {
    EXPECT_LT(image.width(), 704);
    EXPECT_LT(image.height(), 468);
  } else {
    EXPECT_EQ(image.size(), QSize(704, 468));
  }
  EXPECT_LT(QFile(path).size(), 300 * 1024);
}

TEST_P(BackgroundFile, IsDarkEnoughToKeepTheTilesInFront) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  EXPECT_LT(sum / (image.width() * image.height()), 110.0);
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, BackgroundFile,
                         ::testing::Values(BackgroundCase{"kanji.bmp", true}, BackgroundCase{"dragons.bmp", true},
                                           BackgroundCase{"andromeda.jpg", false}, BackgroundCase{"catpats.jpg", true}),
                         [](const auto& info) {
                           QString name = QString::fromLatin1(info.param.file);
                           return name.section('.', 0, 0).toStdString();
                         });

TEST(Backgrounds, JpegsAreBaseline) {
  // The game's JPEG reader is built for baseline files only.
  for (const char* file : {"Backgrounds/andromeda.jpg", "Backgrounds/catpats.jpg", "orange.jpg"}) {
    const QByteArray bytes = readFile(DataDir + "/" + file);
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8")) << file << " is not a JPEG";
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2))) << file << ": no baseline frame";
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))) << file << " is progressive";
  }
}

TEST(Backgrounds, PatternsRepeatWithoutASeam) {
  for (const char* file : {"kanji.bmp", "dragons.bmp", "catpats.jpg"}) {
    const QImage image = loadRgb(DataDir + "/Backgrounds/" + file);
    ASSERT_FALSE(image.isNull()) << file;
    const int w = image.width(), h = image.height();
    auto step = [&](QPoint a, QPoint b) { return double(colourDistance(image.pixel(a), image.pixel(b))); };
    // The step across the wrap-around edge should look like any other step between
    // neighbouring pixels.
    double inner = 0, seam = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x + 1 < w; ++x) inner += step({x, y}, {x + 1, y});
      seam += step({w - 1, y}, {0, y});
    }
    EXPECT_LT(seam / h, 2.5 * inner / (double(h) * (w - 1)) + 3) << file << ": left/right seam";
    inner = 0, seam = 0;
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y + 1 < h; ++y) inner += step({x, y}, {x, y + 1});
      seam += step({x, h - 1}, {x, 0});
    }
    EXPECT_LT(seam / w, 2.5 * inner / (double(w) * (h - 1)) + 3) << file << ": top/bottom seam";
  }
}

// ---------------------------------------------------------------- panels

// WCAG relative luminance and contrast ratio: 4.5 is the usual floor for small text, 7 is
// comfortable. The panel's text is small bold type, so it is held to 7.
double relativeLuminance(QRgb c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const QRgb Aqua = qRgb(0, 255, 255);   // the dimmest of the panel's text colours
const QRgb DarkRed = qRgb(128, 0, 0);  // the help pages' headings

class HallOfFamePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    path = DataDir + "/hof.bmp";
    panel = loadRgb(path);
    ASSERT_FALSE(panel.isNull()) << "hof.bmp cannot be read";
  }

  // Every pixel of `area` against aqua; reports the worst one.
  void expectReadable(const QRect& area, const char* what) {
    double worst = 100;
    QPoint where;
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const double c = contrast(Aqua, at(panel, {x, y}));
        if (c < worst) worst = c, where = {x, y};
        sum += qGray(panel.pixel(x, y));
      }
    EXPECT_GE(worst, 7.0) << what << ": aqua text would be hard to read at (" << where.x() << "," << where.y() << ")";
    // Dark on average too, not just free of bright spots, so the text does not look washed.
    EXPECT_LT(sum / (area.width() * area.height()), 45.0) << what;
  }

  QString path;
  QImage panel;
};

TEST_F(HallOfFamePanel, IsAnUncompressedTrueColourBitmapOfThePanelsSize) {
  EXPECT_EQ(panel.size(), QSize(92, 468));
  const QByteArray bytes = readFile(path);
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), QByteArray("BM"));
  EXPECT_EQ(little(bytes, 14, 4), 40u) << "not a BITMAPINFOHEADER";
  EXPECT_EQ(little(bytes, 18, 4), 92u);
  EXPECT_EQ(little(bytes, 22, 4), 468u) << "rows must be stored bottom-up";
  EXPECT_EQ(little(bytes, 28, 2), 24u);
  EXPECT_EQ(little(bytes, 30, 4), 0u) << "compressed bitmap";
  // 92 pixels of three bytes need no row padding.
  EXPECT_EQ(std::uint32_t(bytes.size()), little(bytes, 10, 4) + 92u * 3u * 468u);
}

TEST_F(HallOfFamePanel, RankRowsReadInEveryPanelMode) {
  // Names start at x = 15 and run to the frame; the modes move the rows by up to 20 pixels.
  for (int shift : {-20, 0, 20})
    for (int rank = 1; rank <= 10; ++rank) {
      const int top = 27 * rank + 61 + shift;
      const std::string what = "rank " + std::to_string(rank) + " shifted by " + std::to_string(shift);
      expectReadable(QRect(QPoint(10, top), QPoint(87, top + 23)), what.c_str());
    }
}

TEST_F(HallOfFamePanel, TitleAndTwoPlayerScoresRead) {
  // The title raised by 20 meets the ornament at the top, which is kept dull for that; it is
  // not held to the full contrast.
  for (int shift : {0, 20}) expectReadable(QRect(QPoint(15, 28 + shift), QPoint(80, 62 + shift)), "title");
  // "PLAY 1", "PLAY 2" and their times, from x = 4 down to the last time's baseline.
  expectReadable(QRect(QPoint(4, 380), QPoint(87, 453)), "two-player scores");
}

TEST_F(HallOfFamePanel, FrameSetsThePanelApartFromTheBoard) {
  // The board's backgrounds are dark too; without a lighter frame the panel would run into
  // them. Compare the outer four columns with the ground just inside.
  double frame = 0, ground = 0;
  for (int y = 30; y < 440; ++y) {
    for (int x : {1, 2, 89, 90}) frame += relativeLuminance(at(panel, {x, y}));
    for (int x : {6, 7, 84, 85}) ground += relativeLuminance(at(panel, {x, y}));
  }
  EXPECT_GT(frame, 4 * ground);
}

class HelpPaper : public ::testing::Test {
 protected:
  void SetUp() override {
    path = DataDir + "/orange.jpg";
    paper = loadRgb(path);
    ASSERT_FALSE(paper.isNull()) << "orange.jpg cannot be read";
  }

  QString path;
  QImage paper;
};

TEST_F(HelpPaper, IsAboutAPageInSizeAndSmallOnDisk) {
  // Stretched to pages of about 600 x 400: much smaller would blur, another shape would distort.
  EXPECT_GE(paper.width(), 540);
  EXPECT_LE(paper.width(), 660);
  EXPECT_NEAR(double(paper.width()) / paper.height(), 1.5, 0.1);
  EXPECT_LT(QFile(path).size(), 120 * 1024);
}

TEST_F(HelpPaper, IsWarmAndLightUnderDarkText) {
  double r = 0, g = 0, b = 0, gray = 0, worst = 100;
  QPoint where;
  for (int y = 0; y < paper.height(); ++y)
    for (int x = 0; x < paper.width(); ++x) {
      const QRgb c = paper.pixel(x, y);
      r += qRed(c), g += qGreen(c), b += qBlue(c), gray += qGray(c);
      if (contrast(DarkRed, c) < worst) worst = contrast(DarkRed, c), where = {x, y};
    }
  const double n = double(paper.width()) * paper.height();
  EXPECT_GT(gray / n, 200.0);
  EXPECT_GE(worst, 4.5) << "dark red text would be hard to read at (" << where.x() << "," << where.y() << ")";
  // Orange: red over green over blue, clearly; swapped channels would give a blue page.
  EXPECT_GT(r / n, g / n + 15);
  EXPECT_GT(g / n, b / n + 30);
}

// ---------------------------------------------------------------- larger artwork

// The 1x files and, beside each, the same picture drawn 2, 3 and 4 times larger.
const char* const BuiltInLooks[] = {"Tilesets/pai.bmp",        "Tilesets/darkpai.bmp",
                                    "Tilesets/bluepai.bmp",    "Tilesets/pai256.bmp",
                                    "Tilesets/contrast.bmp",   "Backgrounds/kanji.bmp",
                                    "Backgrounds/dragons.bmp", "Backgrounds/andromeda.jpg",
                                    "Backgrounds/catpats.jpg", "hof.bmp"};

QString scaledFile(const char* look, int k) {
  return QString::fromStdString(velmor::ArtworkForScale((DataDir + "/" + look).toStdString(), k));
}

TEST(LargerArtwork, EveryBuiltInLookShipsAtEachScaleExactlyKTimesItsSize) {
  for (const char* look : BuiltInLooks) {
    const QSize one = QImageReader(DataDir + "/" + look).size();
    ASSERT_TRUE(one.isValid()) << look;
    for (int k = 2; k <= velmor::MaxArtworkScale; ++k) {
      const QString file = scaledFile(look, k);
      ASSERT_FALSE(file.isEmpty()) << look << " has no " << k << "x file";
      EXPECT_EQ(QImageReader(file).size(), one * k) << file.toStdString();
    }
  }
}

TEST(LargerArtwork, TheGamesPngReaderSeesWhatQtSees) {
  for (const char* look : BuiltInLooks)
    for (int k = 2; k <= velmor::MaxArtworkScale; ++k) {
      const QString file = scaledFile(look, k);
      const QImage expected = loadRgb(file);
      velmor::Picture picture;
      std::string error;
      ASSERT_TRUE(velmor::DecodePngFile(file.toStdString(), picture, error)) << error;
      ASSERT_EQ(QSize(picture.width(), picture.height()), expected.size()) << file.toStdString();
      for (int y = 0; y < expected.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < expected.width(); ++x)
          ASSERT_EQ(picture.at(x, y), line[x] & 0xFFFFFFu) << file.toStdString() << " at (" << x << "," << y << ")";
      }
    }
}

struct ScaledTilesetCase {
  const char* look;
  int k;
};

void PrintTo(const ScaledTilesetCase& c, std::ostream* os) { *os << c.look << " at " << c.k << "x"; }

class ScaledTileset : public ::testing::TestWithParam<ScaledTilesetCase> {
 protected:
  void SetUp() override {
    k = GetParam().k;
    sheet = loadRgb(scaledFile(GetParam().look, k));
    one = loadRgb(DataDir + "/" + GetParam().look);
    ASSERT_FALSE(sheet.isNull() || one.isNull());
  }
  QRect scaled(const QRect& r) const { return QRect(r.topLeft() * k, r.size() * k); }

  int k = 1;
  QImage sheet, one;
};

// What the bitwise drawing needs, as for the 1x files: pure black and white masks, pictures black
// wherever the ground shows, a blank tile black exactly outside its outline, and nothing drawn
// outside that outline.
TEST_P(ScaledTileset, KeepsWhatTheBitwiseDrawingNeeds) {
  const QRect tileMask = scaled(TileMask), blank = scaled(BlankTile);
  for (int y = 0; y < tileMask.height(); ++y)
    for (int x = 0; x < tileMask.width(); ++x) {
      const QRgb m = at(sheet, tileMask.topLeft() + QPoint(x, y));
      ASSERT_TRUE(m == Black || m == White) << "tile mask (" << x << "," << y << ")";
      ASSERT_EQ(m == White, at(sheet, blank.topLeft() + QPoint(x, y)) == Black) << "tile (" << x << "," << y << ")";
    }
  for (const Cell& c : allCells()) {
    const QRect pic = scaled(facePicture(c.column, c.row)), mask = scaled(faceMask(c.column, c.row));
    for (int y = 0; y < pic.height(); ++y)
      for (int x = 0; x < pic.width(); ++x) {
        const QRgb m = at(sheet, mask.topLeft() + QPoint(x, y));
        ASSERT_TRUE(m == Black || m == White) << "face mask of (" << c.column << "," << c.row << ")";
        const bool outsideTile = at(sheet, tileMask.topLeft() + QPoint(Depth * k + x, y)) == White;
        if (m == White || outsideTile) {
          ASSERT_EQ(at(sheet, pic.topLeft() + QPoint(x, y)), Black)
              << "cell (" << c.column << "," << c.row << ") at (" << x << "," << y << ")";
        }
        if (outsideTile) {
          ASSERT_EQ(m, White) << "cell (" << c.column << "," << c.row << ") draws outside the tile";
        }
      }
  }
}

// The same places as the 1x sheet: the outline and each face's drawn area, pixel for pixel where
// the larger sheet is sampled at the middle of each 1x pixel, but for the anti-aliased edges.
TEST_P(ScaledTileset, MatchesTheOneXLayout) {
  auto agreement = [&](const QRect& area) {
    int same = 0;
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x) {
        const QPoint small = area.topLeft() + QPoint(x, y);
        same += (at(one, small) == Black) == (at(sheet, small * k + QPoint(k / 2, k / 2)) == Black);
      }
    return double(same) / (area.width() * area.height());
  };
  EXPECT_GT(agreement(TileMask), 0.98);
  for (const Cell& c : allCells())
    EXPECT_GT(agreement(faceMask(c.column, c.row)), 0.85) << "cell (" << c.column << "," << c.row << ")";
}

std::vector<ScaledTilesetCase> scaledTilesetCases() {
  std::vector<ScaledTilesetCase> cases;
  for (const char* look : {"Tilesets/pai.bmp", "Tilesets/darkpai.bmp", "Tilesets/bluepai.bmp", "Tilesets/pai256.bmp",
                           "Tilesets/contrast.bmp"})
    for (int k = 2; k <= 4; ++k) cases.push_back({look, k});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Tilesets, ScaledTileset, ::testing::ValuesIn(scaledTilesetCases()), [](const auto& info) {
  return QString::fromLatin1(info.param.look).section('/', 1).section('.', 0, 0).toStdString() + "_" +
         std::to_string(info.param.k) + "x";
});

}  // namespace
