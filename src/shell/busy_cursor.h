#pragma once
// The hourglass for the length of a long operation (new game, load, save, end of game,
// window layout); the arrow comes back when it goes out of scope.

#include <QApplication>

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
