#pragma once
// Base of every station window. A station draws into its own backing image, which stands
// for the window's surface: Paint() redraws the face from the game state, animations draw
// straight into Surface() and call repaint(), and paintEvent only copies the image out.
// So exclusive-or drawing and "erase, then redraw" behave as on a real window surface.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "core/host.h"
#include "core/message_ids.h"

class StationWindow;

// Who hears of read-outs that changed in place of a screen reader (station_accessible.h):
// a test.
class ReadOutListener {
 public:
  virtual ~ReadOutListener() = default;
  virtual bool Listening() const = 0;
  // Read-out `index` of `station` now reads `text`.
  virtual void Changed(StationWindow& station, int index, const QString& text) = 0;
};

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

  // A read-out as a screen reader reads it ("Shields 260"), and where it shows on the face.
  struct ReadOut {
    QString text;
    QRect area;
  };
  // The face's read-outs, always the same number of them for a station.
  virtual std::vector<ReadOut> ReadOuts() const { return {}; }

  // The buttons painted on the face, by the names a screen reader gives them.
  virtual int ButtonCount() const { return 0; }
  virtual QString ButtonName(int /*index*/) const { return {}; }
  virtual QRect ButtonArea(int /*index*/) const { return {}; }
  // A press of button `index` that did not come from the mouse; ignored where the mouse's
  // would be.
  virtual void PressButtonFor(int /*index*/) {}

  // Tells the listener of each read-out whose text changed since it last looked. Costs
  // nothing while no one listens.
  void AnnounceReadOutChanges();

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

  // The read-out text of `label` followed by `value` without its padding; the label alone
  // while there is no value.
  static QString Labelled(MessageId label, std::string_view value);

 private:
  void EnsureSurface();
  void RedrawFaceIfInvalid();

  Station station_;
  QColor background_;  // invalid colour: the station paints all of itself
  QImage surface_;
  bool invalid_ = true;
  bool eraseFirst_ = true;
  std::vector<QString> announced_;  // the read-outs as the listener last heard them
};
