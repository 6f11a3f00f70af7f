#pragma once
// The frame trace (kestrav --trace FILE): one line for every frame of the actions'
// animations that the Short Range Scan puts on the window, so that their pacing can be
// measured (bench/frame-pacing reads it). Plain text, one record a line:
//
//   TIME ANIMATION FRAME PERIOD    a frame was shown
//   TIME ANIMATION end             the animation is over
//
// TIME is in milliseconds with three decimals, on the monotonic clock the game's TickCount()
// counts, read to the microsecond: a 1 ms tick is too coarse to tell a 60 ms frame from a
// 61 ms one. On a window test's virtual clock it is that clock's tick count. A frame's time is
// taken when the scan's paint has put it on the window, not when the rules drew it.
// ANIMATION is warp, streak, torpedo, phaser, alien-beam, hit or explosion. FRAME is the
// frame's index within its animation (a frame drawn over before it was shown leaves a gap),
// PERIOD the time in milliseconds the animation means each frame to stand.
//
// Lines are kept in a buffer and written out when an animation ends and when the trace
// closes, so that tracing never holds a frame up.

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/host.h"

class FrameTrace {
 public:
  // The trace written to `path`, or null with `problem` saying why it cannot be.
  static std::unique_ptr<FrameTrace> Open(const std::string& path, std::string& problem);
  ~FrameTrace();
  FrameTrace(const FrameTrace&) = delete;
  FrameTrace& operator=(const FrameTrace&) = delete;

  // The rules have drawn `frame`; it is traced when it is shown.
  void Drawn(const AnimationFrame& frame);
  // The scan's paint has put its surface on the window at `timeMs`.
  void Shown(double timeMs);
  void Ended(Animation animation, double timeMs);

 private:
  explicit FrameTrace(std::FILE* file);

  std::FILE* file_;
  std::optional<AnimationFrame> waiting_;       // drawn, not yet shown
  std::array<bool, AnimationCount> running_{};  // by animation: a frame of it traced, its end not yet
};
