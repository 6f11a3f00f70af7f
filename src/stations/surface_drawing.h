#pragma once
// Pixel-exact drawing on a station's backing image, as the game's panels draw: lines one
// pixel wide with their end point left out, exclusive-or lines that erase themselves when
// drawn twice, and inverted rectangles for pressed buttons.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

class QPainter;

// A rectangle given by its left, top, right and bottom edges, right and bottom exclusive.
constexpr QRect EdgeRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour);
void XorLine(QImage& image, QPoint from, QPoint to, QRgb colour);
void InvertRect(QImage& image, const QRect& rect);

// Exclusive-or draws the dotted outline of the ellipse inscribed in `bounds` (three pixels
// on, three off, once round); drawn twice in the same colour it is gone again.
void XorDottedEllipse(QImage& image, const QRect& bounds, QRgb colour);

// The ring that shows which control has the keyboard: two pixels clear of the control.
constexpr QRect FocusRingRect(const QRect& control) { return control.adjusted(-2, -2, 2, 2); }
// Draws `ring`'s outline one pixel on, one off, in whole pixels of the panel's `colour`.
void DrawFocusRing(QPainter& painter, const QRect& ring, QColor colour);
