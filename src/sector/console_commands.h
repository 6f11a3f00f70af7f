#pragma once
// The Computer console's command language. A command is a keyword of three or four capital
// letters found anywhere in the entered line; its arguments sit at fixed places after it.

#include <cstddef>
#include <string_view>

#include "core/game_state.h"
#include "core/host.h"

// What the console does after a line: stay, or hand the bridge back to the other stations.
enum class ConsoleAnswer { Stay, Leave };

// The longest line the interpreter reads.
inline constexpr std::size_t ConsoleLineLimit = 127;

// What the commands act on: the game they report on and change, and the host's roles they
// answer through. Most only read the game and print on the console and the ship's log; BYE
// and EXI sound the acknowledgement, ADV has the status panel redrawn, and the ricochet
// counts down on the clock and posts its request to the scan through the bridge.
struct ConsoleWorld {
  GameState& gameState;
  ShipLog& shipLog;
  GameSounds& sounds;
  Bridge& bridge;
  GameClock& clock;
};

// The running game with every role taken from one host.
inline ConsoleWorld WholeConsoleWorld(GameState& gameState, Host& everything) {
  return {gameState, everything, everything, everything, everything};
}

// Carries out the command in an entered console row (the row's last cell is never part of
// the line) and prints its answer on the console.
ConsoleAnswer ExecuteConsoleLine(const ConsoleWorld& world, std::string_view row);
