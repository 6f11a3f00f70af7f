#include "stations/photon_station.h"

#include <QPainter>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"
#include "sector/action_state.h"
#include "sector/sector_state.h"
#include "sector/torpedoes.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/short_range_scan.h"
#include "stations/station_state.h"

namespace {
constexpr int DistancePanelPicture = 37;
constexpr QPoint DistancePanelAt{16, 46};
constexpr QPoint CompassAt{150, 6};
}  // namespace

PhotonStation::PhotonStation(QWidget* parent)
    : ControlStation(Station::PhotonTorpedoes, parent), distancePanel_(resources::Picture(DistancePanelPicture)) {
  setWindowTitle(QStringLiteral("Photon Torpedoes"));
  buttons_ = {{EdgeRect(41, 59, 56, 75), Msg::DistanceUpButton},
              {EdgeRect(94, 59, 108, 75), Msg::DistanceDownButton},
              {CourseSelector::PlusButton, Msg::CoursePlusButton},
              {CourseSelector::MinusButton, Msg::CourseMinusButton},
              {CourseSelector::ExecuteButton, Msg::ExecuteButton}};
}

bool PhotonStation::TubesWork() { return coreState.game.Working(ShipSystem::Photon); }

void PhotonStation::Paint(QPainter& painter) {
  // The panel widgets draw with painters of their own.
  painter.end();
  QImage& image = Surface();
  CourseSelector::PaintExecute(image);
  // With the tubes damaged the panels show without their values.
  if (TubesWork()) {
    distance_.Paint(image, distancePanel_);
    course_.Paint(image);
  } else {
    BlitPicture(image, DistancePanelAt.x(), DistancePanelAt.y(), distancePanel_);
    BlitPicture(image, CompassAt.x(), CompassAt.y(), stationState.compassPicture);
  }
}

std::vector<StationWindow::ReadOut> PhotonStation::ReadOuts() const {
  const bool shown = TubesWork();
  return {{Labelled(Msg::CourseLabel, shown ? course_.CourseText() : std::string()), CourseSelector::ReadoutArea()},
          {Labelled(Msg::DistanceLabel, shown ? distance_.ValueText() : std::string()), distance_.ValueRect()}};
}

void PhotonStation::ButtonDown(QPoint at, bool shift) {
  if (TubesWork() && CourseSelector::Dial.contains(at)) {
    ShowCourse(course_, CourseSelector::DialCourse(at));
    return;
  }
  const int button = ButtonAt(at);
  if (button < 0 || (button != Execute && !TubesWork())) return;
  PressButton(button);

  switch (button) {
    case DistanceUp:
    case DistanceDown: HoldFactor(distance_, button == DistanceUp); break;
    case CoursePlus:
    case CourseMinus: HoldCourse(course_, button == CoursePlus, shift ? 1 : 5); break;
    default:  // EXECUTE acts at the release
      break;
  }
}

void PhotonStation::ButtonUp(int index, QPoint at) {
  if (index == Execute && !sectorState.actionInProgress && CourseSelector::ExecuteButton.contains(at)) Launch(false);
}

std::span<const PhotonStation::ButtonKey> PhotonStation::ButtonKeys() const {
  // D counts the DISTANCE up, Shift+D down.
  static constexpr ButtonKey keys[] = {{Qt::Key_D, false, DistanceUp}, {Qt::Key_D, true, DistanceDown}};
  return keys;
}

void PhotonStation::KeyDown(int virtualKey, int /*character*/) {
  if (!TubesWork()) return;
  if (virtualKey == VirtualKey::Enter) {
    Launch(true);
    return;
  }
  if (const auto course = course_.CourseForKey(virtualKey)) ShowCourse(course_, *course);
}

void PhotonStation::Launch(bool wait) {
  ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::PhotonTorpedoes);
  ExecuteTorpedo(coreState.game, host(), course_.Course(), distance_.Value(), [wait](std::function<void()> request) {
    if (wait)
      request();
    else if (ShortRangeScanWindow* scan = ScanStation())
      scan->Post(std::move(request));
  });
}
