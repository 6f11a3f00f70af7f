#pragma once
// Building a new mission from nothing.

// Ends any running game, then generates a mission at skillLevel: clock, stars, starbases,
// aliens, ship, supplies; shows the first communiqué, opens the stations (whose Status
// station sets the first condition) and greets the player. Every random draw comes in a
// fixed order, so a seed always gives the same mission.
void NewGame();
