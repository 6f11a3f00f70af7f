#include "core/long_range_chart.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"

void ChartNeighbourhood(int quadrant) {
  if (!coreState.game.Working(ShipSystem::LRS)) return;
  for (int dRow = -1; dRow <= 1; ++dRow)
    for (int dColumn = -1; dColumn <= 1; ++dColumn)
      coreState.game.galaxy[static_cast<std::size_t>(QuadrantNeighbour(quadrant, dColumn, dRow))].flags |=
          QuadrantFlag::Charted;
  // The host ignores a Long Range Scan that does not exist (before the stations are open).
  if (!host().IsStationMinimized(Station::LongRangeScan)) host().InvalidateStation(Station::LongRangeScan, true);
}
