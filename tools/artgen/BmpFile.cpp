#include "BmpFile.h"

#include <QByteArray>
#include <QSaveFile>

#include <cstdint>

namespace artgen {
namespace {

void put16(QByteArray& out, std::uint16_t v) {
  out.append(char(v & 0xFF));
  out.append(char(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray header(int width, int height, int bitsPerPixel, int paletteEntries, int rowBytes) {
  const std::uint32_t offset = 14 + 40 + 4 * paletteEntries;
  const std::uint32_t imageBytes = std::uint32_t(rowBytes) * std::uint32_t(height);
  QByteArray out;
  out.append("BM", 2);
  put32(out, offset + imageBytes);
  put32(out, 0);
  put32(out, offset);
  put32(out, 40);
  put32(out, std::uint32_t(width));
  put32(out, std::uint32_t(height));  // positive: bottom-up rows
  put16(out, 1);
  put16(out, std::uint16_t(bitsPerPixel));
  put32(out, 0);  // BI_RGB
  put32(out, imageBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, std::uint32_t(paletteEntries));
  put32(out, 0);
  return out;
}

bool save(const QByteArray& bytes, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = path + ": " + file.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool writeBmp24(const QImage& image, const QString& path, QString* error) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = (rgb.width() * 3 + 3) & ~3;
  QByteArray out = header(rgb.width(), rgb.height(), 24, 0, rowBytes);
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < rgb.width(); ++x) {
      row[3 * x] = char(qBlue(line[x]));
      row[3 * x + 1] = char(qGreen(line[x]));
      row[3 * x + 2] = char(qRed(line[x]));
    }
    out.append(row);
  }
  return save(out, path, error);
}

bool writeBmp8(const QImage& indexed, const QString& path, QString* error) {
  if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256) {
    if (error) *error = path + ": an 8-bit bitmap needs an indexed picture of at most 256 colours";
    return false;
  }
  const int rowBytes = (indexed.width() + 3) & ~3;
  QByteArray out = header(indexed.width(), indexed.height(), 8, 256, rowBytes);
  const QList<QRgb> table = indexed.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append('\0');
  }
  for (int y = indexed.height() - 1; y >= 0; --y) {
    QByteArray row(rowBytes, '\0');
    const uchar* line = indexed.constScanLine(y);
    for (int x = 0; x < indexed.width(); ++x) row[x] = char(line[x]);
    out.append(row);
  }
  return save(out, path, error);
}

}  // namespace artgen
