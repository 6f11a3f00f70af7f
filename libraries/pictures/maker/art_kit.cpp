#include "libraries/pictures/maker/art_kit.h"

namespace pictures {

QImage Canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void PreparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Picture SixteenColourPicture(int id, const QImage& drawn, const QList<QColor>& keyColours) {
  QList<QRgb> keys;
  for (const QColor& c : keyColours) keys.append(c.rgb());
  return {id, Depth::Sixteen, ReduceToSixteenColours(drawn, keys)};
}

Picture TrueColourPicture(int id, const QImage& drawn) {
  return {id, Depth::TrueColour, drawn.convertToFormat(QImage::Format_RGB32)};
}

QFont LetteringFamily(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont Lettering(int pixelSize, bool bold) { return LetteringFamily("Liberation Sans", pixelSize, bold); }

void Letter(QPainter& painter, const QRect& box, const QString& text, const QFont& font, const QColor& colour,
            int flags, const QColor& shadow) {
  painter.save();
  painter.setFont(font);
  if (shadow.isValid()) {
    painter.setPen(shadow);
    painter.drawText(box.translated(1, 1), flags, text);
  }
  painter.setPen(colour);
  painter.drawText(box, flags, text);
  painter.restore();
}

void PanelField(QPainter& painter, const QRect& outline) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(outline, bridge::PanelRed);
  painter.setPen(bridge::FrameRed);
  painter.drawRect(outline.adjusted(0, 0, -1, -1));
  // A bevel one pixel in: lit from the top left.
  const QRect inner = outline.adjusted(1, 1, -2, -2);
  painter.setPen(bridge::ShadowRed);
  painter.drawLine(inner.bottomLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomRight());
  painter.setPen(bridge::Black);
  painter.drawLine(inner.topLeft(), inner.topRight());
  painter.drawLine(inner.topLeft(), inner.bottomLeft());
  painter.restore();
}

void ReadoutWell(QPainter& painter, const QRect& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRect edge = box.adjusted(-1, -1, 1, 1);
  painter.setPen(bridge::ShadowRed);
  painter.drawLine(edge.topLeft(), edge.topRight());
  painter.drawLine(edge.topLeft(), edge.bottomLeft());
  painter.setPen(bridge::HighlightRed);
  painter.drawLine(edge.bottomLeft(), edge.bottomRight());
  painter.drawLine(edge.topRight(), edge.bottomRight());
  painter.fillRect(box, bridge::Black);
  painter.restore();
}

void PushBox(QPainter& painter, const QRect& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(box, bridge::FrameRed);
  painter.setPen(bridge::HighlightRed);
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(bridge::ShadowRed);
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
  painter.restore();
}

}  // namespace pictures
