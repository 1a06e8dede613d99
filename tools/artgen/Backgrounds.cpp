#include "Backgrounds.h"

#include "ArtMath.h"
#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <vector>

namespace artgen {
namespace {

constexpr double Pi = 3.14159265358979323846;

// A ground of one colour, mottled by noise that repeats with the picture.
QImage mottled(int width, int height, const QColor& base, double strength, std::uint64_t seed) {
  const TilingNoise noise(seed, 4);
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double n = noise.fbm(double(x) / width, double(y) / height, 5) - 0.5;
      line[x] = scaleColor(base, 1.0 + strength * n).rgb();
    }
  }
  return image;
}

// Draws `scene` once for the picture and once for each neighbouring copy, so whatever crosses an
// edge comes back in on the opposite one and the picture tiles without a seam. The scene is in
// the 1x picture's units; `k` is how much larger the image is.
void drawWrapped(QImage& image, int k, const std::function<void(QPainter&)>& scene) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (k != 1) p.scale(k, k);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      p.save();
      p.translate(dx * image.width() / k, dy * image.height() / k);
      scene(p);
      p.restore();
    }
  }
}

void strokePath(QPainter& p, const QPainterPath& path, const QColor& color, double width) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
}

QPainterPath flame(QPointF from, QPointF to, double width, double bend) {
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / len, d.x() / len);
  const QPointF mid = (from + to) / 2 + n * bend;
  QPainterPath path;
  path.moveTo(from + n * width / 2);
  path.quadTo(mid + n * width * 0.5, to);
  path.quadTo(mid - n * width * 0.5, from - n * width / 2);
  path.closeSubpath();
  return path;
}

// ---------------------------------------------------------------- kanji

QImage makeKanji(int k) {
  const int size = 256;
  QImage image = mottled(size * k, size * k, QColor(30, 34, 58), 0.22, 11);
  const QString characters = QString::fromUtf8("龍風雲山水花月雪福春夢和樂竹梅蘭菊星天海鳥松");
  Rng rng(2024);
  struct Mark {
    QString text;
    QPointF at;
    double em, turn;
    QColor color;
  };
  std::vector<Mark> marks;
  const int cells = 4;
  const double pitch = double(size) / cells;
  int next = 0;
  for (int row = 0; row < cells; ++row) {
    for (int col = 0; col < cells; ++col) {
      const double shift = (row % 2) * pitch / 2;
      const QPointF at(col * pitch + shift + pitch / 2 + rng.uniform(-4, 4),
                       row * pitch + pitch / 2 + rng.uniform(-4, 4));
      const double tone = rng.uniform(0.16, 0.30);
      marks.push_back({characters.mid((next * 7) % characters.size(), 1), at, rng.uniform(36, 46), rng.uniform(-12, 12),
                       mixColor(QColor(30, 34, 58), QColor(150, 160, 210), tone)});
      ++next;
    }
  }
  drawWrapped(image, k, [&](QPainter& p) {
    for (const Mark& m : marks) {
      p.save();
      p.translate(m.at);
      p.rotate(m.turn);
      drawGlyphSized(p, m.text, Script::Brush, m.em, {0, 0}, m.color, 0.6);
      p.restore();
    }
  });
  return image;
}

// ---------------------------------------------------------------- dragons

struct DragonInk {
  QColor ground{60, 20, 22};
  QColor body{98, 36, 28};
  QColor scale{80, 28, 24};
  QColor trim{134, 70, 38};
  QColor cloud{76, 28, 28};
};

