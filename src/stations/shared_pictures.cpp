#include "stations/shared_pictures.h"

#include "stations/resource_library.h"
#include "stations/station_state.h"

void LoadSharedPictures() {
  stationState.compassPicture = resources::Picture(28);
  stationState.executeButtonPicture = resources::Picture(31);
  stationState.courseDigitStrip = resources::Picture(32);
  stationState.digitStrip = resources::Picture(4);
  stationState.transferArrowsPicture = resources::Picture(33);
  stationState.dilithiumPanelPicture = resources::Picture(34);
  stationState.gridPen = QPen(QColor(0, 255, 0), 1, Qt::SolidLine);
  stationState.shipPicture = resources::Picture(7);
}

void FreeSharedPictures() {
  for (QImage* picture : {&stationState.compassPicture, &stationState.executeButtonPicture,
                          &stationState.courseDigitStrip, &stationState.digitStrip, &stationState.transferArrowsPicture,
                          &stationState.dilithiumPanelPicture, &stationState.shipPicture})
    *picture = QImage();
  stationState.gridPen = QPen();
}
