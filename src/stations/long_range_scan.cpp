#include "stations/long_range_scan.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "stations/panel_drawing.h"
#include "stations/surface_drawing.h"

namespace {
constexpr int BlinkMs = 280;
constexpr int Cells = 9;  // the chart's eight, and the row or column of numbers
constexpr QSize DefaultClientSize{360, 230};
constexpr QSize MinimumClientSize{88, 60};
constexpr QRgb GridBlue = qRgb(0, 0, 255);
constexpr QColor DigitRed(255, 0, 0), DimRed(128, 0, 0);
// A font asked for with no height at all comes at the platform's default size.
constexpr int DefaultFontPixelSize = 12;
// Of a cell-height font's cell, the share its characters take (the rest is leading).
constexpr double CharacterShareOfCell = 0.9;

// Centres `text` in `box` on a black ground the size of the text, as the old opaque
// text drawing does; with `clip` nothing reaches outside the box.
void DrawCentred(QPainter& painter, const QRect& box, const QString& text, const QColor& colour, bool clip) {
  const QFontMetrics metrics = painter.fontMetrics();
  QRect ground(0, 0, metrics.horizontalAdvance(text), metrics.height());
  ground.moveTo(box.left() + (box.width() - ground.width()) / 2, box.top() + (box.height() - ground.height()) / 2);
  painter.save();
  if (clip) painter.setClipRect(box);
  painter.fillRect(ground, Qt::black);
  painter.setPen(colour);
  painter.drawText(ground, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
  painter.restore();
}

QString Digit(int count) { return QString(QChar(static_cast<char16_t>(u'0' + count))); }

QString QuadrantDigits(const QuadrantRecord& quadrant) {
  return Digit(quadrant.alienCount) + Digit(quadrant.starbaseCount) + Digit(quadrant.starCount);
}
}  // namespace

int ChartFontPixelSize(int cellHeight) {
  if (cellHeight > 8) return cellHeight - 8;
  if (cellHeight == 8) return DefaultFontPixelSize;
  return std::max(1, static_cast<int>(std::lround(CharacterShareOfCell * (8 - cellHeight))));
}

LongRangeScanWindow::LongRangeScanWindow(QWidget* parent) : StationWindow(Station::LongRangeScan, Qt::black, parent) {
  setWindowTitle(QStringLiteral("Long Range Scan"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(MinimumClientSize);
  font_ = QFont(QStringLiteral("Arial"));
  font_.setWeight(QFont::Normal);
  font_.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
  FollowSize(size());
  blinkTimer_ = startTimer(BlinkMs);
}

LongRangeScanWindow::~LongRangeScanWindow() { killTimer(blinkTimer_); }

QSize LongRangeScanWindow::sizeHint() const { return DefaultClientSize; }
QSize LongRangeScanWindow::minimumSizeHint() const { return MinimumClientSize; }

void LongRangeScanWindow::FollowSize(QSize client) {
  cellWidth_ = client.width() / Cells;
  cellHeight_ = client.height() / Cells;
  font_.setPixelSize(ChartFontPixelSize(cellHeight_));
}

void LongRangeScanWindow::resizeEvent(QResizeEvent* event) {
  FollowSize(size());
  StationWindow::resizeEvent(event);
}

QRect LongRangeScanWindow::QuadrantTextRect(int quadrant) const {
  const int left = width() - (8 - QuadrantColumn(quadrant)) * cellWidth_;
  const int top = height() - (8 - QuadrantRow(quadrant)) * cellHeight_;
  return QRect(left, top, cellWidth_, cellHeight_).adjusted(2, 2, -2, -2);
}

void LongRangeScanWindow::Paint(QPainter& painter) {
  const int right = width(), bottom = height();
  const int w = cellWidth_, h = cellHeight_;
  QImage& image = Surface();
  for (int i = 8; i >= 0; --i) DrawLine(image, {right, bottom - i * h}, {right - 8 * w, bottom - i * h}, GridBlue);
  for (int i = 1; i <= 8; ++i) DrawLine(image, {right - i * w, bottom}, {right - i * w, bottom - 8 * h}, GridBlue);
  if (!coreState.game.Working(ShipSystem::LRS)) return;

  painter.setFont(font_);
  for (int i = 8; i >= 1; --i) {
    const QString number = Digit(9 - i);
    DrawCentred(painter, QRect(right - i * w, 0, w, h).adjusted(2, 2, -2, -2), number, QColor(GridBlue), false);
  }
  for (int i = 1; i <= 8; ++i) {
    const QString number = Digit(9 - i);
    DrawCentred(painter, QRect(0, bottom - i * h, w, h).adjusted(2, 2, -2, -2), number, QColor(GridBlue), false);
  }
  for (int q = QuadrantCount - 1; q >= 0; --q)
    if (coreState.game.galaxy[static_cast<std::size_t>(q)].flags & QuadrantFlag::Charted)
      DrawCentred(painter, QuadrantTextRect(q), QuadrantDigits(coreState.game.galaxy[static_cast<std::size_t>(q)]),
                  DigitRed, true);
}

void LongRangeScanWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() == blinkTimer_)
    BlinkTick();
  else
    StationWindow::timerEvent(event);
}

void LongRangeScanWindow::BlinkTick() {
  if (Minimized() || !coreState.game.Working(ShipSystem::LRS) || coreState.pausedFlag) return;
  // Shown whether or not the ship's own quadrant is charted.
  const QColor shade = (blinkCount_ & 1) ? DimRed : DigitRed;
  ++blinkCount_;
  const QRect box = QuadrantTextRect(coreState.game.shipQuadrant);
  QPainter painter(&Surface());
  painter.setFont(font_);
  DrawCentred(painter, box, QuadrantDigits(coreState.game.ShipQuadrantRecord()), shade, true);
  update(box);
}

void LongRangeScanWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    StationWindow::keyPressEvent(event);
    return;
  }
  ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::LongRangeScan);
}
