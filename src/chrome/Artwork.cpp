#include "chrome/Artwork.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "base/Version.h"

namespace velmor {

namespace {

constexpr int IconSize = 20;

// A small mahjong tile with a face drawn in shapes (no font needed): the picture of the New
// button and the motif of the splash. Faces: 0 one-dot, 1 two-bamboo, 2 three-dot.
void DrawTile(QPainter& p, QRectF face, const QColor& edge, int motif) {
  const qreal t = face.width() * 0.15;
  QPainterPath body;
  body.moveTo(face.left(), face.top());
  body.lineTo(face.right(), face.top());
  body.lineTo(face.right(), face.bottom());
  body.lineTo(face.right() - t, face.bottom() + t);
  body.lineTo(face.left() - t, face.bottom() + t);
  body.lineTo(face.left() - t, face.top() + t);
  body.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(edge);
  p.drawPath(body);
  QLinearGradient g(face.topLeft(), face.bottomRight());
  g.setColorAt(0, QColor(255, 252, 240));
  g.setColorAt(1, QColor(236, 226, 200));
  p.setBrush(g);
  p.setPen(QPen(QColor(120, 100, 70), face.width() / 30.0));
  p.drawRoundedRect(face, face.width() / 12.0, face.width() / 12.0);
  const QPointF c = face.center();
  const qreal u = face.width();
  auto dot = [&](QPointF at, qreal r, const QColor& colour) {
    p.setPen(QPen(colour, r * 0.35));
    p.setBrush(QColor(255, 252, 240));
    p.drawEllipse(at, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, r * 0.45, r * 0.45);
  };
  switch (motif) {
    case 0:
      dot(c, u * 0.3, QColor(200, 40, 40));
      break;
    case 1:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(30, 130, 60));
      p.drawRoundedRect(QRectF(c.x() - u * 0.08, face.top() + u * 0.12, u * 0.16, face.height() * 0.36), 2, 2);
      p.setBrush(QColor(30, 70, 160));
      p.drawRoundedRect(QRectF(c.x() - u * 0.08, c.y() + u * 0.04, u * 0.16, face.height() * 0.36), 2, 2);
      break;
    default:
      dot(QPointF(face.left() + u * 0.27, face.top() + u * 0.3), u * 0.15, QColor(30, 70, 160));
      dot(c, u * 0.15, QColor(200, 40, 40));
      dot(QPointF(face.right() - u * 0.27, face.bottom() - u * 0.3), u * 0.15, QColor(30, 130, 60));
      break;
  }
}

QPixmap Canvas() {
  QPixmap pm(IconSize, IconSize);
  pm.fill(Qt::transparent);
  return pm;
}

QPixmap Arrow(bool back) {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.moveTo(15, 16);
  path.cubicTo(17, 8, 11, 4, 5, 7);
  p.setPen(QPen(QColor(30, 90, 170), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  QPolygonF head{{1.5, 7.5}, {8.5, 3}, {8, 11.5}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 170));
  p.drawPolygon(head);
  p.end();
  // Forward (redo) is the same arrow turned the other way.
  return back ? pm : QPixmap::fromImage(pm.toImage().mirrored(true, false));
}

QPixmap Bulb() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(9, 7), 8);
  g.setColorAt(0, QColor(255, 255, 200));
  g.setColorAt(1, QColor(250, 200, 40));
  p.setBrush(g);
  p.setPen(QPen(QColor(150, 110, 0), 1));
  p.drawEllipse(QRectF(4, 1.5, 12, 12));
  p.setBrush(QColor(120, 120, 130));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(7, 13.5, 6, 4));
  p.setPen(QPen(QColor(70, 70, 80), 1));
  p.drawLine(QPointF(7, 15.5), QPointF(13, 15.5));
  return pm;
}

QPixmap ShuffleArrows() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c(40, 130, 60);
  p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath a, b;
  a.moveTo(2, 5);
  a.cubicTo(9, 5, 9, 15, 15, 15);
  b.moveTo(2, 15);
  b.cubicTo(9, 15, 9, 5, 15, 5);
  p.drawPath(a);
  p.drawPath(b);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(QPolygonF{{19, 15}, {14, 11}, {14, 19}});
  p.drawPolygon(QPolygonF{{19, 5}, {14, 1}, {14, 9}});
  return pm;
}

QPixmap PauseBars() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 70));
  p.drawRoundedRect(QRectF(4, 3, 4.5, 14), 1, 1);
  p.drawRoundedRect(QRectF(11.5, 3, 4.5, 14), 1, 1);
  return pm;
}

QPixmap Note() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c(120, 40, 140);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(QRectF(2, 12, 6.5, 5));
  p.drawEllipse(QRectF(11, 10, 6.5, 5));
  p.setPen(QPen(c, 1.8));
  p.drawLine(QPointF(8, 14.5), QPointF(8, 3));
  p.drawLine(QPointF(17, 12.5), QPointF(17, 1.5));
  p.setPen(QPen(c, 3));
  p.drawLine(QPointF(8, 3.5), QPointF(17, 2));
  return pm;
}

QPixmap Letter(const QString& text, const QColor& fill) {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawEllipse(QRectF(1, 1, 18, 18));
  QFont f("DejaVu Sans");
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter, text);
  return pm;
}

