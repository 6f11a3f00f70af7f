#include "core/game_stations.h"

#include "core/conditions.h"
#include "core/host.h"
#include "core/ship_messages.h"

void OpenGameStations() {
  host().CreateStationWindows();
  EvaluateConditions();
  // The Messages station opens after the Status station with an empty log: what that first
  // evaluation announced is not kept (its sounds, menus and light are).
  ClearMessageLines();
  host().MessagesChanged();
}
