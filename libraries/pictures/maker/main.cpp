// kestrav-picture-maker: draws every picture of the game and writes them in the
// formats the bundle and the program hold.
//
//   kestrav-picture-maker <sprite folder> <output folder>
//
// writes <output>/bitmaps/<id>.bmp, <output>/icons/<id>.ico and the program's own
// <output>/program/{button_on.bmp,button_off.bmp,kestrav.ico} with the desktop's
// <output>/program/icon-<size>.png.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/sprite_art.h"
#include "libraries/pictures/program/program_art.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "picture maker: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application; no screen is needed to draw into images.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <sprite folder> <output folder>\n", argv[0]);
    return 2;
  }
  const QString sprites = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (const char* sub : {"bitmaps", "icons", "program"}) out.mkpath(QLatin1String(sub));

  using namespace pictures;
  PictureList all;
  for (PictureList group :
       {DigitStrips(), ControlPanels(), CourseDial(), StatusPictures(), DamageReport(), StarshipPortraits(),
        Letterheads(), ControlButtons(sprites), SectorSprites(sprites), BattleStrips(sprites)}) {
    for (Picture& picture : group) all.push_back(std::move(picture));
  }

  bool ok = true;
  for (const Picture& picture : all)
    ok &= WriteFile(out.filePath(QStringLiteral("bitmaps/%1.bmp").arg(picture.id)),
                    EncodeBmp(picture.image, picture.depth));
  for (const IconDrawing& icon : StationIcons(sprites))
    ok &= WriteFile(out.filePath(QStringLiteral("icons/%1.ico").arg(icon.id)), EncodeIcon(icon.image, {}));

  ok &=
      WriteFile(out.filePath(QStringLiteral("program/button_on.bmp")), EncodeBmp(ButtonFrame(true), Depth::TrueColour));
  ok &= WriteFile(out.filePath(QStringLiteral("program/button_off.bmp")),
                  EncodeBmp(ButtonFrame(false), Depth::TrueColour));
  const QImage ship = LoadSprite(sprites, QStringLiteral("ship"));
  ok &= WriteFile(out.filePath(QStringLiteral("program/kestrav.ico")), EncodeIcon(ProgramIcon(ship), {}));
  // The icon a desktop installation shows in its menus and file managers, at each size.
  for (const int size : DesktopIconSizes) {
    const QString path = out.filePath(QStringLiteral("program/icon-%1.png").arg(size));
    if (!ProgramIcon(ship, size).save(path, "PNG")) {
      std::fprintf(stderr, "picture maker: cannot write %s\n", qPrintable(path));
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
