#include "shell/window_layout.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <vector>

#include "core/settings_file.h"
#include "shell/busy_cursor.h"
#include "shell/main_loop.h"
#include "shell/station_roster.h"
#include "shell/station_windows.h"

namespace {
constexpr Station WaitingStations[] = {Station::LongRangeScan, Station::Navigation, Station::PhotonTorpedoes,
                                       Station::Phasers,       Station::Shields,    Station::DamageReport,
                                       Station::Computer};
constexpr Station StationsUp[] = {Station::ShortRangeScan, Station::Status, Station::Messages, Station::Controls};

// The stations of the default arrangement's upper row, and of the row under it.
constexpr Station UpperRow[] = {Station::Status, Station::ShortRangeScan};
constexpr Station LowerRow[] = {Station::Messages, Station::Controls};

constexpr Station SavingOrder[] = {Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,
                                   Station::PhotonTorpedoes, Station::Phasers,       Station::Shields,
                                   Station::DamageReport,    Station::Computer,      Station::Controls,
                                   Station::Status,          Station::Messages};
constexpr Station RestoringOrder[] = {Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,
                                      Station::PhotonTorpedoes, Station::Phasers,       Station::Shields,
                                      Station::DamageReport,    Station::Computer,      Station::Status,
                                      Station::Messages,        Station::Controls};

// How much of a frame stays within reach when it is placed: a corner of its caption.
constexpr int GripWidth = 48, GripHeight = 16;
// No station grows beyond this many times the bridge.
constexpr int LargestGrowth = 4;

int IndexOf(Station s) {
  for (std::size_t i = 0; i < StationRoster.size(); ++i)
    if (StationRoster[i].station == s) return static_cast<int>(i);
  return 0;
}

QMargins FrameMargins(const QMdiSubWindow& frame) {
  const QRect face = frame.widget()->geometry();
  return QMargins(face.left(), face.top(), frame.width() - face.right() - 1, frame.height() - face.bottom() - 1);
}

int ShowStateOf(const QMdiSubWindow& frame) {
  if (frame.isMinimized()) return ShowMinimized;
  return frame.isMaximized() ? ShowMaximized : ShowNormal;
}

// The minimized states among the platform's show commands.
bool IsMinimizedState(int state) { return state == ShowMinimized || state == 6 || state == 7; }
}  // namespace

std::array<QRect, StationCount> DefaultPlaces(const QMargins& m) {
  std::array<QRect, StationCount> places;
  for (std::size_t i = 0; i < StationRoster.size(); ++i) {
    const StationEntry& entry = StationRoster[i];
    places[i] = QRect(entry.defaultTopLeft, entry.defaultClientSize.grownBy(m));
  }
  for (Station lower : LowerRow) {
    QRect& place = places[static_cast<std::size_t>(IndexOf(lower))];
    for (Station upper : UpperRow) {
      const QRect face = places[static_cast<std::size_t>(IndexOf(upper))].marginsRemoved(m);
      const bool below = place.left() <= face.right() && face.left() <= place.right();
      if (below && place.top() <= face.bottom()) place.moveTop(face.bottom() + 1);
    }
  }
  return places;
}

void ArrangeDefaultPositions() {
  BusyCursor busy;
  QMdiSubWindow* any = nullptr;
  for (const StationEntry& entry : StationRoster)
    if (QMdiSubWindow* frame = StationFrame(entry.station)) {
      frame->showNormal();
      any = frame;
    }
  if (!any) return;
  const std::array<QRect, StationCount> places = DefaultPlaces(FrameMargins(*any));
  for (std::size_t i = 0; i < StationRoster.size(); ++i)
    if (QMdiSubWindow* frame = StationFrame(StationRoster[i].station))
      PlaceStation(*frame, places[i].topLeft(), StationRoster[i].defaultClientSize);
  for (Station s : WaitingStations)
    if (QMdiSubWindow* frame = StationFrame(s)) frame->showMinimized();
  PumpPendingMessages();
  for (Station s : StationsUp)
    if (QMdiSubWindow* frame = StationFrame(s)) frame->showNormal();
  if (QMdiSubWindow* controls = StationFrame(Station::Controls)) {
    controls->raise();
    controls->mdiArea()->setActiveSubWindow(controls);
  }
}

void SaveWindowPositions() {
  std::vector<std::pair<Station, std::string>> places;
  {
    BusyCursor busy;
    for (Station s : SavingOrder) {
      auto* frame = qobject_cast<StationSubWindow*>(StationFrame(s));
      if (!frame) continue;
      const QRect normal = frame->normalGeometry();
      places.emplace_back(s, FormatPlacement({ShowStateOf(*frame), normal.left(), normal.top(), normal.right() + 1,
                                              normal.bottom() + 1}));
    }
  }
  // Written with the arrow back: a file that cannot take them is said in a message box.
  UpdateSettingsFile([&places](ProfileText& text) {
    for (const auto& [station, place] : places) text.Set(PositionsSectionName(), PositionKey(station), place);
  });
}

QRect ReachablePlace(const QRect& wanted, const QSize& minimum, const QRect& area) {
  const QSize largest = (area.size() * LargestGrowth).expandedTo(minimum);
  const QSize size = wanted.size().expandedTo(minimum).boundedTo(largest);
  const int left = std::clamp(wanted.left(), area.left() + GripWidth - size.width(), area.right() + 1 - GripWidth);
  const int top = std::clamp(wanted.top(), area.top(), std::max(area.top(), area.bottom() + 1 - GripHeight));
  return QRect(QPoint(left, top), size);
}

void RestoreWindowPositions() {
  BusyCursor busy;
  const std::optional<ProfileText> text = LoadSettingsText();
  if (!text) return;
  for (Station s : RestoringOrder) {
    QMdiSubWindow* frame = StationFrame(s);
    if (!frame) continue;
    const std::optional<std::string> value =
        text->GetString(PositionsSectionName(), PositionKey(s), PositionValueCapacity);
    if (!value || value->empty()) continue;
    // A value without all five numbers is no place: the station stays where it is.
    const std::optional<WindowPlacement> placement = ParsePlacement(*value);
    if (!placement) continue;
    const int state = placement->showState & 0xFFFF;
    // Long, wide coordinates are squeezed into range before they make a rectangle.
    const auto clamp = [](int v) { return std::clamp(v, -(1 << 20), 1 << 20); };
    const QRect wanted(QPoint(clamp(placement->left), clamp(placement->top)),
                       QPoint(clamp(placement->right) - 1, clamp(placement->bottom) - 1));
    // A station of fixed size keeps it, wherever the file puts it.
    const QRect asked(wanted.normalized().topLeft(),
                      wanted.normalized().size().expandedTo(frame->minimumSize()).boundedTo(frame->maximumSize()));
    const QRect place = ReachablePlace(asked, frame->minimumSizeHint(), frame->mdiArea()->viewport()->rect());
    if (frame->isMinimized() || frame->isMaximized() || !frame->isVisible()) frame->showNormal();
    frame->setGeometry(place);
    if (IsMinimizedState(state))
      frame->showMinimized();
    else if (state == ShowMaximized && EntryOf(s).maximizable)
      frame->showMaximized();
  }
}
