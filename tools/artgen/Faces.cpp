#include "Faces.h"

#include "ArtMath.h"
#include "Glyphs.h"
#include "TileSheet.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace artgen {
namespace {

// Faces are painted this many times larger and averaged down: Qt's own anti-aliasing of tiny
// circles and strokes is uneven from one tile to the next.
constexpr int Supersample = 4;
constexpr double Pi = 3.14159265358979323846;
constexpr double SymbolShrink = 0.8;  // high contrast faces give a corner to the index

namespace ink {
const QColor Red(196, 30, 36);
const QColor Green(18, 120, 64);
const QColor Blue(30, 74, 160);
const QColor Navy(24, 36, 88);
const QColor Black(30, 26, 24);
const QColor Brown(96, 58, 36);
const QColor Leaf(32, 112, 52);
}  // namespace ink

enum class Family { Character, Bamboo, Dot, Flower, Season, Dragon, Wind };

// The drawings below are in the 1x face's units; the canvas scales them to its own size.
struct Canvas {
  QImage image;
  QPainter p;
  explicit Canvas(int k)
      : image(sheet::FaceWidth * Supersample * k, sheet::FaceHeight * Supersample * k,
              QImage::Format_ARGB32_Premultiplied) {
    image.fill(Qt::transparent);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample * k, Supersample * k);
    p.setPen(Qt::NoPen);
  }
};

void disc(QPainter& p, QPointF c, double r, const QColor& color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(c, r, r);
}

void ring(QPainter& p, QPointF c, double r, double width, const QColor& color) {
  p.setPen(QPen(color, width));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);
  p.setPen(Qt::NoPen);
}

// Makes a hole in what is drawn so far, through which the tile's ground shows.
template <typename Draw>
void cut(QPainter& p, Draw draw) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  draw();
  p.restore();
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  return path;
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& color, double width) {
  QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
}

// A leaf or petal: pointed at both ends, `width` across at its middle.
QPainterPath blade(QPointF from, QPointF to, double width, double bend = 0.0) {
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / len, d.x() / len);
  const QPointF mid = (from + to) / 2 + n * bend;
  QPainterPath path;
  path.moveTo(from);
  path.quadTo(mid + n * width, to);
  path.quadTo(mid - n * width, from);
  path.closeSubpath();
  return path;
}

// ---------------------------------------------------------------- dots

void coin(QPainter& p, QPointF c, double r, const QColor& color) {
  disc(p, c, r, color);
  cut(p, [&] { ring(p, c, r * 0.64, std::max(0.75, r * 0.2), Qt::black); });
  if (r >= 5.5) cut(p, [&] { disc(p, c, r * 0.15, Qt::black); });
}

void bigCoin(QPainter& p) {
  const QPointF c(20, 28);
  ring(p, c, 14.2, 1.7, ink::Green);
  for (int i = 0; i < 16; ++i) {
    const double a = 2 * Pi * i / 16;
    const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * 10.9;
    p.setBrush(i % 2 ? ink::Red : ink::Blue);
    p.save();
    p.translate(at);
    p.rotate(a * 180 / Pi);
    p.drawEllipse(QPointF(0, 0), 1.9, 1.3);
    p.restore();
  }
  disc(p, c, 7.4, ink::Red);
  cut(p, [&] { ring(p, c, 5.0, 1.1, Qt::black); });
  for (int i = 0; i < 6; ++i) {
    const double a = 2 * Pi * i / 6 + Pi / 6;
    cut(p, [&] { disc(p, c + QPointF(std::cos(a), std::sin(a)) * 2.5, 0.9, Qt::black); });
  }
  disc(p, c, 1.2, ink::Green);
}

