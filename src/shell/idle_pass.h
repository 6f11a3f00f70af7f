#pragma once
// The game's heartbeat: what the main loop does whenever no message is waiting. Plain C++
// over the game state and Host, so the clock and the alien pacing run the same on a virtual
// clock in the tests.

#include <cstdint>

// The idle duties that belong to other parts of the game.
struct IdleDuties {
  void (*keepAmbience)();    // keeps the bridge hum going
  void (*handleGameOver)();  // the end-of-game sequence; leaves no game behind
  void (*redAlertTick)();    // one pass of the aliens' moves and attacks
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

// One idle pass, in the game's fixed order: ambience, pause or no game, end of game, red
// alert, clock. `lastMessageTime` is the tick count of the last message the loop dispatched;
// the clock steps only once that lies past nextClockTick.
NextIdlePass RunIdlePass(const IdleDuties& duties, std::uint32_t lastMessageTime);

// One tenth of a stardate and one unit of energy, then the referee.
void ClockStep(std::uint32_t messageTime);
