#pragma once
// The pictures the game program carries inside itself: the Controls window's
// button frames and the program's own icon.

#include <QImage>

namespace pictures {

// A 60 x 36 push-button frame in light grey: raised when up, sunken when pressed.
QImage ButtonFrame(bool pressed);

// The program's icon, `size` pixels square (32 in the program) with transparency: the
// starship (its 34 x 25 sector sprite) over a red giant, in a red ring.
QImage ProgramIcon(const QImage& shipSprite, int size = 32);

// The sizes of the icon a desktop installation carries.
inline constexpr int DesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace pictures
