#include "libraries/sounds/instruments.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace synth {
namespace {

std::size_t Samples(double seconds) { return SampleAt(seconds) + 1; }

// Each note gets its own noise, seeded from its pitch and length, so a note sounds the
// same wherever it stands in a piece.
Noise NoteNoise(double hz, double length) {
  return Noise(static_cast<std::uint32_t>(static_cast<std::uint32_t>(hz * 1009.0 + length * 7919.0) * 2654435761u));
}

// Vibrato that sets in gently after `delay` seconds: a pitch factor around 1.
double Vibrato(double t, double rate, double depth, double delay) {
  return 1.0 + depth * Ramp(t, delay, delay + 0.4) * std::sin(2.0 * Pi * rate * t);
}

}  // namespace

Signal Brass(double hz, double length, double velocity) {
  const Adsr envelope{0.035, 0.15, 0.78, 0.14};
  Signal out(Samples(length + envelope.release));
  double cycles = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    // The lips "blip" into the note: a slightly flat start and a bright attack.
    const double f = hz * (1.0 - 0.025 * std::exp(-t / 0.025)) * Vibrato(t, 5.5, 0.004, 0.3);
    cycles += f / SampleRate;
    const double level = envelope.At(t, length);
    const double brightness = 1.2 + (2.5 + 3.5 * velocity) * level;
    out[i] = velocity * level * Brassy(cycles, f, brightness);
  }
  return out;
}

Signal Horn(double hz, double length, double velocity) {
  const Adsr envelope{0.07, 0.2, 0.85, 0.25};
  Signal out(Samples(length + envelope.release));
  double cycles = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    const double f = hz * (1.0 - 0.012 * std::exp(-t / 0.04)) * Vibrato(t, 4.8, 0.003, 0.35);
    cycles += f / SampleRate;
    const double level = envelope.At(t, length);
    out[i] = velocity * level * Brassy(cycles, f, 0.9 + (1.2 + 1.6 * velocity) * level);
  }
  return out;
}

Signal Strings(double hz, double length, double velocity) {
  const Adsr envelope{0.45, 0.3, 0.9, 0.8};
  Signal out(Samples(length + envelope.release));
  // Three players slightly out of tune with each other make the section.
  const double detune[3] = {0.9965, 1.0, 1.0041};
  double cycles[3] = {0.0, 0.31, 0.67};
  Biquad tone = Biquad::LowPass(std::min(3.2 * hz + 600.0, 2600.0), 0.6);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    double v = 0.0;
    for (int p = 0; p < 3; ++p) {
      const double f = hz * detune[p] * Vibrato(t + p * 0.13, 5.0 + p * 0.4, 0.0035, 0.2);
      cycles[p] += f / SampleRate;
      v += Saw(cycles[p], f);
    }
    out[i] = tone.Process(v / 3.0) * velocity * envelope.At(t, length);
  }
  return out;
}

Signal Flute(double hz, double length, double velocity) {
  const Adsr envelope{0.07, 0.12, 0.85, 0.18};
  Signal out(Samples(length + envelope.release));
  Noise breath = NoteNoise(hz, length);
  Biquad breathTone = Biquad::BandPass(std::min(hz * 2.0, 3500.0), 2.0);
  double cycles = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    const double f = hz * Vibrato(t, 5.2, 0.006, 0.25);
    cycles += f / SampleRate;
    const double x = 2.0 * Pi * cycles;
    const double tone = std::sin(x) + 0.22 * std::sin(2 * x) + 0.08 * std::sin(3 * x);
    // A puff of breath at the start of the note, and a little throughout.
    const double air = breathTone.Process(breath.Next()) * (0.35 + 0.9 * std::exp(-t / 0.05));
    out[i] = velocity * envelope.At(t, length) * (0.8 * tone + 0.5 * air);
  }
  return out;
}

Signal Harp(double hz, double length, double velocity) {
  const double ring = std::max(length, 1.6);
  Signal out(Samples(ring));
  for (int k = 1; k * hz < HighestPartial && k <= 12; ++k) {
    const double amplitude = velocity / std::pow(k, 1.4) * (k == 1 ? 1.0 : 0.8);
    const double decay = 1.1 / std::sqrt(k);           // upper partials die first
    const double f = hz * k * (1.0 + 0.0004 * k * k);  // a string's slight stretch
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = Seconds(i);
      out[i] += amplitude * std::exp(-t / decay) * std::sin(2.0 * Pi * f * t);
    }
  }
  for (std::size_t i = 0; i < out.size() && i < 24; ++i) out[i] *= static_cast<double>(i) / 24.0;  // soft pluck
  return out;
}

