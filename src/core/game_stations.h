#pragma once
// The stations of a running game. Opening them gives a new or loaded game its first
// condition (the Status station's creation runs the first EvaluateConditions) and an empty
// ship's log (the Messages station's creation, which comes after).

void OpenGameStations();
