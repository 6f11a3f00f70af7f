#pragma once
// The sector sprites drawn as pixel art (XPM files in the sprites folder) and the
// frames made from them.

#include <QImage>
#include <QString>

namespace pictures {

constexpr int SpriteWidth = 34;
constexpr int SpriteHeight = 25;

// One 34 x 25 sprite from `<folder>/<name>.xpm`, on black. An unreadable file
// stops the build: every sprite must exist.
QImage LoadSprite(const QString& folder, const QString& name);

// The starbase with its ring lights chasing round and the mast beacons blinking:
// frame 0..3.
QImage StarbaseFrame(const QString& folder, int frame);

// A sector picture or frame with its left column and top row black. The scan draws pictures
// one pixel up and left of the rectangle an action fills black to erase a sector, so only
// what lies inside that rectangle may be lit, or an erased sector keeps a fragment.
QImage InsideErasedSector(QImage frame);

// Stacks sector frames of one size into a vertical strip, frame 0 on top, each kept inside
// the erased sector.
QImage StackFrames(const QList<QImage>& frames);

}  // namespace pictures
