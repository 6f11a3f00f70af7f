#pragma once
// What a torpedo or a phaser beam does to the alien it reaches: the hit is reported, shown
// on the scan and, when the alien's energy is gone, the alien leaves the game.

#include "core/message_ids.h"

// Takes `units` from alien `index` standing at sector (x, y) of the ship's quadrant and
// reports the hit with `hitMessage` ("... at %d,%d  %d Units"). A destroyed alien is struck
// from its quadrant and from the aliens remaining, with "Alien Destroyed.".
void HitAlien(int index, int x, int y, int units, MessageId hitMessage);
