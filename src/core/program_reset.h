#pragma once
// Puts every global of the rules back as it is when the program starts, with `host` as the
// outward interface. Every test fixture starts from here.

class Host;

void ResetProgramState(Host& host);
