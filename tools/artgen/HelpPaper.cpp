#include "Panels.h"

#include "ArtMath.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace artgen {
namespace {

constexpr int Width = 600;
constexpr int Height = 400;
constexpr double Pi = 3.14159265358979323846;

namespace paper {
const QColor Light(255, 229, 186);
const QColor Warm(250, 194, 128);
const QColor Petal(238, 170, 110);
const QColor Stamen(214, 128, 78);
const QColor Fibre(255, 246, 228);
}  // namespace paper

// Apricot paper: lighter in the middle where the text is, with soft clouding and a little grain.
QImage paperGround() {
  const TilingNoise clouds(61, 3);
  const TilingNoise grain(67, 40);
  QImage image(Width, Height, QImage::Format_RGB32);
  for (int y = 0; y < Height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < Width; ++x) {
      const double u = (x + 0.5) / Width - 0.5;
      const double v = (y + 0.5) / Height - 0.5;
      const double edge = clamp01(std::pow(u * u * 3.2 + v * v * 3.2, 1.3));
      const double cloud = clouds.fbm(u + 0.5, v + 0.5, 4) - 0.5;
      const double t = 0.15 + 0.75 * edge + 0.55 * cloud;
      const double fine = grain.fbm(u + 0.5, v + 0.5, 2) - 0.5;
      line[x] = scaleColor(mixColor(paper::Light, paper::Warm, t), 1.0 + 0.035 * fine).rgb();
    }
  }
  return image;
}

// Long pale fibres, the mark of handmade paper.
void fibres(QPainter& p, Rng& rng) {
  for (int i = 0; i < 140; ++i) {
    const QPointF from(rng.uniform(-20, Width + 20), rng.uniform(-20, Height + 20));
    const double a = rng.uniform(0, 2 * Pi);
    const double len = rng.uniform(12, 40);
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    QPainterPath f;
    f.moveTo(from);
    f.quadTo(from + dir * len / 2 + side * rng.uniform(-5, 5), from + dir * len);
    QColor c = paper::Fibre;
    c.setAlphaF(float(rng.uniform(0.25, 0.55)));
    p.setPen(QPen(c, rng.uniform(0.5, 0.9), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(f);
  }
  p.setPen(Qt::NoPen);
}

// A plum blossom: five round petals, a ring of stamens.
void blossom(QPainter& p, QPointF at, double r, double turn, double strength) {
  p.save();
  p.translate(at);
  p.rotate(turn);
  QPainterPath petals;
  for (int k = 0; k < 5; ++k) {
    const double a = -Pi / 2 + k * 2 * Pi / 5;
    petals.addEllipse(QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.5, r * 0.5);
  }
  petals.setFillRule(Qt::WindingFill);
  QColor fill = paper::Petal;
  fill.setAlphaF(float(0.22 * strength));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(petals.simplified());
  QColor line = paper::Stamen;
  line.setAlphaF(float(0.22 * strength));
  p.setPen(QPen(line, std::max(0.6, r * 0.05)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(petals.simplified());
  for (int k = 0; k < 8; ++k) {
    const double a = k * 2 * Pi / 8 + 0.2;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF tip = dir * r * 0.38;
    // Starting off the centre: eight lines meeting there would stack into a dark spot.
    p.drawLine(dir * r * 0.12, tip);
    p.setBrush(line);
    p.drawEllipse(tip, r * 0.05, r * 0.05);
    p.setBrush(Qt::NoBrush);
  }
  p.restore();
  p.setPen(Qt::NoPen);
}

// A bough of plum blossom reaching in from a corner: the pattern gathers at the edges and
// leaves the middle of the page clear for the text.
void bough(QPainter& p, Rng& rng, QPointF root, double heading, double length, double scale) {
  struct Twig {
    QPointF from;
    double heading, length, width;
    int depth;
  };
  std::vector<Twig> todo{{root, heading, length, 7.0 * scale, 0}};
  QColor bark = paper::Stamen;
  bark.setAlphaF(0.24f);
  std::vector<QPointF> flowers;
  while (!todo.empty()) {
    const Twig t = todo.back();
    todo.pop_back();
    QPainterPath path;
    path.moveTo(t.from);
    QPointF at = t.from;
    double h = t.heading;
    const int segments = 5;
    for (int s = 0; s < segments; ++s) {
      h += rng.uniform(-0.35, 0.35);
      at += QPointF(std::cos(h), std::sin(h)) * (t.length / segments);
      path.lineTo(at);
      if (t.depth < 2 && s >= 1 && rng.uniform() < 0.6)
        todo.push_back({at, h + (rng.uniform() < 0.5 ? -1 : 1) * rng.uniform(0.5, 0.9), t.length * 0.55, t.width * 0.6,
                        t.depth + 1});
      if (s >= 2 && rng.uniform() < 0.5)
        flowers.push_back(at + QPointF(rng.uniform(-6, 6), rng.uniform(-6, 6)) * scale);
    }
    flowers.push_back(at);
    p.setPen(QPen(bark, t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.setPen(Qt::NoPen);
  for (const QPointF& f : flowers) blossom(p, f, rng.uniform(8, 13) * scale, rng.uniform(0, 72), rng.uniform(0.8, 1.2));
}

}  // namespace

QImage helpPaper() {
  QImage image = paperGround();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Rng rng(4242);
  fibres(p, rng);
  bough(p, rng, {-10, Height + 6}, -0.8, 210, 1.0);
  bough(p, rng, {Width + 10, 20}, Pi - 0.5, 170, 0.85);
  // Loose petals drifting across.
  QColor petal = paper::Petal;
  petal.setAlphaF(0.30f);
  p.setBrush(petal);
  for (int i = 0; i < 14; ++i) {
    p.save();
    p.translate(rng.uniform(30, Width - 30), rng.uniform(20, Height - 20));
    p.rotate(rng.uniform(0, 180));
    const double r = rng.uniform(3.0, 4.5);
    QPainterPath leaf;
    leaf.moveTo(-r, 0);
    leaf.quadTo(0, -r * 0.9, r, 0);
    leaf.quadTo(0, r * 0.7, -r, 0);
    p.drawPath(leaf);
    p.restore();
  }
  return image;
}

}  // namespace artgen
