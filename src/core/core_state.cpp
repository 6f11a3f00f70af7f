#include "core/core_state.h"

CoreState coreState;