void drawDots(QPainter& p, int n) {
  const QColor B = ink::Blue, G = ink::Green, R = ink::Red;
  struct D {
    double x, y;
    QColor c;
  };
  std::vector<D> dots;
  double r = 6;
  switch (n) {
    case 1:
      bigCoin(p);
      return;
    case 2:
      r = 7.6;
      dots = {{20, 19.5, G}, {20, 38.5, B}};
      break;
    case 3:
      r = 6.2;
      dots = {{10.5, 16.5, B}, {20, 29.5, R}, {29.5, 42, G}};
      break;
    case 4:
      r = 6.6;
      dots = {{12.5, 19.5, B}, {27.5, 19.5, G}, {12.5, 38.5, G}, {27.5, 38.5, B}};
      break;
    case 5:
      r = 5.9;
      dots = {{11, 17.5, B}, {29, 17.5, G}, {20, 29.5, R}, {11, 41.5, G}, {29, 41.5, B}};
      break;
    case 6:
      r = 5.7;
      dots = {{13, 16.5, G}, {27, 16.5, G}, {13, 29.5, R}, {27, 29.5, R}, {13, 42, R}, {27, 42, R}};
      break;
    case 7:
      r = 4.8;
      dots = {{13, 15.5, G},   {21, 19.5, G},   {29, 23.5, G},  {13.5, 32.5, R},
              {26.5, 32.5, R}, {13.5, 42.5, R}, {26.5, 42.5, R}};
      break;
    case 8:
      r = 4.6;
      dots = {{13.5, 15, B}, {26.5, 15, B}, {13.5, 24.5, B}, {26.5, 24.5, B},
              {13.5, 34, B}, {26.5, 34, B}, {13.5, 43.5, B}, {26.5, 43.5, B}};
      break;
    default:
      r = 5.0;
      for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
          dots.push_back({9.5 + 10.5 * col, 16.0 + 13 * row, row == 0 ? B : row == 1 ? R : G});
      break;
  }
  for (const D& d : dots) coin(p, QPointF(d.x, d.y), r, d.c);
}

// ---------------------------------------------------------------- bamboos

// One joint of bamboo from `top` to `bottom`; leaning sticks simply get a slanted pair of ends.
void stick(QPainter& p, QPointF top, QPointF bottom, const QColor& color, double width = 4.2) {
  const QPointF d = bottom - top;
  const double len = std::hypot(d.x(), d.y());
  const double angle = std::atan2(d.x(), d.y()) * 180 / Pi;
  p.save();
  p.translate(top);
  p.rotate(-angle);
  const QColor dark = scaleColor(color, 0.55);
  const double w = width;
  p.setPen(QPen(dark, 0.55));
  p.setBrush(color);
  p.drawRoundedRect(QRectF(-w / 2, 0, w, len), w / 2.6, w / 2.6);
  p.setPen(Qt::NoPen);
  // A lighter stripe down one side rounds the stick.
  p.setBrush(scaleColor(color, 1.45));
  p.drawRoundedRect(QRectF(-w / 2 + 0.75, 1.0, w * 0.22, len - 2.0), 0.4, 0.4);
  // Nodes: the swollen rings at both ends and in the middle.
  p.setBrush(dark);
  for (double y : {0.9, len / 2, len - 0.9}) p.drawRoundedRect(QRectF(-w / 2 - 0.45, y - 0.55, w + 0.9, 1.1), 0.5, 0.5);
  p.restore();
}

void bird(QPainter& p) {
  const QColor tail = ink::Green;
  // Long tail feathers sweeping down to the left, each ending in an eye.
  const QPointF root(18, 32);
  const QPointF tips[] = {{5, 44}, {9.5, 47}, {15, 48}};
  for (const QPointF& tip : tips) {
    p.setBrush(tail);
    p.drawPath(blade(root, tip, 2.6, 0.6));
    disc(p, tip + (root - tip) * 0.14, 1.7, ink::Blue);
    disc(p, tip + (root - tip) * 0.14, 0.8, ink::Red);
  }
  // Legs.
  stroke(p, polyline({{22, 35}, {21, 40.5}, {19.2, 41.5}}), ink::Brown, 0.9);
  stroke(p, polyline({{25, 34.5}, {25.5, 40.5}, {27.5, 41.2}}), ink::Brown, 0.9);
  // Body, breast and wing.
  p.save();
  p.translate(23, 27.5);
  p.rotate(-35);
  p.setBrush(ink::Green);
  p.drawEllipse(QPointF(0, 0), 6.6, 9.2);
  p.setBrush(ink::Red);
  p.drawEllipse(QPointF(2.6, -1.5), 3.2, 6.2);
  p.restore();
  p.setBrush(ink::Blue);
  p.drawPath(blade({27, 22.5}, {16, 33}, 3.2, 1.4));
  // Neck and head.
  p.setBrush(ink::Green);
  p.drawPath(blade({24, 23}, {28.5, 14}, 2.6));
  disc(p, {28.5, 14.5}, 4.3, ink::Blue);
  disc(p, {29.6, 13.8}, 1.4, Qt::white);
  disc(p, {29.9, 13.8}, 0.7, ink::Black);
  // Beak.
  QPainterPath beak = polyline({{32.2, 12.8}, {37, 15.2}, {32.2, 16.4}});
  beak.closeSubpath();
  p.setBrush(QColor(226, 140, 30));
  p.drawPath(beak);
  // Crest.
  for (double dx : {-2.4, 0.0, 2.4}) {
    stroke(p, polyline({{28.5 + dx * 0.4, 10.8}, {27.5 + dx, 6.2}}), ink::Green, 0.7);
    disc(p, {27.5 + dx, 6.0}, 0.9, ink::Red);
  }
}

