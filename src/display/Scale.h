// Pictures at another size: the board is drawn at a whole scale K and brought to the window's
// size from there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "display/Picture.h"

namespace velmor {

// The scales the board is drawn at; a window larger still enlarges the picture at the largest.
inline constexpr int MaxScale = 4;

// Each pixel becomes a K x K block: what a 1x look is at K until one is drawn at K.
Picture EnlargeByRepetition(const Picture& picture, int scale);

// Each pixel of the result is the average of the part of `picture` it covers, weighted by the
// exact covered area, rounded to nearest: for bringing a picture drawn at K down to a size
// between K - 1 and K.
Picture ReduceArea(const Picture& picture, int width, int height);
// The same for the pixels of `box` alone, `out`'s size giving the ratio: a window that shows a
// reduced board brings only what changed down to its size.
void ReduceAreaInto(const Picture& picture, Picture& out, Rect box);

// An axis of a reduction as exactly three weights a pixel from a first source pixel moved back
// to leave room for them, or nothing when some pixel covers more than three (a reduction by more
// than half).
struct ThreeTaps {
  std::vector<int> first;
  std::vector<uint32_t> weights;  // three a pixel
};

// ReduceAreaInto for one pair of sizes, with the weights worked out once: a view reducing every
// change of its picture keeps one.
class AreaReduction {
 public:
  AreaReduction() = default;
  AreaReduction(int fromWidth, int fromHeight, int toWidth, int toHeight);
  // Whether this reduction is the one from `picture`'s size to `out`'s.
  bool Between(const Picture& picture, const Picture& out) const;
  // Whether `picture` has the size the reduction was made for.
  bool From(const Picture& picture) const;
  int width() const { return static_cast<int>(columns_.first.size()); }
  int height() const { return static_cast<int>(rows_.first.size()); }
  // `picture` and `out` must have the sizes the reduction was made for.
  void Into(const Picture& picture, Picture& out, Rect box) const;
  // The reduced pixels of `box` (clipped to the reduced size), each ORed with `set`, written
  // wherever the caller keeps them: the one for the box's top left corner goes to `to`, rows
  // `stride` pixels apart. A view between scales reduces straight into the window's buffer.
  void Into(const Picture& picture, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set = 0) const;

 private:
  // For each destination pixel along one axis, the source pixels it covers: the first one, and
  // their weights at weights[start[j]] up to weights[start[j + 1]].
  struct Axis {
    std::vector<int> first;
    std::vector<uint32_t> start;
    std::vector<uint32_t> weights;
  };
  static Axis Spans(int from, int to);
  static ThreeTaps AsThreeTaps(const Axis& axis, int from);
  template <typename Total, typename Divide>
  void Sum(const Picture& picture, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set, Divide divide) const;
  int fromWidth_ = 0, fromHeight_ = 0;
  Axis columns_, rows_;
  ThreeTaps columns3_, rows3_;
};

// Bilinear interpolation between pixel centres, edges held: for sizes past the largest scale.
Picture EnlargeSmooth(const Picture& picture, int width, int height);

// EnlargeSmooth for one pair of sizes, with the taps worked out once, writing wherever the caller
// keeps the pixels: a view past the largest scale enlarges only what changed, straight into the
// window's buffer, and keeps no enlarged copy of its own.
class SmoothEnlargement {
 public:
  SmoothEnlargement() = default;
  SmoothEnlargement(int fromWidth, int fromHeight, int toWidth, int toHeight);
  // Whether `picture` has the size the enlargement was made for.
  bool From(const Picture& picture) const;
  int width() const { return static_cast<int>(columns_.a.size()); }
  int height() const { return static_cast<int>(rows_.a.size()); }
  // The enlarged pixels of `box` (clipped to the enlarged size), each ORed with `set`: the one for
  // the box's top left corner goes to `to`, rows `stride` pixels apart.
  void Into(const Picture& picture, uint32_t* to, ptrdiff_t stride, Rect box, uint32_t set = 0) const;

 private:
  // For each enlarged pixel along one axis, the two source pixels around its centre and the
  // second one's weight in 1/256ths.
  struct Taps {
    std::vector<int> a, b;
    std::vector<uint32_t> weight;
  };
  static Taps Between(int from, int to);
  void Rows(const Picture& picture, uint32_t* to, ptrdiff_t stride, Rect clipped, uint32_t set) const;
  int fromWidth_ = 0, fromHeight_ = 0;
  Taps columns_, rows_;
};

}  // namespace velmor
