#include "platform/QtPictures.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <optional>

#include "display/Png.h"

namespace velmor {

bool LoadPictureFile(const std::string& path, Picture& out, std::string& error) {
  // PNG goes to the game's own reader, which bounds every size before it allocates anything;
  // the larger artwork ships as PNG, so the game and the CLI read it the same way.
  if (IsPngPath(path)) return DecodePngFile(path, out, error);
  // Only the bitmap reader: the files are shared by players, and letting Qt probe the content
  // would hand a file named .bmp to every other decoder (a crafted PNG makes libpng ask for
  // gigabytes before it fails).
  QImageReader reader(QString::fromStdString(path), "bmp");
  reader.setAutoDetectImageFormat(false);
  reader.setAutoTransform(false);
  if (!reader.canRead()) {
    error = QFileInfo(QString::fromStdString(path)).isFile() ? "not a bitmap (.bmp) file"
                                                             : reader.errorString().toStdString();
    if (error.empty()) error = "the file cannot be read";
    return false;
  }
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > MaxBitmapSide || size.height() > MaxBitmapSide)) {
    error = "the picture is " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
            " pixels; at most " + std::to_string(MaxBitmapSide) + " on a side can be used";
    return false;
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    error = reader.errorString().toStdString();
    if (error.empty()) error = "not a picture file";
    return false;
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  Picture picture(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    uint32_t* dst = picture.row(y);
    for (int x = 0; x < image.width(); ++x) dst[x] = line[x] & 0x00FFFFFFu;
  }
  out = std::move(picture);
  return true;
}

QImage WrapPicture(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(), picture.height(),
                QImage::Format_RGB32);
}

QImage OpaqueImage(const Picture& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    const uint32_t* src = picture.row(y);
    auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) dst[x] = src[x] | 0xFF000000u;
  }
  return image;
}

void MakeOpaque(QPainter& painter, const QRect& area) {
  const QPaintEngine* engine = painter.paintEngine();
  const QPaintDevice* target = engine ? engine->paintDevice() : nullptr;
  if (target && target->devType() == QInternal::Image && !static_cast<const QImage*>(target)->hasAlphaChannel()) return;
  // Black laid under what is there: the colours stay, the alpha becomes full.
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
  painter.fillRect(area, Qt::black);
  painter.restore();
}

namespace {

// The window's buffer a painter paints into, where it is a plain 32-bit image and the painter's
// origin falls on a device pixel; `scale` device pixels make one of the painter's.
struct DeviceImage {
  QImage* image = nullptr;
  double scale = 1;
  int dx = 0, dy = 0;
  // A rectangle in the painter's coordinates as the device pixels it covers, within the image.
  QRect Covered(const QRect& logical) const {
    return QRectF(dx + logical.x() * scale, dy + logical.y() * scale, logical.width() * scale, logical.height() * scale)
        .toAlignedRect()
        .intersected(image->rect());
  }
};

std::optional<DeviceImage> PaintedImage(QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* target = engine ? engine->paintDevice() : nullptr;
  if (!target || target->devType() != QInternal::Image) return std::nullopt;
  auto* image = static_cast<QImage*>(target);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return std::nullopt;
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxScale || t.m22() != t.m11() || t.m11() <= 0 || t.dx() != std::round(t.dx()) ||
      t.dy() != std::round(t.dy()))
    return std::nullopt;
  return DeviceImage{image, t.m11(), static_cast<int>(t.dx()), static_cast<int>(t.dy())};
}

}  // namespace

