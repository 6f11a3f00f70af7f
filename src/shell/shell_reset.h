#pragma once
// Program start for the whole program: every layer's record, then a fresh ShellState (no idle
// duties, no quit pending, nothing held). Every window test of the frame starts from here.

class Host;

void ResetShellState(Host& host);
