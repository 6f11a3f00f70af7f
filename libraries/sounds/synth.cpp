#include "libraries/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

double LoopFrequency(double hz, std::size_t loopSamples) {
  const double loopHz = SampleRate / static_cast<double>(loopSamples);
  return std::max(1.0, std::round(hz / loopHz)) * loopHz;
}

double NoteFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

double Noise::Next() {
  // A 64-bit linear congruential step, read from its well-mixed upper bits and scrambled
  // once more, so even rare small values come without a pattern.
  state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
  std::uint64_t x = state_;
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdull;
  x ^= x >> 33;
  return static_cast<double>(x >> 11) / 4503599627370496.0 - 1.0;  // 53 bits into [-1, 1)
}

namespace {
// Sum over k = 1.. of sin(k·x)·weight(k) for the partials of `hz` below HighestPartial,
// with sin(k·x) by the Chebyshev recurrence: one sine and one cosine per sample.
template <typename Weight>
double Partials(double cycles, double hz, Weight weight) {
  if (hz <= 0) return 0.0;
  const int count = static_cast<int>(HighestPartial / hz);
  const double x = 2.0 * Pi * (cycles - std::floor(cycles));
  const double twoCos = 2.0 * std::cos(x);
  double previous = 0.0, current = std::sin(x), sum = 0.0;
  for (int k = 1; k <= count; ++k) {
    sum += current * weight(k);
    const double next = twoCos * current - previous;
    previous = current;
    current = next;
  }
  return sum;
}
}  // namespace

double Saw(double cycles, double hz) {
  return (2.0 / Pi) * Partials(cycles, hz, [](int k) { return 1.0 / k; });
}

double Square(double cycles, double hz) {
  return (4.0 / Pi) * Partials(cycles, hz, [](int k) { return (k % 2) ? 1.0 / k : 0.0; });
}

double Mellow(double cycles, double hz, double rolloff) {
  return Partials(cycles, hz, [rolloff](int k) { return 1.0 / std::pow(k, rolloff); });
}

double Brassy(double cycles, double hz, double brightness) {
  return 0.6 * Partials(cycles, hz, [brightness](int k) { return std::exp(-(k - 1) / brightness); });
}

double Adsr::At(double t, double length) const {
  if (t < 0) return 0.0;
  const double held = std::min(t, length);
  double level = sustain;
  if (held < attack) {
    level = held / attack;
  } else if (held < attack + decay) {
    level = 1.0 - (1.0 - sustain) * (held - attack) / decay;
  }
  if (t > length) {
    // Release from wherever the note stood when it was let go.
    const double r = (t - length) / release;
    level *= r >= 1.0 ? 0.0 : (1.0 - r) * (1.0 - r);
  }
  return level;
}

double Ramp(double t, double from, double to) {
  if (t <= from) return 0.0;
  if (t >= to) return 1.0;
  return 0.5 - 0.5 * std::cos(Pi * (t - from) / (to - from));
}

namespace {
struct Coefficients {
  double w0, cosW0, alpha;
};

Coefficients Corner(double hz, double q) {
  const double w0 = 2.0 * Pi * std::clamp(hz, 10.0, 3950.0) / SampleRate;
  return {w0, std::cos(w0), std::sin(w0) / (2.0 * q)};
}
}  // namespace

Biquad Biquad::LowPass(double hz, double q) {
  Biquad f;
  f.RetuneLowPass(hz, q);
  return f;
}

void Biquad::RetuneLowPass(double hz, double q) {
  const Coefficients c = Corner(hz, q);
  const double a0 = 1.0 + c.alpha;
  b0_ = (1.0 - c.cosW0) / 2.0 / a0;
  b1_ = (1.0 - c.cosW0) / a0;
  b2_ = b0_;
  a1_ = -2.0 * c.cosW0 / a0;
  a2_ = (1.0 - c.alpha) / a0;
}

