#include "tools/sound_assets/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kPeak = 0.89f;  // about -1 dB: loud, with headroom for resampling

// A small fixed noise source, so that every build writes the same bytes.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {  // uniform in [-1, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// One-pole low-pass filter.
class LowPass {
 public:
  LowPass(double cutoff_hz, int rate) : a_(1.0 - std::exp(-2.0 * kPi * cutoff_hz / rate)) {}
  double operator()(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_;
  double y_ = 0.0;
};

std::size_t frames(double seconds, int rate) { return static_cast<std::size_t>(seconds * rate); }

double decay(double t, double time_constant) { return std::exp(-t / time_constant); }

// A short linear fade in and out, so that no effect starts or stops with a click.
void fade_edges(std::vector<double>& s, int rate, double in_seconds, double out_seconds) {
  const std::size_t in = std::min(s.size(), frames(in_seconds, rate));
  const std::size_t out = std::min(s.size(), frames(out_seconds, rate));
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / static_cast<double>(in);
  for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
}

std::vector<float> normalised(const std::vector<double>& s, float peak) {
  double largest = 0.0;
  for (const double x : s) largest = std::max(largest, std::abs(x));
  const double scale = largest > 0.0 ? peak / largest : 0.0;
  std::vector<float> out(s.size());
  std::transform(s.begin(), s.end(), out.begin(), [scale](double x) { return static_cast<float>(x * scale); });
  return out;
}

// A sine at a fixed pitch, dying away.
double partial(double t, double hz, double time_constant) { return std::sin(2.0 * kPi * hz * t) * decay(t, time_constant); }

}  // namespace

std::vector<float> rifle_shot(int rate) {
  // A bright crack of noise, the low thump of the muzzle blast falling in
  // pitch, and the range answering with a dull echo.
  std::vector<double> s(frames(0.7, rate));
  Noise noise(0x5eed1u);
  LowPass body(1800.0, rate), tail(700.0, rate);
  double previous = 0.0, phase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double white = noise.next();
    const double crack = (white - previous) * decay(t, 0.004);  // differenced: all top end
    previous = white;
    const double blast = body(white) * decay(t, 0.05) * 2.5;
    phase += 2.0 * kPi * (45.0 + 110.0 * decay(t, 0.04)) / rate;
    const double thump = std::sin(phase) * decay(t, 0.11) * 0.8;
    const double rumble = tail(white) * decay(t, 0.22) * 1.2;
    s[i] = crack + blast + thump + rumble;
  }
  const std::size_t echo = frames(0.11, rate);
  for (std::size_t i = s.size() - 1; i >= echo; --i) s[i] += 0.3 * s[i - echo];
  fade_edges(s, rate, 0.0, 0.05);
  return normalised(s, kPeak);
}

std::vector<float> empty_click(int rate) {
  // The hammer falling on an empty chamber: two small, dry metal ticks.
  std::vector<double> s(frames(0.14, rate));
  Noise noise(0xc11cu);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double x = noise.next() * decay(t, 0.0007) + partial(t, 3150.0, 0.004) * 0.7;
    const double t2 = t - 0.032;
    if (t2 >= 0.0) x += noise.next() * decay(t2, 0.0005) * 0.5 + partial(t2, 2240.0, 0.003) * 0.45;
    s[i] = x;
  }
  fade_edges(s, rate, 0.0, 0.02);
  return normalised(s, 0.7f);
}

std::vector<float> bright_hit(int rate) {
  // A struck steel plate: a tick, then a bright ring of partials that are not
  // quite harmonic, the higher ones dying first.
  std::vector<double> s(frames(0.5, rate));
  Noise noise(0xa7a7u);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    s[i] = noise.next() * decay(t, 0.002) * 0.6 + partial(t, 1318.5, 0.16) + partial(t, 2093.0, 0.11) * 0.6 +
           partial(t, 2793.8, 0.07) * 0.45 + partial(t, 4186.0, 0.04) * 0.3 + partial(t, 5587.7, 0.025) * 0.2;
  }
  fade_edges(s, rate, 0.001, 0.04);
  return normalised(s, kPeak);
}

std::vector<float> escape_tone(int rate) {
  // A tone sliding down two octaves with a little wobble: something got away.
  std::vector<double> s(frames(0.72, rate));
  double phase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double hz = 880.0 * std::pow(0.25, t / 0.68) * (1.0 + 0.012 * std::sin(2.0 * kPi * 7.0 * t));
    phase += 2.0 * kPi * hz / rate;
    const double envelope = t < 0.45 ? 1.0 : decay(t - 0.45, 0.09);
    s[i] = (std::sin(phase) + 0.28 * std::sin(3.0 * phase) + 0.12 * std::sin(5.0 * phase)) * envelope;
  }
  fade_edges(s, rate, 0.008, 0.03);
  return normalised(s, 0.8f);
}

std::vector<float> bonus_arpeggio(int rate) {
  // C major climbing an octave in chimes, the top note left to ring.
  static constexpr double kNotes[] = {1046.5, 1318.5, 1568.0, 2093.0};
  constexpr double kStep = 0.075;
  std::vector<double> s(frames(0.8, rate));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double x = 0.0;
    for (std::size_t n = 0; n < 4; ++n) {
      const double local = t - kStep * static_cast<double>(n);
      if (local < 0.0) break;
      const double ring = n == 3 ? 0.22 : 0.09;
      const double hz = kNotes[n];
      x += (partial(local, hz, ring) + 0.35 * partial(local, 2.0 * hz, ring * 0.6) +
            0.12 * partial(local, 3.0 * hz, ring * 0.4)) *
           std::min(1.0, local / 0.003);
    }
    s[i] = x;
  }
  fade_edges(s, rate, 0.0, 0.05);
  return normalised(s, 0.85f);
}

}  // namespace assets
