#pragma once
// The Messages station: the ship's running log, the last 30 lines posted with
// PostShipMessage, drawn in the colour of the ship's condition and scrolled line by line,
// with the scroll bar or, while the panel has the keyboard, the arrow keys, Page Up and
// Page Down, Home and End. It shows whole lines only, the newest at the bottom.

#include <QFont>

#include "stations/station_window.h"

class QScrollBar;

class MessagesStation : public StationWindow {
  Q_OBJECT
 public:
  // What the scroll bar asks for.
  enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbTrack, ThumbPosition, Top, Bottom };

  explicit MessagesStation(QWidget* parent = nullptr);

  // A line was added to the log: repaint and bring the newest line into view.
  void ShowNewest();

  // Scrolls by the request; ThumbTrack scrolls to `thumb`.
  void Scroll(ScrollRequest request, int thumb = 0);

  int LineHeight() const { return lineHeight_; }
  int ScrollPos() const { return scrollPos_; }
  int ScrollMax() const { return scrollMax_; }
  // Width of the area the lines are drawn in (the scroll bar takes the rest).
  int TextWidth() const;

  // The newest line of the log.
  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  // With the keyboard, a dotted ring in the log's colour round the lines.
  void PaintFocusRing(QPainter& screen) const override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnScrollAction(int action);
  void UpdateScrollBar();

  QFont font_;
  int lineHeight_ = 1;
  int scrollPos_ = 0;
  int scrollMax_ = 0;
  QScrollBar* scrollBar_;
};
