// Pictures at another size: the board is drawn at a whole scale K and brought to the window's
// size from there.
#pragma once

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

// Bilinear interpolation between pixel centres, edges held: for sizes past the largest scale.
Picture EnlargeSmooth(const Picture& picture, int width, int height);

}  // namespace velmor
