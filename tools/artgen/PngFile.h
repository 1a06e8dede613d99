#pragma once

#include <QImage>
#include <QString>

namespace artgen {

// Writes the picture as a plain PNG file (8-bit, not interlaced, no ancillary chunks) at zlib's
// strongest compression. A picture of 256 colours or fewer is stored with a palette of exactly its
// colours, an Indexed8 picture with its own palette, anything else as RGB. Written here rather
// than by Qt so the bytes depend on this program and zlib alone.
bool writePng(const QImage& image, const QString& path, QString* error);

}  // namespace artgen
