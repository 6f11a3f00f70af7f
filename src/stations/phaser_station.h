#pragma once
// The Phasers station: how much of the ship's Dilithium goes into a phaser shot, whether
// the shot is concentrated on one target or dispersed over all aliens in the quadrant, and
// EXECUTE, which pays for the shot and asks the Short Range Scan to fire it. A TARGET LOCK
// light blinks while aliens share the ship's quadrant.

#include <QImage>

#include "stations/control_station.h"
#include "stations/panel_widgets.h"

class PhaserStation : public ControlStation {
  Q_OBJECT
 public:
  explicit PhaserStation(QWidget* parent = nullptr);
  ~PhaserStation() override;

  int PhaserAvailable() const { return panel_.available; }
  int PhaserCharge() const { return panel_.charge; }
  bool PhaserSingleTarget() const { return singleTarget_; }
  bool TargetLockBlinking() const { return lockTimer_ != 0; }

  enum Button { More, Less, SingleTarget, WideDispersal, Execute };

  // The TARGET LOCK light: starts blinking when aliens are in the ship's quadrant and the
  // phasers work; stops at the condition's change, at minimizing and with the window.
  void StartTargetLock();
  void StopTargetLock();
  // One 300 ms tick of the light: off, on, off, ...
  void TargetLockTick();

  // Another station window took or gave up the activation: the panel is set again from
  // the ship's Dilithium.
  void ActivationChanged();

  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void ButtonDown(QPoint at, bool shift) override;
  void ButtonUp(int index, QPoint at) override;
  void KeyDown(int virtualKey, int character) override;
  std::span<const ButtonKey> ButtonKeys() const override;
  void timerEvent(QTimerEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Fire();
  void DrawModeButtons();
  void ShowAmounts();
  // available = what the ship keeps after another shot of the charge, or the charge goes
  // back to the ship (PhaserPanelFromShip).
  void SetFromShip();
  static bool PhasersWork();
  bool Minimized() const;

  QImage readoutPicture_, indicatorFrame_, modePanel_, selectedButton_, unselectedButton_, targetLockPicture_;
  EnergyTransferPanel panel_{qRgb(128, 128, 0)};
  bool singleTarget_ = true;
  int lockTimer_ = 0;
  int lockTicks_ = 0;
};