bool PaintOpaque(QPainter& painter, const Picture& picture, const QRegion& region) {
  const std::optional<DeviceImage> device = PaintedImage(painter);
  // Only a whole scale between the painter's units and the device's.
  if (!device || device->scale < 1 || device->scale != std::round(device->scale)) return false;
  const auto [image, scale, dx, dy] = *device;
  const QRect inside = QRect(dx, dy, picture.width(), picture.height()).intersected(image->rect());
  if (inside.isEmpty()) return true;
  uchar* bits = image->bits();  // a detached buffer: the window's own, painted in place
  const qsizetype stride = image->bytesPerLine();
  for (const QRect& logical : region) {
    const QRect r = device->Covered(logical).intersected(inside);
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const uint32_t* from = picture.row(y - dy) + (r.left() - dx);
      auto* to = reinterpret_cast<uint32_t*>(bits + y * stride) + r.left();
      for (int x = 0; x < r.width(); ++x) to[x] = from[x] | 0xFF000000u;
    }
  }
  return true;
}

namespace {

// Only the device pixels asked for are worked out, straight into the window's buffer, so the view
// keeps no copy at the window's size.
template <typename Resizing>
bool PaintResized(QPainter& painter, const Picture& picture, const Resizing& resizing, const QRegion& region) {
  const std::optional<DeviceImage> device = PaintedImage(painter);
  if (!device || !resizing.From(picture)) return false;
  const auto [image, scale, dx, dy] = *device;
  const QRect inside = QRect(dx, dy, resizing.width(), resizing.height()).intersected(image->rect());
  if (inside.isEmpty()) return true;
  uchar* bits = image->bits();
  const qsizetype stride = image->bytesPerLine();
  for (const QRect& logical : region) {
    const QRect r = device->Covered(logical).intersected(inside);
    if (r.isEmpty()) continue;
    auto* to = reinterpret_cast<uint32_t*>(bits + r.top() * stride) + r.left();
    resizing.Into(picture, to, stride / 4, {r.left() - dx, r.top() - dy, r.right() + 1 - dx, r.bottom() + 1 - dy},
                  0xFF000000u);
  }
  return true;
}

}  // namespace

bool PaintEnlarged(QPainter& painter, const Picture& picture, const SmoothEnlargement& enlargement,
                   const QRegion& region) {
  return PaintResized(painter, picture, enlargement, region);
}

bool PaintReduced(QPainter& painter, const Picture& picture, const AreaReduction& reduction, const QRegion& region) {
  return PaintResized(painter, picture, reduction, region);
}

bool PaintStretched(QPainter& painter, const Picture& picture, const QRectF& target, const QRect& clip) {
  const std::optional<DeviceImage> device = PaintedImage(painter);
  if (!device || picture.empty()) return false;
  const auto [image, scale, dx, dy] = *device;
  const QRect onDevice =
      QRectF(dx + target.x() * scale, dy + target.y() * scale, target.width() * scale, target.height() * scale)
          .toRect();
  const QRect r = device->Covered(clip).intersected(onDevice);
  if (r.isEmpty()) return true;
  const SmoothEnlargement stretch(picture.width(), picture.height(), onDevice.width(), onDevice.height());
  auto* to = reinterpret_cast<uint32_t*>(image->bits() + r.top() * image->bytesPerLine()) + r.left();
  stretch.Into(picture, to, image->bytesPerLine() / 4,
               {r.left() - onDevice.left(), r.top() - onDevice.top(), r.right() + 1 - onDevice.left(),
                r.bottom() + 1 - onDevice.top()},
               0xFF000000u);
  return true;
}

bool SavePng(const Picture& picture, const std::string& path, std::string& error) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB888);
  for (int y = 0; y < picture.height(); ++y) {
    uchar* line = image.scanLine(y);
    const uint32_t* src = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) {
      line[3 * x] = static_cast<uchar>(RedOf(src[x]));
      line[3 * x + 1] = static_cast<uchar>(GreenOf(src[x]));
      line[3 * x + 2] = static_cast<uchar>(BlueOf(src[x]));
    }
  }
  if (!image.save(QString::fromStdString(path), "PNG")) {
    error = "cannot write \"" + path + "\"";
    return false;
  }
  return true;
}

}  // namespace velmor
