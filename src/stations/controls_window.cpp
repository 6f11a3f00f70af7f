#include "stations/controls_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "libraries/pictures/program/program_pictures.h"
#include "sector/action_state.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/surface_drawing.h"

namespace {
constexpr int FirstButtonPicture = 10;
constexpr QColor PanelGrey(192, 192, 192);

// The pictures sit in their frame at these offsets: deeper while pressed.
constexpr QPoint PressedOffset(3, 3), RaisedOffset(2, 2);

constexpr Station ButtonStations[ControlsButtonCount] = {
    Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,   Station::Shields,
    Station::PhotonTorpedoes, Station::Phasers,       Station::DamageReport, Station::Computer};

QImage ButtonFrame(const char* picture) {
  return QImage(QString::fromLatin1(picture)).convertToFormat(QImage::Format_RGB32);
}
}  // namespace

ControlsWindow::ControlsWindow(QWidget* parent)
    : StationWindow(Station::Controls, PanelGrey, parent),
      frameOn_(ButtonFrame(program_pictures::ButtonOn)),
      frameOff_(ButtonFrame(program_pictures::ButtonOff)) {
  setFocusPolicy(Qt::StrongFocus);
  for (int i = 0; i < ControlsButtonCount; ++i)
    pictures_[static_cast<std::size_t>(i)] =
        resources::Picture(FirstButtonPicture + i).convertToFormat(QImage::Format_RGB32);
  setMinimumSize(ControlsMinimumFace);
  positions_ = LayoutControlButtons(ControlsMinimumFace);
}

std::array<QPoint, ControlsButtonCount> ControlsWindow::LayoutControlButtons(QSize face) {
  const int step = (face.width() - 80) / 3;
  const int gap = (face.height() - 72) / 3;
  std::array<QPoint, ControlsButtonCount> at;
  for (int i = 0; i < ControlsButtonCount; ++i) {
    const int column = i % 4;
    const int y = i < 4 ? gap + 5 : 2 * gap + 36;
    at[static_cast<std::size_t>(i)] = QPoint(10 + column * step, y);
  }
  return at;
}

Station ControlsWindow::StationOf(int index) { return ButtonStations[index]; }

int ControlsWindow::ButtonOf(Station s) {
  for (int i = 0; i < ControlsButtonCount; ++i)
    if (ButtonStations[i] == s) return i;
  return -1;
}

void ControlsWindow::resizeEvent(QResizeEvent* event) {
  positions_ = LayoutControlButtons(size());
  StationWindow::resizeEvent(event);
}

void ControlsWindow::Paint(QPainter& painter) {
  painter.fillRect(rect(), PanelGrey);
  PaintRivets(painter);
  for (int i = 0; i < ControlsButtonCount; ++i) DrawControlButton(painter, i, i == PressedButton());
}

void ControlsWindow::DrawControlButton(QPainter& painter, int index, bool pressed) const {
  const QPoint at = positions_[static_cast<std::size_t>(index)];
  painter.drawImage(at, pressed ? frameOn_ : frameOff_);
  painter.drawImage(at + (pressed ? PressedOffset : RaisedOffset), pictures_[static_cast<std::size_t>(index)]);
}

void ControlsWindow::PaintRivets(QPainter& painter) const {
  constexpr QRgb W = qRgb(255, 255, 255), G = qRgb(128, 128, 128), B = qRgb(0, 0, 0);
  constexpr QRgb Rivet[3][3] = {{W, G, G}, {G, G, B}, {G, B, B}};
  const QRect face = rect();
  const int right = face.right() + 1, bottom = face.bottom() + 1;
  for (const QPoint corner : {QPoint(3, 3), QPoint(3, bottom - 6), QPoint(right - 6, 3), QPoint(right - 6, bottom - 6)})
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 3; ++column) {
        painter.setPen(QColor(Rivet[row][column]));
        painter.drawPoint(corner + QPoint(column, row));
      }
}

int ControlsWindow::ButtonAt(QPoint at) const {
  for (int i = 0; i < ControlsButtonCount; ++i)
    if (ButtonRect(i).contains(at)) return i;
  return -1;
}

void ControlsWindow::ShowPressed(bool pressed) {
  if (held_ < 0 || pressed == looksPressed_) return;
  looksPressed_ = pressed;
  QPainter painter(&Surface());
  DrawControlButton(painter, held_, pressed);
  update(ButtonRect(held_));
}

// A button acts as a push button: down on the press, up again when the pointer leaves it, and
// acted on when the mouse is released over it. Nothing answers while the scan runs an action.
void ControlsWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || sectorState.actionInProgress || held_ >= 0) return;
  held_ = ButtonAt(event->position().toPoint());
  if (held_ >= 0 && held_ != focused_) {
    update(ButtonRect(focused_));
    focused_ = held_;
  }
  ShowPressed(true);
}

void ControlsWindow::mouseMoveEvent(QMouseEvent* event) {
  if (held_ < 0 || sectorState.actionInProgress) return;
  ShowPressed(ButtonRect(held_).contains(event->position().toPoint()));
}

void ControlsWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || held_ < 0) return;
  const int released = held_;
  const bool acts = looksPressed_ && !sectorState.actionInProgress;
  if (!sectorState.actionInProgress) ShowPressed(false);
  held_ = -1;
  looksPressed_ = false;
  if (acts && ButtonRect(released).contains(event->position().toPoint())) ShowStation(StationOf(released));
}

void ControlsWindow::PaintFocusRing(QPainter& screen) const {
  // Inside the button, over the edge of its picture, as a push button shows the focus.
  DrawFocusRing(screen, ButtonRect(focused_).adjusted(3, 3, -3, -3), Qt::black);
}

void ControlsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!sectorState.actionInProgress && held_ < 0) ShowStation(StationOf(focused_));
    return;
  }
  if (event->key() != Qt::Key_Space) return StationWindow::keyPressEvent(event);
  if (event->isAutoRepeat() || sectorState.actionInProgress || held_ >= 0) return;
  held_ = focused_;
  ShowPressed(true);
}

void ControlsWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat() || held_ < 0) return StationWindow::keyReleaseEvent(event);
  const int released = held_;
  const bool acts = looksPressed_ && !sectorState.actionInProgress;
  if (!sectorState.actionInProgress) ShowPressed(false);
  held_ = -1;
  looksPressed_ = false;
  if (acts) ShowStation(StationOf(released));
}

void ControlsWindow::PressButtonFor(int index) {
  if (sectorState.actionInProgress || held_ >= 0 || index < 0 || index >= ControlsButtonCount) return;
  ShowStation(StationOf(index));
}

bool ControlsWindow::focusNextPrevChild(bool next) {
  update(ButtonRect(focused_));
  focused_ = (focused_ + (next ? 1 : ControlsButtonCount - 1)) % ControlsButtonCount;
  update(ButtonRect(focused_));
  return true;
}
