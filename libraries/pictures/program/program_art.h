#pragma once
// The pictures the game program carries inside itself: the Controls window's
// button frames and the program's own icon.

#include <QImage>

namespace pictures {

// A 60 x 36 push-button frame in light grey: raised when up, sunken when pressed.
QImage ButtonFrame(bool pressed);

// The program's icon, 32 x 32 with transparency: the starship (its 34 x 25
// sector sprite) over a red giant, in a red ring.
QImage ProgramIcon(const QImage& shipSprite);

}  // namespace pictures
