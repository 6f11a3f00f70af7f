// The four sounds that repeat until stopped: the bridge ambience, the engines, the
// ship's phaser beam and the alien beam. Every tone completes a whole number of cycles
// per loop and every filter runs around the loop, so the end flows into the start.

#include <cmath>

#include "libraries/sounds/sounds.h"

namespace sounds {
using namespace synth;

namespace {
Signal LoopedNoise(std::size_t samples, std::uint32_t seed, Biquad filter) {
  Noise noise(seed);
  Signal raw(samples);
  for (double& v : raw) v = noise.Next();
  return CircularFilter(raw, filter);
}

// Cycles of a tone of `hz` wobbling by `wobble` cycles at `rate` Hz; whole-cycle
// frequencies keep it periodic over the loop.
double Wobbled(double t, double hz, double rate, double wobble) {
  return hz * t + wobble * std::sin(2.0 * Pi * rate * t);
}

// A console's soft beep at `start` seconds: a sine with a little second harmonic.
void Beep(Signal& mix, double start, double length, double hz, double level) {
  const std::size_t from = SampleAt(start);
  for (std::size_t i = 0; i < SampleAt(length) && from + i < mix.size(); ++i) {
    const double t = Seconds(i);
    const double envelope = Ramp(t, 0.0, 0.006) * (1.0 - Ramp(t, length - 0.012, length));
    const double x = 2.0 * Pi * hz * t;
    mix[from + i] += level * envelope * (std::sin(x) + 0.2 * std::sin(2.0 * x));
  }
}
}  // namespace

Signal BridgeAmbience(std::size_t samples) {
  const double hum = LoopFrequency(60.0, samples);
  const double breath = LoopFrequency(0.25, samples);  // one slow swell per loop
  const double throb = LoopFrequency(1.05, samples);   // the ship's distant pulse
  const Signal rumble = LoopedNoise(samples, 11, Biquad::LowPass(170.0, 0.8));
  const Signal air = LoopedNoise(samples, 12, Biquad::BandPass(950.0, 0.6));
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double swell = 0.85 + 0.15 * std::sin(2.0 * Pi * breath * t);
    const double pulse = 0.8 + 0.2 * std::sin(2.0 * Pi * throb * t);
    mix[i] = 0.5 * pulse * Mellow(hum * t, hum, 2.2) + 1.6 * swell * rumble[i] + 0.22 * swell * air[i];
  }
  // The computers talking among themselves, away from the loop's seam.
  Beep(mix, 0.55, 0.07, 1318.5, 0.26);
  Beep(mix, 0.65, 0.09, 1760.0, 0.22);
  Beep(mix, 1.90, 0.05, 987.8, 0.16);
  Beep(mix, 1.98, 0.05, 1174.7, 0.16);
  Beep(mix, 2.06, 0.05, 987.8, 0.16);
  Beep(mix, 3.05, 0.04, 2093.0, 0.12);
  mix = CircularReverb(mix, Reverb(0.7, 0.4, 0.25));
  Normalise(mix, 0.5);
  return mix;
}

Signal EngineDrone(std::size_t samples) {
  const double root = LoopFrequency(55.0, samples);
  const double fifth = LoopFrequency(root * 1.5, samples);
  const double beating = LoopFrequency(root + 1.0, samples);  // one slow phasing per loop
  const double thrum = LoopFrequency(9.5, samples);
  const double whine = LoopFrequency(820.0, samples);
  const double whineWobble = LoopFrequency(3.2, samples);
  Signal tone(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    tone[i] = 0.5 * Saw(root * t, root) + 0.3 * Saw(beating * t, beating) + 0.25 * Saw(fifth * t, fifth);
  }
  tone = CircularFilter(tone, Biquad::LowPass(380.0, 1.1));
  const Signal rumble = LoopedNoise(samples, 21, Biquad::LowPass(160.0, 0.9));
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double pulse = 0.65 + 0.35 * std::sin(2.0 * Pi * thrum * t);
    mix[i] = tone[i] * (0.85 + 0.15 * pulse) + 2.2 * pulse * rumble[i] +
             0.07 * std::sin(2.0 * Pi * Wobbled(t, whine, whineWobble, 0.8));
  }
  Normalise(mix, 0.85);
  return mix;
}

Signal PhaserBeam(std::size_t samples) {
  const double buzz = LoopFrequency(440.0, samples);
  const double buzzBeat = LoopFrequency(buzz + 3.0, samples);
  const double warble = LoopFrequency(22.0, samples);
  const double shimmer = LoopFrequency(1800.0, samples);
  const double flutter = LoopFrequency(37.0, samples);
  Signal tone(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    // Band-limit for the highest pitch the warble reaches.
    tone[i] = Saw(Wobbled(t, buzz, warble, 0.4), buzz * 1.15) + Saw(Wobbled(t, buzzBeat, warble, 0.4), buzz * 1.15);
  }
  tone = CircularFilter(tone, Biquad::LowPass(2300.0, 2.2));
  const Signal sizzle = LoopedNoise(samples, 31, Biquad::BandPass(2800.0, 1.5));
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double flicker = 0.6 + 0.4 * std::sin(2.0 * Pi * warble * t);
    mix[i] = 0.4 * tone[i] + 0.3 * std::sin(2.0 * Pi * Wobbled(t, shimmer, flutter, 1.2)) + 0.9 * flicker * sizzle[i];
  }
  Normalise(mix, 0.85);
  return mix;
}

Signal AlienBeam(std::size_t samples) {
  const double growl = LoopFrequency(82.0, samples);
  const double carrier = LoopFrequency(310.0, samples);
  const double ring = LoopFrequency(97.0, samples);
  const double wail = LoopFrequency(620.0, samples);
  const double wailSweep = LoopFrequency(1.0, samples);
  const double pulse = LoopFrequency(8.2, samples);
  Signal low(samples);
  for (std::size_t i = 0; i < samples; ++i) low[i] = Saw(growl * Seconds(i), growl);
  low = CircularFilter(low, Biquad::LowPass(650.0, 1.4));
  Signal mix(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = Seconds(i);
    const double throb = 0.5 + 0.5 * std::sin(2.0 * Pi * pulse * t);
    const double ringTone = std::sin(2.0 * Pi * carrier * t) * std::sin(2.0 * Pi * ring * t);
    // A wail that rises and falls a few semitones, about once a second.
    const double wailTone = std::sin(2.0 * Pi * Wobbled(t, wail, wailSweep, 14.0));
    mix[i] = 0.35 * low[i] + (0.45 * ringTone + 0.3 * wailTone) * (0.45 + 0.55 * throb);
  }
  mix = CircularReverb(mix, Reverb(0.75, 0.3, 0.3));
  Normalise(mix, 0.85);
  return mix;
}

}  // namespace sounds
