#pragma once
// The Status station: a fixed grey panel of lit read-outs (stardate, quadrant, sector,
// Dilithium, shields, photon torpedoes, aliens left) and the condition light. It keeps no
// copy of the game: every paint shows the game as it is. While the status panel system is
// out the read-outs are blank and the light is dark.

#include <QImage>
#include <QSize>

#include "core/game_state.h"
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

 private:
  QImage background_;  // the panel with its labels and empty read-out boxes
  QImage lights_;      // the six condition lights, stacked
};

// The top of the light that shows `phase` in the strip of condition lights; -1 when no
// light shows (no game, or the game is over).
int ConditionLightTop(GamePhase phase);

// Draws the light of the current phase in the panel's light box.
void DrawConditionLight(QImage& surface, const QImage& lights);
