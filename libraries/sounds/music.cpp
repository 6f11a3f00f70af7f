// The three pieces of music: the fanfare for a new mission, the theme that opens the
// program, and the slow piece that closes a mission, win or lose.

#include "libraries/sounds/instruments.h"
#include "libraries/sounds/sounds.h"

namespace sounds {
using namespace synth;

namespace {
// Every piece is played in the same hall and mastered to the same level.
Signal Finish(Signal mix, double fadeOut) {
  mix = ApplyReverb(mix, Reverb(0.82, 0.35, 0.28));
  Normalise(mix, 1.0);
  Compress(mix, 0.3, 2.5);  // the cymbal and the brass attacks stand out less
  Normalise(mix, 0.93);
  FadeEnds(mix, 0.004, fadeOut);
  return mix;
}

// Broken chords on the harp: the chord's notes rising and falling in `step`-beat notes.
void Arpeggio(Score& score, double fromBeat, double beats, double step, std::initializer_list<const char*> pitches,
              double velocity) {
  const std::vector<const char*> up(pitches);
  std::vector<const char*> pattern = up;
  for (std::size_t i = up.size() - 1; i-- > 1;) pattern.push_back(up[i]);  // and back down
  int n = 0;
  for (double beat = fromBeat; beat < fromBeat + beats - 1e-9; beat += step, ++n)
    score.Play(Harp, 0.3, {beat, step, pattern[static_cast<std::size_t>(n) % pattern.size()], velocity});
}
}  // namespace

Signal NewGameFanfare(std::size_t samples) {
  Score score(samples, 0.52);
  // Trumpets: a call, its answer, and the call again into the full chord.
  score.Play(Brass, 0.34,
             {{0.0, 0.28, "G4", 0.7},
              {0.333, 0.28, "G4", 0.7},
              {0.667, 0.28, "G4", 0.75},
              {1.0, 1.45, "C5", 0.9},
              {2.5, 0.45, "G4", 0.75},
              {3.0, 0.45, "C5", 0.8},
              {3.5, 0.45, "E5", 0.85},
              {4.0, 1.45, "G5", 0.95},
              {5.5, 0.45, "E5", 0.8},
              {6.0, 0.3, "F5", 0.8},
              {6.333, 0.3, "E5", 0.8},
              {6.667, 0.3, "D5", 0.8},
              {7.0, 0.95, "E5", 0.85},
              {8.0, 0.28, "G4", 0.75},
              {8.333, 0.28, "G4", 0.8},
              {8.667, 0.28, "G4", 0.85},
              {9.0, 4.3, "C5 E5 G5", 1.0}});
  // Trombones underneath.
  score.Play(Brass, 0.26,
             {{1.0, 2.9, "C3 G3", 0.7},
              {4.0, 1.9, "E3 C4", 0.75},
              {6.0, 0.95, "G2 D3 B3", 0.7},
              {7.0, 0.95, "C3 G3 E4", 0.7},
              {8.0, 0.95, "G2 D3 B3", 0.75},
              {9.0, 4.3, "C3 G3 C4", 0.9}});
  score.Play(Strings, 0.22, {{1.0, 7.0, "C4 E4 G4"}, {9.0, 4.3, "C4 E4 G4 C5", 0.9}});
  score.Play(Timpani, 0.55,
             {{1.0, 1, "C2", 0.9},
              {4.0, 1, "G2", 0.8},
              {7.0, 1, "C2", 0.7},
              {8.0, 0.25, "G2", 0.4},
              {8.25, 0.25, "G2", 0.5},
              {8.5, 0.25, "G2", 0.6},
              {8.75, 0.25, "G2", 0.75},
              {9.0, 1, "C2", 0.8}});
  for (double beat = 10.0; beat < 12.9; beat += 0.25)  // a soft roll under the final chord
    score.Play(Timpani, 0.55, {beat, 0.25, "C2", 0.25 - 0.04 * (beat - 10.0)});
  score.Play(Cymbal, 0.2, {{9.0, 3, "C4", 0.9}});
  return Finish(score.Mix(), 0.45);
}

Signal StartUpTheme(std::size_t samples) {
  Score score(samples, 0.6);
  // Out of the dark in D minor, through B flat and A, to a bright D major.
  score.Play(Strings, 0.3,
             {{0.0, 4.5, "D3 A3 D4 F4", 0.75},
              {4.5, 2.0, "Bb2 F3 Bb3 D4", 0.8},
              {6.5, 1.5, "A2 E3 A3 C#4", 0.85},
              {8.0, 3.6, "D3 A3 D4 F#4", 0.95}});
  score.Play(Bass, 0.4, {{0.0, 4.4, "D2", 0.8}, {4.5, 1.9, "Bb1", 0.8}, {6.5, 1.4, "A1", 0.8}, {8.0, 3.5, "D2", 0.9}});
  for (int hit = 0; hit < 8; ++hit)  // a timpani roll rising out of silence
    score.Play(Timpani, 0.5, {hit * 0.125, 0.125, "D2", 0.15 + 0.08 * hit});
  score.Play(Timpani, 0.5, {{1.0, 1, "D2", 0.85}, {6.5, 1, "A1", 0.7}, {8.0, 1, "D2", 1.0}});
  score.Play(Horn, 0.42,
             {{1.0, 0.95, "D4", 0.75},
              {2.0, 0.95, "A4", 0.8},
              {3.0, 1.45, "D5", 0.9},
              {4.5, 0.45, "C5", 0.8},
              {5.0, 0.7, "Bb4", 0.8},
              {5.75, 0.25, "A4", 0.75},
              {6.0, 0.45, "G4", 0.75},
              {6.5, 1.45, "A4", 0.85},
              {8.0, 3.5, "D5", 1.0}});
  score.Play(Brass, 0.22, {{8.0, 3.5, "F#4 A4", 0.8}});
  score.Play(Cymbal, 0.25, {{8.0, 3, "C4", 0.8}});
  const char* sparkle[] = {"D5", "F#5", "A5", "D6", "F#6", "A6"};
  for (int i = 0; i < 6; ++i) score.Play(Bell, 0.14, {8.0 + i * 0.167, 2, sparkle[i], 0.8 - 0.06 * i});
  return Finish(score.Mix(), 0.7);
}

Signal EndOfGamePiece(std::size_t samples) {
  Score score(samples, 0.88);
  // Eight bars: A minor, F, C, G twice over; the second time the horn takes the tune
  // and the harp moves underneath, and the piece comes to rest on C major.
  score.Play(Strings, 0.26,
             {{0, 4, "A3 C4 E4", 0.7},
              {4, 4, "F3 A3 C4", 0.7},
              {8, 4, "G3 C4 E4", 0.7},
              {12, 4, "G3 B3 D4", 0.75},
              {16, 4, "A3 C4 E4", 0.8},
              {20, 4, "A3 C4 F4", 0.8},
              {24, 2, "G3 C4 D4", 0.8},
              {26, 2, "G3 B3 D4", 0.8},
              {28, 4, "G3 C4 E4", 0.85}});
  score.Play(Bass, 0.42,
             {{0, 1.9, "A2"},
              {2, 1.9, "E2"},
              {4, 1.9, "F2"},
              {6, 1.9, "C3"},
              {8, 1.9, "C2"},
              {10, 1.9, "G2"},
              {12, 1.9, "G2"},
              {14, 1.9, "D2"},
              {16, 1.9, "A2"},
              {18, 1.9, "E2"},
              {20, 1.9, "F2"},
              {22, 1.9, "A2"},
              {24, 1.9, "G2"},
              {26, 1.9, "G2"},
              {28, 3.5, "C2", 0.9}});
  score.Play(Flute, 0.36,
             {{0, 1.5, "A4"},
              {1.5, 0.5, "B4"},
              {2, 1, "C5"},
              {3, 1, "E5"},
              {4, 1.5, "D5"},
              {5.5, 0.5, "C5"},
              {6, 2, "A4"},
              {8, 1.5, "G4"},
              {9.5, 0.5, "A4"},
              {10, 1, "C5"},
              {11, 1, "E5"},
              {12, 3, "D5"},
              {15, 1, "B4"}});
  // The second phrase: the horn sings it, the flute doubles it softly an octave above.
  score.Play(Horn, 0.45,
             {{16, 1.5, "C4"},
              {17.5, 0.5, "D4"},
              {18, 1, "E4"},
              {19, 1, "A4", 0.85},
              {20, 1.5, "G4", 0.85},
              {21.5, 0.5, "F4"},
              {22, 1, "E4"},
              {23, 1, "D4"},
              {24, 1, "E4"},
              {25, 1, "D4"},
              {26, 1, "B3"},
              {27, 1, "D4"},
              {28, 3.6, "C4", 0.85}});
  score.Play(Flute, 0.16,
             {{16, 1.5, "C5"},
              {17.5, 0.5, "D5"},
              {18, 1, "E5"},
              {19, 1, "A5"},
              {20, 1.5, "G5"},
              {21.5, 0.5, "F5"},
              {22, 1, "E5"},
              {23, 1, "D5"},
              {24, 1, "E5"},
              {25, 1, "D5"},
              {26, 1, "B4"},
              {27, 1, "D5"},
              {28, 3.6, "C5"}});
  // The harp: quarter notes in the first phrase, flowing eighths in the second.
  Arpeggio(score, 0, 4, 1.0, {"A3", "E4", "A4"}, 0.5);
  Arpeggio(score, 4, 4, 1.0, {"F3", "C4", "F4"}, 0.5);
  Arpeggio(score, 8, 4, 1.0, {"C4", "G4", "C5"}, 0.5);
  Arpeggio(score, 12, 4, 1.0, {"G3", "D4", "G4"}, 0.5);
  Arpeggio(score, 16, 4, 0.5, {"A3", "C4", "E4", "A4"}, 0.55);
  Arpeggio(score, 20, 4, 0.5, {"F3", "A3", "C4", "F4"}, 0.55);
  Arpeggio(score, 24, 4, 0.5, {"G3", "B3", "D4", "G4"}, 0.55);
  Arpeggio(score, 28, 2, 0.5, {"C4", "E4", "G4", "C5"}, 0.5);
  score.Play(Timpani, 0.4, {{0, 1, "A1", 0.5}, {16, 1, "A1", 0.7}, {27.5, 0.5, "G1", 0.45}, {28, 1, "C2", 0.8}});
  score.Play(Bell, 0.12, {{28, 2, "G5", 0.6}, {28.5, 2, "C6", 0.55}, {29, 2, "E6", 0.5}, {30, 2, "G6", 0.4}});
  return Finish(score.Mix(), 1.6);
}

}  // namespace sounds
