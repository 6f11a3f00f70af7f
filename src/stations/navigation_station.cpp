#include "stations/navigation_station.h"

#include <QPainter>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/action_state.h"
#include "sector/scan_requests.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"

namespace {
constexpr int WarpPanelPicture = 29, ImpulsePanelPicture = 30;
constexpr QRect WarpArea = EdgeRect(16, 16, 133, 77);
}  // namespace

NavigationStation::NavigationStation(QWidget* parent)
    : ControlStation(Station::Navigation, parent),
      warpPanel_(resources::Picture(WarpPanelPicture)),
      impulsePanel_(resources::Picture(ImpulsePanelPicture)) {
  setWindowTitle(QStringLiteral("Navigation"));
  buttons_ = {
      {EdgeRect(41, 29, 56, 45), Msg::WarpUpButton},       {EdgeRect(94, 29, 108, 45), Msg::WarpDownButton},
      {EdgeRect(41, 104, 56, 120), Msg::ImpulseUpButton},  {EdgeRect(94, 104, 108, 120), Msg::ImpulseDownButton},
      {CourseSelector::PlusButton, Msg::CoursePlusButton}, {CourseSelector::MinusButton, Msg::CourseMinusButton},
      {CourseSelector::ExecuteButton, Msg::ExecuteButton}};
}

bool NavigationStation::WarpDriveWorks() { return coreState.game.Working(ShipSystem::Warp); }

void NavigationStation::Paint(QPainter& painter) {
  // The panel widgets draw with painters of their own.
  painter.end();
  QImage& image = Surface();
  CourseSelector::PaintExecute(image);
  if (WarpDriveWorks())
    warp_.Paint(image, warpPanel_);
  else
    QPainter(&image).fillRect(WarpArea, Qt::black);
  impulse_.Paint(image, impulsePanel_);
  course_.Paint(image);
}

std::vector<StationWindow::ReadOut> NavigationStation::ReadOuts() const {
  return {{Labelled(Msg::WarpFactorLabel, WarpDriveWorks() ? warp_.ValueText() : std::string()), warp_.ValueRect()},
          {Labelled(Msg::ImpulseFactorLabel, impulse_.ValueText()), impulse_.ValueRect()},
          {Labelled(Msg::CourseLabel, course_.CourseText()), CourseSelector::ReadoutArea()}};
}

void NavigationStation::ClearFactor(FactorSelector& factor) {
  if (factor.Value() != 0) ShowDrawn(factor.Set(Surface(), 0));
}

void NavigationStation::ButtonDown(QPoint at, bool shift) {
  if (CourseSelector::Dial.contains(at)) {
    ShowCourse(course_, CourseSelector::DialCourse(at));
    return;
  }
  const int button = ButtonAt(at);
  if (button < 0 || ((button == WarpUp || button == WarpDown) && !WarpDriveWorks())) return;
  PressButton(button);

  const int courseStep = shift ? 1 : 5;
  switch (button) {
    case WarpUp:
      if (warp_.Value() == 9) return;
      ClearFactor(impulse_);
      HoldFactor(warp_, true);
      break;
    case WarpDown:
      if (warp_.Value() == 0) return;
      HoldFactor(warp_, false);
      break;
    case ImpulseUp:
      if (impulse_.Value() == 9) return;
      if (WarpDriveWorks()) ClearFactor(warp_);
      HoldFactor(impulse_, true);
      break;
    case ImpulseDown:
      if (impulse_.Value() == 0) return;
      HoldFactor(impulse_, false);
      break;
    case CoursePlus:
    case CourseMinus: HoldCourse(course_, button == CoursePlus, courseStep); break;
    default:  // EXECUTE acts at the release
      break;
  }
}

void NavigationStation::ButtonUp(int index, QPoint at) {
  if (index == Execute && !sectorState.actionInProgress && CourseSelector::ExecuteButton.contains(at)) Engage();
}

std::span<const NavigationStation::ButtonKey> NavigationStation::ButtonKeys() const {
  // W for warp and I for impulse count up; with Shift they count down.
  static constexpr ButtonKey keys[] = {{Qt::Key_W, false, WarpUp},
                                       {Qt::Key_W, true, WarpDown},
                                       {Qt::Key_I, false, ImpulseUp},
                                       {Qt::Key_I, true, ImpulseDown}};
  return keys;
}

void NavigationStation::KeyDown(int virtualKey, int /*character*/) {
  if (virtualKey == VirtualKey::Enter) {
    Engage();
    return;
  }
  if (const auto course = course_.CourseForKey(virtualKey)) ShowCourse(course_, *course);
}

void NavigationStation::Engage() {
  if (impulse_.Value() == 0 && warp_.Value() == 0) return;
  host().PlaySoundNow(Sounds::Acknowledge, false);
  ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::Navigation);
  RequestMove(course_.Course(), impulse_.Value(), warp_.Value());
}
