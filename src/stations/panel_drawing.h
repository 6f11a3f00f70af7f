#pragma once
// Drawing helpers of the control stations' panels: digit read-outs from the glyph strips,
// whole-picture blits, the course needle, and showing one station at a time.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>

#include "core/host.h"

inline constexpr int GlyphWidth = 13, GlyphHeight = 18;

// The panels' plain text face: Arial (Liberation Sans stands in for it), regular, drawn
// without smoothing like the rest of the bridge.
QFont ArialFont(int pixelSize);

// Draws `text` in glyphs of `strip` with its top-left corner at (x, y). A "." is ORed into
// the previous character's cell instead of taking a cell of its own.
void DrawDigits(QImage& surface, const std::string& text, int x, int y, const QImage& strip);

// `value` right-aligned in three characters; three blanks when negative or too wide.
std::string FormatThreeDigits(int value);

// Copies the whole picture to (x, y) with the given raster operation; false when there is
// no picture to copy.
bool BlitPicture(QImage& surface, int x, int y, const QImage& picture,
                 QPainter::CompositionMode operation = QPainter::CompositionMode_Source);

// A copy of a picture that can be changed without touching the original.
QImage CopyPicture(const QImage& picture);

inline constexpr int NeedleLength = 50;

// Erases the needle of `oldCourse` in black and draws the one of `newCourse` in the grid
// pen's green, from the dial centre (cx, cy); a negative course draws no line.
void DrawCourseNeedle(QImage& surface, int cx, int cy, int oldCourse, int newCourse);

// True once the left mouse button has been held `ms` milliseconds longer; false as soon as
// it is released (or if it was not down). Other windows keep working meanwhile.
bool MouseHeldFor(std::uint32_t ms);

// Shows a station in its normal state on top. With the single-control-window option the
// other control and scan stations are minimized first (the Computer stays up while it
// carries the ship's messages).
void ShowStation(Station station);
