#pragma once
// The faces the bridge is lettered in, at pixel heights. Each is the classic face by name,
// with its metric twin from the Liberation family standing in where it is not installed,
// drawn without smoothing like the rest of the bridge.

#include <QFont>
#include <QStringList>

enum class BridgeFace { Arial, TimesNewRoman };

QFont BridgeFont(BridgeFace face, int pixelSize, QFont::Weight weight);
