#pragma once
// The soak's captain: a simple but purposeful player. It charts the galaxy with the long
// range sensors, hunts the aliens it has charted, fights with torpedoes, phasers and shields,
// docks when supplies or systems run low, talks to the console, saves and reloads now and
// then, and lets time pass. It knows the galaxy as the long range scan has charted it and the
// aliens of its quadrant as the console's scan lists them. Every choice it makes draws from
// its own random source, never from the game's.

#include <cstdint>
#include <random>
#include <string>

#include "core/game_state.h"

// One command, as a station or the console sends it, and the time the captain then takes
// before the next one.
struct SoakAction {
  enum class Kind { Impulse, Warp, Torpedo, Phasers, Shields, Console, SaveAndReload, Wait };
  static constexpr int KindCount = 8;
  static const char* KindName(Kind kind);
  Kind kind = Kind::Wait;
  int course = 0;
  // The impulse or warp factor, the torpedo's DISTANCE, the phasers' charge or the shields'
  // new charge.
  int amount = 0;
  bool singleTarget = true;
  std::string line;          // typed at the console
  std::uint32_t thenMs = 0;  // game time that passes afterwards

  // The command in kestrav-tool's words, so that it can be replayed.
  std::string Describe() const;
};

static_assert(SoakAction::KindCount == static_cast<int>(SoakAction::Kind::Wait) + 1);

class Captain {
 public:
  explicit Captain(std::uint32_t seed) : random_(seed) {}

  // The next command for the game as it stands (a game in play, not over).
  SoakAction Decide(const GameState& state);

 private:
  int Draw(int low, int high);  // low..high, each as likely
  bool Chance(int percent);

  SoakAction Whim(const GameState& state);
  SoakAction InRedAlert(const GameState& state);
  SoakAction UnderWay(const GameState& state);
  SoakAction TravelTo(const GameState& state, int quadrant);
  SoakAction ConsoleCommand(const GameState& state);

  std::mt19937 random_;
  bool messagesRerouted_ = false;
};