Signal Bell(double hz, double length, double velocity) {
  const double ratios[] = {1.0, 2.0, 2.76, 5.40, 8.93};
  const double amplitudes[] = {1.0, 0.5, 0.45, 0.22, 0.12};
  const double decays[] = {1.6, 1.0, 0.7, 0.35, 0.2};
  Signal out(Samples(std::max(length, 2.4)));
  for (int p = 0; p < 5; ++p) {
    const double f = hz * ratios[p];
    if (f >= HighestPartial) continue;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = Seconds(i);
      out[i] += velocity * amplitudes[p] * std::exp(-t / decays[p]) * std::sin(2.0 * Pi * f * t);
    }
  }
  for (std::size_t i = 0; i < out.size() && i < 8; ++i) out[i] *= static_cast<double>(i) / 8.0;
  return out;
}

Signal Timpani(double hz, double length, double velocity) {
  Signal out(Samples(std::max(length, 1.8)));
  Noise noise = NoteNoise(hz, length);
  Biquad skin = Biquad::LowPass(700.0, 0.9);
  double cycles = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    // The head is struck sharp and settles onto its pitch.
    const double f = hz * (1.0 + 0.08 * std::exp(-t / 0.04));
    cycles += f / SampleRate;
    const double x = 2.0 * Pi * cycles;
    const double drum = std::exp(-t / 0.9) * (std::sin(x) + 0.5 * std::sin(1.504 * x) * std::exp(-t / 0.3) +
                                              0.25 * std::sin(1.742 * x) * std::exp(-t / 0.2));
    const double strike = skin.Process(noise.Next()) * std::exp(-t / 0.03);
    out[i] = velocity * (drum + 1.2 * strike) * std::min(1.0, t / 0.002);
  }
  return out;
}

Signal Cymbal(double hz, double length, double velocity) {
  Signal out(Samples(std::max(length, 2.5)));
  Noise noise = NoteNoise(hz + 1.0, length);
  Biquad bright = Biquad::HighPass(2200.0, 0.7);
  Biquad shimmer = Biquad::BandPass(3300.0, 1.5);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    const double n = noise.Next();
    out[i] = velocity * std::exp(-t / 0.8) * (bright.Process(n) + 0.6 * shimmer.Process(n)) * std::min(1.0, t / 0.003);
  }
  return out;
}

Signal Bass(double hz, double length, double velocity) {
  const Adsr envelope{0.012, 0.35, 0.55, 0.2};
  Signal out(Samples(length + envelope.release));
  Biquad body = Biquad::LowPass(5.0 * hz, 0.8);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    out[i] = velocity * envelope.At(t, length) * body.Process(Mellow(hz * t, hz, 1.5));
  }
  return out;
}

int NoteNumber(std::string_view name) {
  static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int n = semitones[name.at(0) - 'A'];
  std::size_t at = 1;
  for (; at < name.size() && (name[at] == '#' || name[at] == 'b'); ++at) n += name[at] == '#' ? 1 : -1;
  const int octave = std::atoi(std::string(name.substr(at)).c_str());
  return 12 * (octave + 1) + n;
}

void Score::Play(Instrument instrument, double gain, std::initializer_list<Note> notes) {
  for (const Note& note : notes) Play(instrument, gain, note);
}

void Score::Play(Instrument instrument, double gain, const Note& note) {
  std::string_view chord = note.pitches;
  while (!chord.empty()) {
    const std::size_t space = chord.find(' ');
    const std::string_view name = chord.substr(0, space);
    if (!name.empty()) {
      const double hz = NoteFrequency(NoteNumber(name));
      MixInto(mix_, instrument(hz, note.beats * beat_, note.velocity), SampleAt(note.beat * beat_), gain);
    }
    chord = space == std::string_view::npos ? std::string_view() : chord.substr(space + 1);
  }
}

}  // namespace synth
