#include "shell/station_windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

#include "core/host.h"
#include "shell/station_roster.h"
#include "stations/resource_library.h"
#include "stations/station_handles.h"
#include "stations/station_window.h"

void StationSubWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void StationSubWindow::moveEvent(QMoveEvent* event) {
  QMdiSubWindow::moveEvent(event);
  NoteNormalGeometry();
}

void StationSubWindow::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  NoteNormalGeometry();
}

void StationSubWindow::NoteNormalGeometry() {
  if (!isMinimized() && !isMaximized()) normalGeometry_ = geometry();
}

namespace {
Qt::WindowFlags StationFrameFlags(const StationEntry& entry) {
  Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint;
  if (entry.maximizable) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

// A station's system menu has no Close: stations go only with their game. The item's
// shortcut differs between platforms (Ctrl+F4 offscreen, Ctrl+W on X11), so it is known by
// the close bindings of the platform and by its text.
bool IsCloseItem(const QAction& item) {
  const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
  if (!item.shortcut().isEmpty() &&
      (closeKeys.contains(item.shortcut()) || item.shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F4)))
    return true;
  return item.text().remove(QLatin1Char('&')).startsWith(QLatin1String("Close"));
}

void RemoveCloseCommand(QMdiSubWindow& frame) {
  if (QMenu* menu = frame.systemMenu())
    for (QAction* item : menu->actions())
      if (IsCloseItem(*item)) menu->removeAction(item);
}
}  // namespace

void PlaceStation(QMdiSubWindow& frame, QPoint topLeft, QSize clientSize) {
  const QSize border = frame.size() - frame.widget()->size();
  frame.setGeometry(QRect(topLeft, clientSize + border));
  frame.widget()->resize(clientSize);
}

QMdiSubWindow* StationFrame(Station s) {
  StationWindow* window = StationHandle(s);
  return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

void OpenStations(QMdiArea& area) {
  for (const StationEntry& entry : StationRoster) {
    StationWindow* station = entry.create();
    auto* frame = new StationSubWindow(nullptr, StationFrameFlags(entry));
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWidget(station);
    frame->setWindowTitle(QString::fromLatin1(StationName(entry.station)));
    frame->setWindowIcon(resources::StationIcon(entry.iconId));
    RemoveCloseCommand(*frame);
    area.addSubWindow(frame);
    frame->show();
    PlaceStation(*frame, entry.defaultTopLeft, entry.defaultClientSize);
    // The frame follows its face's limits: a fixed face cannot be dragged larger or smaller,
    // a resizable one with a smallest face keeps its frame from shrinking past it.
    const QSize border = frame->size() - station->size();
    if (!station->minimumSize().isEmpty()) frame->setMinimumSize(station->minimumSize() + border);
    if (station->minimumSize() == station->maximumSize()) frame->setMaximumSize(station->maximumSize() + border);
    if (entry.station == Station::LongRangeScan) {
      frame->hide();
    } else if (entry.station != Station::Controls) {
      frame->showMinimized();
    }
  }
}

void CloseStations() {
  for (Station s : StationClosingOrder) {
    QMdiSubWindow* frame = StationFrame(s);
    if (!frame) continue;
    frame->mdiArea()->removeSubWindow(frame);
    delete frame;
  }
}
