#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

namespace artgen {

// The standard distributions differ between C++ libraries, so the artwork would change with the
// toolchain; this generator and its float conversion are ours and give the same picture everywhere.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform();                      // [0, 1)
  double uniform(double lo, double hi);  // [lo, hi)
  int below(int n);                      // 0 .. n-1

 private:
  std::uint64_t state_;
};

// Smooth value noise that repeats every `period` cells, so textures built from it tile seamlessly.
class TilingNoise {
 public:
  TilingNoise(std::uint64_t seed, int period);
  double at(double x, double y) const;  // about [0, 1]
  double fbm(double x, double y, int octaves) const;

 private:
  double lattice(int x, int y, int period) const;
  std::uint64_t seed_;
  int period_;
};

double clamp01(double v);
QColor mixColor(const QColor& a, const QColor& b, double t);  // t = 0 gives a
QColor scaleColor(const QColor& c, double factor);            // darker below 1, lighter above

// Averages each factor x factor block of a premultiplied image; this is the anti-aliasing of the
// drawings, which are painted larger than they are used.
QImage downsample(const QImage& premultiplied, int factor);

}  // namespace artgen