void drawBamboos(QPainter& p, int n) {
  const QColor G = ink::Green, R = ink::Red, B = ink::Blue;
  auto col = [&](double x, double top, double bottom, const QColor& c, double w = 4.2) {
    stick(p, {x, top}, {x, bottom}, c, w);
  };
  switch (n) {
    case 1:
      bird(p);
      break;
    case 2:
      col(20, 11.5, 28.5, G, 5);
      col(20, 30.5, 47.5, B, 5);
      break;
    case 3:
      col(20, 11.5, 28.5, G, 4.8);
      col(13, 30.5, 47.5, B, 4.8);
      col(27, 30.5, 47.5, B, 4.8);
      break;
    case 4:
      for (double x : {13.0, 27.0}) {
        col(x, 11.5, 28.5, x < 20 ? B : G, 4.8);
        col(x, 30.5, 47.5, x < 20 ? G : B, 4.8);
      }
      break;
    case 5:
      for (double x : {10.0, 30.0}) {
        col(x, 11.5, 28.5, x < 20 ? G : B);
        col(x, 30.5, 47.5, x < 20 ? B : G);
      }
      col(20, 20.5, 38.5, R);
      break;
    case 6:
      for (double x : {10.0, 20.0, 30.0}) {
        col(x, 11.5, 28.5, G);
        col(x, 30.5, 47.5, B);
      }
      break;
    case 7:
      col(20, 10.5, 22.5, R);
      for (double x : {10.0, 20.0, 30.0}) {
        col(x, 24, 35, G);
        col(x, 36.5, 47.5, G);
      }
      break;
    case 8:
      // An M over a W: outer sticks upright, the inner ones leaning together.
      for (double x : {8.0, 32.0}) {
        col(x, 11.5, 28.5, G);
        col(x, 30.5, 47.5, G);
      }
      stick(p, {18.2, 11.8}, {14.2, 28.3}, B);
      stick(p, {21.8, 11.8}, {25.8, 28.3}, B);
      stick(p, {14.2, 30.7}, {18.2, 47.2}, B);
      stick(p, {25.8, 30.7}, {21.8, 47.2}, B);
      break;
    default:
      for (double x : {10.0, 20.0, 30.0}) {
        const QColor c = x == 20.0 ? R : x < 20 ? G : B;
        col(x, 11, 22.2, c);
        col(x, 23.6, 34.8, c);
        col(x, 36.2, 47.4, c);
      }
      break;
  }
}

// ---------------------------------------------------------------- characters

void drawCharacter(QPainter& p, int n) {
  static const char* const numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  drawGlyphSized(p, QString::fromUtf8(numerals[n - 1]), Script::Brush, 19.5, {21, 15}, ink::Black, 0.7);
  drawGlyphFitted(p, QStringLiteral("萬"), Script::Brush, QRectF(7.5, 24.5, 25, 23), ink::Red, 0.8);
}

// ---------------------------------------------------------------- honours

void drawWind(QPainter& p, int n) {
  static const char* const winds[] = {"東", "南", "西", "北"};
  drawGlyphFitted(p, QString::fromUtf8(winds[n]), Script::Bold, QRectF(6.5, 12, 27, 34), ink::Navy, 0.3);
}

