#pragma once
// Discarding a running game.

// Stops the sound, closes the stations, returns skillLevel to the skill setting, frees the
// alien table and empties the galaxy; the phase goes back to NoGame. Stardates, mission
// length, supplies and totals keep their values (the score of a won game is taken from
// them afterwards).
void EndGame();
