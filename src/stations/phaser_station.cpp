#include "stations/phaser_station.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QTimerEvent>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"
#include "sector/action_state.h"
#include "sector/phasers.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/short_range_scan.h"

namespace {
constexpr int ReadoutPictureId = 52, IndicatorFramePictureId = 50, ModePanelPictureId = 49;
constexpr int SelectedPictureId = 53, UnselectedPictureId = 54, TargetLockPictureId = 51;

constexpr QPoint ModePanelAt{45, 20};
constexpr QPoint SingleTargetAt{55, 30}, WideDispersalAt{55, 50};
constexpr QPoint IndicatorAt{210, 20};
constexpr QPoint TargetLockAt{224, 35};
constexpr QRect TargetLockArea = EdgeRect(224, 35, 277, 58);
constexpr QRect ModeButtonsArea = EdgeRect(55, 30, 66, 61);

constexpr int TargetLockPeriodMs = 300;
}  // namespace

PhaserStation::PhaserStation(QWidget* parent)
    : ControlStation(Station::Phasers, parent),
      readoutPicture_(resources::Picture(ReadoutPictureId)),
      indicatorFrame_(resources::Picture(IndicatorFramePictureId)),
      modePanel_(resources::Picture(ModePanelPictureId)),
      selectedButton_(resources::Picture(SelectedPictureId)),
      unselectedButton_(resources::Picture(UnselectedPictureId)),
      targetLockPicture_(resources::Picture(TargetLockPictureId)) {
  setWindowTitle(QStringLiteral("Phasers"));
  buttons_ = {{EnergyTransferPanel::MoreButton, Msg::MoreEnergyButton},
              {EnergyTransferPanel::LessButton, Msg::LessEnergyButton},
              {EdgeRect(55, 30, 66, 41), Msg::SingleTargetButton},
              {EdgeRect(55, 50, 66, 61), Msg::WideDispersalButton},
              {EnergyTransferPanel::ExecuteButton, Msg::ExecuteButton}};
  panel_.available = coreState.game.shipEnergy;
  StartTargetLock();
}

PhaserStation::~PhaserStation() { StopTargetLock(); }

bool PhaserStation::PhasersWork() { return coreState.game.Working(ShipSystem::Phaser); }

bool PhaserStation::Minimized() const {
  const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
  return frame && frame->isMinimized();
}

// ---- Face ----

void PhaserStation::Paint(QPainter& painter) {
  painter.end();  // the panel widgets draw with painters of their own
  QImage& image = Surface();
  BlitPicture(image, ModePanelAt.x(), ModePanelAt.y(), modePanel_);
  DrawModeButtons();
  BlitPicture(image, IndicatorAt.x(), IndicatorAt.y(), indicatorFrame_);
  if (PhasersWork()) {
    panel_.Paint(image, readoutPicture_);
  } else {
    // No read-outs and no gauge while the phasers are out.
    QPainter(&image).fillRect(EnergyTransferPanel::GaugeFrame, Qt::black);
    EnergyTransferPanel::PaintPictures(image, readoutPicture_);
  }
}

std::vector<StationWindow::ReadOut> PhaserStation::ReadOuts() const {
  return EnergyReadOuts(panel_, Msg::PhaserChargeLabel, PhasersWork());
}

void PhaserStation::DrawModeButtons() {
  QImage& image = Surface();
  const bool single = singleTarget_ && PhasersWork(), wide = !singleTarget_ && PhasersWork();
  BlitPicture(image, SingleTargetAt.x(), SingleTargetAt.y(), single ? selectedButton_ : unselectedButton_);
  BlitPicture(image, WideDispersalAt.x(), WideDispersalAt.y(), wide ? selectedButton_ : unselectedButton_);
  ShowDrawn(ModeButtonsArea);
}

void PhaserStation::ShowAmounts() { ShowDrawn(panel_.DrawAmounts(Surface())); }

// ---- Input ----

