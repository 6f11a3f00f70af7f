#include "shell/bridge_background.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/message_catalogue.h"
#include "core/random.h"
#include "stations/bridge_fonts.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"

namespace {
constexpr int LogoWidth = 188;
constexpr int LogoHeight = 64;

QColor StarColour(int x) {
  switch (x & 3) {
    case 1: return QColor(255, 255, 255);
    case 2: return QColor(192, 192, 192);
    default: return QColor(128, 128, 128);
  }
}

// A rectangle of `size` centred on `outer` (half sizes rounded down).
QRect Centred(QSize size, const QRect& outer) {
  const QPoint centre((outer.left() + outer.right() + 1) / 2, (outer.top() + outer.bottom() + 1) / 2);
  const int halfWidth = size.width() >> 1;
  const int halfHeight = size.height() >> 1;
  return QRect(QPoint(centre.x() - halfWidth, centre.y() - halfHeight),
               QPoint(centre.x() + halfWidth - 1, centre.y() + halfHeight - 1));
}
}  // namespace

BridgeBackground::BridgeBackground(QWidget* parent) : QMdiArea(parent) {
  setBackground(Qt::black);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void BridgeBackground::BuildStarField(int width, int height) {
  const int count = (width / 16) * (height / 16);
  starX_.resize(static_cast<std::size_t>(count));
  starY_.resize(static_cast<std::size_t>(count));
  for (int& x : starX_) x = lcg::rand() % width;
  for (int& y : starY_) y = lcg::rand() % height;
}

void BridgeBackground::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);
  QPainter painter(viewport());
  PaintStars(painter, event->rect());
  if (coreState.game.gamePhase == GamePhase::NoGame) PaintLogoAndHint(painter, event->rect());
}

void BridgeBackground::PaintStars(QPainter& painter, const QRect& area) const {
  for (std::size_t i = 0; i < starX_.size(); ++i) {
    const QPoint star(starX_[i], starY_[i]);
    if (!area.contains(star)) continue;
    // One whole pixel of the bridge: on a denser screen a star grows with everything else.
    painter.fillRect(QRect(star, QSize(1, 1)), StarColour(starX_[i]));
  }
}

void BridgeBackground::PaintLogoAndHint(QPainter& painter, const QRect& area) const {
  const QRect logo = Centred(QSize(LogoWidth, LogoHeight), viewport()->rect());

  // The desktop's plain proportional font of the era: 8 points, 11 pixels of character height.
  painter.setFont(BridgeFont(BridgeFace::Arial, 11, QFont::Normal));
  painter.setPen(QColor(255, 0, 0));
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const QString hint = QString::fromLatin1(MessageText(Msg::IdleHint));
  const QRect hintRect = painter.boundingRect(QRect(logo.left(), logo.bottom() + 1, logo.width(), 10), flags, hint);
  if (hintRect.intersects(area)) painter.drawText(hintRect, flags, hint);

  if (logo.intersects(area) && !stationState.shipPicture.isNull()) {
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(logo.topLeft(), stationState.shipPicture.convertToFormat(QImage::Format_RGB32));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
}
