// Bitmap files in and PNG files out, through Qt's image readers and writers.
#pragma once

#include <QImage>
#include <string>

#include "display/Picture.h"
#include "display/Scale.h"

class QPainter;
class QRect;

namespace velmor {

constexpr int MaxBitmapSide = 8192;

// Reads a bitmap file into `out`, or a ".png" file through DecodePngFile. Refuses pictures
// larger than MaxBitmapSide on a side before decoding them.
bool LoadPictureFile(const std::string& path, Picture& out, std::string& error);

// A picture's pixels leave their fourth byte 0, where Qt's RGB32 expects 0xFF. Qt ignores it when
// it paints onto an opaque surface (an X11 window), but a Wayland window's buffer keeps the
// byte as alpha, and the compositor would see the picture as transparent.
//
// The picture's pixels as an image, without copying: only for drawing through OpaquePaint.
QImage WrapPicture(const Picture& picture);
// A copy with every pixel opaque, for a pixmap or a label that Qt paints by itself.
QImage OpaqueImage(const Picture& picture);
// Makes what was just painted into `area` (in the painter's coordinates) opaque, where the
// surface keeps an alpha channel; elsewhere it does nothing.
void MakeOpaque(QPainter& painter, const QRect& area);
// Paints `picture` 1:1 in device pixels at the painter's origin into `region` (in the painter's
// coordinates) and makes it opaque in the same pass, copying the pixels straight into the window's
// buffer; false, with nothing painted, where that buffer is not a plain 32-bit image or the
// painter's origin does not fall on a device pixel (then drawImage and MakeOpaque are the way).
bool PaintOpaque(QPainter& painter, const Picture& picture, const QRegion& region);
// Paints `picture` enlarged smoothly to the enlargement's size at the painter's origin into
// `region`, opaque, in the same way; false where the window's buffer is not a plain 32-bit image
// or the painter's origin is not on a device pixel.
bool PaintEnlarged(QPainter& painter, const Picture& picture, const SmoothEnlargement& enlargement,
                   const QRegion& region);
// The same, brought down to the reduction's size.
bool PaintReduced(QPainter& painter, const Picture& picture, const AreaReduction& reduction, const QRegion& region);
// Paints `picture` stretched smoothly over `target` (in the painter's coordinates, to the nearest
// device pixel), opaque, inside `clip` only, in the same way.
bool PaintStretched(QPainter& painter, const Picture& picture, const QRectF& target, const QRect& clip);

// Writes `picture` as a 24-bit RGB PNG file.
bool SavePng(const Picture& picture, const std::string& path, std::string& error);

}  // namespace velmor
