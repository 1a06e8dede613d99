#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace artgen {

enum class Script {
  Brush,  // traditional brush hand for the character tiles and backgrounds
  Bold,   // heavy sans for the winds and dragons, which must read from across the board
  Latin,  // corner indexes
};

// Fails (with the package to install) when a font is missing or lacks a character the artwork
// uses; Qt would otherwise quietly draw some other font's glyph or an empty box.
bool checkFonts(QString* error);

// The outline of `text` at a 100 pixel em, baseline at y = 0.
QPainterPath glyphPath(const QString& text, Script script);

// Scales the glyph's outline uniformly so its inked area fits `box`, centred in it.
// `embolden` thickens the strokes by that many pixels (in the painter's units).
void drawGlyphFitted(QPainter& painter, const QString& text, Script script, const QRectF& box, const QColor& color,
                     double embolden = 0.0);

// Draws the glyph at a given em size (in the painter's units), its ink centred on `center`;
// glyphs of one set drawn this way keep their relative sizes (一 stays thin, 九 stays tall).
void drawGlyphSized(QPainter& painter, const QString& text, Script script, double em, const QPointF& center,
                    const QColor& color, double embolden = 0.0);

}  // namespace artgen