void drawDragon(QPainter& p, int n) {
  if (n == 0) {
    drawGlyphFitted(p, QStringLiteral("中"), Script::Bold, QRectF(7, 11, 26, 36), ink::Red, 0.4);
  } else if (n == 1) {
    drawGlyphFitted(p, QStringLiteral("發"), Script::Bold, QRectF(5.5, 11.5, 29, 35), ink::Green, 0.3);
  } else {
    // The white dragon: an empty frame, doubled, with the corners squared off.
    const QRectF outer(9.5, 13.5, 21, 32);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::Blue, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(outer);
    p.setPen(QPen(ink::Blue, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(outer.adjusted(3.2, 3.2, -3.2, -3.2));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::Blue);
    for (const QPointF c : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
      p.drawRect(QRectF(c - QPointF(2.2, 2.2), QSizeF(4.4, 4.4)));
  }
}

// ---------------------------------------------------------------- flowers

void blossom(QPainter& p, QPointF c, double r, const QColor& petal, double turn = 0) {
  const QColor edge = scaleColor(petal, 0.72);
  p.setPen(QPen(edge, 0.45));
  p.setBrush(petal);
  for (int i = 0; i < 5; ++i) {
    const double a = turn + 2 * Pi * i / 5 - Pi / 2;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.52, r * 0.5, r * 0.5);
  }
  p.setPen(Qt::NoPen);
  disc(p, c, r * 0.36, QColor(244, 206, 70));
  for (int i = 0; i < 5; ++i) {
    const double a = turn + 2 * Pi * (i + 0.5) / 5 - Pi / 2;
    disc(p, c + QPointF(std::cos(a), std::sin(a)) * r * 0.3, r * 0.09, ink::Red);
  }
}

void plum(QPainter& p) {
  QPainterPath branch;
  branch.moveTo(7, 48);
  branch.cubicTo(12, 38, 14, 30, 24, 24);
  branch.cubicTo(28, 21, 29, 17, 31, 14);
  stroke(p, branch, ink::Brown, 2.2);
  stroke(p, polyline({{15.5, 34}, {23, 34.5}, {30, 37.5}}), ink::Brown, 1.3);
  stroke(p, polyline({{21, 26}, {15, 21}, {11.5, 15}}), ink::Brown, 1.1);
  const QColor pink(238, 128, 160);
  blossom(p, {30, 14.5}, 6.4, pink);
  blossom(p, {29.5, 37.5}, 6.0, pink, 0.4);
  blossom(p, {12, 17.5}, 5.2, pink, 0.9);
  disc(p, {19, 31}, 1.5, pink);
  disc(p, {9.5, 43}, 1.4, pink);
}

void orchid(QPainter& p) {
  p.setBrush(ink::Leaf);
  p.drawPath(blade({19, 48}, {4.5, 19}, 2.6, -5));
  p.drawPath(blade({21, 48}, {36, 25}, 2.5, 4));
  p.drawPath(blade({20, 48}, {27, 11}, 2.3, 4.5));
  p.drawPath(blade({20, 48}, {10, 32}, 2.0, 1.5));
  stroke(p, polyline({{18, 47}, {16, 36}, {13, 28}}), QColor(70, 130, 60), 0.8);
  stroke(p, polyline({{22, 47}, {25, 33}, {28, 23}}), QColor(70, 130, 60), 0.8);
  const QColor petal(156, 78, 178);
  for (const QPointF c : {QPointF(13, 27), QPointF(28, 22)}) {
    for (int i = 0; i < 5; ++i) {
      const double a = -Pi / 2 + 2 * Pi * i / 5;
      p.setBrush(i % 2 ? scaleColor(petal, 1.35) : petal);
      p.drawPath(blade(c, c + QPointF(std::cos(a), std::sin(a)) * 7.0, 2.6));
    }
    disc(p, c + QPointF(0, 1.2), 1.6, QColor(110, 30, 90));
    disc(p, c, 0.9, QColor(244, 206, 70));
  }
}

void chrysanthemum(QPainter& p) {
  stroke(p, polyline({{20, 31}, {20.5, 40}, {19.5, 48}}), ink::Leaf, 1.6);
  p.setBrush(ink::Leaf);
  p.drawPath(blade({20, 40}, {8, 36}, 3.2, -1));
  p.drawPath(blade({20, 44}, {32, 40}, 3.0, 1));
  const QPointF c(20, 23);
  const QColor outer(232, 158, 28), inner(250, 206, 64);
  p.setPen(QPen(QColor(176, 98, 14), 0.4));
  p.setBrush(outer);
  for (int i = 0; i < 18; ++i) {
    const double a = 2 * Pi * i / 18;
    p.drawPath(blade(c, c + QPointF(std::cos(a), std::sin(a)) * 11.5, 1.7));
  }
  p.setBrush(inner);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * Pi * (i + 0.5) / 12;
    p.drawPath(blade(c, c + QPointF(std::cos(a), std::sin(a)) * 7.5, 1.6));
  }
  p.setPen(Qt::NoPen);
  disc(p, c, 2.4, QColor(190, 104, 20));
}

