#pragma once
// The ship's movement inside the scan's request frame: impulse sector by sector within the
// quadrant (sliding over its edge into the next one), warp across the galaxy, and the
// gravity ricochet into a random quadrant. Each posts its messages, plays its sounds,
// charges its costs and ends with a condition evaluation.

struct QuadrantRecord;

// What an impulse move finds at point (x, y) of its walk through `quadrant`: the ship's own
// sector where it starts, room to move into, the grid's edge (it slides into the next
// quadrant) or an obstacle it stops before.
enum class ImpulseFinds { Ship, Room, Edge, Obstacle };
ImpulseFinds ImpulseFindsAt(const QuadrantRecord& quadrant, int x, int y);

// Impulse factor n (1..9): up to n sectors along the course, one every 700 ms.
void ImpulseMove(int course, int impulse);

// Warp factor w: w quadrants along the course (fewer when the walk is shorter), then a
// random sector of the arrival quadrant.
void WarpMove(int course, int warp);

// Throws the ship into a random quadrant (possibly the same one); the shields collapse.
void GravityRicochet();

// The ship leaves its quadrant for `quadrant` with warp factor `warp` (1 for an impulse
// crossing): a random empty sector, the starfield, and the time, energy and shield costs.
void EnterQuadrant(int quadrant, int warp);
