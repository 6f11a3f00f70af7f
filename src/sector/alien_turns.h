#pragma once
// The aliens' side of a red alert. Every alien in the ship's quadrant keeps two clocks of
// its own: when its move interval has passed it slips into a free neighbouring sector, and
// when its attack interval has passed it fires at the ship, unless a star is in the way.

#include <cstdint>

class ScanCanvas;
struct GameState;

// One pass over the aliens of the ship's quadrant, row by row, at tick count `now`, read once
// as the idle pass began (its journal record carries the same tick). The first pass after a
// reset (red alert just sounded, a new or ended game) only stamps every alien's clocks with it.
void RedAlertTick(std::uint32_t now);

// Alien i of `gameState` moves to a random free sector next to it, if it has one, drawn
// on `canvas` while the short range sensors work.
void AlienMove(GameState& gameState, ScanCanvas& canvas, int i);

// Alien i fires at the ship: the beam, the hit, and what the shields cannot hold.
void AlienAttack(int i);

// A shot due longer ago than this (the game was held up) is not fired late.
inline constexpr std::uint32_t OverdueShotMs = 15000;
