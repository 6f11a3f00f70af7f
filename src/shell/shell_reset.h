#pragma once
// Program start for the whole program: every layer's state, then the main loop with no
// quit pending and nothing held. Every window test of the frame starts from here.

class Host;

void ResetShellState(Host& host);
