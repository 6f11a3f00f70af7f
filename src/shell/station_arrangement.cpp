#include "shell/station_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cmath>

namespace {
QList<QMdiSubWindow*> StationsUp(const QMdiArea& area) {
  QList<QMdiSubWindow*> up;
  for (QMdiSubWindow* frame : area.subWindowList(QMdiArea::StackingOrder))
    if (frame->isVisible() && !frame->isMinimized()) up.append(frame);
  return up;
}

// The height of a frame's title bar: everything above its face.
int TitleBarHeight(const QMdiSubWindow& frame) { return frame.widget() ? frame.widget()->y() : 0; }
}  // namespace

void CascadeStations(QMdiArea& area) {
  const QList<QMdiSubWindow*> stations = StationsUp(area);  // back to front
  QMdiSubWindow* active = area.activeSubWindow();
  int offset = 0;
  for (QMdiSubWindow* frame : stations) {
    if (frame->isMaximized()) frame->showNormal();
    frame->move(offset, offset);
    frame->raise();
    offset += std::max(1, TitleBarHeight(*frame));
  }
  if (active && stations.contains(active)) area.setActiveSubWindow(active);
}

void TileStations(QMdiArea& area) {
  const QList<QMdiSubWindow*> stations = StationsUp(area);
  if (stations.isEmpty()) return;
  const int count = static_cast<int>(stations.size());
  const QRect bridge = area.viewport()->rect();
  // The squarest grid whose cells hold every station at its smallest; on a bridge too small
  // for that, the squarest grid.
  QSize largestMinimum;
  for (const QMdiSubWindow* frame : stations) largestMinimum = largestMinimum.expandedTo(frame->minimumSize());
  const auto rowsFor = [count](int columns) { return (count + columns - 1) / columns; };
  const auto fits = [&](int columns) {
    return bridge.width() / columns >= largestMinimum.width() &&
           bridge.height() / rowsFor(columns) >= largestMinimum.height();
  };
  const auto unevenness = [&](int columns) { return std::abs(columns - rowsFor(columns)); };
  int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
  for (int tried = 1; tried <= count; ++tried)
    if (fits(tried) && (!fits(columns) || unevenness(tried) < unevenness(columns))) columns = tried;
  const int rows = (count + columns - 1) / columns;
  const QSize cell(bridge.width() / columns, bridge.height() / rows);
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* frame = stations[i];
    if (frame->isMaximized()) frame->showNormal();
    const QSize size = cell.boundedTo(frame->maximumSize()).expandedTo(frame->minimumSize());
    frame->setGeometry(QRect(QPoint((i % columns) * cell.width(), (i / columns) * cell.height()), size));
  }
}
