#include "stations/shield_station.h"

#include <QPainter>
#include <QTimerEvent>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"
#include "core/random.h"
#include "core/shield_transfer.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"

namespace {
constexpr int ShieldsReadoutPicture = 35;
constexpr QRgb ShieldCharge = qRgb(0, 128, 128);
constexpr int ShimmerMs = 75;

QImage ShipFitted() {
  if (stationState.shipPicture.isNull()) return {};
  return stationState.shipPicture.convertToFormat(QImage::Format_RGB32)
      .scaled(ShieldStation::ShipRect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
}  // namespace

ShieldStation::ShieldStation(QWidget* parent)
    : ControlStation(Station::Shields, parent),
      panel_(ShieldCharge),
      readoutPicture_(resources::Picture(ShieldsReadoutPicture)),
      ship_(ShipFitted()) {
  setWindowTitle(QStringLiteral("Shields"));
  buttons_ = {{EnergyTransferPanel::MoreButton, Msg::MoreEnergyButton},
              {EnergyTransferPanel::LessButton, Msg::LessEnergyButton},
              {EnergyTransferPanel::ExecuteButton, Msg::ExecuteButton}};
  TakeGameFigures();
}

ShieldStation::~ShieldStation() {
  if (shimmerTimer_) killTimer(shimmerTimer_);
}

bool ShieldStation::ShieldsWork() { return coreState.game.Working(ShipSystem::Shield); }

void ShieldStation::TakeGameFigures() {
  panel_.available = takenShipEnergy_ = coreState.game.shipEnergy;
  panel_.charge = takenShieldEnergy_ = coreState.game.shieldEnergy;
}

bool ShieldStation::AdoptChangedGameFigures() {
  if (coreState.game.shipEnergy == takenShipEnergy_ && coreState.game.shieldEnergy == takenShieldEnergy_) return false;
  // The transfer the player has set up but not committed moves the same energy from the new
  // figures, as long as it still fits them.
  const int moved = panel_.charge - takenShieldEnergy_;
  TakeGameFigures();
  if (coreState.game.shieldEnergy + moved >= 0 && coreState.game.shipEnergy - moved > 0) {
    panel_.charge += moved;
    panel_.available -= moved;
  }
  return true;
}

void ShieldStation::FollowGameFigures() {
  if (AdoptChangedGameFigures()) ShowAmounts();
}

void ShieldStation::ShowAmounts() {
  if (ShieldsWork()) ShowDrawn(panel_.DrawAmounts(Surface()));
}

void ShieldStation::PaintShip(QImage& image) const {
  if (ShieldsWork() && !ship_.isNull()) QPainter(&image).drawImage(ShipRect.topLeft(), ship_);
}

void ShieldStation::Paint(QPainter& painter) {
  // The panel widgets draw with painters of their own.
  painter.end();
  AdoptChangedGameFigures();
  QImage& image = Surface();
  PaintShip(image);
  if (ShieldsWork())
    panel_.Paint(image, readoutPicture_);
  else
    EnergyTransferPanel::PaintPictures(image, readoutPicture_);
  // A button held down through a repaint still looks pressed, so its release restores it.
  if (PressedButton() >= 0) InvertRect(image, ButtonEntry(PressedButton()).area);
}

std::vector<StationWindow::ReadOut> ShieldStation::ReadOuts() const {
  return EnergyReadOuts(panel_, Msg::ShieldsLabel, ShieldsWork());
}

void ShieldStation::focusInEvent(QFocusEvent* event) {
  // Coming back to the station, the player works on the game's figures of the moment.
  if (panel_.available != coreState.game.shipEnergy || panel_.charge != coreState.game.shieldEnergy) {
    TakeGameFigures();
    Invalidate(false);
  }
  StartShimmer();
  ControlStation::focusInEvent(event);
}

void ShieldStation::hideEvent(QHideEvent* event) {
  // Minimized: nothing to shimmer for.
  StopShimmer();
  ControlStation::hideEvent(event);
}

void ShieldStation::ButtonDown(QPoint at, bool shift) {
  const int button = ButtonAt(at);
  // With the shields out only EXECUTE answers, and commits the figures as they stand.
  if (button < 0 || (button != Execute && !ShieldsWork())) return;
  PressButton(button);
  const int step = shift ? 1 : 10;
  if (button == More) {
    RepeatWhileHeld(EnergyTransferPanel::RepeatMs, [this, step] {
      FollowGameFigures();
      if (!panel_.More(step)) return false;
      ShowAmounts();
      StartShimmer();
      return true;
    });
  } else if (button == Less) {
    RepeatWhileHeld(EnergyTransferPanel::RepeatMs, [this, step] {
      FollowGameFigures();
      if (!panel_.Less(step)) return false;
      ShowAmounts();
      if (panel_.charge != 0)
        StartShimmer();
      else
        StopShimmer();
      return true;
    });
  }
}

void ShieldStation::ButtonUp(int index, QPoint at) {
  if (index == Execute && EnergyTransferPanel::ExecuteButton.contains(at)) Commit();
}

void ShieldStation::KeyDown(int virtualKey, int character) {
  if (!ShieldsWork()) return;
  if (virtualKey == VirtualKey::Enter) {
    Commit();
    return;
  }
  const int step = EnergyTransferPanel::KeyStep(virtualKey, character);
  if (step == 0) return;
  FollowGameFigures();
  panel_.Key(virtualKey, character);
  ShowAmounts();
  // Energy going in starts the shimmer and emptying the shields with the ten or hundred
  // keys stops it; the single-unit key leaves the timer as it is.
  const bool emptied = panel_.charge == 0;
  if (step > 0 || (step == -10 && !emptied))
    StartShimmer();
  else if ((step == -10 || step == -100) && emptied)
    StopShimmer();
}

void ShieldStation::Commit() {
  FollowGameFigures();
  takenShipEnergy_ = panel_.available;
  takenShieldEnergy_ = panel_.charge;
  CommitShieldTransfer(panel_.available, panel_.charge);
  ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::Shields);
}

void ShieldStation::StartShimmer() {
  if (shimmerTimer_ || panel_.charge == 0 || !ShieldsWork()) return;
  shimmerTimer_ = startTimer(ShimmerMs);
}

void ShieldStation::StopShimmer() {
  if (!shimmerTimer_) return;
  killTimer(shimmerTimer_);
  shimmerTimer_ = 0;
  // Wipe the ellipses: the area round the ship is erased and the ship drawn again.
  QImage& image = Surface();
  QPainter(&image).fillRect(ShieldRect, Qt::black);
  PaintShip(image);
  ShowDrawn(ShieldRect);
}

void ShieldStation::timerEvent(QTimerEvent* event) {
  if (event->timerId() == shimmerTimer_)
    ShimmerTick();
  else
    ControlStation::timerEvent(event);
}

void ShieldStation::ShimmerTick() {
  // Damage or a pause silences the ticks without stopping the timer.
  if (Minimized() || !ShieldsWork()) return;
  // While the shields shimmer the read-outs keep up with the clock and the aliens' hits.
  FollowGameFigures();
  if (panel_.charge == 0 || coreState.pausedFlag) return;
  // A replay's journal sets the random source where the game's shimmer left it: the replay's
  // own shimmer must leave it as it found it.
  const std::uint32_t randomState = lcg::State();
  const int red = lcg::rand() % 256;
  const int green = lcg::rand() % 256;
  const int blue = lcg::rand() % 256;
  if (sectorState.journalReplaying) lcg::Seed(randomState);
  XorDottedEllipse(Surface(), ShieldRect, qRgb(red, green, blue));
  ShowDrawn(ShieldRect);
}
