#pragma once
// A photon torpedo's flight across the ship's quadrant, one sector every 500 ms: it is lost
// over the grid's edge, swallowed by a star, destroys a starbase outright, or hits an alien,
// 70 units harder when it strikes exactly at the DISTANCE set.

#include "sector/scan_requests.h"

class GameSounds;
struct GameState;
struct QuadrantRecord;

inline constexpr int StarbaseTorpedoDamage = 250;
inline constexpr int DistanceBonus = 70;

// One EXECUTE of the Photon Torpedoes station: with the tubes of `gameState` working, the
// acknowledgement sounds and `send` hands the scan its RequestTorpedo. False while the tubes
// are damaged: nothing is sounded or sent.
bool ExecuteTorpedo(const GameState& gameState, GameSounds& sounds, int course, int distance,
                    const ScanRequestSender& send);

// Launches one torpedo along `course` with the DISTANCE setting `distance` (0..9). The
// request frame has checked that a torpedo is aboard and started the launch sound.
void FireTorpedo(int course, int distance);

// What a torpedo finds at point (x, y) of its walk through `quadrant`: it flies on over the
// ship's own sector and empty ones, and its flight ends at anything else.
enum class TorpedoFinds { Ship, Nothing, Edge, Starbase, Star, Alien };
TorpedoFinds TorpedoFindsAt(const QuadrantRecord& quadrant, int x, int y);
