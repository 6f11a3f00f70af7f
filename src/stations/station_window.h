#pragma once
// Base of every station window. A station draws into its own backing image, which stands
// for the window's surface: Paint() redraws the face from the game state, animations draw
// straight into Surface() and call repaint(), and paintEvent only copies the image out.
// So exclusive-or drawing and "erase, then redraw" behave as on a real window surface.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "core/host.h"

class StationWindow : public QWidget {
  Q_OBJECT
 public:
  StationWindow(Station station, QColor background, QWidget* parent = nullptr);
  ~StationWindow() override;

  Station Id() const { return station_; }
  // The surface, made to the window's size if it does not exist yet (a station drawn on
  // while minimized has never been shown).
  QImage& Surface() {
    EnsureSurface();
    return surface_;
  }

  // True while the window stands minimized on the bridge.
  bool Minimized() const;

  // Marks the face for redrawing; with erase the background is filled first.
  void Invalidate(bool erase);
  // Redraws at once if invalid (the platform's UpdateWindow).
  void UpdateNow();

  // A menu or accelerator command the frame does not handle itself, passed on to the active
  // station. Stations that answer commands override it.
  virtual void OnCommand(int /*command*/) {}

 protected:
  // Draws the station's face onto Surface(). Called when the face is invalid.
  virtual void Paint(QPainter& painter) = 0;

  // Draws over the face on the screen, while the station has the keyboard, the ring round
  // the control that has it. The face itself never holds the ring.
  virtual void PaintFocusRing(QPainter& /*screen*/) const {}

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  QColor Background() const { return background_; }

 private:
  void EnsureSurface();
  void RedrawFaceIfInvalid();

  Station station_;
  QColor background_;  // invalid colour: the station paints all of itself
  QImage surface_;
  bool invalid_ = true;
  bool eraseFirst_ = true;
};
