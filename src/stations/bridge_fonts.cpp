#include "stations/bridge_fonts.h"

QFont BridgeFont(BridgeFace face, int pixelSize, QFont::Weight weight) {
  QFont font;
  if (face == BridgeFace::TimesNewRoman) {
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}
