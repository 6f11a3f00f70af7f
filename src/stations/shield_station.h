#pragma once
// The Shields station: divides the ship's energy between its Dilithium store and its
// shields with the energy-transfer panel, and EXECUTE commits the division straight to the
// game. While the shields hold energy a dotted ellipse of a random colour shimmers round a
// picture of the ship every 75 ms.

#include <QImage>
#include <QRect>

#include "stations/control_station.h"
#include "stations/panel_widgets.h"

class ShieldStation : public ControlStation {
  Q_OBJECT
 public:
  explicit ShieldStation(QWidget* parent = nullptr);
  ~ShieldStation() override;

  enum Button { More, Less, Execute };

  // Where the ship is drawn, and the ellipse round it.
  static constexpr QRect ShipRect = EdgeRect(115, 25, 241, 68);
  static constexpr QRect ShieldRect = EdgeRect(100, 10, 256, 83);

  // The panel's figures: the Dilithium and the shield energy a commit would leave.
  int ShieldAvailable() const { return panel_.available; }
  int ShieldSetting() const { return panel_.charge; }
  bool Shimmering() const { return shimmerTimer_ != 0; }

  // One tick of the shimmer timer: a new ellipse.
  void ShimmerTick();

  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void ButtonDown(QPoint at, bool shift) override;
  void ButtonUp(int index, QPoint at) override;
  void KeyDown(int virtualKey, int character) override;
  bool TakesKeysDuringAction() const override { return true; }
  void focusInEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  static bool ShieldsWork();
  void TakeGameFigures();
  // When the game's figures have changed since the panel took them: takes them afresh,
  // keeping a transfer the player has set up but not committed while it still fits, and
  // returns true. FollowGameFigures also shows the new read-outs.
  bool AdoptChangedGameFigures();
  void FollowGameFigures();
  void ShowAmounts();
  void PaintShip(QImage& image) const;
  void StartShimmer();
  void StopShimmer();
  void Commit();

  EnergyTransferPanel panel_;
  QImage readoutPicture_;  // the SHIELDS read-out box
  QImage ship_;            // the frame's ship picture, fitted to ShipRect
  int shimmerTimer_ = 0;
  // The game's figures when the panel last took them. When the game's change (the clock, a
  // hit, docking), the panel takes them afresh, so a commit never writes back figures the
  // game has left behind and never makes or loses energy.
  int takenShipEnergy_ = 0, takenShieldEnergy_ = 0;
};
