#include "Preview.h"

#include "TileSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace artgen {
namespace {

QRgb andPixel(QRgb a, QRgb b)
{
    return (a & b) | 0xFF000000u;
}

QRgb orPixel(QRgb a, QRgb b)
{
    return a | b | 0xFF000000u;
}

// Copy BlankTile (with the chosen face ground), AND the face mask in, OR the face picture.
QImage composeTile(const QImage& sheetImage, int face, const QRect& ground)
{
    using namespace sheet;
    QImage tile = sheetImage.copy(BlankTile);
    if (ground != BlankTile) {
        const QImage g = sheetImage.copy(ground);
        for (int y = 0; y < FaceHeight; ++y)
            for (int x = 0; x < FaceWidth; ++x)
                tile.setPixel(x + Depth, y, g.pixel(x, y));
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
void placeTile(QImage& board, const QImage& sheetImage, const QImage& tile, QPoint at)
{
    using namespace sheet;
    for (int y = 0; y < TileHeight; ++y)
        for (int x = 0; x < TileWidth; ++x) {
            const QPoint p = at + QPoint(x, y);
            if (!board.rect().contains(p))
                continue;
            QRgb b = board.pixel(p);
            b = andPixel(b, sheetImage.pixel(TileMask.x() + x, TileMask.y() + y));
            b = orPixel(b, tile.pixel(x, y));
            board.setPixel(p, b);
        }
}

QImage tiled(const QImage& pattern, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            out.setPixel(x, y, pattern.pixel(x % pattern.width(), y % pattern.height()));
    return out;
}

}  // namespace

bool writePreview(const QString& dataDir, const QString& outDir, QString* error)
{
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
                const QPoint at(10 + g * (Columns * stepX + 10) + cell.x() * stepX,
                                10 + cell.y() * stepY);
                placeTile(board, sheetImage, composeTile(sheetImage, face, grounds[g]), at);
            }
        const QString base = outDir + "/" + QFileInfo(style.fileName).completeBaseName();
        board.save(base + "-tiles.png");
        board.scaled(board.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(base + "-tiles-3x.png");
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
    return true;
}

}  // namespace artgen
