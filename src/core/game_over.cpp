#include "core/game_over.h"

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/format_directives.h"
#include "core/format_text.h"
#include "core/high_score_file.h"
#include "core/host.h"
#include "core/random.h"
#include "core/scores.h"

std::string EndCommunique(GameOverReason reason) {
  const int uid = lcg::rand();
  // The texts come from the picture bundle: each is a format only when it asks for exactly
  // what the game passes, and is shown as it stands otherwise.
  auto format = [](int id, const char* kinds, auto... values) {
    const std::string text = host().CommuniqueText(id);
    return ValuesFitDirectives(kinds, FormatDirectives(text)) ? FormatText(text.c_str(), values...) : text;
  };
  switch (reason) {
    case GameOverReason::EnergyExhausted: return format(2, "if", uid, coreState.game.stardateNow);
    case GameOverReason::TimeExpired: return format(3, "i", uid);
    case GameOverReason::SystemsDisabled: return format(4, "if", uid, coreState.game.stardateNow);
    default: return format(5, "i", uid);
  }
}

void HandleGameOver() {
  host().RestoreFrame();
  const GameOverReason reason = coreState.game.gameOverReason;
  const SkillLevel missionSkill = coreState.game.skillLevel;  // EndGame puts the menu's skill back
  const std::string verdict = EndCommunique(reason);
  coreState.game.gameFileTitle.clear();  // the ended game can no longer be saved under its name
  EndGame();
  host().PumpPendingMessages();  // let the closed stations leave the screen
  host().PlaySoundNow(Sounds::GameOver, false);
  host().ShowCommunique(verdict);
  // EndGame keeps the stardates and totals the score is made of.
  if (reason == GameOverReason::AliensDestroyed) EnterHighScore(GameScore(coreState.game), missionSkill);
  host().ShowHighScores();
}
