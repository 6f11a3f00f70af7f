// The one-shot effects: the acknowledgement chirp, the explosion, the torpedo launch,
// the hit on the ship and the red-alert klaxon. Each starts and ends at rest.

#include <cmath>

#include "libraries/sounds/sounds.h"

namespace sounds {
using namespace synth;

namespace {
// A sine whose pitch falls from `from` Hz to `to` Hz with time constant `fall` seconds.
class FallingTone {
 public:
  FallingTone(double from, double to, double fall) : from_(from), to_(to), fall_(fall) {}
  double Next(double t) {
    cycles_ += (to_ + (from_ - to_) * std::exp(-t / fall_)) / SampleRate;
    return std::sin(2.0 * Pi * cycles_);
  }

 private:
  double from_, to_, fall_, cycles_ = 0.0;
};

// A burst of noise through a low-pass whose corner falls as the burst dies away.
class DarkeningNoise {
 public:
  DarkeningNoise(std::uint32_t seed, double brightHz, double darkHz, double fall)
      : noise_(seed), bright_(brightHz), dark_(darkHz), fall_(fall), filter_(Biquad::LowPass(brightHz, 0.9)) {}
  double Next(double t) {
    filter_.RetuneLowPass(dark_ + (bright_ - dark_) * std::exp(-t / fall_), 0.9);
    return filter_.Process(noise_.Next());
  }

 private:
  Noise noise_;
  double bright_, dark_, fall_;
  Biquad filter_;
};

// Sparse sharp ticks, denser at first: debris, sparks, cracking metal.
class Crackle {
 public:
  Crackle(std::uint32_t seed, double hz) : noise_(seed), tone_(Biquad::BandPass(hz, 1.2)) {}
  double Next(double t, double lifetime) {
    const double chance = 0.04 * std::exp(-t / lifetime);
    const double tick = (noise_.Next() * 0.5 + 0.5) < chance ? noise_.Next() * 4.0 : 0.0;
    return tone_.Process(tick);
  }

 private:
  Noise noise_;
  Biquad tone_;
};

Signal Master(Signal mix, double drive, double peak, double fadeOut) {
  if (drive > 0) Saturate(mix, drive);
  Normalise(mix, peak);
  FadeEnds(mix, 0.001, fadeOut);
  return mix;
}
}  // namespace

Signal Acknowledgement(std::size_t samples) {
  // "Bee-deep": two clean console tones, the second higher and longer.
  struct Tone {
    double start, length, hz;
  };
  const Tone tones[] = {{0.0, 0.075, 1318.5}, {0.095, 0.14, 1760.0}};
  Signal mix(samples);
  for (const Tone& tone : tones) {
    for (std::size_t i = SampleAt(tone.start); i < samples; ++i) {
      const double t = Seconds(i) - tone.start;
      if (t > tone.length) break;
      const double envelope = Ramp(t, 0.0, 0.003) * (1.0 - Ramp(t, tone.length - 0.015, tone.length));
      const double x = 2.0 * Pi * tone.hz * t;
      mix[i] += envelope * (std::sin(x) + 0.25 * std::sin(2.0 * x));
    }
  }
  return Master(ApplyReverb(mix, Reverb(0.6, 0.5, 0.18)), 0.0, 0.8, 0.05);
}

Signal Explosion(std::size_t samples) {
  DarkeningNoise blast(41, 3400.0, 140.0, 0.18);
  DarkeningNoise debris(42, 1800.0, 110.0, 0.3);  // a second, duller burst as it breaks up
  Crackle crackle(43, 1500.0);
  FallingTone boom(95.0, 32.0, 0.12);
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double attack = std::min(1.0, t / 0.004);
    const double later = t - 0.22;
    mix[i] = attack * std::exp(-t / 0.42) * blast.Next(t) * 1.4 +
             (later > 0 ? 0.8 * std::min(1.0, later / 0.02) * std::exp(-later / 0.4) * debris.Next(later) : 0.0) +
             0.9 * attack * std::exp(-t / 0.5) * boom.Next(t) + 0.5 * crackle.Next(t, 0.35);
  }
  return Master(mix, 2.5, 0.95, 0.2);
}

