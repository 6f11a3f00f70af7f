#include "sector/scan_effects.h"

#include <algorithm>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/ship_messages.h"
#include "sector/scan_geometry.h"

namespace {
constexpr std::uint32_t BeamFlashMs = 100;    // red then magenta, or blue then cyan: 60 + 40 ms
constexpr std::uint32_t BeamFirstPenMs = 60;  // how long the first colour shows

constexpr int HitFrameCount = 8;
constexpr std::uint32_t HitFrameMs = 120;
constexpr std::uint32_t BlindExplosionMs = 1000;
constexpr std::uint32_t BeamMsPerUnit = 10;

struct HitPictures {
  std::uint8_t kind;
  int hitStrip;
  int destroyedStrip;
  int putBack;  // shown again when the object survives
};

constexpr HitPictures HitTable[] = {
    {Cell::ShipLeft, 55, 55, 18},
    {Cell::ShipRight, 56, 56, 19},
    {Cell::Starbase, 48, 48, 27},
    {static_cast<std::uint8_t>(AlienKind::Klingon), 39, 40, 20},
    {static_cast<std::uint8_t>(AlienKind::Romulan), 41, 42, 21},
    {static_cast<std::uint8_t>(AlienKind::Farengi), 43, 44, 23},
    {static_cast<std::uint8_t>(AlienKind::Borg), 45, 46, 22},
};

const HitPictures* FindHitPictures(std::uint8_t kind) {
  for (const HitPictures& h : HitTable)
    if (h.kind == kind) return &h;
  return nullptr;
}

bool ScanWorks() { return coreState.game.Working(ShipSystem::SRS); }

// Waits with the windows working until `ms` after `start`: the drawing, the windows' work and
// an oversleep since then count against the wait, so a flash lasts its time and no more.
void WaitUntil(std::uint32_t start, std::uint32_t ms) {
  const std::uint32_t elapsed = TickCount() - start;
  if (elapsed < ms)
    host().WaitPumping(ms - elapsed);
  else
    host().PumpPendingMessages();
}
}  // namespace

void PlayHitAnimation(int x, int y, bool destroyed) {
  const HitPictures* pictures = FindHitPictures(Cell::Object(coreState.game.ShipQuadrantRecord().cells[y][x]));
  if (!pictures) {
    PostShipMessage(Msg::InternalError, "srs", 1062);
    return;
  }
  const int strip = destroyed ? pictures->destroyedStrip : pictures->hitStrip;
  if (destroyed) {
    host().PlaySoundNow(Sounds::Explosion, false);
    if (!ScanWorks()) host().WaitPumping(BlindExplosionMs);
  }
  const Animation animation = destroyed ? Animation::Explosion : Animation::Hit;
  for (int frame = 0; frame < HitFrameCount; ++frame) {
    if (ScanWorks()) {
      host().ScanBlitFrame(PicturePosition(x, y), strip, frame);
      host().ScanFrameDrawn({animation, frame, HitFrameMs});
    }
    host().WaitPumping(HitFrameMs);
  }
  host().ScanAnimationEnded(animation);
  if (destroyed && ScanWorks())
    host().ScanFillBlack(SectorRect(x, y));
  else if (ScanWorks())
    host().ScanBlitFrame(PicturePosition(x, y), pictures->putBack, 0);
}

std::uint32_t BeamDuration(int units) {
  return BeamMsPerUnit * static_cast<std::uint32_t>(std::clamp(units, 0, FullEnergy));
}

void DrawBeam(ScanPoint from, ScanPoint to, std::uint32_t durationMs, bool byAlien) {
  const Rgb* colours = byAlien ? AlienBeamColours : ShipBeamColours;
  host().PlaySoundNow(byAlien ? Sounds::AlienBeam : Sounds::PhaserBeam, true);

  // One flash for every 100 ms of the beam, counted rather than timed: a busy machine that
  // oversleeps its waits shows as many flashes as an idle one, and a journal's waits fall in the
  // same flashes when it is replayed.
  const std::uint32_t flashes = (durationMs + BeamFlashMs - 1) / BeamFlashMs;
  const Animation animation = byAlien ? Animation::AlienBeam : Animation::PhaserBeam;
  std::uint32_t flashStart = TickCount();
  for (std::uint32_t flash = 0; flash < flashes; ++flash) {
    if (ScanWorks()) {
      host().ScanXorLine(from, to, colours[0]);
      host().ScanFrameDrawn({animation, static_cast<int>(flash), BeamFlashMs});
      WaitUntil(flashStart, BeamFirstPenMs);
      host().ScanXorLine(from, to, colours[0]);
      host().ScanXorLine(from, to, colours[1]);
      WaitUntil(flashStart, BeamFlashMs);
      host().ScanXorLine(from, to, colours[1]);
      host().PumpPendingMessages();
    } else {
      WaitUntil(flashStart, BeamFlashMs);
    }
    // The next flash is due when this one's time is up; after a stall of more than a flash
    // it starts afresh rather than hurrying to catch up.
    flashStart += BeamFlashMs;
    if (TickCount() - flashStart > BeamFlashMs) flashStart = TickCount();
  }

  host().ScanAnimationEnded(animation);

  if (byAlien)
    host().PlaySoundNow(Sounds::AlienHit, false);
  else
    host().StopSound();
}