Biquad Biquad::HighPass(double hz, double q) {
  const Coefficients c = Corner(hz, q);
  const double a0 = 1.0 + c.alpha;
  Biquad f;
  f.b0_ = (1.0 + c.cosW0) / 2.0 / a0;
  f.b1_ = -(1.0 + c.cosW0) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * c.cosW0 / a0;
  f.a2_ = (1.0 - c.alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double hz, double q) {
  const Coefficients c = Corner(hz, q);
  const double a0 = 1.0 + c.alpha;
  Biquad f;
  f.b0_ = c.alpha / a0;
  f.b1_ = 0.0;
  f.b2_ = -c.alpha / a0;
  f.a1_ = -2.0 * c.cosW0 / a0;
  f.a2_ = (1.0 - c.alpha) / a0;
  return f;
}

double Biquad::Process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Signal CircularFilter(const Signal& loop, Biquad filter) {
  Signal out(loop.size());
  // The first passes only bring the filter's state to where the loop leaves it.
  for (int pass = 0; pass < 4; ++pass)
    for (std::size_t i = 0; i < loop.size(); ++i) out[i] = filter.Process(loop[i]);
  return out;
}

Reverb::Reverb(double decay, double damping, double wet) : wet_(wet) {
  // Delay lengths in samples, mutually prime so the echoes do not pile up.
  for (std::size_t length : {331u, 353u, 383u, 409u}) {
    Comb c;
    c.line.assign(length, 0.0);
    c.feedback = decay;
    c.damping = damping;
    combs_.push_back(c);
  }
  for (std::size_t length : {97u, 61u, 37u}) allPasses_.push_back({std::vector<double>(length, 0.0)});
}

double Reverb::Process(double x) {
  double tail = 0.0;
  for (Comb& c : combs_) {
    const double out = c.line[c.at];
    c.store = out * (1.0 - c.damping) + c.store * c.damping;
    c.line[c.at] = x * 0.25 + c.store * c.feedback;
    c.at = (c.at + 1) % c.line.size();
    tail += out;
  }
  for (AllPass& a : allPasses_) {
    const double delayed = a.line[a.at];
    const double out = delayed - tail;
    a.line[a.at] = tail + delayed * 0.5;
    a.at = (a.at + 1) % a.line.size();
    tail = out;
  }
  return x * (1.0 - wet_) + tail * wet_;
}

Signal ApplyReverb(const Signal& dry, Reverb reverb) {
  Signal out(dry.size());
  for (std::size_t i = 0; i < dry.size(); ++i) out[i] = reverb.Process(dry[i]);
  return out;
}

Signal CircularReverb(const Signal& loop, Reverb reverb) {
  Signal out(loop.size());
  for (int pass = 0; pass < 6; ++pass)
    for (std::size_t i = 0; i < loop.size(); ++i) out[i] = reverb.Process(loop[i]);
  return out;
}

void MixInto(Signal& mix, const Signal& part, std::size_t at, double gain) {
  for (std::size_t i = 0; i < part.size() && at + i < mix.size(); ++i) mix[at + i] += part[i] * gain;
}

void Normalise(Signal& s, double peak) {
  double loudest = 0.0;
  for (double v : s) loudest = std::max(loudest, std::abs(v));
  if (loudest <= 0.0) return;
  for (double& v : s) v *= peak / loudest;
}

void Compress(Signal& s, double threshold, double ratio) {
  const double attack = std::exp(-1.0 / (0.001 * SampleRate));
  const double release = std::exp(-1.0 / (0.25 * SampleRate));
  double level = 0.0;
  for (double& v : s) {
    const double now = std::abs(v);
    const double follow = now > level ? attack : release;
    level = follow * level + (1.0 - follow) * now;
    if (level > threshold) v *= std::pow(level / threshold, 1.0 / ratio - 1.0);
  }
}

void FadeEnds(Signal& s, double fadeIn, double fadeOut) {
  const double length = Seconds(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = Seconds(i);
    s[i] *= Ramp(t, 0.0, fadeIn) * (1.0 - Ramp(t, length - fadeOut, length));
  }
}

void Saturate(Signal& s, double drive) {
  for (double& v : s) v = std::tanh(drive * v) / drive;
}

std::vector<std::uint8_t> ToPcm8(const Signal& s) {
  std::vector<std::uint8_t> pcm(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const long v = std::lround(std::clamp(s[i], -1.0, 1.0) * 127.0) + 128;
    pcm[i] = static_cast<std::uint8_t>(std::clamp(v, 0L, 255L));
  }
  return pcm;
}

}  // namespace synth
