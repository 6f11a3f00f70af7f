#pragma once
// The condition light's blink: every 500 ms tick of the Status window's timer 1, every
// second tick switches red alert and yellow between their two phases.

// One tick of the blink timer. Does nothing while the status panel is out or the game is
// paused; outside red alert and yellow it only counts.
void StatusBlinkTick();