void cloudCurl(QPainter& p, QPointF c, double size, const DragonInk& ink, bool mirrored) {
  // An auspicious cloud: three puffs resting on a base line, the middle one curling inwards.
  p.save();
  p.translate(c);
  if (mirrored) p.scale(-1, 1);
  QPainterPath puffs;
  puffs.addEllipse(QPointF(-size * 0.7, 0), size * 0.55, size * 0.45);
  puffs.addEllipse(QPointF(0, -size * 0.35), size * 0.7, size * 0.6);
  puffs.addEllipse(QPointF(size * 0.75, 0.05 * size), size * 0.5, size * 0.4);
  puffs.setFillRule(Qt::WindingFill);
  p.setPen(Qt::NoPen);
  p.setBrush(ink.cloud);
  p.drawPath(puffs.simplified());
  QPainterPath curl;
  curl.moveTo(-size * 0.1, -size * 0.3);
  for (int i = 0; i <= 24; ++i) {
    const double a = i * 0.32;
    const double r = size * 0.45 * (1 - i / 30.0);
    curl.lineTo(QPointF(std::cos(a + Pi), std::sin(a + Pi)) * r + QPointF(0, -size * 0.35) + QPointF(size * 0.0, 0));
  }
  strokePath(p, curl, mixColor(ink.cloud, ink.trim, 0.45), 1.4);
  strokePath(p, QPainterPath(puffs.simplified()), mixColor(ink.cloud, ink.trim, 0.35), 1.2);
  QPainterPath base;
  base.moveTo(-size * 1.5, size * 0.45);
  base.cubicTo(-size * 0.5, size * 0.3, size * 0.5, size * 0.6, size * 1.6, size * 0.4);
  strokePath(p, base, mixColor(ink.cloud, ink.trim, 0.35), 1.2);
  p.restore();
}

