#include "sector/warp_starfield.h"

#include <cmath>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "sector/action_state.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"

namespace {
constexpr double FlightSpeed = 0.4;
constexpr std::uint32_t FrameMs = 60;
constexpr std::uint32_t StreakFrameMs = 40;
constexpr std::uint32_t DamagedScanFrameMs = 70;

// A point about to pass the viewer projects arbitrarily far out; such a point is not
// drawn, and its pixel offset is never converted to an integer.
constexpr double FarOutside = 32768.0;
// Where a point that was not drawn is remembered: off the surface, so erasing it is a no-op.
constexpr int OffSurface = -2;

int FrameCount(int warp) { return warp == 0 ? 90 : 45 * warp; }
}  // namespace

void ResetStarfieldPoint(StarfieldPoint& point) {
  point.x = (lcg::rand() % 201 - 100) / 10.0;
  point.y = (lcg::rand() % 201 - 100) / 10.0;
  point.depth = lcg::rand() % 15 + 10;
  point.lastX = 0;
  point.lastY = 0;
  point.colour = StarSilver;
}

void AdvanceStarfieldPoint(StarfieldPoint& p, double speed, bool erase, int width, int height,
                           std::vector<ScanPixel>& pixels) {
  const int halfWidth = width / 2, halfHeight = height / 2;
  const double offsetX = p.x / p.depth * halfWidth;
  const double offsetY = p.y / p.depth * halfHeight;
  const bool visible = std::fabs(offsetX) < FarOutside && std::fabs(offsetY) < FarOutside;
  const int px = visible ? static_cast<int>(offsetX) + halfWidth : OffSurface;
  const int py = visible ? static_cast<int>(offsetY) + halfHeight : OffSurface;

  if (p.depth < 3.0) {
    // Close points are two pixels wide.
    if (visible) pixels.push_back({px + 1, py, StarWhite});
    if (erase) pixels.push_back({p.lastX + 1, p.lastY, StarBlack});
  } else if (p.depth < 6.0) {
    p.colour = StarWhite;
  }
  if (erase) pixels.push_back({p.lastX, p.lastY, StarBlack});
  if (visible) pixels.push_back({px, py, p.colour});
  p.lastX = px;
  p.lastY = py;
  p.depth -= speed;
  if (erase && p.depth <= 0) ResetStarfieldPoint(p);
}

void WarpStarfield(int warp) {
  sectorState.starfieldActive = true;
  const int width = ScanClientWidth, height = ScanClientHeight;
  const int frames = FrameCount(warp);
  host().PlaySoundNow(Sounds::Engines, true);

  if (!coreState.game.Working(ShipSystem::SRS)) {
    host().WaitPumping(DamagedScanFrameMs * static_cast<std::uint32_t>(frames));
    host().StopSound();
    sectorState.starfieldActive = false;
    return;
  }

  std::array<StarfieldPoint, StarfieldPointCount> points;
  for (StarfieldPoint& p : points) ResetStarfieldPoint(p);
  host().ScanFillBlack(ScanClientRect);

  std::vector<ScanPixel> pixels;
  std::uint32_t frameStart = TickCount();
  for (int frame = 1; frame < frames; ++frame) {
    pixels.clear();
    for (StarfieldPoint& p : points) AdvanceStarfieldPoint(p, FlightSpeed, true, width, height, pixels);
    host().ScanSetPixels(pixels);
    host().ScanFrameDrawn({Animation::Warp, frame, FrameMs});
    // Each frame lasts at least 60 ms; the windows keep working meanwhile.
    const std::uint32_t elapsed = TickCount() - frameStart;
    if (elapsed < FrameMs)
      host().WaitPumping(FrameMs - elapsed);
    else
      host().PumpPendingMessages();
    frameStart = TickCount();
  }

  host().ScanAnimationEnded(Animation::Warp);

  if (warp == 0) {
    // The ricochet's stars streak out of view.
    bool anyAhead;
    int streakFrame = 0;
    do {
      anyAhead = false;
      pixels.clear();
      for (StarfieldPoint& p : points) {
        if (p.depth <= 0) continue;
        anyAhead = true;
        AdvanceStarfieldPoint(p, FlightSpeed, false, width, height, pixels);
      }
      if (!pixels.empty()) {
        host().ScanSetPixels(pixels);
        host().ScanFrameDrawn({Animation::Streak, streakFrame++, StreakFrameMs});
      }
      host().WaitPumping(StreakFrameMs);
    } while (anyAhead);
    host().ScanAnimationEnded(Animation::Streak);
  }

  sectorState.starfieldActive = false;
  host().StopSound();
}
