#include "Quantize.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace artgen {
namespace {

constexpr int Reserved = 2;  // index 0 black, index 1 white
constexpr int Free = 256 - Reserved;

struct Entry {
  std::array<int, 3> rgb;
  int count;
};

struct Box {
  int begin, end;  // range in the colour list
  long long population;
  int longestAxis;
  int range;
};

// The eye is least sensitive to blue; spend the palette on greens and reds first.
constexpr std::array<int, 3> Weight{3, 4, 2};

int distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
  int d = 0;
  for (int k = 0; k < 3; ++k) d += Weight[k] * (a[k] - b[k]) * (a[k] - b[k]);
  return d;
}

Box makeBox(std::vector<Entry>& colours, int begin, int end) {
  Box box{begin, end, 0, 0, -1};
  std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
  for (int i = begin; i < end; ++i) {
    box.population += colours[i].count;
    for (int k = 0; k < 3; ++k) {
      lo[k] = std::min(lo[k], colours[i].rgb[k]);
      hi[k] = std::max(hi[k], colours[i].rgb[k]);
    }
  }
  for (int k = 0; k < 3; ++k) {
    const int weighted = (hi[k] - lo[k]) * Weight[k];
    if (weighted > box.range) {
      box.range = weighted;
      box.longestAxis = k;
    }
  }
  return box;
}

std::vector<std::array<int, 3>> medianCut(std::vector<Entry>& colours) {
  std::vector<Box> boxes{makeBox(colours, 0, int(colours.size()))};
  while (int(boxes.size()) < Free) {
    // Split where a box is both wide and much used; single colours cannot be split.
    int pick = -1;
    double best = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
      if (boxes[i].end - boxes[i].begin < 2) continue;
      const double score = double(boxes[i].range) * std::sqrt(double(boxes[i].population));
      if (score > best) {
        best = score;
        pick = i;
      }
    }
    if (pick < 0) break;
    const Box box = boxes[pick];
    const int axis = box.longestAxis;
    std::sort(colours.begin() + box.begin, colours.begin() + box.end,
              [axis](const Entry& a, const Entry& b) { return a.rgb[axis] < b.rgb[axis]; });
    long long half = 0;
    int split = box.begin + 1;
    for (int i = box.begin; i < box.end - 1; ++i) {
      half += colours[i].count;
      split = i + 1;
      if (half * 2 >= box.population) break;
    }
    boxes[pick] = makeBox(colours, box.begin, split);
    boxes.push_back(makeBox(colours, split, box.end));
  }
  std::vector<std::array<int, 3>> palette;
  for (const Box& box : boxes) {
    std::array<long long, 3> sum{0, 0, 0};
    for (int i = box.begin; i < box.end; ++i)
      for (int k = 0; k < 3; ++k) sum[k] += (long long)colours[i].rgb[k] * colours[i].count;
    std::array<int, 3> mean{};
    for (int k = 0; k < 3; ++k) mean[k] = int((sum[k] + box.population / 2) / box.population);
    palette.push_back(mean);
  }
  return palette;
}

int nearest(const std::vector<std::array<int, 3>>& palette, const std::array<int, 3>& c) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < int(palette.size()); ++i) {
    const int d = distance(palette[i], c);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void refine(std::vector<std::array<int, 3>>& palette, const std::vector<Entry>& colours) {
  for (int round = 0; round < 6; ++round) {
    std::vector<std::array<long long, 4>> sums(palette.size(), {0, 0, 0, 0});
    for (const Entry& e : colours) {
      auto& s = sums[nearest(palette, e.rgb)];
      for (int k = 0; k < 3; ++k) s[k] += (long long)e.rgb[k] * e.count;
      s[3] += e.count;
    }
    for (std::size_t i = 0; i < palette.size(); ++i)
      if (sums[i][3] > 0)
        for (int k = 0; k < 3; ++k) palette[i][k] = int((sums[i][k] + sums[i][3] / 2) / sums[i][3]);
  }
}

}  // namespace

QImage quantizeTo256(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const QRgb black = qRgb(0, 0, 0);
  const QRgb white = qRgb(255, 255, 255);

  QHash<QRgb, int> histogram;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      if (c != black && c != white) ++histogram[c];
    }
  }
  std::vector<Entry> colours;
  colours.reserve(histogram.size());
  for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
    colours.push_back({{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});
  // A fixed order makes the palette independent of the hash table's iteration order.
  std::sort(colours.begin(), colours.end(), [](const Entry& a, const Entry& b) { return a.rgb < b.rgb; });

  std::vector<std::array<int, 3>> palette;
  if (int(colours.size()) <= Free) {
    for (const Entry& e : colours) palette.push_back(e.rgb);
  } else {
    std::vector<Entry> work = colours;
    palette = medianCut(work);
    refine(palette, colours);
  }
  for (auto& p : palette)
    if (p == std::array<int, 3>{0, 0, 0}) p = {1, 1, 1};  // would read as "transparent" to the bitwise drawing

  QList<QRgb> table{black, white};
  for (const auto& p : palette) table.push_back(qRgb(p[0], p[1], p[2]));

  QHash<QRgb, int> lookup;
  for (const Entry& e : colours) lookup.insert(qRgb(e.rgb[0], e.rgb[1], e.rgb[2]), Reserved + nearest(palette, e.rgb));

  QImage out(rgb.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* dst = out.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      dst[x] = uchar(c == black ? 0 : c == white ? 1 : lookup.value(c));
    }
  }
  return out;
}

}  // namespace artgen