void PhaserStation::ButtonDown(QPoint at, bool shift) {
  const int button = ButtonAt(at);
  if (button < 0 || (button != Execute && !PhasersWork())) return;
  PressButton(button);
  const int step = shift ? 1 : 10;
  if (button == More) {
    RepeatWhileHeld(EnergyTransferPanel::RepeatMs, [this, step] {
      const bool moved = panel_.More(step);
      if (moved) ShowAmounts();
      StartTargetLock();
      return moved;
    });
  } else if (button == Less) {
    RepeatWhileHeld(EnergyTransferPanel::RepeatMs, [this, step] {
      const bool moved = panel_.Less(step);
      if (moved) ShowAmounts();
      return moved;
    });
  }
  // The mode buttons and EXECUTE act at the release.
}

void PhaserStation::ButtonUp(int index, QPoint at) {
  if (index == Execute) {
    if (!sectorState.actionInProgress && EnergyTransferPanel::ExecuteButton.contains(at)) Fire();
  } else if (index == SingleTarget || index == WideDispersal) {
    // The mode buttons act wherever the button is released.
    singleTarget_ = index == SingleTarget;
    DrawModeButtons();
  }
}

std::span<const PhaserStation::ButtonKey> PhaserStation::ButtonKeys() const {
  // S for a single target, W for wide dispersal.
  static constexpr ButtonKey keys[] = {{Qt::Key_S, false, SingleTarget}, {Qt::Key_W, false, WideDispersal}};
  return keys;
}

void PhaserStation::KeyDown(int virtualKey, int character) {
  if (!PhasersWork()) return;
  if (virtualKey == VirtualKey::Enter)
    Fire();
  else if (panel_.Key(virtualKey, character))
    ShowAmounts();
}

void PhaserStation::Fire() {
  ExecutePhasers(
      coreState.game, host(), host(), panel_.charge, singleTarget_,
      [](std::function<void()> request) {
        if (ShortRangeScanWindow* scan = ScanStation()) scan->Post(std::move(request));
      },
      [this](const PhaserShot& shot) {
        if (shot.sent) {
          panel_.charge = shot.charge;
          SetFromShip();
          ShowAmounts();
        }
        ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::Phasers);
      });
}

void PhaserStation::SetFromShip() {
  const PhaserPanelAmounts amounts = PhaserPanelFromShip(coreState.game, panel_.charge);
  panel_.available = amounts.available;
  panel_.charge = amounts.charge;
}

// ---- Activation, minimizing and the TARGET LOCK light ----

bool PhaserStation::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) != before.testFlag(Qt::WindowActive)) ActivationChanged();
        // Minimizing also gives up the activation; the light stays out all the same.
        if (now.testFlag(Qt::WindowMinimized) && !before.testFlag(Qt::WindowMinimized)) StopTargetLock();
      });
    }
  }
  return ControlStation::event(event);
}

void PhaserStation::ActivationChanged() {
  SetFromShip();
  if (PhasersWork()) ShowAmounts();
  StartTargetLock();
}

void PhaserStation::StartTargetLock() {
  if (lockTimer_ != 0 || coreState.game.ShipQuadrantRecord().alienCount <= 0 || !PhasersWork()) return;
  lockTimer_ = startTimer(TargetLockPeriodMs);
}

void PhaserStation::StopTargetLock() {
  if (lockTimer_ == 0) return;
  killTimer(lockTimer_);
  lockTimer_ = 0;
  Invalidate(false);  // the indicator frame comes back without the light
}

void PhaserStation::timerEvent(QTimerEvent* event) {
  if (event->timerId() == lockTimer_)
    TargetLockTick();
  else
    ControlStation::timerEvent(event);
}

void PhaserStation::TargetLockTick() {
  if (Minimized() || !PhasersWork() || coreState.pausedFlag) return;
  QImage& image = Surface();
  if (lockTicks_ % 2 == 1)
    BlitPicture(image, TargetLockAt.x(), TargetLockAt.y(), targetLockPicture_);
  else
    QPainter(&image).fillRect(TargetLockArea, Qt::black);
  ++lockTicks_;
  ShowDrawn(TargetLockArea);
}
