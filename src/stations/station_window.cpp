#include "stations/station_window.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/message_catalogue.h"
#include "stations/station_accessible.h"
#include "stations/station_state.h"

#include "stations/station_handles.h"

StationWindow::StationWindow(Station station, QColor background, QWidget* parent)
    : QWidget(parent), station_(station), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  StationHandle(station) = this;
}

StationWindow::~StationWindow() {
  if (StationHandle(station_) == this) StationHandle(station_) = nullptr;
}

bool StationWindow::Minimized() const {
  const QWidget* frame = parentWidget() ? parentWidget() : this;
  return frame->isMinimized();
}

void StationWindow::Invalidate(bool erase) {
  invalid_ = true;
  eraseFirst_ = eraseFirst_ || erase;
  update();
  AnnounceReadOutChanges();
}

void StationWindow::UpdateNow() {
  if (!invalid_) return;
  // The face is redrawn now even where the platform defers the paint (a window not yet
  // exposed); the screen copy follows.
  RedrawFaceIfInvalid();
  repaint();
}

void StationWindow::RedrawFaceIfInvalid() {
  EnsureSurface();
  if (!invalid_) return;
  if (eraseFirst_ && background_.isValid()) surface_.fill(background_);
  QPainter painter(&surface_);
  Paint(painter);
  invalid_ = false;
  eraseFirst_ = false;
  AnnounceReadOutChanges();
}

QString StationWindow::Labelled(MessageId label, std::string_view value) {
  const QString figure = QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())).simplified();
  const QString name = QString::fromLatin1(MessageText(label));
  return figure.isEmpty() ? name : name + QLatin1Char(' ') + figure;
}

void StationWindow::AnnounceReadOutChanges() {
  ReadOutListener* listener = stationState.readOutListener;
  if (listener ? !listener->Listening() : !ScreenReaderListening()) {
    announced_.clear();
    return;
  }
  std::vector<QString> now;
  for (ReadOut& readOut : ReadOuts()) now.push_back(std::move(readOut.text));
  // The first look only learns the read-outs: the listener asks for what stands there.
  if (announced_.size() == now.size()) {
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (now[i] == announced_[i]) continue;
      const int index = static_cast<int>(i);
      listener ? listener->Changed(*this, index, now[i]) : TellScreenReader(*this, index, now[i]);
    }
  }
  announced_ = std::move(now);
}

void StationWindow::EnsureSurface() {
  const QSize size = this->size().expandedTo(QSize(1, 1));
  if (surface_.size() == size) return;
  QImage grown(size, QImage::Format_RGB32);
  grown.fill(background_.isValid() ? background_ : QColor(Qt::black));
  if (!surface_.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, surface_);
  }
  surface_ = grown;
  invalid_ = true;
}

void StationWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  EnsureSurface();
  Invalidate(true);
}

void StationWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Nothing told a hidden or minimized station what changed meanwhile, and what it drew then
  // went nowhere: it comes back with its whole face drawn afresh from the game.
  Invalidate(true);
}

void StationWindow::paintEvent(QPaintEvent* event) {
  RedrawFaceIfInvalid();
  QPainter screen(this);
  // On a denser screen each pixel of the face becomes a block of whole screen pixels: the
  // pixel art is never smoothed.
  screen.setRenderHint(QPainter::SmoothPixmapTransform, false);
  screen.drawImage(event->rect(), surface_, event->rect());
  if (hasFocus()) PaintFocusRing(screen);
}

void StationWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();  // the focus ring comes
}

void StationWindow::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();  // and goes
}
