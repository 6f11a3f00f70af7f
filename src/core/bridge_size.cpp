#include "core/bridge_size.h"

int StoredBridgeSize(int stored) {
  return stored >= BridgeSizeAutomatic && stored <= LargestBridgeScale ? stored : BridgeSizeAutomatic;
}

int AutomaticBridgeScale(int availableWidth, int availableHeight, int menuBarHeight) {
  for (int scale = LargestBridgeScale; scale > 1; --scale)
    if (availableWidth / scale >= BridgeLayoutWidth &&
        availableHeight / scale >= BridgeLayoutHeight + 2 * menuBarHeight)
      return scale;
  return 1;
}

int BridgeScale(int bridgeSize, int automaticScale) {
  const int size = StoredBridgeSize(bridgeSize);
  return size == BridgeSizeAutomatic ? automaticScale : size;
}
