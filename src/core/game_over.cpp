#include "game_over.h"

#include "end_game.h"
#include "format_text.h"
#include "high_score_file.h"
#include "host.h"
#include "random.h"
#include "scores.h"

std::string EndCommunique(GameOverReason reason) {
  const int uid = lcg::rand();
  switch (reason) {
    case GameOverReason::EnergyExhausted:
      return FormatText(host().CommuniqueText(2).c_str(), uid, game.stardateNow);
    case GameOverReason::TimeExpired:
      return FormatText(host().CommuniqueText(3).c_str(), uid);
    case GameOverReason::SystemsDisabled:
      return FormatText(host().CommuniqueText(4).c_str(), uid, game.stardateNow);
    default:
      return FormatText(host().CommuniqueText(5).c_str(), uid);
  }
}

void HandleGameOver() {
  host().RestoreFrame();
  const GameOverReason reason = game.gameOverReason;
  const SkillLevel missionSkill = game.skillLevel;  // EndGame puts the menu's skill back
  const std::string verdict = EndCommunique(reason);
  game.gameFileTitle.clear();  // the ended game can no longer be saved under its name
  EndGame();
  host().PumpPendingMessages();  // let the closed stations leave the screen
  host().PlaySoundNow(Sounds::GameOver, false);
  host().ShowCommunique(verdict);
  // EndGame keeps the stardates and totals the score is made of.
  if (reason == GameOverReason::AliensDestroyed) EnterHighScore(GameScore(game), missionSkill);
  host().ShowHighScores();
}
