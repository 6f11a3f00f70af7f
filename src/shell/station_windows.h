#pragma once
// The stations as windows of the frame's MDI area: opening them for a game, closing them
// when it ends, and the default arrangement.

#include <QMdiSubWindow>

#include "core/host.h"

class QMdiArea;

// The frame around one station. It cannot be closed: its Close button does nothing, as a
// grayed one would, and its system menu has no Close. It remembers its place in the normal
// state, which a minimized or maximized station goes back to.
class StationSubWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  using QMdiSubWindow::QMdiSubWindow;

  QRect normalGeometry() const { return normalGeometry_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void NoteNormalGeometry();

  QRect normalGeometry_;
};

// The window frame holding station s, or null when it does not exist.
QMdiSubWindow* StationFrame(Station s);

// Opens the eleven stations in creation order, each at its default place: all minimized
// but Controls, the Long Range Scan hidden.
void OpenStations(QMdiArea& area);

// Closes every station in EndGame's order.
void CloseStations();

// Places a station so that its face has `clientSize`: the frame adds its border and caption.
void PlaceStation(QMdiSubWindow& frame, QPoint topLeft, QSize clientSize);
