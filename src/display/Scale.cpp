#include "display/Scale.h"

#include <algorithm>
#include <cstdint>
#include <thread>
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

// Source pixel i spans [i * to, (i + 1) * to) and destination pixel j spans [j * from, (j + 1) *
// from), so every overlap is a whole number and the weights of one destination pixel add up to
// `from`.
AreaReduction::Axis AreaReduction::Spans(int from, int to) {
  Axis axis;
  axis.first.resize(static_cast<size_t>(to));
  axis.start.reserve(static_cast<size_t>(to) + 1);
  const int64_t s = from, d = to;
  for (int64_t j = 0; j < d; ++j) {
    const int64_t lo = j * s, hi = (j + 1) * s;
    axis.first[static_cast<size_t>(j)] = static_cast<int>(lo / d);
    axis.start.push_back(static_cast<uint32_t>(axis.weights.size()));
    for (int64_t i = lo / d; i * d < hi; ++i)
      axis.weights.push_back(static_cast<uint32_t>(std::min(hi, (i + 1) * d) - std::max(lo, i * d)));
  }
  axis.start.push_back(static_cast<uint32_t>(axis.weights.size()));
  return axis;
}

AreaReduction::AreaReduction(int fromWidth, int fromHeight, int toWidth, int toHeight)
    : fromWidth_(fromWidth),
      fromHeight_(fromHeight),
      columns_(Spans(fromWidth, toWidth)),
      rows_(Spans(fromHeight, toHeight)),
      columns3_(AsThreeTaps(columns_, fromWidth)),
      rows3_(AsThreeTaps(rows_, fromHeight)) {}

ThreeTaps AreaReduction::AsThreeTaps(const Axis& axis, int from) {
  ThreeTaps taps;
  if (from < 3) return taps;
  const size_t n = axis.first.size();
  for (size_t j = 0; j < n; ++j)
    if (axis.start[j + 1] - axis.start[j] > 3) return taps;
  taps.first.resize(n);
  taps.weights.assign(3 * n, 0);
  for (size_t j = 0; j < n; ++j) {
    const int first = std::min(axis.first[j], from - 3);
    taps.first[j] = first;
    for (uint32_t i = axis.start[j]; i < axis.start[j + 1]; ++i)
      taps.weights[3 * j + static_cast<size_t>(axis.first[j] - first) + (i - axis.start[j])] = axis.weights[i];
  }
  return taps;
}

bool AreaReduction::Between(const Picture& p, const Picture& out) const {
  return From(p) && out.width() == width() && out.height() == height();
}

bool AreaReduction::From(const Picture& p) const {
  return !p.empty() && p.width() == fromWidth_ && p.height() == fromHeight_;
}

namespace {

// The rounded quotient n / d by one multiplication and a shift instead of a division per channel
// (a board's worth of pixels would otherwise spend most of its time dividing): for every n below
// 2^31, floor(n / d) = n * m >> (31 + l) with l = ceil(log2 d) and m = floor(2^(31 + l) / d) + 1.
struct RoundedDivision {
  uint32_t half;
  uint64_t m;
  int shift;
  explicit RoundedDivision(uint32_t d) : half(d / 2) {
    int l = 0;
    while ((uint64_t{1} << l) < d) ++l;
    shift = 31 + l;
    m = (uint64_t{1} << shift) / d + 1;
  }
  uint32_t operator()(uint32_t n) const { return static_cast<uint32_t>((uint64_t{n + half} * m) >> shift); }
};

// A larger picture than any board sums in 64 bits and divides as it goes.
struct PlainDivision {
  uint64_t d;
  uint64_t operator()(uint64_t n) const { return (n + d / 2) / d; }
};

}  // namespace

