#pragma once
// The stations as windows of the frame's MDI area: opening them for a game, closing them
// when it ends, and the default arrangement.

#include <QMdiSubWindow>

#include "host.h"

class QMdiArea;

// The frame around one station. It cannot be closed: its Close button does nothing, as a
// grayed one would, and its system menu has no Close.
class StationSubWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  using QMdiSubWindow::QMdiSubWindow;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// The window frame holding station s, or null when it does not exist.
QMdiSubWindow* StationFrame(Station s);

// Opens the eleven stations in creation order, each at its default place: all minimized
// but Controls, the Long Range Scan hidden.
void OpenStations(QMdiArea& area);

// Closes every station in EndGame's order.
void CloseStations();

// The default arrangement: everything shown and placed, then the seven working stations
// minimized and Status, the scan, Messages and Controls up, Controls on top.
void ArrangeDefaultPositions();