void dragonScene(QPainter& p, const DragonInk& ink) {
  cloudCurl(p, {38, 206}, 15, ink, false);
  cloudCurl(p, {222, 170}, 13, ink, true);
  cloudCurl(p, {226, 32}, 12, ink, false);
  cloudCurl(p, {142, 100}, 11, ink, true);

  // The body follows a coiling spine from the neck to the tail.
  QPainterPath spine;
  spine.moveTo(84, 78);
  spine.cubicTo(120, 40, 196, 48, 190, 104);
  spine.cubicTo(184, 150, 104, 132, 84, 168);
  spine.cubicTo(66, 202, 120, 232, 176, 214);
  const int steps = 240;
  auto radius = [](double t) { return t < 0.12 ? 8.5 + 20 * t : 10.9 * (1 - t) / 0.88 + 1.5 * t; };
  std::vector<QPointF> at(steps + 1), normal(steps + 1);
  for (int i = 0; i <= steps; ++i) {
    const double t = double(i) / steps;
    at[i] = spine.pointAtPercent(t);
    const double a = -spine.angleAtPercent(t) * Pi / 180;
    normal[i] = QPointF(-std::sin(a), std::cos(a));
  }
  auto r = [&](int i) { return radius(double(i) / steps); };

  // Dorsal fins along the back, drawn first so the body overlaps their roots.
  p.setBrush(ink.trim);
  for (int i = 10; i < steps - 8; i += 7) {
    const QPointF base = at[i] - normal[i] * r(i) * 0.8;
    const QPointF tip = at[i + 3] - normal[i + 3] * (r(i) + 6.5 * (1.0 - double(i) / steps) + 2);
    QPainterPath fin;
    fin.moveTo(base);
    fin.lineTo(tip);
    fin.lineTo(at[i + 6] - normal[i + 6] * r(i + 6) * 0.8);
    fin.closeSubpath();
    p.drawPath(fin);
  }

  // Legs, each ending in four claws.
  auto leg = [&](int i, double side, double turn) {
    const QPointF hip = at[i] + normal[i] * side * r(i) * 0.5;
    const QPointF out = normal[i] * side;
    const QPointF along(out.y(), -out.x());
    const QPointF knee = hip + out * 13 + along * (turn * 6);
    const QPointF foot = knee + out * 6 - along * (turn * 8);
    QPainterPath limb;
    limb.moveTo(hip);
    limb.quadTo(knee, foot);
    strokePath(p, limb, ink.body, 6);
    strokePath(p, limb, ink.trim, 1.0);
    for (int c = -2; c <= 1; ++c) {
      const double a = std::atan2(out.y(), out.x()) + (c + 0.5) * 0.55;
      QPainterPath claw;
      claw.moveTo(foot);
      claw.quadTo(foot + QPointF(std::cos(a), std::sin(a)) * 6,
                  foot + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * 7.5);
      strokePath(p, claw, ink.trim, 1.4);
    }
  };
  leg(34, 1, 1);
  leg(46, -1, -1);
  leg(150, 1, -1);
  leg(165, -1, 1);

  // Body outline.
  QPolygonF outline;
  for (int i = 0; i <= steps; ++i) outline << at[i] + normal[i] * r(i);
  for (int i = steps; i >= 0; --i) outline << at[i] - normal[i] * r(i);
  QPainterPath body;
  body.addPolygon(outline);
  body.closeSubpath();
  p.setBrush(ink.body);
  p.drawPath(body);

  // Scales: rows of small arcs, clipped to the body; belly plates along one side.
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  for (int i = 4; i < steps; i += 4) {
    for (double across = -0.7; across <= 0.3; across += 0.5) {
      const QPointF c = at[i] + normal[i] * across * r(i) + normal[i] * ((i / 4) % 2) * 2.0;
      const double s = std::max(1.2, r(i) * 0.32);
      const double a = spine.angleAtPercent(double(i) / steps);
      QPainterPath arc;
      arc.arcMoveTo(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), a + 90);
      arc.arcTo(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), a + 90, 180);
      strokePath(p, arc, ink.scale, 0.9);
    }
    const QPointF b1 = at[i] + normal[i] * r(i) * 0.95;
    const QPointF b2 = at[i] + normal[i] * r(i) * 0.55;
    strokePath(p, QPainterPath(b1), ink.trim, 0.8);
    QPainterPath plate;
    plate.moveTo(b1);
    plate.lineTo(b2);
    strokePath(p, plate, scaleColor(ink.trim, 0.9), 0.9);
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink.trim, 0.9));
  p.drawPath(body);
  p.setPen(Qt::NoPen);

  // The tail ends in a tuft of flame.
  const QPointF tail = at[steps];
  const QPointF dir = at[steps] - at[steps - 6];
  const double da = std::atan2(dir.y(), dir.x());
  p.setBrush(ink.trim);
  for (double spread : {-0.6, 0.0, 0.6}) {
    const QPointF tip = tail + QPointF(std::cos(da + spread), std::sin(da + spread)) * 15;
    p.drawPath(flame(tail, tip, 5, spread * 4));
  }

  // The head faces away from the neck.
  const QPointF neck = at[0];
  const QPointF back = at[6] - at[0];
  const double ha = std::atan2(-back.y(), -back.x()) * 180 / Pi;
  p.save();
  p.translate(neck);
  p.rotate(ha);
  p.scale(1.35, std::abs(ha) > 90 ? -1.35 : 1.35);  // keep the crown of the head upwards
  // Mane: flames streaming back over the neck.
  p.setBrush(ink.trim);
  for (int k = 0; k < 4; ++k) p.drawPath(flame(QPointF(2 - k * 3.5, -5), QPointF(-12 - k * 3, -13 + k * 3), 3.6, -2.5));
  // Two antler-like horns sweeping back.
  for (double lift : {0.0, 3.0}) {
    QPainterPath horn;
    horn.moveTo(5, -7 + lift * 0.3);
    horn.cubicTo(0, -13 + lift, -6, -16 + lift, -13, -17 + lift * 1.5);
    strokePath(p, horn, ink.trim, 1.8);
    QPainterPath tine;
    tine.moveTo(-3, -13.5 + lift);
    tine.lineTo(-5, -19 + lift);
    strokePath(p, tine, ink.trim, 1.2);
  }
  // Skull with a long upper snout curling at the nose, and an open lower jaw.
  QPainterPath head;
  head.addEllipse(QPointF(4, -1.5), 8, 6.5);
  QPainterPath snout;
  snout.moveTo(6, -7.5);
  snout.cubicTo(13, -8.5, 19, -7, 23, -8.5);
  snout.cubicTo(27, -10, 29, -5, 26.5, -3);
  snout.lineTo(9, -0.5);
  snout.closeSubpath();
  QPainterPath jaw;
  jaw.moveTo(8, 1.5);
  jaw.lineTo(23, 4.5);
  jaw.cubicTo(24, 6.5, 21, 8, 18, 7.5);
  jaw.lineTo(4, 6.5);
  jaw.closeSubpath();
  const QPainterPath whole = head.united(snout).united(jaw);
  p.setBrush(ink.body);
  p.setPen(QPen(ink.trim, 1.0));
  p.drawPath(whole);
  p.setPen(Qt::NoPen);
  // Teeth, nostril and a fierce eye under a heavy brow.
  p.setBrush(scaleColor(ink.trim, 1.15));
  for (double x : {12.0, 16.0, 20.0}) {
    QPainterPath tooth;
    tooth.moveTo(x, -1.6 + (x - 9) * 0.06);
    tooth.lineTo(x + 1.2, 1.2);
    tooth.lineTo(x + 2.4, -1.3 + (x - 9) * 0.06);
    tooth.closeSubpath();
    p.drawPath(tooth);
  }
  p.setBrush(ink.trim);
  p.drawEllipse(QPointF(24.5, -6.5), 1.4, 1.1);
  p.drawEllipse(QPointF(8.5, -3.5), 2.4, 1.8);
  p.setBrush(ink.ground);
  p.drawEllipse(QPointF(9.2, -3.5), 0.9, 0.9);
  QPainterPath brow;
  brow.moveTo(4.5, -6);
  brow.quadTo(8.5, -8, 12.5, -5.5);
  strokePath(p, brow, ink.trim, 1.2);
  // Whiskers.
  QPainterPath whisker;
  whisker.moveTo(25, -7);
  whisker.cubicTo(34, -16, 22, -24, 34, -30);
  strokePath(p, whisker, ink.trim, 1.0);
  whisker = QPainterPath();
  whisker.moveTo(22, 6);
  whisker.cubicTo(30, 16, 18, 22, 28, 30);
  strokePath(p, whisker, ink.trim, 1.0);
  // The pearl the dragon chases, wrapped in flame.
  const QPointF pearl(44, 4);
  p.setBrush(ink.trim);
  for (int k = 0; k < 7; ++k) {
    const double a = k * 2 * Pi / 7;
    p.drawPath(flame(pearl + QPointF(std::cos(a), std::sin(a)) * 6,
                     pearl + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * 13, 4, 2));
  }
  p.setBrush(scaleColor(ink.trim, 1.12));
  p.drawEllipse(pearl, 7, 7);
  QPainterPath swirl;
  for (int i = 0; i <= 20; ++i) {
    const double a = i * 0.45;
    const QPointF pt = pearl + QPointF(std::cos(a), std::sin(a)) * (5.5 * i / 20.0);
    if (i == 0)
      swirl.moveTo(pt);
    else
      swirl.lineTo(pt);
  }
  strokePath(p, swirl, ink.body, 1.0);
  p.restore();
}