namespace {

// Every reduction between two whole scales: each pixel covers two or three of the picture's along
// each axis. The three rows under a row of the result are summed down first, a channel at a time
// over whole rows, which the compiler does several pixels at once; then three columns of those
// sums across. Every sum stays below 2^31 (the caller's test).
VELMOR_WIDE_VECTORS void SumThreeTaps(const Picture& p, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set,
                                      uint32_t area, const ThreeTaps& columns, const ThreeTaps& rows) {
  // floor(v / area) as the high half of v * ceil(2^64 / area): exact for every v * area below
  // 2^64, with one multiplication and no shift.
  const uint64_t reciprocal = ~uint64_t{0} / area + 1;
  const uint32_t half = area / 2;
  auto divide = [&](uint32_t v) {
    __extension__ using Wide = unsigned __int128;
    return static_cast<uint32_t>((static_cast<Wide>(v + half) * reciprocal) >> 64);
  };
  // The source columns the box's pixels cover.
  const int from = columns.first[static_cast<size_t>(box.left)];
  const int past = columns.first[static_cast<size_t>(box.right - 1)] + 3;
  const size_t n = static_cast<size_t>(past - from);
  // Red and blue share a 64-bit sum, 32 bits apart: no sum carries into the other.
  std::vector<uint64_t> redBlue(n);
  std::vector<uint32_t> green(n);
  for (int y = box.top; y < box.bottom; ++y, to += stride) {
    const size_t row = static_cast<size_t>(y);
    const int first = rows.first[row];
    const uint64_t w0 = rows.weights[3 * row], w1 = rows.weights[3 * row + 1], w2 = rows.weights[3 * row + 2];
    const uint32_t* a = p.row(first) + from;
    const uint32_t* b = p.row(first + 1) + from;
    const uint32_t* c = p.row(first + 2) + from;
    uint64_t* __restrict rb = redBlue.data();
    uint32_t* __restrict g = green.data();
    auto packed = [](uint32_t px) { return (uint64_t{px & 0xFF0000} << 16) | (px & 0xFF); };
    auto greenOf = [](uint32_t px) { return (px >> 8) & 0xFF; };
    for (size_t i = 0; i < n; ++i) {
      rb[i] = w0 * packed(a[i]) + w1 * packed(b[i]) + w2 * packed(c[i]);
      g[i] = static_cast<uint32_t>(w0) * greenOf(a[i]) + static_cast<uint32_t>(w1) * greenOf(b[i]) +
             static_cast<uint32_t>(w2) * greenOf(c[i]);
    }
    for (int x = box.left; x < box.right; ++x) {
      const size_t column = static_cast<size_t>(x);
      const size_t i = static_cast<size_t>(columns.first[column] - from);
      const uint32_t* w = columns.weights.data() + 3 * column;
      const uint64_t sumRedBlue = w[0] * rb[i] + w[1] * rb[i + 1] + w[2] * rb[i + 2];
      const uint32_t sumGreen = w[0] * g[i] + w[1] * g[i + 1] + w[2] * g[i + 2];
      to[x - box.left] = (divide(static_cast<uint32_t>(sumRedBlue >> 32)) << 16) | (divide(sumGreen) << 8) |
                         divide(static_cast<uint32_t>(sumRedBlue)) | set;
    }
  }
}

}  // namespace

void AreaReduction::Into(const Picture& p, Picture& out, Rect box) const {
  box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, out.width()),
         std::min(box.bottom, out.height())};
  if (!Between(p, out) || box.empty()) return;
  Into(p, out.row(box.top) + box.left, out.width(), box);
}

void AreaReduction::Into(const Picture& p, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set) const {
  const Rect clipped{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width()),
                     std::min(box.bottom, height())};
  if (clipped.empty() || !From(p)) return;
  to += (clipped.top - box.top) * stride + (clipped.left - box.left);
  // Every sum is below the picture's area times 255.
  const uint64_t area = static_cast<uint64_t>(p.width()) * static_cast<uint64_t>(p.height());
  auto sum = [&](uint32_t* into, Rect part) {
    if (area * 255 + area < (uint64_t{1} << 31) && !columns3_.first.empty() && !rows3_.first.empty())
      SumThreeTaps(p, into, stride, part, set, static_cast<uint32_t>(area), columns3_, rows3_);
    else if (area * 255 + area < (uint64_t{1} << 31))
      Sum<uint32_t>(p, into, stride, part, set, RoundedDivision(static_cast<uint32_t>(area)));
    else
      Sum<uint64_t>(p, into, stride, part, set, PlainDivision{area});
  };
  // A whole board (a resize) is shared between two threads, each with its own rows; a few tiles'
  // worth is not worth starting one.
  if (static_cast<int64_t>(clipped.width()) * clipped.height() < 200'000 || clipped.height() < 2)
    return sum(to, clipped);
  const int middle = clipped.top + clipped.height() / 2;
  std::thread upper(sum, to, Rect{clipped.left, clipped.top, clipped.right, middle});
  sum(to + (middle - clipped.top) * stride, {clipped.left, middle, clipped.right, clipped.bottom});
  upper.join();
}

