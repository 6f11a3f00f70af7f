#pragma once
// Every picture the game's bundle holds, grouped by the part of the bridge that
// shows it. Each function draws its pictures afresh.

#include <QString>

#include "libraries/pictures/maker/art_kit.h"

namespace pictures {

PictureList DigitStrips();                                // 4, 32
PictureList ControlPanels();                              // 29-31, 33-35, 37, 49-54, 38
PictureList CourseDial();                                 // 28
PictureList StatusPictures();                             // 1, 6
PictureList DamageReport();                               // 36
PictureList StarshipPortraits();                          // 5, 7
PictureList Letterheads();                                // 8, 57
PictureList ControlButtons(const QString& spriteFolder);  // 10-17
PictureList SectorSprites(const QString& spriteFolder);   // 18-27, 58
PictureList BattleStrips(const QString& spriteFolder);    // 39-46, 48, 55, 56

// The station icons 2-12, each a 32 x 32 drawing with transparency.
struct IconDrawing {
  int id;
  QImage image;
};
std::vector<IconDrawing> StationIcons(const QString& spriteFolder);

}  // namespace pictures
