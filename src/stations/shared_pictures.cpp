#include "stations/shared_pictures.h"

#include "stations/resource_library.h"

QImage compassPicture;
QImage executeButtonPicture;
QImage courseDigitStrip;
QImage digitStrip;
QImage transferArrowsPicture;
QImage dilithiumPanelPicture;
QImage shipPicture;
QPen gridPen;

void LoadSharedPictures() {
  compassPicture = resources::Picture(28);
  executeButtonPicture = resources::Picture(31);
  courseDigitStrip = resources::Picture(32);
  digitStrip = resources::Picture(4);
  transferArrowsPicture = resources::Picture(33);
  dilithiumPanelPicture = resources::Picture(34);
  gridPen = QPen(QColor(0, 255, 0), 1, Qt::SolidLine);
  shipPicture = resources::Picture(7);
}

void FreeSharedPictures() {
  for (QImage* picture : {&compassPicture, &executeButtonPicture, &courseDigitStrip, &digitStrip,
                          &transferArrowsPicture, &dilithiumPanelPicture, &shipPicture})
    *picture = QImage();
  gridPen = QPen();
}
