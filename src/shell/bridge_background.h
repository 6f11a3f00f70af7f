#pragma once
// The space behind the stations: the frame's MDI area painted black with a fixed field of
// stars, and, while no game runs, the ship's logo and the hint to start one.

#include <QMdiArea>
#include <vector>

class BridgeBackground : public QMdiArea {
  Q_OBJECT
 public:
  explicit BridgeBackground(QWidget* parent = nullptr);

  // Places the stars at random over a screen of `width` × `height`: one per 16 × 16 pixels,
  // all columns drawn first, then all rows.
  void BuildStarField(int width, int height);
  int StarCount() const { return static_cast<int>(starX_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintStars(QPainter& painter, const QRect& area) const;
  void PaintLogoAndHint(QPainter& painter, const QRect& area) const;

  std::vector<int> starX_;
  std::vector<int> starY_;
};
