#include "shell/intro_fly_by.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "shell/busy_cursor.h"
#include "stations/resource_library.h"

namespace {
constexpr int FlyBySpriteId = 58;

// A still picture of the screen, shown in place of it while the sprite crosses it.
class FlightSurface : public QWidget {
 public:
  FlightSurface(QImage screen, QWidget* parent, Qt::WindowFlags flags)
      : QWidget(parent, flags), screen_(std::move(screen)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
  }
  QImage& screen() { return screen_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawImage(event->rect(), screen_, event->rect());
  }

 private:
  QImage screen_;
};

// Ends the flight at the player's first key or click, which does nothing else.
class SkipOnKeyOrClick : public QObject {
 public:
  explicit SkipOnKeyOrClick(QEventLoop& loop) : loop_(loop) { qApp->installEventFilter(this); }
  ~SkipOnKeyOrClick() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress: loop_.quit(); return true;
      case QEvent::KeyRelease:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::ShortcutOverride: return true;
      default: return false;
    }
  }

 private:
  QEventLoop& loop_;
};

// Flies the sprite across the surface, one step every few milliseconds, with the hourglass
// up and the mouse and keyboard held by the surface; a key or a click ends it early.
void Fly(FlightSurface& surface) {
  const QImage sprite = resources::Picture(FlyBySpriteId).convertToFormat(QImage::Format_RGB32);
  if (sprite.isNull()) return;
  BusyCursor busy;
  surface.show();
  surface.raise();
  surface.repaint();
  surface.grabMouse();
  surface.grabKeyboard();
  FlyByFlight flight(surface.screen(), sprite);
  QEventLoop loop;
  const SkipOnKeyOrClick skip(loop);
  QTimer pace;
  pace.setTimerType(Qt::PreciseTimer);
  QObject::connect(&pace, &QTimer::timeout, &loop, [&] {
    if (!flight.Step()) {
      loop.quit();
      return;
    }
    surface.repaint(flight.Changed());
  });
  pace.start(FlyByStepMs);
  loop.exec();
  surface.releaseKeyboard();
  surface.releaseMouse();
}

bool DesktopCanBeDrawnOver() {
  // Under Wayland, natively or through its X11 server, a program sees only its own windows.
  return QGuiApplication::platformName() == QLatin1String("xcb") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
}  // namespace

FlyByFlight::FlyByFlight(QImage& screen, const QImage& sprite)
    : screen_(screen),
      sprite_(sprite.convertToFormat(QImage::Format_RGB32)),
      saved_(sprite_.size(), QImage::Format_RGB32),
      at_(screen.width() + FlyByStepPixels, screen.height() / 3) {
  saved_.fill(Qt::black);
}

bool FlyByFlight::Step() {
  if (at_.x() < -sprite_.width()) return false;
  QPainter painter(&screen_);
  const QRect before(at_, sprite_.size());
  painter.drawImage(at_, saved_);
  at_.rx() -= FlyByStepPixels;
  saved_ = screen_.copy(QRect(at_, sprite_.size()));
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.drawImage(at_, sprite_);
  changed_ = (before | QRect(at_, sprite_.size())) & screen_.rect();
  return true;
}

bool PlayIntroFlyBy() {
  if (!DesktopCanBeDrawnOver()) return false;
  QScreen* screen = QGuiApplication::primaryScreen();
  const QImage desktop = screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32) : QImage();
  if (desktop.isNull()) return false;
  FlightSurface surface(
      desktop, nullptr,
      Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
  surface.setGeometry(QRect(screen->geometry().topLeft(), desktop.size() / desktop.devicePixelRatio()));
  Fly(surface);
  return true;
}

void PlayIntroFlyByOver(QWidget& frame) {
  FlightSurface surface(frame.grab().toImage().convertToFormat(QImage::Format_RGB32), &frame, Qt::Widget);
  surface.setGeometry(frame.rect());
  Fly(surface);
}
