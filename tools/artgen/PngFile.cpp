#include "PngFile.h"

#include <QByteArray>
#include <QSaveFile>

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

namespace artgen {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(QByteArray& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(char((v >> shift) & 0xFF));
}

void chunk(QByteArray& out, const char* type, const QByteArray& body) {
  put32(out, std::uint32_t(body.size()));
  const QByteArray typed = QByteArray(type, 4) + body;
  out.append(typed);
  put32(out, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
}

// The picture's own colours when there are at most 256 of them, in a fixed order so the file
// comes out the same from run to run; an empty table otherwise.
std::map<QRgb, int> exactPalette(const QImage& rgb) {
  std::map<QRgb, int> index;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      index.emplace(line[x] | 0xFF000000u, 0);
      if (index.size() > 256) return {};
    }
  }
  int next = 0;
  for (auto& entry : index) entry.second = next++;
  return index;
}

int paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Each row takes the filter whose output has the smallest sum of magnitudes, the usual choice
// for photographs and drawings alike; palette rows are left unfiltered, where filters only hurt.
Bytes filterRows(const std::vector<Bytes>& rows, int step, bool indexed) {
  Bytes out;
  Bytes above(rows.empty() ? 0 : rows[0].size(), 0);
  Bytes best, trial;
  for (const Bytes& row : rows) {
    long bestCost = -1;
    for (int filter = 0; filter < (indexed ? 1 : 5); ++filter) {
      trial.assign(1, std::uint8_t(filter));
      long cost = 0;
      for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= std::size_t(step) ? row[i - step] : 0, b = above[i];
        const int c = i >= std::size_t(step) ? above[i - step] : 0;
        const int predictors[] = {0, a, b, (a + b) / 2, paeth(a, b, c)};
        const std::uint8_t v = std::uint8_t(row[i] - predictors[filter]);
        trial.push_back(v);
        cost += v < 128 ? v : 256 - v;
      }
      if (bestCost < 0 || cost < bestCost) bestCost = cost, best = trial;
    }
    out.insert(out.end(), best.begin(), best.end());
    above = row;
  }
  return out;
}

}  // namespace

bool writePng(const QImage& image, const QString& path, QString* error) {
  std::vector<Bytes> rows;
  QByteArray palette;
  int colourType = 2, step = 3;
  if (image.format() == QImage::Format_Indexed8) {
    colourType = 3, step = 1;
    for (QRgb c : image.colorTable()) palette.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    for (int y = 0; y < image.height(); ++y)
      rows.emplace_back(image.constScanLine(y), image.constScanLine(y) + image.width());
  } else {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::map<QRgb, int> index = exactPalette(rgb);
    if (!index.empty()) {
      colourType = 3, step = 1;
      for (const auto& entry : index)
        palette.append(char(qRed(entry.first))).append(char(qGreen(entry.first))).append(char(qBlue(entry.first)));
    }
    for (int y = 0; y < rgb.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      Bytes row;
      for (int x = 0; x < rgb.width(); ++x) {
        if (colourType == 3) {
          row.push_back(std::uint8_t(index.at(line[x] | 0xFF000000u)));
        } else {
          row.insert(row.end(),
                     {std::uint8_t(qRed(line[x])), std::uint8_t(qGreen(line[x])), std::uint8_t(qBlue(line[x]))});
        }
      }
      rows.push_back(std::move(row));
    }
  }
  const Bytes raw = filterRows(rows, step, colourType == 3);
  uLongf packedSize = compressBound(uLong(raw.size()));
  Bytes packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK) {
    *error = path + ": cannot compress the picture";
    return false;
  }

  QByteArray file("\x89PNG\r\n\x1A\n", 8);
  QByteArray header;
  put32(header, std::uint32_t(image.width()));
  put32(header, std::uint32_t(image.height()));
  header.append(char(8)).append(char(colourType)).append(char(0)).append(char(0)).append(char(0));
  chunk(file, "IHDR", header);
  if (colourType == 3) chunk(file, "PLTE", palette);
  chunk(file, "IDAT", QByteArray(reinterpret_cast<const char*>(packed.data()), qsizetype(packedSize)));
  chunk(file, "IEND", {});

  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
    *error = path + ": " + out.errorString();
    return false;
  }
  return true;
}

}  // namespace artgen