template <typename Total, typename Divide>
void AreaReduction::Sum(const Picture& p, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set, Divide divide) const {
  // One source row summed across: three channels per destination column. The boundary row two
  // destination rows share is summed once.
  const size_t left = static_cast<size_t>(box.left), right = static_cast<size_t>(box.right);
  std::vector<Total> across(3 * (right - left)), sums(across.size());
  int summedRow = -1;
  auto sumAcross = [&](int y) {
    if (y == summedRow) return;
    summedRow = y;
    const uint32_t* s = p.row(y);
    Total* a = across.data();
    for (size_t x = left; x < right; ++x, a += 3) {
      const uint32_t* px = s + columns_.first[x];
      const uint32_t* w = columns_.weights.data() + columns_.start[x];
      const uint32_t* end = columns_.weights.data() + columns_.start[x + 1];
      Total r = 0, g = 0, b = 0;
      for (; w != end; ++w, ++px) {
        r += *w * ((*px >> 16) & 0xFF);
        g += *w * ((*px >> 8) & 0xFF);
        b += *w * (*px & 0xFF);
      }
      a[0] = r, a[1] = g, a[2] = b;
    }
  };
  for (int y = box.top; y < box.bottom; ++y, to += stride) {
    const size_t row = static_cast<size_t>(y);
    const uint32_t begin = rows_.start[row], end = rows_.start[row + 1];
    sumAcross(rows_.first[row]);
    const Total w0 = rows_.weights[begin];
    for (size_t c = 0; c < sums.size(); ++c) sums[c] = w0 * across[c];
    for (uint32_t i = begin + 1; i < end; ++i) {
      sumAcross(rows_.first[row] + static_cast<int>(i - begin));
      const Total w = rows_.weights[i];
      for (size_t c = 0; c < sums.size(); ++c) sums[c] += w * across[c];
    }
    uint32_t* d = to;
    for (size_t c = 0; c < sums.size(); c += 3, ++d)
      *d = static_cast<uint32_t>((divide(sums[c]) << 16) | (divide(sums[c + 1]) << 8) | divide(sums[c + 2])) | set;
  }
}

Picture ReduceArea(const Picture& p, int width, int height) {
  Picture out(width, height);
  ReduceAreaInto(p, out, {0, 0, width, height});
  return out;
}

void ReduceAreaInto(const Picture& p, Picture& out, Rect box) {
  AreaReduction(p.width(), p.height(), out.width(), out.height()).Into(p, out, box);
}

namespace {

// a and b mixed in 1/256ths, b weighing `wb`; red and blue in one product, as they stay 16 bits
// apart, and the fourth byte left out.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t wb) {
  const uint32_t wa = 256 - wb;
  const uint32_t rb = (((a & 0xFF00FFu) * wa + (b & 0xFF00FFu) * wb + 0x800080u) >> 8) & 0xFF00FFu;
  const uint32_t g = (((a & 0xFF00u) * wa + (b & 0xFF00u) * wb + 0x8000u) >> 8) & 0xFF00u;
  return rb | g;
}

VELMOR_WIDE_VECTORS void AcrossRow(uint32_t* __restrict into, const uint32_t* __restrict s, const int* a, const int* b,
                                   const uint32_t* weight, int w) {
  for (int x = 0; x < w; ++x) into[x] = Mix(s[a[x]], s[b[x]], weight[x]);
}