QImage makeDragons(int k) {
  const DragonInk ink;
  QImage image = mottled(256 * k, 256 * k, ink.ground, 0.18, 23);
  drawWrapped(image, k, [&](QPainter& p) { dragonScene(p, ink); });
  return image;
}

// ---------------------------------------------------------------- galaxy

struct Light {
  double r = 0, g = 0, b = 0;
  void add(double amount, double cr, double cg, double cb) {
    r += amount * cr;
    g += amount * cg;
    b += amount * cb;
  }
};

// The sky is worked out in the 1x picture's units and sampled at each of the k x k pixels that
// cover a 1x pixel, so a larger picture shows the same galaxy in finer detail.
QImage makeAndromeda(int k) {
  const int width = 704, height = 468;
  const int columns = width * k, rows = height * k;
  std::vector<Light> sky(std::size_t(columns) * rows);
  const TilingNoise dust(7, 8);
  const TilingNoise haze(5, 3);

  // The galaxy: a bright bulge in a large inclined disc, wound with arms and dark dust lanes.
  const QPointF centre(360, 226);
  const double tilt = -33 * Pi / 180;  // position angle of the long axis
  const double flatten = 0.30;         // cosine of the inclination
  const double pitch = std::tan(17 * Pi / 180);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      const double dx = (x + 0.5) / k - centre.x();
      const double dy = (y + 0.5) / k - centre.y();
      const double u = dx * std::cos(tilt) + dy * std::sin(tilt);
      const double v = (-dx * std::sin(tilt) + dy * std::cos(tilt)) / flatten;
      const double r = std::hypot(u, v);
      const double theta = std::atan2(v, u);
      Light& l = sky[std::size_t(y) * columns + x];

      const double h = haze.fbm(double(x) / columns, double(y) / rows, 5);
      l.add(0.015 + 0.05 * h * h, 0.55, 0.5, 1.0);

      const double clumps = dust.fbm(u / 700 + 0.5, v / 700 + 0.5, 5);
      const double phase = theta - std::log(std::max(r, 4.0) / 40.0) / pitch;
      // The arms fade into the bulge rather than winding to a point.
      const double arms = std::pow(0.5 + 0.5 * std::cos(2 * phase), 2.0) * (1.0 - std::exp(-std::pow(r / 70.0, 2)));
      const double lane = std::pow(0.5 + 0.5 * std::cos(2 * phase + 2.2), 8.0);

      const double bulge = 1.0 * std::exp(-std::pow(r / 26.0, 0.9));
      double disc = 0.40 * std::exp(-r / 150.0) * (0.55 + 0.45 * arms) * (0.7 + 0.6 * clumps);
      disc *= std::exp(-std::pow(r / 360.0, 4));
      // Dust shows darkest on the near side of the disc, in front of the bulge's light.
      const double dustDepth =
          0.75 * lane * std::exp(-std::pow((r - 120) / 90.0, 2)) * (v > 0 ? 1.0 : 0.45) * (0.4 + clumps);
      const double absorb = 1.0 - std::min(0.85, dustDepth);
      l.add(bulge * absorb, 1.0, 0.88, 0.68);
      l.add(disc * absorb * (1.0 - 0.6 * arms), 0.95, 0.85, 0.72);
      l.add(disc * absorb * arms * 0.7, 0.66, 0.76, 1.0);
    }
  }

  // Two small companion galaxies.
  auto companion = [&](QPointF c, double size, double ratio, double angle, double strength) {
    for (int y = std::max(0, int((c.y() - 6 * size) * k)); y < std::min(rows, int((c.y() + 6 * size) * k)); ++y)
      for (int x = std::max(0, int((c.x() - 6 * size) * k)); x < std::min(columns, int((c.x() + 6 * size) * k)); ++x) {
        const double dx = (x + 0.5) / k - c.x();
        const double dy = (y + 0.5) / k - c.y();
        const double u = dx * std::cos(angle) + dy * std::sin(angle);
        const double v = (-dx * std::sin(angle) + dy * std::cos(angle)) / ratio;
        const double rr = std::hypot(u, v) / size;
        sky[std::size_t(y) * columns + x].add(strength * std::exp(-rr * rr), 1.0, 0.9, 0.75);
      }
  };
  companion({322, 262}, 4.5, 0.8, 0.3, 0.45);
  companion({470, 118}, 16.0, 0.6, -0.9, 0.07);

  // Stars: mostly faint, a few bright, their colours from blue-white to orange.
  Rng rng(1771);
  for (int i = 0; i < 1100; ++i) {
    const double sx = rng.uniform(0, width);
    const double sy = rng.uniform(0, height);
    const double bright = 0.04 + 0.9 * std::pow(rng.uniform(), 7);
    const double warmth = rng.uniform();
    const double cr = 0.75 + 0.25 * warmth, cg = 0.8 + 0.1 * warmth, cb = 1.0 - 0.35 * warmth;
    const double sigma = 0.45 + 0.7 * bright;
    const int reach = int(std::ceil(3 * sigma * k));
    for (int y = int(sy * k) - reach; y <= int(sy * k) + reach; ++y)
      for (int x = int(sx * k) - reach; x <= int(sx * k) + reach; ++x) {
        if (x < 0 || y < 0 || x >= columns || y >= rows) continue;
        const double d2 = std::pow((x + 0.5) / k - sx, 2) + std::pow((y + 0.5) / k - sy, 2);
        sky[std::size_t(y) * columns + x].add(bright * std::exp(-d2 / (2 * sigma * sigma)), cr, cg, cb);
      }
  }

  // Soft exposure: highlights roll off rather than clip, and the brightest pixel stays below
  // white so the board's tiles remain the brightest thing on screen.
  QImage image(columns, rows, QImage::Format_RGB32);
  auto expose = [](double v) { return int(std::lround(215.0 * (1.0 - std::exp(-1.6 * v)))); };
  for (int y = 0; y < rows; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < columns; ++x) {
      const Light& l = sky[std::size_t(y) * columns + x];
      line[x] = qRgb(expose(l.r), expose(l.g), expose(l.b));
    }
  }
  return image;
}

