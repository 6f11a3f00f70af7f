#include "stations/status_station.h"

#include <QPainter>

#include "core/core_state.h"
#include "core/format_text.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"

namespace {
constexpr int StatusPanelPicture = 6, ConditionLightsPicture = 1;
constexpr int ReadoutX = 110;
constexpr int StardateY = 15, QuadrantY = 42, SectorY = 69, DilithiumY = 96, ShieldsY = 123, PhotonY = 150,
              AliensY = 204;
constexpr QPoint LightAt{121, 173};
constexpr QSize LightSize{40, 25};

QImage Drawable(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }
}  // namespace

int ConditionLightTop(GamePhase phase) {
  switch (phase) {
    case GamePhase::Green: return 0;
    case GamePhase::Docked: return 25;
    case GamePhase::RedAlert: return 50;
    case GamePhase::RedAlertAlt: return 75;
    case GamePhase::Yellow: return 100;
    case GamePhase::YellowAlt: return 125;
    case GamePhase::NoGame:
    case GamePhase::GameOver: break;
  }
  return -1;
}

void DrawConditionLight(QImage& surface, const QImage& lights) {
  const int top = ConditionLightTop(coreState.game.gamePhase);
  if (top < 0 || lights.isNull()) return;
  QPainter(&surface).drawImage(LightAt, lights, QRect(QPoint(0, top), LightSize));
}

StatusStation::StatusStation(QWidget* parent)
    : StationWindow(Station::Status, QColor(), parent),
      background_(Drawable(resources::Picture(StatusPanelPicture))),
      lights_(Drawable(resources::Picture(ConditionLightsPicture))) {
  setWindowTitle(QStringLiteral("Status"));
  setFixedSize(StatusClientWidth, StatusClientHeight);
}

QSize StatusStation::sizeHint() const { return {StatusClientWidth, StatusClientHeight}; }

void StatusStation::Paint(QPainter& painter) {
  QImage panel = background_.isNull() ? QImage(sizeHint(), QImage::Format_RGB32) : CopyPicture(background_);
  if (background_.isNull()) panel.fill(Qt::black);
  if (coreState.game.Working(ShipSystem::StatusPanel)) {
    const auto readout = [&panel](int y, const std::string& text) {
      DrawDigits(panel, text, ReadoutX, y, stationState.digitStrip);
    };
    readout(StardateY, FormatText("%5.1f", coreState.game.stardateNow));
    readout(QuadrantY, FormatText("  %d-%d", QuadrantColumn(coreState.game.shipQuadrant) + 1,
                                  QuadrantRow(coreState.game.shipQuadrant) + 1));
    readout(SectorY, FormatText("  %d-%d", coreState.game.shipSectorX + 1, coreState.game.shipSectorY + 1));
    readout(DilithiumY, FormatText("%5d", coreState.game.shipEnergy));
    readout(ShieldsY, FormatText("%5d", coreState.game.shieldEnergy));
    readout(PhotonY, FormatText("%5d", coreState.game.torpedoCount));
    readout(AliensY, FormatText("%5d", coreState.game.aliensRemaining));
    DrawConditionLight(panel, lights_);
  } else {
    // Five dark glyph cells in every box, and the light box left black.
    for (int y : {StardateY, QuadrantY, SectorY, DilithiumY, ShieldsY, PhotonY, AliensY})
      DrawDigits(panel, "     ", ReadoutX, y, stationState.digitStrip);
  }
  painter.drawImage(0, 0, panel);
}
