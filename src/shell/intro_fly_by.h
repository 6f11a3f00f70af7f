#pragma once
// The start-up fly-by: the starship crosses the screen from right to left, a third of the way
// down, drawn by exclusive-or over whatever is there, and leaves the screen as it found it.
// Where the desktop can be drawn over (X11) it flies across the desktop before the frame
// appears; elsewhere (Wayland, the offscreen platform) it flies across the frame's own area
// once the frame is up. The player's first key or click ends it at once.

#include <QImage>
#include <QRect>

class QWidget;

// One flight over `screen`, step by step. Each step puts back what the sprite covered, moves
// it 3 pixels left, keeps what it is about to cover and draws it by exclusive-or.
class FlyByFlight {
 public:
  FlyByFlight(QImage& screen, const QImage& sprite);

  // One step; false once the sprite has left the screen on the left (and nothing was drawn).
  bool Step();
  QPoint SpriteAt() const { return at_; }
  // The part of the screen the last step changed.
  QRect Changed() const { return changed_; }

 private:
  QImage& screen_;
  QImage sprite_;
  QImage saved_;
  QPoint at_;
  QRect changed_;
};

inline constexpr int FlyByStepPixels = 3;
inline constexpr int FlyByStepMs = 5;

// Flies across the desktop and returns true, or returns false at once when this desktop
// cannot be drawn over.
bool PlayIntroFlyBy();
// Flies across `frame`'s own area, which is on the screen.
void PlayIntroFlyByOver(QWidget& frame);
