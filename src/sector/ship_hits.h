#pragma once
// What an alien's shot does to the ship once it gets past the shields: usually a minor
// report, sometimes damage to one of the ten systems, now and then its destruction.

// The units of one shot from an alien with `energy` (> 0) left: half of it plus a random
// share of the other half, so energy / 2 .. energy - 1. Draws one random number.
int ShotStrength(int energy);

// `units` that got past the shields. Heavier hits, and every hit at the higher skills, are
// likelier to damage or destroy a system; at least one heavy hit in ten still does nothing.
void DamageShipSystems(int units);
