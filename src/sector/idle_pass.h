#pragma once
// The game's heartbeat: what the main loop does whenever no message is waiting. Plain C++
// over the game state and Host, so the clock and the aliens run the same on a virtual clock
// in the tests and kestrav-tool as they do in the game.

#include <cstdint>

// The idle duties that belong to the program around the rules.
struct IdleDuties {
  void (*keepAmbience)();    // keeps the bridge hum going
  void (*handleGameOver)();  // the end-of-game sequence; leaves no game behind
  // True while the player has a menu of the frame open: the game then stands still. Null
  // where no menu can open.
  bool (*menuOpen)() = nullptr;
};

// When the main loop should make its next idle pass.
struct NextIdlePass {
  enum Kind {
    AfterNextMessage,  // sleep until something happens
    AtTick,            // sleep until `tick` (or an earlier message)
    Immediately,       // look at the queue, then pass again at once
  } kind;
  std::uint32_t tick = 0;
};

inline constexpr std::uint32_t ClockStepPeriod = 45000;  // ms of message time per step

// One idle pass, in the game's fixed order: ambience, pause, an open menu or no game, end of
// game, the aliens' pass in red alert, otherwise the clock. `lastMessageTime` is the tick count of the
// last message the loop dispatched; the clock steps only once that lies past nextClockTick.
NextIdlePass RunIdlePass(const IdleDuties& duties, std::uint32_t lastMessageTime);

// The tick at which a pass asked for `AtTick` is made, seen at tick `now`: its tick, but
// never sooner than the next millisecond, so a time already gone still lets the loop breathe.
std::uint32_t NextPassTick(const NextIdlePass& next, std::uint32_t now);

// One tenth of a stardate and one unit of energy, then the referee.
void ClockStep(std::uint32_t messageTime);
