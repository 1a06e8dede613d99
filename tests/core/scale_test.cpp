// Pictures brought to another size: repetition, area averaging and smooth enlargement.
#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "display/Scale.h"

using namespace velmor;
using namespace velmor::test;

// Averaging each K x K block of a picture enlarged K times gives the picture back.
TEST(Scale, RepetitionThenBlockAverageIsTheOriginal) {
  const Picture p = Noise(37, 23, 1);
  for (int k = 1; k <= MaxScale; ++k) {
    const Picture big = EnlargeByRepetition(p, k);
    ASSERT_EQ(big.width(), 37 * k);
    ASSERT_EQ(big.height(), 23 * k);
    EXPECT_EQ(big.at(37 * k - 1, 23 * k - 1), p.at(36, 22)) << k;
    EXPECT_TRUE(ReduceArea(big, 37, 23) == p) << k;
  }
}

// Area averaging sees a picture as the colour over its area, so the result cannot depend on how
// finely that area was cut into pixels: repeating the pixels first changes nothing, for any size.
// One pixel is the whole picture's rounded mean; a constant picture stays constant.
TEST(Scale, ReduceAreaWeighsByCoveredArea) {
  const Picture p = Noise(31, 17, 2);
  std::mt19937 random(3);
  for (int n = 0; n < 20; ++n) {
    const int w = std::uniform_int_distribution<int>(1, 31)(random);
    const int h = std::uniform_int_distribution<int>(1, 17)(random);
    const Picture reduced = ReduceArea(p, w, h);
    ASSERT_EQ(reduced.width(), w);
    ASSERT_EQ(reduced.height(), h);
    EXPECT_TRUE(ReduceArea(EnlargeByRepetition(p, 3), w, h) == reduced) << w << " x " << h;
    EXPECT_TRUE(ReduceArea(Picture(31, 17, Rgb(9, 200, 77)), w, h) == Picture(w, h, Rgb(9, 200, 77)));
  }
  // As large as the largest board picture: the sums a reduction keeps must not overflow there.
  EXPECT_TRUE(ReduceArea(Picture(3184, 1872, Rgb(255, 254, 1)), 2999, 1771) == Picture(2999, 1771, Rgb(255, 254, 1)));
  long red = 0, green = 0, blue = 0;
  for (uint32_t px : p.pixels()) red += RedOf(px), green += GreenOf(px), blue += BlueOf(px);
  const long n = 31 * 17;
  EXPECT_EQ(ReduceArea(p, 1, 1).at(0, 0),
            Rgb(static_cast<int>((red + n / 2) / n), static_cast<int>((green + n / 2) / n),
                static_cast<int>((blue + n / 2) / n)));
}

// Every reduced pixel is the covered area's mean, rounded to nearest, worked out here the long way
// (source pixel i spans [i * to, (i + 1) * to), destination pixel j spans [j * from, (j + 1) *
// from)), at ratios below two, as between whole scales, and above.
TEST(Scale, ReduceAreaIsTheRoundedMeanOfTheCoveredArea) {
  std::mt19937 random(6);
  for (int n = 0; n < 40; ++n) {
    const int fw = std::uniform_int_distribution<int>(3, 60)(random);
    const int fh = std::uniform_int_distribution<int>(3, 40)(random);
    const int tw = std::uniform_int_distribution<int>(std::max(1, fw / (n % 2 ? 2 : 4)), fw)(random);
    const int th = std::uniform_int_distribution<int>(std::max(1, fh / (n % 2 ? 2 : 4)), fh)(random);
    const Picture p = Noise(fw, fh, 10 + static_cast<uint32_t>(n));
    const Picture reduced = ReduceArea(p, tw, th);
    auto overlap = [](int i, int j, int from, int to) {
      return std::max(0, std::min((i + 1) * to, (j + 1) * from) - std::max(i * to, j * from));
    };
    for (int y = 0; y < th; ++y)
      for (int x = 0; x < tw; ++x) {
        long sum[3] = {0, 0, 0};
        for (int sy = 0; sy < fh; ++sy)
          for (int sx = 0; sx < fw; ++sx) {
            const long w = static_cast<long>(overlap(sx, x, fw, tw)) * overlap(sy, y, fh, th);
            const uint32_t c = p.at(sx, sy);
            sum[0] += w * RedOf(c), sum[1] += w * GreenOf(c), sum[2] += w * BlueOf(c);
          }
        const long area = static_cast<long>(fw) * fh;
        auto mean = [&](long v) { return static_cast<int>((v + area / 2) / area); };
        ASSERT_EQ(reduced.at(x, y), Rgb(mean(sum[0]), mean(sum[1]), mean(sum[2])))
            << fw << "x" << fh << " to " << tw << "x" << th << " at " << x << "," << y;
      }
  }
}

// Smooth enlargement keeps a picture at its own size and a constant picture constant, and never
// leaves the range of the two pixels it interpolates between.
TEST(Scale, EnlargeSmoothInterpolatesBetweenNeighbours) {
  const Picture p = Noise(20, 12, 4);
  EXPECT_TRUE(EnlargeSmooth(p, 20, 12) == p);
  EXPECT_TRUE(EnlargeSmooth(Picture(20, 12, Rgb(1, 128, 255)), 93, 61) == Picture(93, 61, Rgb(1, 128, 255)));
  // A picture dark on the left and light on the right rises across, never overshooting.
  Picture halves(2, 3);
  halves.Fill({0, 0, 1, 3}, Rgb(10, 10, 10));
  halves.Fill({1, 0, 2, 3}, Rgb(250, 250, 250));
  const Picture big = EnlargeSmooth(halves, 9, 7);
  ASSERT_EQ(big.width(), 9);
  ASSERT_EQ(big.height(), 7);
  for (int y = 0; y < 7; ++y) {
    EXPECT_EQ(big.at(0, y), Rgb(10, 10, 10));
    EXPECT_EQ(big.at(8, y), Rgb(250, 250, 250));
    for (int x = 1; x < 9; ++x) EXPECT_LE(RedOf(big.at(x - 1, y)), RedOf(big.at(x, y))) << x << "," << y;
  }
  EXPECT_GT(RedOf(big.at(4, 3)), 10);
  EXPECT_LT(RedOf(big.at(4, 3)), 250);
}

// Reducing only a box gives exactly the whole reduction's pixels there and touches nothing else.
TEST(Scale, ReducingABoxMatchesTheWholeReductionThere) {
  const Picture p = Noise(90, 60, 5);
  const Picture whole = ReduceArea(p, 67, 41);
  for (const Rect box : {Rect{0, 0, 67, 41}, Rect{10, 5, 30, 22}, Rect{60, 30, 80, 50}, Rect{-5, -5, 3, 2}}) {
    Picture part(67, 41, Rgb(1, 2, 3));
    ReduceAreaInto(p, part, box);
    for (int y = 0; y < 41; ++y)
      for (int x = 0; x < 67; ++x) {
        const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        ASSERT_EQ(part.at(x, y), inside ? whole.at(x, y) : Rgb(1, 2, 3)) << x << "," << y;
      }
  }
}
