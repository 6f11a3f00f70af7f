#include "shell/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "core/game_files.h"
#include "sector/action_state.h"
#include "shell/main_loop.h"

namespace {
void AskBeforeSessionEnds(QSessionManager& session) {
  const bool keepRunning = PromptSaveGame() == Answer::Cancel;
  session.release();
  if (keepRunning) session.cancel();
}
}  // namespace

void AskToSaveBeforeSessionEnds(QGuiApplication& application) {
  QObject::connect(&application, &QGuiApplication::commitDataRequest, [](QSessionManager& session) {
    if (!session.allowsInteraction()) return;
    // The session waits for us until the interaction is released; during an action the
    // question comes once the action is over. The session manager outlives the program's
    // run, so holding on to it is safe.
    if (ActionRunning()) {
      HoldUntilActionEnds([&session] { AskBeforeSessionEnds(session); });
      return;
    }
    AskBeforeSessionEnds(session);
  });
}
