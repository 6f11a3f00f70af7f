#pragma once
// The shared look of the game's pictures: the bridge colours, the lettering and
// the panel pieces every station picture is built from.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

#include "libraries/pictures/maker/picture_files.h"

namespace pictures {

// One finished picture of the bundle: Indexed8 (16 colours) for Depth::Sixteen,
// RGB32 otherwise.
struct Picture {
  int id;
  Depth depth;
  QImage image;
};
using PictureList = std::vector<Picture>;

namespace bridge {
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor PanelRed(128, 0, 0);  // the field of every control panel
inline const QColor FrameRed(255, 0, 0);  // its frame
inline const QColor ShadowRed(72, 0, 0);  // the shaded side of a bevel
inline const QColor HighlightRed(255, 112, 112);
inline const QColor Yellow(255, 255, 0);
inline const QColor LightGrey(192, 192, 192);
inline const QColor Grey(128, 128, 128);
inline const QColor DarkGrey(64, 64, 64);
inline const QColor Green(0, 255, 0);
inline const QColor NoShadow;  // for Letter(): lettering without a drop shadow
}  // namespace bridge

// A blank drawing surface of the given size and colour.
QImage Canvas(int width, int height, const QColor& fill = bridge::Black);

// Sets up a painter for crisp pictures: antialiased text and shapes, no smoothing
// of copied pixels.
void PreparePainter(QPainter& painter);

Picture SixteenColourPicture(int id, const QImage& drawn, const QList<QColor>& keyColours);
Picture TrueColourPicture(int id, const QImage& drawn);

// The bridge lettering: Liberation Sans, bold, the given pixel height.
QFont Lettering(int pixelSize, bool bold = true);
QFont LetteringFamily(const QString& family, int pixelSize, bool bold);

// Writes text centred (or aligned by flags) in a rectangle, with a faint drop
// shadow so white capitals stand off the red field.
void Letter(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
            const QColor& colour = bridge::White, int flags = Qt::AlignCenter,
            const QColor& shadow = bridge::ShadowRed);

// A control panel: dark red field, bright red frame and a one-pixel bevel inside.
void PanelField(QPainter& painter, const QRect& outline);

// A black read-out well with a sunken edge just outside the given box.
void ReadoutWell(QPainter& painter, const QRect& box);

// A raised push box (the up/down, plus/minus and arrow boxes) of exactly `box`.
void PushBox(QPainter& painter, const QRect& box);

}  // namespace pictures