// ---------------------------------------------------------------- paw prints

void paw(QPainter& p, QPointF at, double size, double turn, const QColor& color) {
  p.save();
  p.translate(at);
  p.rotate(turn);
  p.scale(size / 30.0, size / 30.0);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  // The main pad: wide, with three soft lobes at the back.
  QPainterPath pad;
  pad.moveTo(0, -3);
  pad.cubicTo(7, -3.5, 12, 3, 11.5, 8);
  pad.cubicTo(11, 12, 7, 12.5, 4, 11);
  pad.cubicTo(2, 13, -2, 13, -4, 11);
  pad.cubicTo(-7, 12.5, -11, 12, -11.5, 8);
  pad.cubicTo(-12, 3, -7, -3.5, 0, -3);
  p.drawPath(pad);
  const QPointF toes[] = {{-11, -7.5}, {-4.2, -13.5}, {4.2, -13.5}, {11, -7.5}};
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(toes[i]);
    p.rotate((i - 1.5) * 14);
    p.drawEllipse(QPointF(0, 0), 3.9, 5.0);
    p.restore();
  }
  p.restore();
}

QImage makeCatPaws(int k) {
  const int size = 240;
  const QColor ground(52, 62, 74);
  QImage image = mottled(size * k, size * k, ground, 0.16, 31);
  // Two trails of prints crossing the tile diagonally, left and right feet alternating; each
  // trail leaves the tile exactly where it enters the next copy.
  struct Print {
    QPointF at;
    double turn;
    QColor color;
    double size;
  };
  std::vector<Print> prints;
  Rng rng(77);
  auto trail = [&](QPointF start, QPointF step, int count, double heading, double tone) {
    const QPointF side = QPointF(-step.y(), step.x()) / std::hypot(step.x(), step.y());
    for (int i = 0; i < count; ++i) {
      const double foot = (i % 2 ? 1 : -1) * 7.0;
      prints.push_back({start + step * i + side * foot, heading + rng.uniform(-10, 10) + (i % 2 ? 6 : -6),
                        scaleColor(ground, tone + rng.uniform(-0.06, 0.06)), rng.uniform(19, 22)});
    }
  };
  // 240 / 6 = 40 per step across and 240 / 6 = 40 down: after six prints the trail has
  // crossed exactly one tile in each direction.
  trail({20, 20}, {40, 40}, 6, 135, 1.22);
  trail({140, 20}, {-40, 40}, 6, 225, 1.17);
  drawWrapped(image, k, [&](QPainter& p) {
    for (const Print& pr : prints) paw(p, pr.at, pr.size, pr.turn, pr.color);
  });
  return image;
}

}  // namespace

QImage kanjiBackground(int k) { return makeKanji(k); }

QImage dragonsBackground(int k) { return makeDragons(k); }

QImage andromedaBackground(int k) { return makeAndromeda(k); }

QImage catPawsBackground(int k) { return makeCatPaws(k); }

}  // namespace artgen
