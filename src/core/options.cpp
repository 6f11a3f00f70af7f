#include "core/options.h"

ProgramOptions options;
int pausedFlag = 0;
