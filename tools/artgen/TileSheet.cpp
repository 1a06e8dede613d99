#include "TileSheet.h"

#include "ArtMath.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace artgen {

namespace sheet {

QRect facePicture(int column, int row) { return QRect(41 * column + 1, 51 * row + 1, FaceWidth, FaceHeight); }

QRect faceMask(int column, int row) { return facePicture(column, row).translated(0, MaskOffset); }

QRect scaled(const QRect& rect, int k) {
  return QRect(rect.x() * k, rect.y() * k, rect.width() * k, rect.height() * k);
}

QPoint cellOfFace(int face) {
  if (face >= 1 && face <= 9) return {face - 1, 2};  // characters
  if (face <= 18) return {face - 10, 1};             // bamboos
  if (face <= 27) return {face - 19, 0};             // dots
  if (face <= 31) return {face - 28, 4};             // flowers
  if (face <= 35) return {face - 32, 3};             // seasons
  if (face <= 38) return {face - 36 + 4, 4};         // dragons
  return {face - 39 + 4, 3};                         // winds
}

int faceAtCell(int column, int row) {
  for (int face = 1; face <= FaceCount; ++face)
    if (cellOfFace(face) == QPoint(column, row)) return face;
  return 0;
}

}  // namespace sheet

std::vector<TileStyle> tileStyles() {
  const QColor ivory(246, 240, 218);
  const QColor amber(255, 204, 102);
  const QColor sky(166, 214, 250);
  return {
      {QStringLiteral("pai.bmp"), QColor(228, 118, 28), ivory, amber, sky, false},
      {QStringLiteral("darkpai.bmp"), QColor(86, 72, 64), ivory, amber, sky, false},
      {QStringLiteral("bluepai.bmp"), QColor(44, 92, 186), ivory, amber, sky, false},
      {QStringLiteral("pai256.bmp"), QColor(36, 138, 72), ivory, amber, sky, true},
      // Amber and cyan grounds are strong enough to see from across the room and still light
      // enough for the black symbols on them.
      {QStringLiteral("contrast.bmp"), QColor(40, 40, 44), Qt::white, QColor(255, 184, 0), QColor(0, 214, 255), false,
       Look::HighContrast},
  };
}

namespace {

// A polygon whose corners are cut by quadratic curves of the given size.
QPainterPath roundedPolygon(const QPolygonF& corners, double radius) {
  QPainterPath path;
  const int n = corners.size();
  for (int i = 0; i < n; ++i) {
    const QPointF prev = corners[(i + n - 1) % n];
    const QPointF here = corners[i];
    const QPointF next = corners[(i + 1) % n];
    auto toward = [&](const QPointF& other) {
      const QPointF d = other - here;
      const double len = std::hypot(d.x(), d.y());
      return here + d * (std::min(radius, len / 2) / len);
    };
    const QPointF in = toward(prev);
    const QPointF out = toward(next);
    if (i == 0)
      path.moveTo(in);
    else
      path.lineTo(in);
    path.quadTo(here, out);
  }
  path.closeSubpath();
  return path;
}

bool inside(const QImage& outline, int x, int y) {
  return x >= 0 && y >= 0 && x < outline.width() && y < outline.height() && outline.constScanLine(y)[x] != 0;
}

QRgb opaque(const QColor& c) {
  // Pure black inside the tile would be taken for "not part of the tile" by the bitwise drawing.
  const QRgb rgb = c.rgb();
  return (rgb & 0xFFFFFF) == 0 ? qRgb(1, 1, 1) : rgb;
}

// The face with a low bevel: light catches the top and left, the rim where the tile meets what
// lies behind it is darker so neighbouring tiles stay apart. Each band of the bevel is k pixels
// wide on a sheet drawn k times larger.
QColor faceShade(const QColor& ground, int fx, int fy, int k) {
  const int top = fy / k;
  const int right = (sheet::FaceWidth * k - 1 - fx) / k;
  const int left = fx / k;
  const int bottom = (sheet::FaceHeight * k - 1 - fy) / k;
  if (top == 0 || right == 0) return scaleColor(ground, 0.78);
  if (left == 0 || bottom == 0) return scaleColor(ground, 0.88);
  if (top == 1 || left == 1) return scaleColor(ground, 1.45);
  if (right == 1 || bottom == 1) return scaleColor(ground, 0.95);
  return ground;
}

// The high contrast face: one flat colour inside a black frame FrameWidth pixels wide (times k),
// so each tile stands apart from its neighbours without any shading to make out.
constexpr int FrameWidth = 2;
const QColor Frame(18, 18, 18);

QColor flatFace(const QColor& ground, int fx, int fy, int k) {
  const int fromEdge =
      std::min(std::min(fx, sheet::FaceWidth * k - 1 - fx), std::min(fy, sheet::FaceHeight * k - 1 - fy));
  return fromEdge < FrameWidth * k ? Frame : ground;
}

QColor faceColour(const TileStyle& style, const QColor& ground, int fx, int fy, int k) {
  return style.look == Look::HighContrast ? flatFace(ground, fx, fy, k) : faceShade(ground, fx, fy, k);
}

}  // namespace

QImage tileOutline(int k) {
  using namespace sheet;
  const double s = k;
  const QPolygonF corners{
      {Depth * s, 0},      {TileWidth * s, 0}, {TileWidth * s, FaceHeight * s}, {FaceWidth * s, TileHeight * s},
      {0, TileHeight * s}, {0, Depth * s}};
  QImage cover(TileWidth * k, TileHeight * k, QImage::Format_Grayscale8);
  cover.fill(0);
  {
    QPainter p(&cover);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(roundedPolygon(corners, 2.5 * s));
  }
  // Tiles are drawn through a 1-bit mask, so a pixel belongs to the tile or not.
  for (int y = 0; y < cover.height(); ++y) {
    uchar* line = cover.scanLine(y);
    for (int x = 0; x < cover.width(); ++x) line[x] = line[x] >= 128 ? 255 : 0;
  }
  return cover;
}

