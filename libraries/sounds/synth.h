#pragma once
// The small synthesiser the game's sounds are made with: band-limited oscillators,
// envelopes, noise, filters and a room reverb, all at the game's 8000 Hz rate.
//
// Loops are built so their last sample leads straight back into the first: every
// periodic part uses a whole number of cycles per loop (LoopFrequency), and filters and
// reverb run around the loop until they settle (the Circular* functions).

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr double SampleRate = 8000.0;
inline constexpr double Pi = 3.14159265358979323846;
// Partials above this are left out, so nothing folds back below the 4000 Hz limit.
inline constexpr double HighestPartial = 3800.0;

using Signal = std::vector<double>;

// Time of sample i in seconds, and the sample index of time t (rounded down).
inline double Seconds(std::size_t i) { return static_cast<double>(i) / SampleRate; }
inline std::size_t SampleAt(double t) { return t <= 0 ? 0 : static_cast<std::size_t>(t * SampleRate); }

// The frequency nearest `hz` that completes a whole number of cycles in a loop of
// `loopSamples` samples (at least one cycle).
double LoopFrequency(double hz, std::size_t loopSamples);

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteFrequency(double midiNote);

// Deterministic white noise in [-1, 1]; the same seed always gives the same sounds.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed) {}
  double Next();

 private:
  std::uint64_t state_;
};

// Sum of the first partials of a waveform at phase `cycles` (in cycles, any real) for a
// tone of `hz`, up to HighestPartial: weight(k) gives the amplitude of partial k.
// Saw: 1/k on every partial. Square: 1/k on odd partials. Both peak near ±1.
double Saw(double cycles, double hz);
double Square(double cycles, double hz);
// Partials falling off as 1/k^rolloff: 1 is a saw, 2 a mellow reed, 3 nearly a sine.
double Mellow(double cycles, double hz, double rolloff);
// A brass-like spectrum: partial k at exp(-(k-1)/brightness); brightness 1 is dark and
// round, 6 and more blaring.
double Brassy(double cycles, double hz, double brightness);

// Attack-decay-sustain-release envelope over a note of `length` seconds, evaluated at t.
// The release starts at `length` and lasts `release` seconds.
struct Adsr {
  double attack = 0.01, decay = 0.1, sustain = 0.8, release = 0.1;
  double At(double t, double length) const;
};

// Smooth step 0 → 1 over [from, to] (raised cosine).
double Ramp(double t, double from, double to);

// Resonant filters after the well-known biquad cookbook; one state per instance.
class Biquad {
 public:
  static Biquad LowPass(double hz, double q = 0.707);
  static Biquad HighPass(double hz, double q = 0.707);
  static Biquad BandPass(double hz, double q);
  double Process(double x);
  // Changes the corner of a low-pass in place (for sweeps), keeping the state.
  void RetuneLowPass(double hz, double q = 0.707);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Runs `filter` over a loop until its state has settled, so the output has no seam.
Signal CircularFilter(const Signal& loop, Biquad filter);

// A room: parallel combs into all-passes. `decay` (0..1) sets how long the tail rings,
// `damping` (0..1) how quickly its highs die, `wet` the share of reverberation.
class Reverb {
 public:
  Reverb(double decay, double damping, double wet);
  double Process(double x);

 private:
  struct Comb {
    std::vector<double> line;
    std::size_t at = 0;
    double feedback, damping, store = 0;
  };
  struct AllPass {
    std::vector<double> line;
    std::size_t at = 0;
  };
  std::vector<Comb> combs_;
  std::vector<AllPass> allPasses_;
  double wet_;
};

Signal ApplyReverb(const Signal& dry, Reverb reverb);
Signal CircularReverb(const Signal& loop, Reverb reverb);

// Adds `part` into `mix` starting at sample `at`, scaled by `gain`; what overruns the
// end of `mix` is dropped.
void MixInto(Signal& mix, const Signal& part, std::size_t at = 0, double gain = 1.0);

// Scales so the loudest sample reaches `peak` (of full scale 1.0).
void Normalise(Signal& s, double peak);
// Evens out loudness: where the level rises above `threshold` (of full scale) it is
// turned down, by `ratio` to 1, with a gain that follows the level smoothly.
void Compress(Signal& s, double threshold, double ratio);
// Fades the first and last `seconds` to silence (one-shot sounds start and end at rest).
void FadeEnds(Signal& s, double fadeIn, double fadeOut);
// Gentle saturation: louder parts are rounded off, quiet parts pass unchanged.
void Saturate(Signal& s, double drive);

// Unsigned 8-bit samples, 128 = silence, from a signal in [-1, 1].
std::vector<std::uint8_t> ToPcm8(const Signal& s);

}  // namespace synth
