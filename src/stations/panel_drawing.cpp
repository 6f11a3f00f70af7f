#include "stations/panel_drawing.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <algorithm>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"
#include "sector/course.h"
#include "stations/shared_pictures.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "stations/surface_drawing.h"

namespace {
// How often a held button is looked at: the longest a release waits to be noticed.
constexpr std::uint32_t ReleaseCheckMs = 20;

// The top of each character's cell in a digit strip; anything else is a blank.
int GlyphTop(char c) {
  switch (c) {
    case '-': return 0;
    case '.': return 216;
    default: return c >= '0' && c <= '9' ? 198 - 18 * (c - '0') : 18;
  }
}

QPoint NeedleEnd(int cx, int cy, int course) {
  const GridOffset offset = CourseOffset(course, NeedleLength);
  return {cx + offset.dx, cy + offset.dy};
}

bool LeftButtonDown() { return QGuiApplication::mouseButtons() & Qt::LeftButton; }

QWidget* Frame(StationWindow* station) { return station->parentWidget() ? station->parentWidget() : station; }
}  // namespace

void DrawDigits(QImage& surface, const std::string& text, int x, int y, const QImage& strip) {
  const bool hasPoint = text.find('.') != std::string::npos;
  const int cells = static_cast<int>(text.size()) - (hasPoint ? 1 : 0);
  if (cells <= 0) return;
  QImage readout(GlyphWidth * cells, GlyphHeight, QImage::Format_RGB32);
  readout.fill(Qt::black);
  {
    QPainter painter(&readout);
    int at = 0;
    for (char c : text) {
      const QRect glyph(0, GlyphTop(c), GlyphWidth, GlyphHeight);
      if (c == '.') {
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(at - GlyphWidth, 0, strip, glyph.x(), glyph.y(), glyph.width(), glyph.height());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
      } else {
        painter.drawImage(at, 0, strip, glyph.x(), glyph.y(), glyph.width(), glyph.height());
        at += GlyphWidth;
      }
    }
  }
  QPainter(&surface).drawImage(x, y, readout);
}

std::string FormatThreeDigits(int value) {
  if (value < 0 || value > 999) return "   ";
  std::string digits = std::to_string(value);
  return std::string(3 - digits.size(), ' ') + digits;
}

bool BlitPicture(QImage& surface, int x, int y, const QImage& picture, QPainter::CompositionMode operation) {
  if (picture.isNull()) return false;
  QPainter painter(&surface);
  painter.setCompositionMode(operation);
  painter.drawImage(x, y, picture);
  return true;
}

QImage CopyPicture(const QImage& picture) { return picture.copy(); }

void DrawCourseNeedle(QImage& surface, int cx, int cy, int oldCourse, int newCourse) {
  if (oldCourse >= 0) DrawLine(surface, {cx, cy}, NeedleEnd(cx, cy, oldCourse), qRgb(0, 0, 0));
  if (newCourse >= 0) DrawLine(surface, {cx, cy}, NeedleEnd(cx, cy, newCourse), stationState.gridPen.color().rgb());
}

bool MouseHeldFor(std::uint32_t ms) {
  if (!LeftButtonDown()) return false;
  // Wait on the game's clock in short steps, delivering events meanwhile, and stop at the
  // first step that saw the button let go.
  struct ReleaseWatch : QObject {
    bool released = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        released = true;
      return false;
    }
  } watch;
  qApp->installEventFilter(&watch);
  host().PumpPendingMessages();  // a quick click's release is already waiting
  const std::uint32_t start = host().TickCount();
  bool quitting = false;
  for (std::uint32_t waited = 0; !watch.released && !quitting && waited < ms; waited = host().TickCount() - start)
    quitting = !WaitUnlessQuitting(std::min(ReleaseCheckMs, ms - waited));
  qApp->removeEventFilter(&watch);
  return !watch.released && !quitting && LeftButtonDown();
}

void ShowStation(Station station) {
  StationWindow* shown = StationHandle(station);
  if (coreState.options.singleControlWindow) {
    static constexpr Station Minimizable[] = {Station::ShortRangeScan, Station::LongRangeScan,   Station::Navigation,
                                              Station::Shields,        Station::PhotonTorpedoes, Station::Phasers,
                                              Station::DamageReport,   Station::Computer};
    for (Station other : Minimizable) {
      if (other == station || (other == Station::Computer && coreState.game.messagesToComputer)) continue;
      StationWindow* window = StationHandle(other);
      if (window && !Frame(window)->isMinimized()) Frame(window)->showMinimized();
    }
  }
  if (!shown) return;
  Frame(shown)->showNormal();
  Frame(shown)->raise();
  shown->setFocus();
}

QFont ArialFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}
