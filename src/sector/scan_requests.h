#pragma once
// The four commands the control stations and the console send to the Short Range Scan.
// The scan carries out one at a time, to completion: while one runs (its animation lets
// other windows work) a further request is dropped without a word.

// Move at impulse when `impulse` is not 0, else at warp while the warp drive works.
void RequestMove(int course, int impulse, int warp);
// Fire a photon torpedo along `course`, exploding after `distance` sectors (0: no limit).
void RequestTorpedo(int course, int distance);
void RequestRicochet();
// Fire `energy` units of phasers at one target or dispersed over all.
void RequestPhasers(int energy, bool singleTarget);

// Torpedo flight and phaser fire are rules of their own; they install their operations
// here. Until one is installed its request runs the frame and fires nothing.
using TorpedoOperation = void (*)(int course, int distance);
using PhaserOperation = void (*)(int energy, bool singleTarget);
void InstallWeaponOperations(TorpedoOperation fireTorpedo, PhaserOperation firePhasers);
