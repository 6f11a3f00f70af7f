#include "core/program_reset.h"

#include "core/core_state.h"
#include "core/host.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "core/random.h"
#include "core/settings_file.h"
#include "core/ship_messages.h"

void ResetProgramState(Host& h) {
  coreState = CoreState{};
  SetHost(&h);
  SetJournalRecording({});
}
