#include "Effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace musicgen {
namespace {

constexpr int Rate = 44100;
constexpr double TwoPi = 2 * std::numbers::pi;

// A decaying sine: the building block of every struck sound here.
struct Partial {
  double hertz;
  double amplitude;
  double decaySeconds;  // time to fall to 1/e
  double phase = 0;
};

// Xorshift, so the noise in the click is the same every time the files are made.
class Noise {
 public:
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return double(state_ >> 11) / double(1ULL << 53) * 2 - 1;
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

std::vector<float> silence(double seconds) {
  return std::vector<float>(std::size_t(std::lround(seconds * Rate)), 0.0f);
}

// Two milliseconds of raised-cosine attack keep a strike in the middle of a sound from clicking.
void strike(std::vector<float>& out, double atSeconds, const std::vector<Partial>& partials) {
  const auto first = std::size_t(std::lround(atSeconds * Rate));
  for (std::size_t i = first; i < out.size(); ++i) {
    const double t = double(i - first) / Rate;
    double sum = 0;
    for (const Partial& p : partials)
      sum += p.amplitude * std::exp(-t / p.decaySeconds) * std::sin(TwoPi * p.hertz * t + p.phase);
    const double attack = t < 0.002 ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / 0.002) : 1.0;
    out[i] += float(sum * attack);
  }
}

// A burst of noise through a one-pole low-pass: the contact of whatever strikes the tile.
void thump(std::vector<float>& out, double seconds, double cutoffHertz, double amplitude) {
  Noise noise;
  const double a = std::exp(-TwoPi * cutoffHertz / Rate);
  double y = 0;
  const auto n = std::min(out.size(), std::size_t(std::lround(seconds * Rate)));
  for (std::size_t i = 0; i < n; ++i) {
    y = (1 - a) * noise.next() + a * y;
    const double envelope = 1.0 - double(i) / double(n);
    out[i] += float(amplitude * envelope * y);
  }
}

// Raised-cosine fades: a sound that starts or stops on a non-zero sample clicks.
void fade(std::vector<float>& samples, double inSeconds, double outSeconds) {
  const auto in = std::size_t(inSeconds * Rate);
  const auto out = std::size_t(outSeconds * Rate);
  for (std::size_t i = 0; i < in && i < samples.size(); ++i)
    samples[i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(in)));
  for (std::size_t i = 0; i < out && i < samples.size(); ++i)
    samples[samples.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(out)));
}

// Every effect peaks at -6 dBFS, leaving room for the music playing underneath.
void normalise(std::vector<float>& samples) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::fabs(s));
  const float gain = peak > 0 ? 0.5f / peak : 0.0f;
  for (float& s : samples) s *= gain;
}

Sound finish(std::string name, std::vector<float> samples, double fadeIn, double fadeOut) {
  fade(samples, fadeIn, fadeOut);
  normalise(samples);
  return {std::move(name), Rate, std::move(samples)};
}

// A light wooden tick: a few high partials that die within ten milliseconds or so.
Sound select() {
  std::vector<float> samples = silence(0.060);
  strike(samples, 0, {{1180, 1.0, 0.010}, {2050, 0.45, 0.006, 0.7}, {3320, 0.2, 0.004, 1.9}});
  thump(samples, 0.004, 3000, 0.5);
  return finish("select.wav", std::move(samples), 0.0008, 0.012);
}

// A dull knock on wood: low, damped, with a slight drop in pitch as it dies.
Sound noway() {
  std::vector<float> samples = silence(0.160);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = double(i) / Rate;
    // Phase of a tone gliding from 150 Hz down towards 110 Hz.
    const double glide = 0.030;
    const double phase = TwoPi * (110 * t + 40 * glide * (1 - std::exp(-t / glide)));
    samples[i] +=
        float(std::exp(-t / 0.040) * std::sin(phase) + 0.3 * std::exp(-t / 0.018) * std::sin(2.31 * phase + 0.4));
  }
  thump(samples, 0.008, 500, 0.6);
  return finish("noway.wav", std::move(samples), 0.002, 0.030);
}

// Two bell notes a fifth apart, E6 then B6: rising, so it sounds like something finished.
Sound done() {
  std::vector<float> samples = silence(0.450);
  const auto bell = [](double hertz, double amplitude) {
    return std::vector<Partial>{{hertz, amplitude, 0.15},
                                {2 * hertz, 0.22 * amplitude, 0.08, 0.3},
                                {2.76 * hertz, 0.10 * amplitude, 0.045, 1.1}};
  };
  strike(samples, 0, bell(1318.51, 0.8));
  strike(samples, 0.110, bell(1975.53, 1.0));
  return finish("done.wav", std::move(samples), 0.003, 0.080);
}

}  // namespace

std::vector<Sound> effects() { return {select(), noway(), done()}; }

}  // namespace musicgen
