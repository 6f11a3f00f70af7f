#pragma once
// The Long Range Scan station: the galaxy as an 8 x 8 chart under a row of column numbers
// and beside a column of row numbers. Every charted quadrant shows three digits (aliens,
// starbases, stars) from its current counts, and the ship's quadrant blinks between two
// reds. The window can be resized; the chart and its lettering follow the cell size.

#include <QFont>
#include <QRect>
#include <QSize>

#include "stations/station_window.h"

class LongRangeScanWindow : public StationWindow {
  Q_OBJECT
 public:
  explicit LongRangeScanWindow(QWidget* parent = nullptr);
  ~LongRangeScanWindow() override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  int ChartCellWidth() const { return cellWidth_; }
  int ChartCellHeight() const { return cellHeight_; }
  const QFont& ChartFont() const { return font_; }
  // Where quadrant q's digits go: its chart cell shrunk by two pixels on every side.
  QRect QuadrantTextRect(int quadrant) const;

  // One tick of the 280 ms blink of the ship's quadrant.
  void BlinkTick();

 protected:
  void Paint(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void FollowSize(QSize client);

  int cellWidth_ = 0, cellHeight_ = 0;
  QFont font_;
  int blinkTimer_ = 0;
  int blinkCount_ = 0;  // its lowest bit chooses the dim or the bright red
};

// The pixel size of the chart's lettering for cells `cellHeight` high: the character height
// is the cell's height less 8; very small cells fall back to a small cell-height font.
int ChartFontPixelSize(int cellHeight);
