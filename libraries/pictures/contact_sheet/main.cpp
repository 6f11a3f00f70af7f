// kestrav-contact-sheet: every picture and icon of the bundle, and the program's
// own pictures, at four times their size with their ids, in one PNG for review.
//
//   kestrav-contact-sheet <KESTRAV1.rcc> <sheet.png>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "libraries/pictures/program/program_pictures.h"
#include "stations/resource_library.h"

namespace {

constexpr int Zoom = 4;
constexpr int SheetWidth = 2400;
constexpr int Gap = 16;
constexpr int CaptionHeight = 22;

struct Entry {
  QString caption;
  QImage image;
};

// The bits per pixel a BMP or ICO file declares for its (first) image.
int DeclaredDepth(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = file.readAll();
  const int offset = path.endsWith(QLatin1String(".ico")) ? 22 + 14 : 28;
  if (bytes.size() < offset + 2) return 0;
  return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8;
}

Entry Describe(const QString& label, const QString& path, const QImage& image) {
  return {
      QStringLiteral("%1  %2x%3  %4 bit").arg(label).arg(image.width()).arg(image.height()).arg(DeclaredDepth(path)),
      image};
}

QImage Compose(const QList<Entry>& entries) {
  // Shelf layout: left to right, a new row when the next picture does not fit.
  struct Placed {
    QPoint at;
    const Entry* entry;
  };
  QList<Placed> placed;
  int x = Gap, y = Gap, rowHeight = 0;
  for (const Entry& e : entries) {
    const QSize size = e.image.size() * Zoom + QSize(0, CaptionHeight);
    const int width = std::max(size.width(), 200);
    if (x + width > SheetWidth - Gap && x > Gap) {
      x = Gap;
      y += rowHeight + Gap;
      rowHeight = 0;
    }
    placed.append({QPoint(x, y), &e});
    x += width + Gap;
    rowHeight = std::max(rowHeight, size.height());
  }

  QImage sheet(SheetWidth, y + rowHeight + Gap, QImage::Format_RGB32);
  sheet.fill(QColor(40, 44, 52));
  QPainter painter(&sheet);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  for (const Placed& p : placed) {
    painter.setPen(QColor(255, 255, 160));
    painter.drawText(p.at + QPoint(0, 15), p.entry->caption);
    const QImage zoomed = p.entry->image.convertToFormat(QImage::Format_ARGB32)
                              .scaled(p.entry->image.size() * Zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.drawImage(p.at + QPoint(0, CaptionHeight), zoomed);
  }
  painter.end();
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <KESTRAV1.rcc> <sheet.png>\n", argv[0]);
    return 2;
  }
  const QString bundle = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  if (!resources::LoadBundle(bundle)) {
    std::fprintf(stderr, "contact sheet: %s is not a picture bundle\n", argv[1]);
    return 1;
  }

  QList<Entry> entries;
  for (int id = 1; id <= 58; ++id) {
    const QImage picture = resources::Picture(id);
    if (!picture.isNull())
      entries.append(
          Describe(QStringLiteral("#%1").arg(id), QStringLiteral(":/kestrav1/bitmaps/%1.bmp").arg(id), picture));
  }
  for (int id = 2; id <= 12; ++id) {
    const QString path = QStringLiteral(":/kestrav1/icons/%1.ico").arg(id);
    const QIcon icon = resources::StationIcon(id);
    if (!icon.isNull())
      entries.append(Describe(QStringLiteral("icon %1").arg(id), path, icon.pixmap(32, 32).toImage()));
  }
  for (const char* path : {program_pictures::ButtonOff, program_pictures::ButtonOn, program_pictures::ProgramIcon})
    entries.append(
        Describe(QFileInfo(QLatin1String(path)).fileName(), QLatin1String(path), QImage(QLatin1String(path))));

  const QImage sheet = Compose(entries);
  if (!sheet.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "contact sheet: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("contact sheet: %lld pictures\n", static_cast<long long>(entries.size()));
  return 0;
}
