#include "ArtMath.h"

#include <algorithm>
#include <cmath>

namespace artgen {

std::uint64_t Rng::next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

int Rng::below(int n) { return int(next() % std::uint64_t(n)); }

TilingNoise::TilingNoise(std::uint64_t seed, int period) : seed_(seed), period_(period) {}

double TilingNoise::lattice(int x, int y, int period) const {
  x = ((x % period) + period) % period;
  y = ((y % period) + period) % period;
  Rng r(seed_ ^ (std::uint64_t(x) * 0x632BE59BD9B4E019ull) ^ (std::uint64_t(y) * 0x85157AF5ull) ^
        (std::uint64_t(period) << 48));
  return r.uniform();
}

double TilingNoise::at(double x, double y) const { return fbm(x, y, 1); }

double TilingNoise::fbm(double x, double y, int octaves) const {
  // x and y are in units of the base period: 0..1 covers the picture once.
  double sum = 0.0;
  double amplitude = 0.5;
  double norm = 0.0;
  int period = period_;
  for (int o = 0; o < octaves; ++o) {
    const double fx = x * period;
    const double fy = y * period;
    const int ix = int(std::floor(fx));
    const int iy = int(std::floor(fy));
    double tx = fx - ix;
    double ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy, period);
    const double b = lattice(ix + 1, iy, period);
    const double c = lattice(ix, iy + 1, period);
    const double d = lattice(ix + 1, iy + 1, period);
    const double v = (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
    sum += amplitude * v;
    norm += amplitude;
    amplitude *= 0.5;
    period *= 2;
  }
  return sum / norm;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

QColor mixColor(const QColor& a, const QColor& b, double t) {
  t = clamp01(t);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor scaleColor(const QColor& c, double factor) {
  if (factor <= 1.0)
    return QColor::fromRgbF(float(c.redF() * factor), float(c.greenF() * factor), float(c.blueF() * factor));
  const double t = factor - 1.0;
  return mixColor(c, Qt::white, t);
}

QImage downsample(const QImage& source, int factor) {
  const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(src.width() / factor, src.height() / factor, QImage::Format_ARGB32_Premultiplied);
  const int n = factor * factor;
  for (int y = 0; y < out.height(); ++y) {
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      int r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < factor; ++sy) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + sy));
        for (int sx = 0; sx < factor; ++sx) {
          const QRgb p = line[x * factor + sx];
          r += qRed(p);
          g += qGreen(p);
          b += qBlue(p);
          a += qAlpha(p);
        }
      }
      dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
    }
  }
  return out;
}

}  // namespace artgen