Signal TorpedoLaunch(std::size_t samples) {
  FallingTone thump(160.0, 48.0, 0.04);
  Noise air(51);
  Biquad hiss = Biquad::BandPass(1100.0, 0.8);
  DarkeningNoise whoosh(52, 3000.0, 300.0, 0.35);
  double sweepCycles = 0.0;
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    // The photon charge streaks away: a bright tone falling from 1600 Hz to 220 Hz.
    const double sweepHz = 220.0 * std::pow(1600.0 / 220.0, std::max(0.0, 1.0 - t / 0.7));
    sweepCycles += sweepHz / SampleRate;
    const double sweep = Mellow(sweepCycles, sweepHz, 1.3) * Ramp(t, 0.0, 0.01) * (1.0 - Ramp(t, 0.2, 0.85));
    mix[i] = 0.8 * std::exp(-t / 0.12) * thump.Next(t) +
             0.6 * Ramp(t, 0.0, 0.005) * std::exp(-t / 0.09) * hiss.Process(air.Next()) + 0.45 * sweep +
             0.5 * Ramp(t, 0.0, 0.15) * (1.0 - Ramp(t, 0.15, 0.9)) * whoosh.Next(t);
  }
  return Master(mix, 1.5, 0.92, 0.1);
}

Signal HitOnShip(std::size_t samples) {
  // Struck hull plating rings at inharmonic partials, the higher ones dying first.
  const double partials[] = {187.0, 498.0, 861.0, 1343.0, 1912.0, 2731.0};
  const double levels[] = {1.0, 0.7, 0.55, 0.4, 0.3, 0.2};
  const double decays[] = {0.5, 0.35, 0.28, 0.2, 0.15, 0.1};
  Noise impactNoise(61), crunchNoise(62);
  Biquad impactTone = Biquad::LowPass(2500.0, 0.8);
  Biquad crunchTone = Biquad::BandPass(1400.0, 1.0);
  Crackle sparks(63, 3200.0);
  FallingTone thud(115.0, 45.0, 0.05);
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    double clang = 0.0;
    for (int p = 0; p < 6; ++p) clang += levels[p] * std::exp(-t / decays[p]) * std::sin(2.0 * Pi * partials[p] * t);
    const double attack = std::min(1.0, t / 0.002);
    mix[i] = attack * (1.2 * std::exp(-t / 0.02) * impactTone.Process(impactNoise.Next()) +
                       0.9 * std::exp(-t / 0.25) * thud.Next(t) + 0.12 * clang +
                       0.6 * std::exp(-t / 0.15) * crunchTone.Process(crunchNoise.Next())) +
             0.4 * sparks.Next(t, 0.3);
  }
  return Master(mix, 2.0, 0.95, 0.15);
}

Signal RedAlertKlaxon(std::size_t samples) {
  // Four whoops, each gliding up from 380 Hz towards 900 Hz and cut off sharply.
  const double period = 1.05, whoop = 0.86;
  Biquad horn = Biquad::BandPass(1200.0, 1.2);
  Biquad edge = Biquad::LowPass(3000.0, 0.7);
  double cycles = 0.0;
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double tau = std::fmod(t, period);
    if (t >= 4 * period || tau > whoop) {
      cycles = 0.0;
      mix[i] = edge.Process(horn.Process(0.0) * 0.8);
      continue;
    }
    const double hz = 380.0 + 520.0 * (1.0 - std::exp(-tau / 0.28));
    cycles += hz / SampleRate;
    const double envelope = Ramp(tau, 0.0, 0.015) * (1.0 - Ramp(tau, whoop - 0.04, whoop));
    const double raw = envelope * (0.6 * Square(cycles, hz) + 0.4 * Saw(cycles, hz));
    mix[i] = edge.Process(0.55 * raw + 0.8 * horn.Process(raw));
  }
  // No saturation here: it would fold the sweep's overtones back down as whistles.
  return Master(ApplyReverb(mix, Reverb(0.65, 0.4, 0.15)), 0.0, 0.9, 0.05);
}

}  // namespace sounds