void bambooPlant(QPainter& p) {
  const QColor stem(76, 150, 70);
  stick(p, {17, 11}, {17, 29}, stem, 3.0);
  stick(p, {17, 30.5}, {17, 48}, stem, 3.0);
  stick(p, {28, 24}, {28, 36}, stem, 2.4);
  stick(p, {28, 37.5}, {28, 48}, stem, 2.4);
  // Leaves hang in fans of three from short twigs, as a brush paints them.
  auto fan = [&](QPointF at, double towards, double length) {
    p.setBrush(QColor(22, 96, 44));
    for (double spread : {-38.0, 0.0, 38.0}) {
      const double a = (towards + spread) * Pi / 180;
      const QPointF tip = at + QPointF(std::cos(a), std::sin(a)) * length;
      p.drawPath(blade(at, tip, 2.4, spread > 0 ? 0.8 : -0.8));
    }
  };
  stroke(p, polyline({{17.5, 20}, {24, 15}}), stem, 0.8);
  fan({24, 15}, 20, 10);
  stroke(p, polyline({{16.5, 29.5}, {10, 24}}), stem, 0.8);
  fan({10, 24}, 130, 10);
  stroke(p, polyline({{28.5, 36.5}, {33, 31}}), stem, 0.7);
  fan({33, 31}, 90, 8);
}

// ---------------------------------------------------------------- seasons

// The seasons sit in a small framed window so the four read as one family next to the flowers.
void seasonPanel(QPainter& p, const QColor& fill, const QColor& frame) {
  p.setPen(QPen(frame, 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(4.5, 11.5, 31, 36), 3, 3);
  p.setPen(Qt::NoPen);
  p.setClipRect(QRectF(5, 12, 30, 35));
}

void spring(QPainter& p) {
  seasonPanel(p, QColor(222, 242, 208), QColor(86, 150, 72));
  p.setBrush(ink::Leaf);
  p.drawPath(blade({20, 30}, {8, 42}, 2.6, 1));
  p.drawPath(blade({20, 30}, {32, 43}, 2.6, -1));
  stroke(p, polyline({{20, 30}, {20, 47}}), ink::Leaf, 1.2);
  // A cherry blossom: five petals with notched tips.
  const QPointF c(20, 25);
  const QColor petal(240, 150, 182);
  p.setPen(QPen(QColor(196, 80, 120), 0.5));
  p.setBrush(petal);
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(c);
    p.rotate(72.0 * i);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(-5.5, -3, -5, -9, -1.6, -10.2);
    leaf.lineTo(0, -8.6);
    leaf.lineTo(1.6, -10.2);
    leaf.cubicTo(5, -9, 5.5, -3, 0, 0);
    p.drawPath(leaf);
    p.restore();
  }
  p.setPen(Qt::NoPen);
  disc(p, c, 2.2, QColor(250, 214, 90));
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * Pi * (i + 0.5) / 5 - Pi / 2;
    stroke(p, polyline({c, c + QPointF(std::cos(a), std::sin(a)) * 4.2}), ink::Red, 0.5);
  }
}

void summer(QPainter& p) {
  seasonPanel(p, QColor(214, 234, 250), QColor(56, 120, 196));
  const QPointF sun(20, 24);
  p.setBrush(QColor(240, 132, 24));
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * Pi * i / 12;
    p.drawPath(blade(sun + QPointF(std::cos(a), std::sin(a)) * 6, sun + QPointF(std::cos(a), std::sin(a)) * 10.5, 1.3));
  }
  disc(p, sun, 6.0, QColor(246, 168, 34));
  disc(p, sun, 4.2, QColor(252, 206, 64));
  for (double y : {38.5, 43.5}) {
    QPainterPath wave;
    wave.moveTo(4, y);
    for (int i = 0; i < 4; ++i) wave.cubicTo(6 + 8 * i, y - 2.6, 8 + 8 * i, y + 2.6, 12 + 8 * i, y);
    stroke(p, wave, QColor(36, 96, 186), 1.5);
  }
}

