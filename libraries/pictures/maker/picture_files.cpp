#include "libraries/pictures/maker/picture_files.h"

#include <QHash>
#include <cstdint>
#include <limits>

namespace pictures {
namespace {

// Weighted distance between two colours: the eye forgives blue errors most and
// green errors least.
int ColourDistance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int NearestIndex(QRgb colour, const QList<QRgb>& palette) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < palette.size(); ++i) {
    const int d = ColourDistance(colour, palette[i]);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void AppendU16(QByteArray& out, std::uint16_t v) {
  out.append(char(v & 0xFF));
  out.append(char(v >> 8));
}

void AppendU32(QByteArray& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.append(char((v >> shift) & 0xFF));
}

void AppendPalette(QByteArray& out, const QList<QRgb>& table, int entries) {
  for (int i = 0; i < entries; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append('\0');
  }
}

int RowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

void AppendInfoHeader(QByteArray& out, int width, int height, int bits, int imageBytes, int colours) {
  AppendU32(out, 40);
  AppendU32(out, std::uint32_t(width));
  AppendU32(out, std::uint32_t(height));  // positive: rows run bottom-up
  AppendU16(out, 1);
  AppendU16(out, std::uint16_t(bits));
  AppendU32(out, 0);  // uncompressed
  AppendU32(out, std::uint32_t(imageBytes));
  AppendU32(out, 0);
  AppendU32(out, 0);
  AppendU32(out, std::uint32_t(colours));
  AppendU32(out, 0);
}

// Packs one row of palette indices, most significant bits first, padded to 4 bytes.
QByteArray PackRow(const QList<int>& indices, int bits) {
  QByteArray row(RowBytes(int(indices.size()), bits), '\0');
  const int perByte = 8 / bits;
  for (int x = 0; x < indices.size(); ++x) {
    const int shift = 8 - bits * (x % perByte + 1);
    row[x / perByte] = char(std::uint8_t(row[x / perByte]) | (indices[x] << shift));
  }
  return row;
}

}  // namespace

QImage ReduceToSixteenColours(const QImage& drawn, const QList<QRgb>& keyColours) {
  const QImage rgb = drawn.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> counts;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) ++counts[line[x] | 0xFF000000u];
  }

  QList<QRgb> palette;
  for (QRgb key : keyColours) {
    key |= 0xFF000000u;
    if (!palette.contains(key) && palette.size() < 16) palette.append(key);
  }
  while (palette.size() < 16) {
    QRgb best = 0;
    qint64 bestError = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
      const qint64 distance =
          palette.isEmpty() ? 1 : ColourDistance(it.key(), palette[NearestIndex(it.key(), palette)]);
      const qint64 error = distance * it.value();
      if (error > bestError) {
        bestError = error;
        best = it.key();
      }
    }
    if (bestError == 0) break;
    palette.append(best);
  }

  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  QHash<QRgb, int> nearest;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb colour = line[x] | 0xFF000000u;
      auto found = nearest.constFind(colour);
      if (found == nearest.cend()) found = nearest.insert(colour, NearestIndex(colour, palette));
      out[x] = uchar(*found);
    }
  }
  return indexed;
}

QByteArray EncodeBmp(const QImage& image, Depth depth) {
  const int bits = int(depth);
  const int width = image.width();
  const int height = image.height();
  const int colours = depth == Depth::TrueColour ? 0 : 1 << bits;
  const int imageBytes = RowBytes(width, bits) * height;
  const int pixelOffset = 14 + 40 + 4 * colours;

  QByteArray out;
  out.append("BM");
  AppendU32(out, std::uint32_t(pixelOffset + imageBytes));
  AppendU32(out, 0);
  AppendU32(out, std::uint32_t(pixelOffset));
  AppendInfoHeader(out, width, height, bits, imageBytes, colours);

  if (depth == Depth::TrueColour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = height - 1; y >= 0; --y) {
      QByteArray row(RowBytes(width, 24), '\0');
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (qsizetype x = 0; x < width; ++x) {
        row[3 * x] = char(qBlue(line[x]));
        row[3 * x + 1] = char(qGreen(line[x]));
        row[3 * x + 2] = char(qRed(line[x]));
      }
      out.append(row);
    }
    return out;
  }

  if (depth == Depth::Mono) {
    AppendPalette(out, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, colours);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = height - 1; y >= 0; --y) {
      QList<int> indices(width);
      for (int x = 0; x < width; ++x) indices[x] = qGray(rgb.pixel(x, y)) > 127 ? 1 : 0;
      out.append(PackRow(indices, bits));
    }
    return out;
  }

  Q_ASSERT(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16);
  AppendPalette(out, image.colorTable(), colours);
  for (int y = height - 1; y >= 0; --y) {
    QList<int> indices(width);
    for (int x = 0; x < width; ++x) indices[x] = image.pixelIndex(x, y);
    out.append(PackRow(indices, bits));
  }
  return out;
}

QByteArray EncodeIcon(const QImage& drawn, const QList<QRgb>& keyColours) {
  constexpr int Size = 32;
  Q_ASSERT(drawn.size() == QSize(Size, Size));
  const QImage argb = drawn.convertToFormat(QImage::Format_ARGB32);
  QImage opaque(Size, Size, QImage::Format_RGB32);
  QList<QList<bool>> transparent(Size, QList<bool>(Size, false));
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const QRgb p = argb.pixel(x, y);
      transparent[y][x] = qAlpha(p) < 128;
      opaque.setPixel(x, y, transparent[y][x] ? qRgb(0, 0, 0) : (p | 0xFF000000u));
    }
  }
  QList<QRgb> keys = keyColours;
  keys.prepend(qRgb(0, 0, 0));  // transparent pixels are black under the mask
  const QImage indexed = ReduceToSixteenColours(opaque, keys);

  const int colourBytes = RowBytes(Size, 4) * Size;
  const int maskBytes = RowBytes(Size, 1) * Size;
  const int imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;

  QByteArray out;
  AppendU16(out, 0);
  AppendU16(out, 1);  // an icon
  AppendU16(out, 1);  // one image
  out.append(char(Size));
  out.append(char(Size));
  out.append(char(16));
  out.append('\0');
  AppendU16(out, 1);
  AppendU16(out, 4);
  AppendU32(out, std::uint32_t(imageBytes));
  AppendU32(out, 6 + 16);

  // The image's header counts the colour rows and the mask rows together.
  AppendInfoHeader(out, Size, 2 * Size, 4, colourBytes + maskBytes, 16);
  AppendPalette(out, indexed.colorTable(), 16);
  for (int y = Size - 1; y >= 0; --y) {
    QList<int> indices(Size);
    for (int x = 0; x < Size; ++x) indices[x] = indexed.pixelIndex(x, y);
    out.append(PackRow(indices, 4));
  }
  for (int y = Size - 1; y >= 0; --y) {
    QList<int> mask(Size);
    for (int x = 0; x < Size; ++x) mask[x] = transparent[y][x] ? 1 : 0;
    out.append(PackRow(mask, 1));
  }
  return out;
}

}  // namespace pictures
