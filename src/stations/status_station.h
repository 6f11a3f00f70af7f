#pragma once
// The Status station: a fixed grey panel of lit read-outs (stardate, quadrant, sector,
// Dilithium, shields, photon torpedoes, aliens left) and the condition light. It keeps no
// copy of the game: every paint shows the game as it is. While the status panel system is
// out the read-outs are blank and the light is dark.

#include <QImage>
#include <QSize>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/message_ids.h"
#include "stations/station_window.h"

inline constexpr int StatusClientWidth = 189;
inline constexpr int StatusClientHeight = 236;

class StatusStation : public StationWindow {
  Q_OBJECT
 public:
  explicit StatusStation(QWidget* parent = nullptr);

  QSize sizeHint() const override;

 protected:
  void Paint(QPainter& painter) override;
  std::vector<ReadOut> ReadOuts() const override;

 private:
  QImage background_;  // the panel with its labels and empty read-out boxes
  QImage lights_;      // the six condition lights, stacked
};

// A figure of the panel: its label, the top of its glyph row and its text as drawn.
struct StatusFigure {
  MessageId label;
  int y;
  std::string text;
};
// The panel's figures of the game as it is, top to bottom: what the panel draws and what a
// screen reader reads out.
std::vector<StatusFigure> StatusFigures();

// The name of the condition `phase` shows ("Red" for both phases of a blinking red alert);
// 0 when no light shows.
MessageId ConditionNameOf(GamePhase phase);

// The top of the light that shows `phase` in the strip of condition lights; -1 when no
// light shows (no game, or the game is over).
int ConditionLightTop(GamePhase phase);

// Draws the light of the current phase in the panel's light box.
void DrawConditionLight(QImage& surface, const QImage& lights);
