#pragma once
// Qt takes the scale it draws the whole program at once, as the application starts. So
// before the game's own application starts, a short-lived one reads the player's Bridge
// Size from the settings file and, for Automatic only, another measures the screen; the factor goes to
// Qt as QT_SCALE_FACTOR, times whatever scale the desktop already asked of Qt that way.

void ChooseBridgeScale(int argc, char* argv[]);
