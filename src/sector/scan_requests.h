#pragma once
// The four commands the control stations and the console send to the Short Range Scan.
// The scan carries out one at a time, to completion: while one runs (its animation lets
// other windows work) a further request is dropped without a word.

#include <functional>

// Hands a request to the Short Range Scan: at once, or queued behind the bridge's messages.
using ScanRequestSender = std::function<void(std::function<void()> request)>;
// The sender of callers that wait for the request's end: it runs at once.
inline void SendNow(const std::function<void()>& request) { request(); }

// Move at impulse when `impulse` is not 0, else at warp while the warp drive works.
void RequestMove(int course, int impulse, int warp);
// Fire a photon torpedo along `course` with the DISTANCE setting `distance` (0..9), when one
// is aboard.
void RequestTorpedo(int course, int distance);
void RequestRicochet();
// Fire `energy` units of phasers (already paid for) at one target or dispersed over all;
// nothing when `energy` is 0.
void RequestPhasers(int energy, bool singleTarget);
