#include "Glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>

namespace artgen {
namespace {

struct FontChoice {
  const char* family;
  const char* package;
};

FontChoice choice(Script script) {
  switch (script) {
    case Script::Brush:
      return {"AR PL UKai TW", "fonts-arphic-ukai"};
    case Script::Bold:
      return {"WenQuanYi Zen Hei", "fonts-wqy-zenhei"};
    case Script::Latin:
      break;
  }
  return {"DejaVu Sans", "fonts-dejavu-core"};
}

QFont font(Script script) {
  QFont f(QString::fromLatin1(choice(script).family));
  f.setPixelSize(100);
  f.setStyleStrategy(QFont::NoFontMerging);
  if (script == Script::Latin) f.setBold(true);
  return f;
}

// Every character drawn in each hand; kept beside the fonts so checkFonts sees what is used.
const char* charactersUsed(Script script) {
  switch (script) {
    case Script::Brush:
      return "一二三四五六七八九萬龍風雲山水花月雪福春夢和樂竹梅蘭菊星天海鳥松";
    case Script::Bold:
      return "東南西北中發";
    case Script::Latin:
      break;
  }
  return "0123456789ESWNRGP";
}

}  // namespace

bool checkFonts(QString* error) {
  const QStringList families = QFontDatabase::families();
  for (Script script : {Script::Brush, Script::Bold, Script::Latin}) {
    const FontChoice c = choice(script);
    if (!families.contains(QString::fromLatin1(c.family))) {
      *error = QStringLiteral("font \"%1\" not found; install the Debian package %2")
                   .arg(QString::fromLatin1(c.family), QString::fromLatin1(c.package));
      return false;
    }
    const QRawFont raw = QRawFont::fromFont(font(script));
    for (const QChar ch : QString::fromUtf8(charactersUsed(script))) {
      if (!raw.supportsCharacter(ch)) {
        *error = QStringLiteral("font \"%1\" has no glyph for %2").arg(QString::fromLatin1(c.family), QString(ch));
        return false;
      }
    }
  }
  return true;
}

QPainterPath glyphPath(const QString& text, Script script) {
  QPainterPath path;
  path.addText(0, 0, font(script), text);
  return path;
}

namespace {

void fillPath(QPainter& painter, const QPainterPath& path, const QColor& color, double embolden) {
  painter.save();
  painter.setBrush(color);
  if (embolden > 0) {
    QPen pen(color, embolden);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.drawPath(path);
  painter.restore();
}

}  // namespace

void drawGlyphFitted(QPainter& painter, const QString& text, Script script, const QRectF& box, const QColor& color,
                     double embolden) {
  const QPainterPath path = glyphPath(text, script);
  const QRectF ink = path.boundingRect();
  // The pen adds half its width all round; leave room for it.
  const QRectF room = box.adjusted(embolden / 2, embolden / 2, -embolden / 2, -embolden / 2);
  const double scale = std::min(room.width() / ink.width(), room.height() / ink.height());
  QTransform t;
  t.translate(room.center().x(), room.center().y());
  t.scale(scale, scale);
  t.translate(-ink.center().x(), -ink.center().y());
  fillPath(painter, t.map(path), color, embolden);
}

void drawGlyphSized(QPainter& painter, const QString& text, Script script, double em, const QPointF& center,
                    const QColor& color, double embolden) {
  const QPainterPath path = glyphPath(text, script);
  const QRectF ink = path.boundingRect();
  const double scale = em / 100.0;
  QTransform t;
  t.translate(center.x(), center.y());
  t.scale(scale, scale);
  t.translate(-ink.center().x(), -ink.center().y());
  fillPath(painter, t.map(path), color, embolden);
}

}  // namespace artgen
