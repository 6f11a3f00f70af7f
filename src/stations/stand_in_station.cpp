#include "stand_in_station.h"

#include <QPainter>

StandInStation::StandInStation(Station station, QWidget* parent)
    : StationWindow(station, Qt::black, parent) {}

void StandInStation::Paint(QPainter& painter) { painter.fillRect(rect(), Qt::black); }