void autumn(QPainter& p) {
  seasonPanel(p, QColor(250, 232, 204), QColor(196, 104, 40));
  // A maple leaf: five pointed lobes with a tooth on each flank, the stem hanging below.
  const QPointF c(20, 28.5);
  const double deg[] = {-90, -28, 32, 148, 208};
  const double len[] = {14, 12, 8, 8, 12};
  auto polar = [&](double degrees, double r) {
    const double a = degrees * Pi / 180;
    return c + QPointF(std::cos(a), std::sin(a)) * r;
  };
  QPainterPath leaf;
  for (int i = 0; i < 5; ++i) {
    const double next = i + 1 < 5 ? deg[i + 1] : deg[0] + 360;
    const double before = i > 0 ? deg[i - 1] : deg[4] - 360;
    const double lo = (before + deg[i]) / 2;
    const double hi = (deg[i] + next) / 2;
    const double span = hi - lo;
    const QPointF notchIn = polar(lo, i == 3 ? 3.0 : 5.0);
    if (i == 0) leaf.moveTo(notchIn);
    leaf.lineTo(polar(deg[i] - span * 0.34, len[i] * 0.74));
    leaf.lineTo(polar(deg[i] - span * 0.16, len[i] * 0.70));
    leaf.lineTo(polar(deg[i], len[i]));
    leaf.lineTo(polar(deg[i] + span * 0.16, len[i] * 0.70));
    leaf.lineTo(polar(deg[i] + span * 0.34, len[i] * 0.74));
    leaf.lineTo(polar(hi, i == 2 ? 3.0 : 5.0));
  }
  leaf.closeSubpath();
  stroke(p, polyline({c, {21, 38}, {22.5, 45}}), QColor(150, 40, 20), 1.1);
  p.setPen(QPen(QColor(150, 40, 20), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(214, 72, 30));
  p.drawPath(leaf);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) stroke(p, polyline({c, polar(deg[i], len[i] * 0.8)}), QColor(244, 170, 60), 0.55);
}

void winter(QPainter& p) {
  seasonPanel(p, QColor(218, 230, 246), QColor(64, 96, 168));
  const QPointF c(20, 29);
  const QColor flake(40, 84, 176);
  for (int i = 0; i < 6; ++i) {
    const double a = 2 * Pi * i / 6 - Pi / 2;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    stroke(p, polyline({c, c + dir * 12.5}), flake, 1.4);
    for (double at : {5.5, 9.0}) {
      const double twig = at < 6 ? 3.4 : 2.6;
      const QPointF base = c + dir * at;
      stroke(p, polyline({base + side * twig + dir * twig * 0.9, base, base - side * twig + dir * twig * 0.9}), flake,
             1.0);
    }
  }
  disc(p, c, 2.2, flake);
  cut(p, [&] { disc(p, c, 1.0, Qt::black); });
}

// ---------------------------------------------------------------- corner index

struct Index {
  QString text;
  QColor color;
};

Index indexOf(Family family, int n) {
  static const char* const winds[] = {"E", "S", "W", "N"};
  static const char* const dragons[] = {"R", "G", "W"};
  static const QColor dragonColors[] = {ink::Red, ink::Green, ink::Blue};
  switch (family) {
    case Family::Character:
      return {QString::number(n), QColor(150, 20, 24)};
    case Family::Bamboo:
      return {QString::number(n), QColor(14, 96, 50)};
    case Family::Dot:
      return {QString::number(n), ink::Navy};
    case Family::Flower:
      return {QString::number(n), QColor(150, 20, 24)};
    case Family::Season:
      return {QString::number(n), ink::Navy};
    case Family::Dragon:
      return {QString::fromLatin1(dragons[n]), scaleColor(dragonColors[n], 0.85)};
    case Family::Wind:
      return {QString::fromLatin1(winds[n]), ink::Navy};
  }
  return {};
}

