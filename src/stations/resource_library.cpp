#include "resource_library.h"

#include <QFile>
#include <QResource>

#include "file_io.h"

namespace resources {
namespace {
QByteArray ReadItem(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
}  // namespace

bool LoadBundle(const QString& path) {
  // Qt opens the bundle by its name and would wait on a named pipe for ever; the file is
  // first opened here without waiting, so anything but a regular file is refused at once.
  if (!ReadableFile(QFile::encodeName(path).toStdString()).Ok()) return false;
  return QResource::registerResource(path);
}

void UnloadBundle(const QString& path) { QResource::unregisterResource(path); }

QImage Picture(int id) { return QImage(QStringLiteral(":/kestrav1/bitmaps/%1.bmp").arg(id)); }

QIcon StationIcon(int id) {
  const QString path = QStringLiteral(":/kestrav1/icons/%1.ico").arg(id);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

std::string CommuniqueText(int id) {
  // Stored as a NUL-terminated text; the terminator is not part of it.
  const QByteArray bytes = ReadItem(QStringLiteral(":/kestrav1/communiques/%1.txt").arg(id));
  return std::string(bytes.constData(), qstrnlen(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QByteArray SoundImage(int id) { return ReadItem(QStringLiteral(":/kestrav2/waves/%1.wav").arg(id)); }
}  // namespace resources
