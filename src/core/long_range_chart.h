#pragma once
// The long range sensors' memory of the galaxy: the Charted flag of each quadrant.

// Marks `quadrant` and its eight neighbours (wrapping at the galaxy's edges) as charted and
// refreshes the Long Range Scan. Damaged long range sensors chart nothing.
void ChartNeighbourhood(int quadrant);
