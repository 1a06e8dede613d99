#include "Panels.h"

#include "ArtMath.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

constexpr int Width = 92;
constexpr int Height = 468;
constexpr int Supersample = 4;

// Red lacquer with gold inlay: it sits between the dark boards and the window's edge, and the
// gold picks up the orange tiles. The inlay is kept dull so the yellow title stays the
// brightest thing on the panel.
namespace lacquer {
const QColor Top(66, 13, 15);
const QColor Bottom(40, 7, 9);
const QColor Edge(16, 3, 4);
const QColor Gold(192, 146, 66);
const QColor DullGold(124, 88, 40);
}  // namespace lacquer

// The ground is computed at the panel's own size and only the inlay is painted large, so the
// averaging leaves the ground's pixels exactly as computed and smooths just the gold. Distances
// are in the 1x panel's units, whatever the size drawn.
QImage lacquerGround(int k) {
  const TilingNoise mottle(53, 3);
  QImage image(Width * k, Height * k, QImage::Format_RGB32);
  for (int y = 0; y < Height * k; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < Width * k; ++x) {
      const double px = (x + 0.5) / k;
      const double py = (y + 0.5) / k;
      const double u = px / Width;
      const double v = py / Height;
      QColor c = mixColor(lacquer::Top, lacquer::Bottom, v);
      // A broad, soft reflection running down the left of centre, as on polished lacquer.
      const double sheen = std::exp(-std::pow((u - 0.38) / 0.22, 2)) * (1.0 - 0.5 * v);
      // The ground darkens into the frame, so the inlay looks set into it.
      const double toEdge = std::min({px, Width - px, py, Height - py});
      const double shade = 1.0 - 0.35 * std::exp(-(toEdge - 3.0) / 3.0) * (toEdge > 3.0);
      const double grain = mottle.fbm(u * 0.25, v, 5) - 0.5;
      c = scaleColor(c, (1.0 + 0.12 * sheen + 0.10 * grain) * shade);
      line[x] = c.rgb();
    }
  }
  return image;
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& color, double width) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
}

// A key fret folded into the corner. The lines lie on pixel centres, so the fret stays crisp
// at its one-pixel width instead of blurring into a smudge. It keeps within 14 pixels of the
// corner, clear of the second player's label and time.
void cornerFret(QPainter& p, QPointF corner, double sx, double sy) {
  auto at = [&](double x, double y) { return corner + QPointF(sx * x, sy * y); };
  QPainterPath fret;
  fret.moveTo(at(5.5, 14.0));
  fret.lineTo(at(5.5, 5.5));
  fret.lineTo(at(14.0, 5.5));
  fret.moveTo(at(8.5, 14.0));
  fret.lineTo(at(8.5, 8.5));
  fret.lineTo(at(13.5, 8.5));
  fret.lineTo(at(13.5, 11.5));
  fret.lineTo(at(10.5, 11.5));
  stroke(p, fret, lacquer::Gold, 1.0);
}

// A square-holed coin between two tapering rules, for the top and the foot of the panel. At this
// size a coin still reads as one, where a cloud or a flower turns into a blot.
void coinRule(QPainter& p, QPointF centre, double radius) {
  p.setPen(QPen(lacquer::Gold, 1.0));
  p.setBrush(lacquer::DullGold);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(scaleColor(lacquer::DullGold, 0.7), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius * 0.68, radius * 0.68);
  p.setPen(Qt::NoPen);
  p.setBrush(lacquer::Bottom);
  const double hole = radius * 0.32;
  p.drawRect(QRectF(centre.x() - hole, centre.y() - hole, 2 * hole, 2 * hole));

  for (double side : {-1.0, 1.0}) {
    const double from = radius + 2.0;
    const double to = from + 20.0;
    QPainterPath rule;
    rule.moveTo(centre + QPointF(side * from, -0.75));
    rule.lineTo(centre + QPointF(side * to, 0));
    rule.lineTo(centre + QPointF(side * from, 0.75));
    rule.closeSubpath();
    p.setBrush(lacquer::DullGold);
    p.drawPath(rule);
    QPainterPath diamond;
    const QPointF tip = centre + QPointF(side * (to + 2.0), 0);
    diamond.moveTo(tip + QPointF(-1.5, 0));
    diamond.lineTo(tip + QPointF(0, -1.5));
    diamond.lineTo(tip + QPointF(1.5, 0));
    diamond.lineTo(tip + QPointF(0, 1.5));
    diamond.closeSubpath();
    p.setBrush(lacquer::Gold);
    p.drawPath(diamond);
  }
}

void inlay(QPainter& p) {
  p.setPen(Qt::NoPen);
  // The outermost pixel is nearly black, so the panel has an edge against the board.
  p.setBrush(lacquer::Edge);
  p.drawRect(QRectF(0, 0, Width, 1));
  p.drawRect(QRectF(0, Height - 1, Width, 1));
  p.drawRect(QRectF(0, 0, 1, Height));
  p.drawRect(QRectF(Width - 1, 0, 1, Height));
  // A gold band and a dull inner line. Both stay in the outer four pixels: the two-player
  // labels start at x = 4.
  auto inset = [](double by) {
    QPainterPath r;
    r.addRect(QRectF(by, by, Width - 2 * by, Height - 2 * by));
    return r;
  };
  stroke(p, inset(1.9), lacquer::Gold, 1.5);
  stroke(p, inset(3.4), lacquer::DullGold, 0.6);

  cornerFret(p, {0, 0}, 1, 1);
  cornerFret(p, {Width, 0}, -1, 1);
  cornerFret(p, {0, Height}, 1, -1);
  cornerFret(p, {Width, Height}, -1, -1);
  // On the middle of a pixel row, so the rules come out sharp. The lower coin is small: the
  // second player's time ends just above it.
  coinRule(p, {Width / 2.0, 13.5}, 5.5);
  coinRule(p, {Width / 2.0, Height - 9.5}, 4.0);
}

}  // namespace

QImage hallOfFamePanel(int k) {
  const QImage ground = lacquerGround(k);
  QImage large = ground.scaled(ground.size() * Supersample, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample * k, Supersample * k);
    inlay(p);
  }
  return downsample(large, Supersample).convertToFormat(QImage::Format_RGB32);
}

}  // namespace artgen
