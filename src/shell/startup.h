#pragma once
// The program from start to end: seeding, one instance only, the bundles, the settings, the
// frame shown maximized, the main loop, and the shutdown. Returns the exit code.

int RunKestrav();
