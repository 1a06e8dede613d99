#include "display/Scale.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmor {

Picture EnlargeByRepetition(const Picture& p, int k) {
  k = std::max(k, 1);
  Picture out(p.width() * k, p.height() * k);
  for (int y = 0; y < p.height(); ++y) {
    const uint32_t* s = p.row(y);
    uint32_t* d = out.row(y * k);
    for (int x = 0; x < p.width(); ++x) std::fill_n(d + x * k, k, s[x]);
    for (int i = 1; i < k; ++i) std::copy_n(d, out.width(), out.row(y * k + i));
  }
  return out;
}

namespace {

// The source pixels one destination pixel covers along one axis, with their weights. Source pixel
// i spans [i * dst, (i + 1) * dst) and destination pixel j spans [j * src, (j + 1) * src), so
// every overlap is a whole number and the weights of one destination pixel add up to `src`.
struct Span {
  int first = 0;
  std::vector<uint32_t> weights;
};

std::vector<Span> AreaSpans(int src, int dst) {
  std::vector<Span> spans(static_cast<size_t>(dst));
  const int64_t s = src, d = dst;
  for (int64_t j = 0; j < d; ++j) {
    const int64_t lo = j * s, hi = (j + 1) * s;
    Span& span = spans[static_cast<size_t>(j)];
    span.first = static_cast<int>(lo / d);
    for (int64_t i = lo / d; i * d < hi; ++i)
      span.weights.push_back(static_cast<uint32_t>(std::min(hi, (i + 1) * d) - std::max(lo, i * d)));
  }
  return spans;
}

}  // namespace

Picture ReduceArea(const Picture& p, int width, int height) {
  Picture out(width, height);
  ReduceAreaInto(p, out, {0, 0, width, height});
  return out;
}

void ReduceAreaInto(const Picture& p, Picture& out, Rect box) {
  const int width = out.width(), height = out.height();
  box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width), std::min(box.bottom, height)};
  if (out.empty() || p.empty() || box.empty()) return;
  const std::vector<Span> columns = AreaSpans(p.width(), width), rows = AreaSpans(p.height(), height);
  // One source row summed across: three channels per destination column. The boundary row two
  // destination rows share is summed once.
  std::vector<uint64_t> across(static_cast<size_t>(width) * 3), sums(static_cast<size_t>(width) * 3);
  int summedRow = -1;
  auto sumAcross = [&](int y) {
    if (y == summedRow) return;
    summedRow = y;
    const uint32_t* s = p.row(y);
    for (int x = box.left; x < box.right; ++x) {
      const Span& span = columns[static_cast<size_t>(x)];
      uint64_t r = 0, g = 0, b = 0;
      for (size_t i = 0; i < span.weights.size(); ++i) {
        const uint32_t px = s[span.first + static_cast<int>(i)], w = span.weights[i];
        r += uint64_t{w} * static_cast<uint32_t>(RedOf(px));
        g += uint64_t{w} * static_cast<uint32_t>(GreenOf(px));
        b += uint64_t{w} * static_cast<uint32_t>(BlueOf(px));
      }
      across[3 * static_cast<size_t>(x)] = r;
      across[3 * static_cast<size_t>(x) + 1] = g;
      across[3 * static_cast<size_t>(x) + 2] = b;
    }
  };
  const uint64_t total = static_cast<uint64_t>(p.width()) * static_cast<uint64_t>(p.height());
  for (int y = box.top; y < box.bottom; ++y) {
    const Span& span = rows[static_cast<size_t>(y)];
    std::fill(sums.begin(), sums.end(), 0);
    for (size_t i = 0; i < span.weights.size(); ++i) {
      sumAcross(span.first + static_cast<int>(i));
      for (size_t c = 3 * static_cast<size_t>(box.left); c < 3 * static_cast<size_t>(box.right); ++c)
        sums[c] += span.weights[i] * across[c];
    }
    uint32_t* d = out.row(y);
    for (int x = box.left; x < box.right; ++x) {
      const uint64_t* c = &sums[3 * static_cast<size_t>(x)];
      d[x] = Rgb(static_cast<int>((c[0] + total / 2) / total), static_cast<int>((c[1] + total / 2) / total),
                 static_cast<int>((c[2] + total / 2) / total));
    }
  }
}

namespace {

// For each destination pixel along one axis: the two source pixels its centre lies between and
// the second one's weight out of 256.
struct Tap {
  int a, b;
  uint32_t weight;
};

std::vector<Tap> BilinearTaps(int src, int dst) {
  std::vector<Tap> taps(static_cast<size_t>(dst));
  for (int j = 0; j < dst; ++j) {
    const double at = std::clamp((j + 0.5) * src / dst - 0.5, 0.0, static_cast<double>(src - 1));
    const int a = static_cast<int>(at);
    taps[static_cast<size_t>(j)] = {a, std::min(a + 1, src - 1), static_cast<uint32_t>((at - a) * 256 + 0.5)};
  }
  return taps;
}

}  // namespace

Picture EnlargeSmooth(const Picture& p, int width, int height) {
  Picture out(width, height);
  if (out.empty() || p.empty()) return out;
  const std::vector<Tap> columns = BilinearTaps(p.width(), width), rows = BilinearTaps(p.height(), height);
  // Each source row interpolated across once, in 1/256ths, then pairs of them down.
  std::vector<uint32_t> upper(static_cast<size_t>(width) * 3), lower(upper.size());
  auto across = [&](int y, std::vector<uint32_t>& into) {
    const uint32_t* s = p.row(y);
    for (int x = 0; x < width; ++x) {
      const Tap& t = columns[static_cast<size_t>(x)];
      const uint32_t a = s[t.a], b = s[t.b], wb = t.weight, wa = 256 - wb;
      into[3 * static_cast<size_t>(x)] = wa * static_cast<uint32_t>(RedOf(a)) + wb * static_cast<uint32_t>(RedOf(b));
      into[3 * static_cast<size_t>(x) + 1] =
          wa * static_cast<uint32_t>(GreenOf(a)) + wb * static_cast<uint32_t>(GreenOf(b));
      into[3 * static_cast<size_t>(x) + 2] =
          wa * static_cast<uint32_t>(BlueOf(a)) + wb * static_cast<uint32_t>(BlueOf(b));
    }
  };
  int upperRow = -1, lowerRow = -1;
  for (int y = 0; y < height; ++y) {
    const Tap& t = rows[static_cast<size_t>(y)];
    if (upperRow != t.a) {
      if (lowerRow == t.a) {
        std::swap(upper, lower);
        std::swap(upperRow, lowerRow);
      } else {
        across(t.a, upper);
        upperRow = t.a;
      }
    }
    if (lowerRow != t.b) {
      across(t.b, lower);
      lowerRow = t.b;
    }
    const uint32_t wb = t.weight, wa = 256 - wb;
    uint32_t* d = out.row(y);
    for (int x = 0; x < width; ++x) {
      uint32_t c[3];
      for (size_t i = 0; i < 3; ++i)
        c[i] = (wa * upper[3 * static_cast<size_t>(x) + i] + wb * lower[3 * static_cast<size_t>(x) + i] + 32768) >> 16;
      d[x] = Rgb(static_cast<int>(c[0]), static_cast<int>(c[1]), static_cast<int>(c[2]));
    }
  }
  return out;
}

}  // namespace velmor
