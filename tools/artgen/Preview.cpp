#include "Preview.h"

#include "TileSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace artgen {
namespace {

QRgb andPixel(QRgb a, QRgb b) { return (a & b) | 0xFF000000u; }

QRgb orPixel(QRgb a, QRgb b) { return a | b | 0xFF000000u; }

// Copy BlankTile (with the chosen face ground), AND the face mask in, OR the face picture.
QImage composeTile(const QImage& sheetImage, int face, const QRect& ground) {
  using namespace sheet;
  QImage tile = sheetImage.copy(BlankTile);
  if (ground != BlankTile) {
    const QImage g = sheetImage.copy(ground);
    for (int y = 0; y < FaceHeight; ++y)
      for (int x = 0; x < FaceWidth; ++x) tile.setPixel(x + Depth, y, g.pixel(x, y));
  }
  const QPoint cell = cellOfFace(face);
  const QRect pic = facePicture(cell.x(), cell.y());
  const QRect mask = faceMask(cell.x(), cell.y());
  for (int y = 0; y < FaceHeight; ++y)
    for (int x = 0; x < FaceWidth; ++x) {
      QRgb t = tile.pixel(x + Depth, y);
      t = andPixel(t, sheetImage.pixel(mask.x() + x, mask.y() + y));
      t = orPixel(t, sheetImage.pixel(pic.x() + x, pic.y() + y));
      tile.setPixel(x + Depth, y, t);
    }
  return tile;
}

// AND the tile mask onto the board, then OR the tile.
void placeTile(QImage& board, const QImage& sheetImage, const QImage& tile, QPoint at) {
  using namespace sheet;
  for (int y = 0; y < TileHeight; ++y)
    for (int x = 0; x < TileWidth; ++x) {
      const QPoint p = at + QPoint(x, y);
      if (!board.rect().contains(p)) continue;
      QRgb b = board.pixel(p);
      b = andPixel(b, sheetImage.pixel(TileMask.x() + x, TileMask.y() + y));
      b = orPixel(b, tile.pixel(x, y));
      board.setPixel(p, b);
    }
}

QImage tiled(const QImage& pattern, QSize size) {
  QImage out(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) out.setPixel(x, y, pattern.pixel(x % pattern.width(), y % pattern.height()));
  return out;
}

// The game's own fonts are not on Linux desktops; these are close in width and weight.
QFont sampleFont(const char* family, int pixels) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

void sampleText(QPainter& p, int x, int y, const QFont& font, const QColor& color, const QString& text) {
  p.setFont(font);
  p.setPen(color);
  p.drawText(QRect(x, y, 200, 40), Qt::AlignLeft | Qt::AlignTop, text);
}

// The panel with the game's text at its positions: ten ranks, shifted by `shift` as the panel
// modes do, or the two-player scores with a tile preview.
QImage dressedPanel(const QImage& panel, int shift, bool twoPlayers, const QImage& tile) {
  static const char* const names[] = {"Marguerite", "WWWWWWWW",   "Jean-Luc", "Zoe",      "Bartholomew",
                                      "Kim",        "Anne-Marie", "Olivier",  "mmmmmmmm", "Velmor"};
  QImage out = panel.convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont title = sampleFont("Comic Neue", 13);
  const QFont name = sampleFont("DejaVu Sans", 11);
  const QFont big = sampleFont("Liberation Sans", 22);
  sampleText(p, 21, 30 + shift, title, Qt::yellow, "HALL OF");
  sampleText(p, 31, 50 + shift, title, Qt::yellow, "FAME");
  for (int i = 1; i <= 10; ++i) {
    sampleText(p, 15, 27 * i + 61 + shift, name, Qt::white, names[i - 1]);
    sampleText(p, 39, 27 * i + 74 + shift, name, QColor(0, 255, 255),
               QStringLiteral("%1:%2").arg(i * 3 + 1, 2, 10, QChar('0')).arg(i * 7 % 60, 2, 10, QChar('0')));
  }
  if (twoPlayers) {
    sampleText(p, 4, 380, big, Qt::yellow, "PLAY 1");
    sampleText(p, 4, 422, big, QColor(0, 255, 255), "PLAY 2");
    sampleText(p, 30, 402, name, Qt::white, "12:34");
    sampleText(p, 30, 444, name, Qt::white, "09:58");
    if (!tile.isNull()) p.drawImage(24, 390, tile);
  }
  return out;
}

// A board as the game shows it: a background with a couple of layers of tiles.
QImage sampleBoard(const QImage& background, const QImage& sheetImage) {
  using namespace sheet;
  QImage board =
      background.width() < 704 ? tiled(background, QSize(704, 468)) : background.convertToFormat(QImage::Format_RGB32);
  const int stepX = TileWidth - Depth, stepY = TileHeight - Depth;
  int face = 1;
  for (int layer = 0; layer < 2; ++layer) {
    const int columns = layer == 0 ? 12 : 6, rows = layer == 0 ? 7 : 3;
    const QPoint origin = layer == 0 ? QPoint(110, 50) : QPoint(230 + Depth, 150 - Depth);
    for (int row = 0; row < rows; ++row)
      for (int column = columns - 1; column >= 0; --column) {
        const QImage tile = composeTile(sheetImage, face, BlankTile);
        face = face % FaceCount + 1;
        placeTile(board, sheetImage, tile, origin + QPoint(column * stepX, row * stepY));
      }
  }
  return board;
}

bool writePanelPreview(const QString& dataDir, const QString& outDir, QString* error) {
  using namespace sheet;
  const QImage panel(dataDir + "/hof.bmp");
  const QImage paper(dataDir + "/orange.jpg");
  for (const QString& path : {dataDir + "/hof.bmp", dataDir + "/orange.jpg"})
    if (QImage(path).isNull()) {
      *error = path + ": cannot be read";
      return false;
    }
  const struct {
    const char* background;
    const char* tiles;
  } boards[] = {{"andromeda.jpg", "pai.bmp"},
                {"kanji.bmp", "bluepai.bmp"},
                {"dragons.bmp", "pai.bmp"},
                {"catpats.jpg", "darkpai.bmp"}};
  for (const auto& b : boards) {
    const QImage sheetImage = QImage(dataDir + "/Tilesets/" + b.tiles).convertToFormat(QImage::Format_RGB32);
    const QImage background(dataDir + "/Backgrounds/" + b.background);
    const QImage board = sampleBoard(background.convertToFormat(QImage::Format_RGB32), sheetImage);
    QImage window(704 + 92, 468, QImage::Format_RGB32);
    QPainter p(&window);
    p.drawImage(0, 0, board);
    p.drawImage(704, 0, dressedPanel(panel, 0, false, {}));
    p.end();
    window.save(outDir + "/window-" + QFileInfo(b.background).completeBaseName() + ".png");
  }
  // Every panel mode side by side, at 2x.
  const QImage sheetImage = QImage(dataDir + "/Tilesets/pai.bmp").convertToFormat(QImage::Format_RGB32);
  const QImage tile = composeTile(sheetImage, 5, BlankTile);
  QImage modes(4 * 92 + 3 * 4, 468, QImage::Format_RGB32);
  modes.fill(Qt::gray);
  {
    QPainter p(&modes);
    p.drawImage(0, 0, panel);
    p.drawImage(96, 0, dressedPanel(panel, -20, false, {}));
    p.drawImage(192, 0, dressedPanel(panel, 20, false, {}));
    p.drawImage(288, 0, dressedPanel(panel, 0, true, tile));
  }
  modes.scaled(modes.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(outDir + "/hof-modes-2x.png");
  // The ornaments close up: the top and the foot of the bare panel at 6x.
  QImage ends(92, 2 * 40 + 2, QImage::Format_RGB32);
  ends.fill(Qt::gray);
  {
    QPainter p(&ends);
    p.drawImage(QPoint(0, 0), panel, QRect(0, 0, 92, 40));
    p.drawImage(QPoint(0, 42), panel, QRect(0, 468 - 40, 92, 40));
  }
  ends.scaled(ends.size() * 6, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(outDir + "/hof-ends-6x.png");

  // The help page paper stretched to a page, with a heading and text in the help's colours.
  QImage page =
      paper.scaled(600, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
  {
    QPainter p(&page);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont heading(QStringLiteral("DejaVu Serif"));
    heading.setPixelSize(22);
    heading.setBold(true);
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPixelSize(13);
    p.setFont(heading);
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(20, 16, 560, 30), Qt::AlignHCenter, "Velmor");
    const QString text = QStringLiteral(
        "Retirez les tuiles par paires identiques. Une tuile est libre quand aucune autre "
        "ne la recouvre et que son bord gauche ou son bord droit est d\u00e9gag\u00e9. "
        "Les fleurs et les saisons se marient entre elles.");
    for (int i = 0; i < 5; ++i) {
      p.setFont(body);
      p.setPen(i % 3 == 2 ? QColor(128, 0, 0) : QColor(Qt::black));
      p.drawText(QRect(24, 60 + i * 66, 552, 60), Qt::TextWordWrap, text);
    }
  }
  page.save(outDir + "/help-page.png");
  paper.save(outDir + "/help-paper.png");
  return true;
}

}  // namespace

bool writePreview(const QString& dataDir, const QString& outDir, QString* error) {
  using namespace sheet;
  QDir().mkpath(outDir);
  const QImage felt = QImage(dataDir + "/Backgrounds/kanji.bmp").convertToFormat(QImage::Format_RGB32);
  for (const TileStyle& style : tileStyles()) {
    const QString path = dataDir + "/Tilesets/" + style.fileName;
    const QImage sheetImage = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (sheetImage.isNull()) {
      *error = path + ": cannot be read";
      return false;
    }
    // Three blocks of 9 x 5 tiles side by side: normal, picked and hinted grounds.
    const int stepX = TileWidth + 2, stepY = TileHeight + 2;
    QImage board(3 * (Columns * stepX + 10) + 10, Rows * stepY + 20, QImage::Format_RGB32);
    board = tiled(felt.isNull() ? QImage(8, 8, QImage::Format_RGB32) : felt, board.size());
    const QRect grounds[] = {BlankTile, PickedFace, HintedFace};
    for (int g = 0; g < 3; ++g)
      for (int face = 1; face <= FaceCount; ++face) {
        const QPoint cell = cellOfFace(face);
        const QPoint at(10 + g * (Columns * stepX + 10) + cell.x() * stepX, 10 + cell.y() * stepY);
        placeTile(board, sheetImage, composeTile(sheetImage, face, grounds[g]), at);
      }
    const QString base = outDir + "/" + QFileInfo(style.fileName).completeBaseName();
    board.save(base + "-tiles.png");
    board.scaled(board.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(base + "-tiles-3x.png");
    sheetImage.scaled(sheetImage.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(base + "-sheet-2x.png");
  }
  for (const char* name : {"kanji.bmp", "dragons.bmp", "andromeda.jpg", "catpats.jpg"}) {
    const QString path = dataDir + "/Backgrounds/" + name;
    const QImage pattern(path);
    if (pattern.isNull()) {
      *error = path + ": cannot be read";
      return false;
    }
    tiled(pattern.convertToFormat(QImage::Format_RGB32), QSize(704, 468))
        .save(outDir + "/background-" + QFileInfo(name).completeBaseName() + ".png");
  }
  return writePanelPreview(dataDir, outDir, error);
}

}  // namespace artgen
