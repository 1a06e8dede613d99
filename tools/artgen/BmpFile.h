#pragma once

#include <QImage>
#include <QString>

namespace artgen {

// The game reads plain Windows bitmaps: BITMAPINFOHEADER, bottom-up rows, no compression.
// Qt's own writer picks the bit depth by itself, so the files are written here to be sure of it.
bool writeBmp24(const QImage& image, const QString& path, QString* error);
bool writeBmp8(const QImage& indexed, const QString& path, QString* error);  // Format_Indexed8

}  // namespace artgen