QPixmap Trophy() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold(220, 170, 30), dark(150, 110, 10);
  p.setPen(QPen(dark, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(1.5, 3, 6, 7), 90 * 16, 180 * 16);
  p.drawArc(QRectF(12.5, 3, 6, 7), 270 * 16, 180 * 16);
  p.setBrush(gold);
  QPainterPath cup;
  cup.moveTo(4.5, 2);
  cup.lineTo(15.5, 2);
  cup.cubicTo(15.5, 10, 12, 12, 10, 12);
  cup.cubicTo(8, 12, 4.5, 10, 4.5, 2);
  p.drawPath(cup);
  p.drawRect(QRectF(8.5, 12, 3, 3));
  p.drawRect(QRectF(5.5, 15, 9, 3));
  return pm;
}

QPixmap Door() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 60, 30), 1.2));
  p.setBrush(QColor(170, 120, 70));
  p.drawRect(QRectF(3, 2, 9, 16));
  p.setBrush(QColor(250, 220, 120));
  p.drawEllipse(QRectF(9, 9.5, 1.8, 1.8));
  p.setPen(QPen(QColor(190, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 10), QPointF(18.5, 10));
  p.drawLine(QPointF(15.5, 7), QPointF(18.5, 10));
  p.drawLine(QPointF(15.5, 13), QPointF(18.5, 10));
  return pm;
}

QPixmap NewTile() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  DrawTile(p, QRectF(4, 1, 14, 16), QColor(40, 90, 170), 0);
  return pm;
}

}  // namespace

namespace {
// Each button with an icon, and its drawing.
const std::pair<const char*, QPixmap (*)()> Drawings[] = {
    {"ExplorerButton1", [] { return NewTile(); }},
    {"ExplorerButton2", [] { return Arrow(true); }},
    {"RedoButton", [] { return Arrow(false); }},
    {"ExplorerButton3", [] { return Bulb(); }},
    {"ShuffleButton", [] { return ShuffleArrows(); }},
    {"PauseButton", [] { return PauseBars(); }},
    {"SetMusic", [] { return Note(); }},
    {"HelpButton", [] { return Letter("?", QColor(40, 110, 190)); }},
    {"AboutButton", [] { return Letter("i", QColor(60, 150, 90)); }},
    {"HallFameButton", [] { return Trophy(); }},
    {"ExitButton", [] { return Door(); }},
};
}  // namespace

QStringList ToolbarIconNames() {
  QStringList names;
  for (const auto& [name, draw] : Drawings) names << name;
  return names;
}

QPixmap DrawToolbarIcon(const QString& name) {
  for (const auto& [button, draw] : Drawings)
    if (name == button) return draw();
  return {};
}

namespace {
// Read as an image, not with QPixmap::load, which would keep a copy in the pixmap cache for as
// long as the program runs.
QPixmap Shipped(const QString& resource) {
  QImage image;
  return image.load(resource, "PNG") ? QPixmap::fromImage(std::move(image)) : QPixmap();
}
}  // namespace

QIcon ToolbarIcon(const QString& name) {
  if (!ToolbarIconNames().contains(name)) return {};
  if (const QPixmap shipped = Shipped(":/chrome/toolbar/" + name + ".png"); !shipped.isNull()) return QIcon(shipped);
  return QIcon(DrawToolbarIcon(name));
}

QPixmap SplashPicture() {
  if (QPixmap shipped = Shipped(":/chrome/splash.png"); !shipped.isNull()) return shipped;
  return DrawSplashPicture();
}

QPixmap DrawSplashPicture() {
  QPixmap pm(360, 200);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(18, 28, 60));
  sky.setColorAt(1, QColor(50, 30, 70));
  p.fillRect(pm.rect(), sky);
  for (int i = 0; i < 3; ++i) DrawTile(p, QRectF(230 + 34 * i, 40 + 8 * i, 30, 38), QColor(40, 90, 170), i);
  QFont title("DejaVu Serif");
  title.setPixelSize(46);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QRectF(22, 52, 220, 60), Qt::AlignLeft | Qt::AlignVCenter, "Velmor");
  p.setPen(QColor(250, 210, 90));
  p.drawText(QRectF(20, 50, 220, 60), Qt::AlignLeft | Qt::AlignVCenter, "Velmor");
  QFont sub("DejaVu Sans");
  sub.setPixelSize(14);
  p.setFont(sub);
  p.setPen(QColor(220, 220, 235));
  p.drawText(QRectF(22, 112, 320, 24), Qt::AlignLeft, "Mah-Jongg solitaire");
  p.setPen(QColor(160, 160, 190));
  p.drawText(QRectF(22, 160, 320, 24), Qt::AlignLeft, "Version " VELMOR_VERSION " - loading...");
  return pm;
}

QCursor TechnoCursor() {
  // 32 x 32, the tip at (0, 0), each pixel black, white or transparent as a monochrome cursor
  // would be. It is given as a colour picture: a bitmap-and-mask cursor has no picture that a
  // Wayland compositor can be handed, so there it would show nothing.
  const QPolygon arrow{{0, 0}, {0, 27}, {7, 20}, {12, 30}, {17, 28}, {12, 18}, {21, 18}};
  QImage painted(32, 32, QImage::Format_ARGB32);
  painted.fill(Qt::transparent);
  {
    QPainter p(&painted);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
  }
  QImage shape(32, 32, QImage::Format_ARGB32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb c = painted.pixel(x, y);
      shape.setPixel(x, y, qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : qGray(c) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  return QCursor(QPixmap::fromImage(shape), 0, 0);
}

}  // namespace velmor