// Painted at the tile's own size with hinting, where the supersampled glyph would come out blurred;
// on a larger face the font is set that much larger, so it is hinted for the size it shows at.
void drawIndex(QImage& face, const Index& index, int k) {
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(9 * k);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoFontMerging);
  font.setHintingPreference(QFont::PreferFullHinting);
  p.setFont(font);
  p.setPen(index.color);
  p.drawText(QRectF(2.5 * k, 1.5 * k, 10 * k, 10 * k), Qt::AlignLeft | Qt::AlignTop, index.text);
}

void faceOf(int face, Family& family, int& n) {
  if (face <= 9) {
    family = Family::Character, n = face;
  } else if (face <= 18) {
    family = Family::Bamboo, n = face - 9;
  } else if (face <= 27) {
    family = Family::Dot, n = face - 18;
  } else if (face <= 31) {
    family = Family::Flower, n = face - 27;
  } else if (face <= 35) {
    family = Family::Season, n = face - 31;
  } else if (face <= 38) {
    family = Family::Dragon, n = face - 36;
  } else {
    family = Family::Wind, n = face - 39;
  }
}

void drawSymbol(QPainter& p, Family family, int n) {
  switch (family) {
    case Family::Character:
      drawCharacter(p, n);
      break;
    case Family::Bamboo:
      drawBamboos(p, n);
      break;
    case Family::Dot:
      drawDots(p, n);
      break;
    case Family::Flower: {
      void (*const flowers[])(QPainter&) = {plum, orchid, chrysanthemum, bambooPlant};
      flowers[n - 1](p);
      break;
    }
    case Family::Season: {
      void (*const seasons[])(QPainter&) = {spring, summer, autumn, winter};
      seasons[n - 1](p);
      break;
    }
    case Family::Dragon:
      drawDragon(p, n);
      break;
    case Family::Wind:
      drawWind(p, n);
      break;
  }
}

// ---------------------------------------------------------------- high contrast

// Not quite black: a black picture pixel is the one the bitwise drawing leaves out.
const QColor ContrastInk(14, 14, 14);

// The symbols drawn in one ink. Light fills (a season's window, a flower's heart) read as the
// tile's own ground, everything darker as ink; the ink then grows by `grow` pixels all round so
// thin strokes stay visible to weak eyes.
void inkOnly(QImage& image, int grow) {
  const int w = image.width(), h = image.height();
  std::vector<int> cover(std::size_t(w) * h, 0);
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const int a = qAlpha(line[x]);
      if (a == 0) continue;
      // Premultiplied: the colour's own lightness is the channel sum over the coverage.
      const double light = (0.299 * qRed(line[x]) + 0.587 * qGreen(line[x]) + 0.114 * qBlue(line[x])) / a;
      if (light < 0.78) cover[std::size_t(y) * w + x] = a;
    }
  }
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int a = 0;
      for (int dy = -grow; dy <= grow; ++dy)
        for (int dx = -grow; dx <= grow; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (dx * dx + dy * dy > grow * grow || sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          a = std::max(a, cover[std::size_t(sy) * w + sx]);
        }
      line[x] = qRgba(ContrastInk.red() * a / 255, ContrastInk.green() * a / 255, ContrastInk.blue() * a / 255, a);
    }
  }
}

// The index fills the upper left corner, in bold black, as large as the face allows once the
// symbol has made room for it.
void drawLargeIndex(QImage& face, const QString& text, int k) {
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(15 * k);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoFontMerging);
  font.setHintingPreference(QFont::PreferFullHinting);
  p.setFont(font);
  p.setPen(ContrastInk);
  p.drawText(QRectF(3 * k, 2 * k, 14 * k, 16 * k), Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

QImage drawFace(int face, int k, Look look) {
  Family family;
  int n;
  faceOf(face, family, n);
  Canvas canvas(k);
  QPainter& p = canvas.p;
  if (look == Look::HighContrast) {
    // The symbol shrinks towards the lower right corner, clear of the frame and the index.
    const QPointF corner(37.5, 46);
    p.translate(corner);
    p.scale(SymbolShrink, SymbolShrink);
    p.translate(-corner);
  }
  drawSymbol(p, family, n);
  p.end();
  if (look == Look::HighContrast) inkOnly(canvas.image, k);
  QImage out = downsample(canvas.image, Supersample);
  if (look == Look::HighContrast)
    drawLargeIndex(out, indexOf(family, n).text, k);
  else
    drawIndex(out, indexOf(family, n), k);
  return out;
}

}  // namespace artgen
