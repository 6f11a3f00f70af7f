#include "stations/resource_library.h"

#include <QFile>
#include <QResource>
#include <iterator>

#include "core/file_io.h"
#include "core/host.h"
#include "stations/wave_image.h"

namespace resources {
namespace {
constexpr int BitmapIds[] = {1,  4,  5,  6,  7,  8,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                             22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39,
                             40, 41, 42, 43, 44, 45, 46, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58};
constexpr int FirstIconId = 2, LastIconId = 12;
constexpr int CommuniqueCount = 5;
constexpr SoundId SoundIds[] = {Sounds::Ambience,  Sounds::NewGame,  Sounds::Acknowledge, Sounds::Explosion,
                                Sounds::Engines,   Sounds::StartUp,  Sounds::PhaserBeam,  Sounds::TorpedoLaunch,
                                Sounds::AlienBeam, Sounds::AlienHit, Sounds::RedAlert,    Sounds::GameOver};
static_assert(std::size(BitmapIds) == 54);
static_assert(std::size(SoundIds) == 12);

QString BitmapPath(int id) { return QStringLiteral(":/kestrav1/bitmaps/%1.bmp").arg(id); }
QString IconPath(int id) { return QStringLiteral(":/kestrav1/icons/%1.ico").arg(id); }
QString CommuniquePath(int id) { return QStringLiteral(":/kestrav1/communiques/%1.txt").arg(id); }
QString WavePath(int id) { return QStringLiteral(":/kestrav2/waves/%1.wav").arg(id); }

QByteArray ReadItem(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
}  // namespace

QString FirstMissingPicture() {
  for (int id : BitmapIds)
    if (Picture(id).isNull()) return BitmapPath(id);
  for (int id = FirstIconId; id <= LastIconId; ++id)
    if (QImage(IconPath(id)).isNull()) return IconPath(id);
  for (int id = 1; id <= CommuniqueCount; ++id)
    if (CommuniqueText(id).empty()) return CommuniquePath(id);
  return {};
}

QString FirstMissingSound() {
  for (SoundId id : SoundIds)
    if (!ReadWaveImage(SoundImage(id))) return WavePath(id);
  return {};
}

bool LoadBundle(const QString& path) {
  // Qt opens the bundle by its name and would wait on a named pipe for ever; the file is
  // first opened here without waiting, so anything but a regular file is refused at once.
  if (!ReadableFile(QFile::encodeName(path).toStdString()).Ok()) return false;
  return QResource::registerResource(path);
}

void UnloadBundle(const QString& path) { QResource::unregisterResource(path); }

QImage Picture(int id) { return QImage(BitmapPath(id)); }

QIcon StationIcon(int id) {
  const QString path = IconPath(id);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

std::string CommuniqueText(int id) {
  // Stored as a NUL-terminated text; the terminator is not part of it.
  const QByteArray bytes = ReadItem(CommuniquePath(id));
  return std::string(bytes.constData(), qstrnlen(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QByteArray SoundImage(int id) { return ReadItem(WavePath(id)); }
}  // namespace resources