VELMOR_WIDE_VECTORS void DownRow(uint32_t* __restrict to, const uint32_t* __restrict upper,
                                 const uint32_t* __restrict lower, uint32_t wb, int w, uint32_t set) {
  for (int x = 0; x < w; ++x) to[x] = Mix(upper[x], lower[x], wb) | set;
}

}  // namespace

SmoothEnlargement::Taps SmoothEnlargement::Between(int from, int to) {
  Taps taps;
  taps.a.resize(static_cast<size_t>(std::max(to, 0)));
  taps.b.resize(taps.a.size());
  taps.weight.resize(taps.a.size());
  for (int j = 0; j < to; ++j) {
    const double at = std::clamp((j + 0.5) * from / to - 0.5, 0.0, static_cast<double>(from - 1));
    const int a = static_cast<int>(at);
    const auto i = static_cast<size_t>(j);
    taps.a[i] = a;
    taps.b[i] = std::min(a + 1, from - 1);
    taps.weight[i] = static_cast<uint32_t>((at - a) * 256 + 0.5);
  }
  return taps;
}

SmoothEnlargement::SmoothEnlargement(int fromWidth, int fromHeight, int toWidth, int toHeight)
    : fromWidth_(fromWidth), fromHeight_(fromHeight) {
  if (fromWidth <= 0 || fromHeight <= 0) return;
  columns_ = Between(fromWidth, toWidth);
  rows_ = Between(fromHeight, toHeight);
}

bool SmoothEnlargement::From(const Picture& picture) const {
  return !picture.empty() && picture.width() == fromWidth_ && picture.height() == fromHeight_;
}

void SmoothEnlargement::Into(const Picture& p, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set) const {
  const Rect clipped{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width()),
                     std::min(box.bottom, height())};
  if (clipped.empty() || !From(p)) return;
  to += (clipped.top - box.top) * stride + (clipped.left - box.left);
  // A whole board is enlarged as an upper and a lower half side by side; each row depends on
  // the source alone, so the halves are exactly what one pass would make.
  if (static_cast<int64_t>(clipped.width()) * clipped.height() >= 1 << 19 && clipped.height() >= 2) {
    const int middle = clipped.top + clipped.height() / 2;
    uint32_t* lower = to + (middle - clipped.top) * stride;
    std::thread other([&] { Rows(p, lower, stride, {clipped.left, middle, clipped.right, clipped.bottom}, set); });
    Rows(p, to, stride, {clipped.left, clipped.top, clipped.right, middle}, set);
    other.join();
    return;
  }
  Rows(p, to, stride, clipped, set);
}

void SmoothEnlargement::Rows(const Picture& p, uint32_t* to, ptrdiff_t stride, Rect clipped, uint32_t set) const {
  const int w = clipped.width();
  const auto left = static_cast<size_t>(clipped.left);
  // Each source row interpolated across once, then pairs of them down.
  std::vector<uint32_t> upper(static_cast<size_t>(w)), lower(upper.size());
  auto across = [&](int y, std::vector<uint32_t>& into) {
    AcrossRow(into.data(), p.row(y), columns_.a.data() + left, columns_.b.data() + left, columns_.weight.data() + left,
              w);
  };
  int upperRow = -1, lowerRow = -1;
  for (int y = clipped.top; y < clipped.bottom; ++y, to += stride) {
    const auto i = static_cast<size_t>(y);
    const int a = rows_.a[i], b = rows_.b[i];
    if (upperRow != a) {
      if (lowerRow == a) {
        std::swap(upper, lower);
        std::swap(upperRow, lowerRow);
      } else {
        across(a, upper);
        upperRow = a;
      }
    }
    if (lowerRow != b) {
      across(b, lower);
      lowerRow = b;
    }
    DownRow(to, upper.data(), lower.data(), rows_.weight[i], w, set);
  }
}

Picture EnlargeSmooth(const Picture& p, int width, int height) {
  Picture out(width, height);
  if (out.empty() || p.empty()) return out;
  SmoothEnlargement(p.width(), p.height(), width, height).Into(p, out.row(0), width, {0, 0, width, height});
  return out;
}

}  // namespace velmor