QImage blankTile(const TileStyle& style, const QImage& outline, int k) {
  using namespace sheet;
  QImage tile(TileWidth * k, TileHeight * k, QImage::Format_RGB32);
  tile.fill(Qt::black);
  const int ivoryLayer = 2;  // the bone layer under the face, before the coloured back
  for (int y = 0; y < TileHeight * k; ++y) {
    for (int x = 0; x < TileWidth * k; ++x) {
      if (!inside(outline, x, y)) continue;
      if (x >= Depth * k && y < FaceHeight * k) {
        tile.setPixel(x, y, opaque(faceColour(style, style.ground, x - Depth * k, y, k)));
        continue;
      }
      if (style.look == Look::HighContrast) {
        // Two flat tones, the lower edge the darker, keep the stack readable without gradients.
        const bool side = x < Depth * k && x + y < TileHeight * k;
        tile.setPixel(x, y, opaque(side ? style.border : scaleColor(style.border, 0.55)));
        continue;
      }
      // The side and lower edges meet on the diagonal from (6, 50) to (0, 56); the shading
      // is worked out in the 1x tile's units.
      const double cx = (x + 0.5) / k;
      const double cy = (y + 0.5) / k;
      const double diagonal = cx + cy - TileHeight;
      const bool side = x < Depth && diagonal < 0;
      const double depth = side ? Depth - cx : cy - FaceHeight;  // 0 at the face
      const double along = side ? cy / TileHeight : cx / TileWidth;
      // Light from the upper left: the side is lit, the underside is in shade.
      double light = side ? 1.04 - 0.14 * along : 0.78 - 0.10 * along;
      if (std::abs(diagonal) < 0.75) light *= 0.88;
      QColor c;
      if (depth < ivoryLayer) {
        c = scaleColor(style.ground, (side ? 0.86 : 0.80) * light);
      } else {
        const double across = (depth - ivoryLayer) / (Depth - ivoryLayer);
        c = scaleColor(style.border, light * (1.0 - 0.16 * across));
      }
      const bool rim = !inside(outline, x - k, y) || !inside(outline, x, y + k) || !inside(outline, x + k, y) ||
                       !inside(outline, x, y - k);
      if (rim) c = scaleColor(c, 0.70);
      tile.setPixel(x, y, opaque(c));
    }
  }
  return tile;
}

QImage faceGround(const TileStyle& style, const QColor& color, const QImage& outline, int k) {
  using namespace sheet;
  QImage face(FaceWidth * k, FaceHeight * k, QImage::Format_RGB32);
  face.fill(Qt::black);
  for (int y = 0; y < FaceHeight * k; ++y)
    for (int x = 0; x < FaceWidth * k; ++x)
      if (inside(outline, x + Depth * k, y)) face.setPixel(x, y, opaque(faceColour(style, color, x, y, k)));
  return face;
}

FaceParts separateFace(const QImage& art, const QColor& ground, const QImage& outline, int k) {
  using namespace sheet;
  const QImage src = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int width = FaceWidth * k, height = FaceHeight * k;
  FaceParts parts{QImage(width, height, QImage::Format_RGB32), QImage(width, height, QImage::Format_RGB32)};
  // Below this coverage a pixel would only tint the ground a shade; leaving it out keeps a
  // ground-coloured halo off the picked and hinted faces.
  const int faintest = 8;
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb p = line[x];
      const int a = qAlpha(p);
      if (a < faintest || !inside(outline, x + Depth * k, y)) {
        parts.picture.setPixel(x, y, qRgb(0, 0, 0));
        parts.mask.setPixel(x, y, qRgb(255, 255, 255));
        continue;
      }
      auto over = [a](int premultiplied, int under) {
        return std::min(255, premultiplied + (under * (255 - a) + 127) / 255);
      };
      parts.picture.setPixel(
          x, y, qRgb(over(qRed(p), ground.red()), over(qGreen(p), ground.green()), over(qBlue(p), ground.blue())));
      parts.mask.setPixel(x, y, qRgb(0, 0, 0));
    }
  }
  return parts;
}

QImage buildSheet(const TileStyle& style, const std::array<QImage, sheet::FaceCount>& faces, int k) {
  using namespace sheet;
  const QImage outline = tileOutline(k);
  QImage out(Width * k, Height * k, QImage::Format_RGB32);
  out.fill(Qt::black);
  QPainter p(&out);
  for (int row = 0; row < Rows; ++row) {
    for (int column = 0; column < Columns; ++column) {
      const int face = faceAtCell(column, row);
      if (face == 0) {
        p.fillRect(scaled(faceMask(column, row), k), Qt::white);
        continue;
      }
      const FaceParts parts = separateFace(faces[face - 1], style.ground, outline, k);
      p.drawImage(scaled(facePicture(column, row), k).topLeft(), parts.picture);
      p.drawImage(scaled(faceMask(column, row), k).topLeft(), parts.mask);
    }
  }
  p.drawImage(scaled(BlankTile, k).topLeft(), blankTile(style, outline, k));
  p.drawImage(scaled(PickedFace, k).topLeft(), faceGround(style, style.picked, outline, k));
  p.drawImage(scaled(HintedFace, k).topLeft(), faceGround(style, style.hinted, outline, k));
  QImage mask(TileWidth * k, TileHeight * k, QImage::Format_RGB32);
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      mask.setPixel(x, y, inside(outline, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  p.drawImage(scaled(TileMask, k).topLeft(), mask);
  p.end();
  return out;
}

}  // namespace artgen
