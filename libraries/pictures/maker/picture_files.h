#pragma once
// Writes pictures in the classic Windows file layouts the game's bundle holds:
// bottom-up uncompressed BMPs of 1, 4 or 24 bits per pixel and 16-colour icons.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace pictures {

enum class Depth { Mono = 1, Sixteen = 4, TrueColour = 24 };

// Reduces a drawn picture to at most 16 colours. The key colours always survive
// exactly; the remaining entries go to the tones (antialiased edges, shading)
// that lower the error most, and every pixel maps to its nearest entry.
QImage ReduceToSixteenColours(const QImage& drawn, const QList<QRgb>& keyColours);

// A complete BMP file. Sixteen takes an Indexed8 image of at most 16 colours
// (see ReduceToSixteenColours); Mono lights every pixel brighter than mid grey;
// TrueColour drops any alpha.
QByteArray EncodeBmp(const QImage& image, Depth depth);

// A complete ICO file with one 32 x 32, 16-colour image. Pixels with alpha
// below one half are transparent; the others are reduced to 16 colours.
QByteArray EncodeIcon(const QImage& drawn, const QList<QRgb>& keyColours);

}  // namespace pictures
