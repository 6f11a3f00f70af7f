#pragma once
// The condition light's blink: of its ticks, 500 ms apart, every second one switches red
// alert and yellow between their two phases.

// One tick of the blink timer. Does nothing while the status panel is out or the game is
// paused; outside red alert and yellow it only counts.
void StatusBlinkTick();
