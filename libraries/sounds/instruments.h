#pragma once
// The orchestra of the game's music (the new-game fanfare, the start-up theme and the
// end-of-game piece) and a score written in beats and note names.

#include <initializer_list>
#include <string_view>

#include "libraries/sounds/synth.h"

namespace synth {

// One note: `hz` for `length` seconds at `velocity` (0..1). The returned signal also
// holds the note's release and ring-out, so it may be longer than `length`.
using Instrument = Signal (*)(double hz, double length, double velocity);

Signal Brass(double hz, double length, double velocity);    // trumpets and trombones
Signal Horn(double hz, double length, double velocity);     // French horn, rounder
Signal Strings(double hz, double length, double velocity);  // a slow string section
Signal Flute(double hz, double length, double velocity);
Signal Harp(double hz, double length, double velocity);
Signal Bell(double hz, double length, double velocity);  // glockenspiel-like
Signal Timpani(double hz, double length, double velocity);
Signal Cymbal(double hz, double length, double velocity);  // `hz` is unused
Signal Bass(double hz, double length, double velocity);    // plucked double bass

// MIDI number of a note name such as "A4", "F#3" or "Bb2" (A4 = 69).
int NoteNumber(std::string_view name);

// A piece under construction, written in beats.
class Score {
 public:
  Score(std::size_t samples, double secondsPerBeat) : mix_(samples, 0.0), beat_(secondsPerBeat) {}

  struct Note {
    double beat;          // when, in beats from the start
    double beats;         // how long
    const char* pitches;  // one name or a chord, e.g. "C4 E4 G4"
    double velocity = 0.8;
  };
  // Plays every note on `instrument` at `gain`.
  void Play(Instrument instrument, double gain, std::initializer_list<Note> notes);
  void Play(Instrument instrument, double gain, const Note& note);

  Signal& Mix() { return mix_; }

 private:
  Signal mix_;
  double beat_;
};

}  // namespace synth
