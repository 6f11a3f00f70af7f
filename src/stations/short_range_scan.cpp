#include "stations/short_range_scan.h"

#include <QPainter>
#include <QTimerEvent>

#include "core/core_state.h"
#include "core/game_state.h"
#include "sector/action_state.h"
#include "sector/scan_animation.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"
#include "stations/resource_library.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/surface_drawing.h"

ShortRangeScanWindow* ScanStation() { return static_cast<ShortRangeScanWindow*>(stationState.srsWindow); }

namespace {
constexpr int AnimationMs = 200;
constexpr QRgb ScanRed = 0xFFFF0000;
constexpr int TickLength = 4;

constexpr int ScanPictures[] = {ScanPicture::ShipLeft, ScanPicture::ShipRight, ScanPicture::Starbase,
                                ScanPicture::StarA,    ScanPicture::StarB,     ScanPicture::StarX,
                                ScanPicture::Klingon,  ScanPicture::Romulan,   ScanPicture::Farengi,
                                ScanPicture::Borg,     ScanPicture::Torpedo};

QPoint ToQt(ScanPoint p) { return {p.x, p.y}; }

}  // namespace

ShortRangeScanWindow::ShortRangeScanWindow(QWidget* parent)
    : StationWindow(Station::ShortRangeScan, Qt::black, parent) {
  setWindowTitle(QStringLiteral("Short Range Scan"));
  setFixedSize(ScanClientWidth, ScanClientHeight);
  for (int id : ScanPictures) pictures_[id] = resources::Picture(id);

  srsFont_ = QFont(QStringLiteral("Arial"));
  srsFont_.setPixelSize(13);
  srsFont_.setWeight(QFont::Normal);
  srsFont_.setStyleHint(QFont::SansSerif, QFont::NoAntialias);

  animationTimer_ = startTimer(AnimationMs);
}

ShortRangeScanWindow::~ShortRangeScanWindow() { killTimer(animationTimer_); }

QSize ShortRangeScanWindow::sizeHint() const { return {ScanClientWidth, ScanClientHeight}; }

const QImage& ShortRangeScanWindow::PictureFor(int pictureId) {
  auto found = pictures_.find(pictureId);
  if (found == pictures_.end()) found = pictures_.emplace(pictureId, resources::Picture(pictureId)).first;
  return found->second;
}

void ShortRangeScanWindow::ShowSurfaceChange() { update(); }

void ShortRangeScanWindow::paintEvent(QPaintEvent* event) {
  StationWindow::paintEvent(event);
  emit Shown();
}

void ShortRangeScanWindow::Paint(QPainter& painter) {
  // The starfield owns the window while it runs.
  if (sectorState.starfieldActive && coreState.game.Working(ShipSystem::SRS)) return;

  QImage& image = Surface();
  const int right = width(), bottom = height();
  DrawLine(image, {GridLeft, GridTop}, {right, GridTop}, ScanRed);
  DrawLine(image, {GridLeft, GridTop}, {GridLeft, bottom}, ScanRed);
  for (int i = 0; i < 8; ++i) {
    const int x = GridLeft + CellWidth * i, y = GridTop + CellHeight * i;
    DrawLine(image, {x, GridTop}, {x, GridTop + TickLength}, ScanRed);
    DrawLine(image, {x, bottom}, {x, bottom - TickLength}, ScanRed);
    DrawLine(image, {GridLeft, y}, {GridLeft + TickLength, y}, ScanRed);
    DrawLine(image, {right, y}, {right - TickLength, y}, ScanRed);
  }
  if (!coreState.game.Working(ShipSystem::SRS)) return;

  painter.setFont(srsFont_);
  painter.setPen(QColor(ScanRed));
  for (int i = 0; i < 8; ++i) {
    const QString digit(QChar('1' + i));
    painter.drawText(EdgeRect(29 + CellWidth * i, 2, 61 + CellWidth * i, 17), Qt::AlignCenter | Qt::TextDontClip,
                     digit);
    painter.drawText(EdgeRect(2, 21 + CellHeight * i, 25, 44 + CellHeight * i), Qt::AlignCenter | Qt::TextDontClip,
                     digit);
  }

  const QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (const int picture = SectorPicture(Cell::Object(quadrant.cells[y][x])))
        painter.drawImage(ToQt(PicturePosition(x, y)), PictureFor(picture), QRect(0, 0, SpriteWidth, SpriteHeight));
}

void ShortRangeScanWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() == animationTimer_)
    AnimationTick();
  else
    StationWindow::timerEvent(event);
}

void ShortRangeScanWindow::AnimationTick() {
  if (Minimized() || sectorState.journalReplaying) return;
  StepFrames();
}

void ShortRangeScanWindow::StepFrames() {
  const std::vector<ScanTwinkle> twinkles = StepScanAnimation();
  if (twinkles.empty() || Minimized()) return;
  QPainter painter(&Surface());
  for (const ScanTwinkle& t : twinkles)
    painter.drawImage(ToQt(PicturePosition(t.x, t.y)), PictureFor(SectorPicture(t.kind)),
                      QRect(0, SpriteHeight * t.frame, SpriteWidth, SpriteHeight));
  ShowSurfaceChange();
}

void ShortRangeScanWindow::FillBlack(ScanRect r) {
  QPainter(&Surface()).fillRect(EdgeRect(r.left, r.top, r.right, r.bottom), Qt::black);
  ShowSurfaceChange();
}

void ShortRangeScanWindow::BlitPicture(ScanPoint topLeft, int pictureId) {
  QPainter(&Surface()).drawImage(ToQt(topLeft), PictureFor(pictureId));
  ShowSurfaceChange();
}

void ShortRangeScanWindow::BlitFrame(ScanPoint topLeft, int pictureId, int frame) {
  QPainter(&Surface())
      .drawImage(ToQt(topLeft), PictureFor(pictureId), QRect(0, SpriteHeight * frame, SpriteWidth, SpriteHeight));
  ShowSurfaceChange();
}

void ShortRangeScanWindow::DrawXorLine(ScanPoint from, ScanPoint to, Rgb colour) {
  XorLine(Surface(), ToQt(from), ToQt(to), colour);
  ShowSurfaceChange();
}

void ShortRangeScanWindow::SetPixels(const std::vector<ScanPixel>& pixels) {
  QImage& image = Surface();
  const QRect bounds = image.rect();
  for (const ScanPixel& p : pixels)
    if (bounds.contains(p.x, p.y)) reinterpret_cast<QRgb*>(image.scanLine(p.y))[p.x] = 0xFF000000u | p.colour;
  ShowSurfaceChange();
}

void ShortRangeScanWindow::Post(std::function<void()> request) {
  QMetaObject::invokeMethod(this, std::move(request), Qt::QueuedConnection);
}
