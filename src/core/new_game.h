#pragma once
// Building a new mission from nothing, and the figures a new mission can hold.

#include <cstdint>

// Ends any running game, then generates a mission at skillLevel: clock, stars, starbases,
// aliens, ship, supplies; shows the first communiqué, opens the stations (whose Status
// station sets the first condition) and greets the player. Every random draw comes in a
// fixed order, so a seed always gives the same mission.
void NewGame();

// An inclusive range of whole figures.
struct FigureBounds {
  int least;
  int most;
  constexpr bool Hold(int v) const { return v >= least && v <= most; }
};

// What a new mission gives an alien of one kind, at any skill.
struct AlienStrengthBounds {
  FigureBounds energy;
  FigureBounds moveInterval;    // ms
  FigureBounds attackInterval;  // ms
};

// Null for a byte that is no alien kind.
const AlienStrengthBounds* GeneratedAlienStrength(std::uint8_t kind);

// What a new mission draws for its totals and clock, at any skill.
struct MissionBounds {
  FigureBounds starbases;
  FigureBounds stars;
  FigureBounds aliens;
  FigureBounds startStardate;  // a whole stardate
  FigureBounds missionDays;    // a whole number of days
};

MissionBounds GeneratedMissionBounds();
