// The Status station: its read-out panel and the six condition lamps.

#include "libraries/pictures/maker/catalogue.h"

namespace pictures {
namespace {

const QColor Gunmetal(72, 76, 84);
const QColor GunmetalLight(136, 140, 148);
const QColor GunmetalDark(32, 34, 38);

// Each label with the black well behind it. The station draws five glyphs at
// (110, top of the row) inside each well, and the condition lamp exactly over its
// well at (121, 173).
struct StatusRow {
  const char* label;
  QRect well;
};
const StatusRow Rows[] = {
    {"STARDATE", QRect(108, 13, 69, 22)},   {"QUADRANT", QRect(108, 40, 69, 22)}, {"SECTOR", QRect(108, 67, 69, 22)},
    {"DILITHIUM", QRect(108, 94, 69, 22)},  {"SHIELDS", QRect(108, 121, 69, 22)}, {"PHOTON", QRect(108, 148, 69, 22)},
    {"CONDITION", QRect(121, 173, 40, 25)}, {"ALIENS", QRect(108, 202, 69, 22)},
};

Picture StatusPanel() {
  QImage image = Canvas(189, 236, Gunmetal);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setRenderHint(QPainter::Antialiasing, false);

  // Brushed plate: a few faint horizontal grain lines.
  for (int y = 3; y < 233; y += 4) {
    painter.setPen(QColor(78, 82, 90));
    painter.drawLine(2, y, 186, y);
  }
  painter.setPen(bridge::FrameRed);
  painter.drawRect(0, 0, 188, 235);
  painter.setPen(GunmetalLight);
  painter.drawLine(1, 1, 187, 1);
  painter.drawLine(1, 1, 1, 234);
  painter.setPen(GunmetalDark);
  painter.drawLine(1, 234, 187, 234);
  painter.drawLine(187, 1, 187, 234);

  const QFont font = Lettering(12);
  for (const StatusRow& row : Rows) {
    const QRect& box = row.well;
    // A sunken well: dark above and left, light below and right.
    painter.setPen(GunmetalDark);
    painter.drawLine(box.left() - 1, box.top() - 1, box.right() + 1, box.top() - 1);
    painter.drawLine(box.left() - 1, box.top() - 1, box.left() - 1, box.bottom() + 1);
    painter.setPen(GunmetalLight);
    painter.drawLine(box.left() - 1, box.bottom() + 1, box.right() + 1, box.bottom() + 1);
    painter.drawLine(box.right() + 1, box.top() - 1, box.right() + 1, box.bottom() + 1);
    painter.fillRect(box, bridge::Black);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRect labelBox(10, box.top(), 96, box.height());
    Letter(painter, labelBox, QString::fromLatin1(row.label), font, bridge::White, Qt::AlignLeft | Qt::AlignVCenter,
           GunmetalDark);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  painter.end();
  return SixteenColourPicture(6, image,
                              {bridge::Black, bridge::White, bridge::FrameRed, Gunmetal, GunmetalLight, GunmetalDark});
}

// Green, blue, dark red, red, dark yellow, yellow: the lit lamps glow from the
// middle, the dark ones are the same glass unlit.
Picture ConditionLights() {
  struct Lamp {
    QColor glass;
    bool lit;
  };
  const Lamp lamps[] = {
      {QColor(0, 255, 0), true}, {QColor(40, 112, 255), true}, {QColor(128, 0, 0), false},
      {QColor(255, 0, 0), true}, {QColor(128, 128, 0), false}, {QColor(255, 255, 0), true},
  };
  QImage image = Canvas(40, 150);
  QPainter painter(&image);
  PreparePainter(painter);
  QList<QColor> keys = {bridge::Black};
  for (int i = 0; i < 6; ++i) {
    const QRectF cell(0, 25.0 * i, 40, 25);
    const QRectF lens = cell.adjusted(2, 2, -2, -2);
    QRadialGradient glow(lens.center(), lens.width() / 2);
    const QColor glass = lamps[i].glass;
    if (lamps[i].lit) {
      glow.setColorAt(0, glass.lighter(170));
      glow.setColorAt(0.5, glass);
      glow.setColorAt(1, glass.darker(150));
    } else {
      glow.setColorAt(0, glass.lighter(115));
      glow.setColorAt(1, glass.darker(170));
    }
    painter.setPen(QPen(QColor(24, 24, 24), 1));
    painter.setBrush(glow);
    painter.drawRoundedRect(lens.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    keys.append(glass);
  }
  painter.end();
  return SixteenColourPicture(1, image, keys);
}

}  // namespace

PictureList StatusPictures() { return {ConditionLights(), StatusPanel()}; }

}  // namespace pictures
