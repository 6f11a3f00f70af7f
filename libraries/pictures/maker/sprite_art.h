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

// Stacks frames of one size into a vertical strip, frame 0 on top.
QImage StackFrames(const QList<QImage>& frames);

}  // namespace pictures
