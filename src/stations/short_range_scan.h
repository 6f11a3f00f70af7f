#pragma once
// The Short Range Scan station: the ship's quadrant as an 8 x 8 grid with a picture in
// every occupied sector, stars and starbases animating every 200 ms. The actions' rules
// draw their animations on it through the Host.

#include <QFont>
#include <QImage>
#include <functional>
#include <map>
#include <vector>

#include "core/host.h"
#include "stations/station_window.h"

class ShortRangeScanWindow : public StationWindow {
  Q_OBJECT
 public:
  explicit ShortRangeScanWindow(QWidget* parent = nullptr);
  ~ShortRangeScanWindow() override;

  QSize sizeHint() const override;

  // Drawing for the actions' animations, straight onto the surface.
  void FillBlack(ScanRect rect);
  void BlitPicture(ScanPoint topLeft, int pictureId);
  void BlitFrame(ScanPoint topLeft, int pictureId, int frame);
  void DrawXorLine(ScanPoint from, ScanPoint to, Rgb colour);
  void SetPixels(const std::vector<ScanPixel>& pixels);

  // Queues a request to run after the messages already waiting, as a posted message would;
  // it is dropped if the scan is closed first.
  void Post(std::function<void()> request);

  // One step of the star and starbase animation (the 200 ms timer's work).
  void AnimationTick();
  // Steps the stars and starbases a frame and draws them, minimized or not: a replay's
  // journal says when.
  void StepFrames();
  int AnimationTimerId() const { return animationTimer_; }

 signals:
  // A paint has put the surface on the window.
  void Shown();

 protected:
  void Paint(QPainter& painter) override;
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  const QImage& PictureFor(int pictureId);
  void ShowSurfaceChange();

  QFont srsFont_;
  int animationTimer_ = 0;
  std::map<int, QImage> pictures_;  // by picture id: the scan's own, and strips once used
};

// The live scan (srsWindow), or null while no game runs.
ShortRangeScanWindow* ScanStation();
