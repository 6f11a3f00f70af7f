// kestrav-manual-pictures: the pictures of the bundle as PNG files for the player's manual,
// each at its own size, so the manual always shows the art the game draws with.
//
//   kestrav-manual-pictures <KESTRAV1.rcc> <folder> <bitmap id>... [icon:<id>]...
//
// Writes <folder>/bitmaps/<id>.png and <folder>/icons/<id>.png.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "resource_library.h"

namespace {

bool Write(const QImage& image, const QString& path) {
  if (image.isNull() || !image.save(path, "PNG")) {
    std::fprintf(stderr, "manual pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <KESTRAV1.rcc> <folder> <bitmap id>... [icon:<id>]...\n", argv[0]);
    return 2;
  }
  const QString bundle = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  if (!resources::LoadBundle(bundle)) {
    std::fprintf(stderr, "manual pictures: %s is not a picture bundle\n", argv[1]);
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  if (!folder.mkpath(QStringLiteral("bitmaps")) || !folder.mkpath(QStringLiteral("icons"))) {
    std::fprintf(stderr, "manual pictures: cannot create %s\n", argv[2]);
    return 1;
  }

  bool written = true;
  for (int i = 3; i < argc; ++i) {
    const QString item = QString::fromLocal8Bit(argv[i]);
    bool isNumber = false;
    if (item.startsWith(QLatin1String("icon:"))) {
      const int id = item.mid(5).toInt(&isNumber);
      const QIcon icon = resources::StationIcon(id);
      written &= isNumber && Write(icon.isNull() ? QImage() : icon.pixmap(32, 32).toImage(),
                                   folder.filePath(QStringLiteral("icons/%1.png").arg(id)));
    } else {
      const int id = item.toInt(&isNumber);
      written &= isNumber && Write(resources::Picture(id), folder.filePath(QStringLiteral("bitmaps/%1.png").arg(id)));
    }
    if (!isNumber) std::fprintf(stderr, "manual pictures: %s is no picture id\n", argv[i]);
  }
  return written ? 0 : 1;
}
