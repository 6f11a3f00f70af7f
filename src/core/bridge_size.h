#pragma once
// How large the bridge is drawn. Everything on it (stations, popups, the background, the
// fly-by) is drawn at a whole multiple of its own pixels, so it stays crisp on today's
// screens; the positions the game keeps are in the bridge's own, unscaled pixels.

// Options > Bridge Size: Automatic, or a factor of 1 (Normal), 2 (Large) or 3 (Huge).
inline constexpr int BridgeSizeAutomatic = 0;
inline constexpr int LargestBridgeScale = 3;

// The screen the bridge was laid out for: the stations' default arrangement, the minimized
// ones along its bottom edge, fills it, below the frame's menu bar.
inline constexpr int BridgeLayoutWidth = 640, BridgeLayoutHeight = 480;

// A stored Bridge Size that is none of the choices reads as Automatic.
int StoredBridgeSize(int stored);

// The largest factor, up to Huge, at which the bridge's screen fits the area the desktop
// leaves to windows (in its logical pixels) with the frame's menu bar above it and room
// above that for the frame's caption, which the desktop adds and which is counted as tall
// as the menu bar; Normal when none does.
int AutomaticBridgeScale(int availableWidth, int availableHeight, int menuBarHeight);

// The factor the bridge is drawn at: the player's choice, or the automatic one.
int BridgeScale(int bridgeSize, int automaticScale);
