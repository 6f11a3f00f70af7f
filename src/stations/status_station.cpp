#include "stations/status_station.h"

#include <QPainter>

#include "core/core_state.h"
#include "core/format_text.h"
#include "core/message_catalogue.h"
#include "core/message_ids.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"

namespace {
constexpr int StatusPanelPicture = 6, ConditionLightsPicture = 1;
constexpr int ReadoutX = 110;
constexpr int ReadoutWidth = 5 * GlyphWidth;
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

std::vector<StatusFigure> StatusFigures() {
  const GameState& game = coreState.game;
  return {
      {Msg::StardateLabel, StardateY, FormatText("%5.1f", game.stardateNow)},
      {Msg::QuadrantLabel, QuadrantY,
       FormatText("  %d-%d", QuadrantColumn(game.shipQuadrant) + 1, QuadrantRow(game.shipQuadrant) + 1)},
      {Msg::SectorLabel, SectorY, FormatText("  %d-%d", game.shipSectorX + 1, game.shipSectorY + 1)},
      {Msg::DilithiumLabel, DilithiumY, FormatText("%5d", game.shipEnergy)},
      {Msg::ShieldsLabel, ShieldsY, FormatText("%5d", game.shieldEnergy)},
      {Msg::PhotonLabel, PhotonY, FormatText("%5d", game.torpedoCount)},
      {Msg::AliensLabel, AliensY, FormatText("%5d", game.aliensRemaining)},
  };
}

MessageId ConditionNameOf(GamePhase phase) {
  switch (phase) {
    case GamePhase::Green: return Msg::ConditionGreenName;
    case GamePhase::Docked: return Msg::ConditionDockedName;
    case GamePhase::RedAlert:
    case GamePhase::RedAlertAlt: return Msg::ConditionRedName;
    case GamePhase::Yellow:
    case GamePhase::YellowAlt: return Msg::ConditionYellowName;
    case GamePhase::NoGame:
    case GamePhase::GameOver: break;
  }
  return 0;
}

void StatusStation::Paint(QPainter& painter) {
  QImage panel = background_.isNull() ? QImage(sizeHint(), QImage::Format_RGB32) : CopyPicture(background_);
  if (background_.isNull()) panel.fill(Qt::black);
  const bool working = coreState.game.Working(ShipSystem::StatusPanel);
  // Out of order, five dark glyph cells in every box, and the light box left black.
  for (const StatusFigure& figure : StatusFigures())
    DrawDigits(panel, working ? figure.text : "     ", ReadoutX, figure.y, stationState.digitStrip);
  if (working) DrawConditionLight(panel, lights_);
  painter.drawImage(0, 0, panel);
}

std::vector<StationWindow::ReadOut> StatusStation::ReadOuts() const {
  const bool working = coreState.game.Working(ShipSystem::StatusPanel);
  std::vector<ReadOut> readOuts;
  for (const StatusFigure& figure : StatusFigures())
    readOuts.push_back({Labelled(figure.label, working ? figure.text : std::string()),
                        QRect(ReadoutX, figure.y, ReadoutWidth, GlyphHeight)});
  const MessageId condition = working ? ConditionNameOf(coreState.game.gamePhase) : 0;
  readOuts.push_back(
      {Labelled(Msg::ConditionLabel, condition ? MessageText(condition) : ""), QRect(LightAt, LightSize)});
  return readOuts;
}
