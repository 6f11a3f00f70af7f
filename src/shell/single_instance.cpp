#include "single_instance.h"

#include <QGuiApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {
constexpr int ConnectTimeoutMs = 500;

// The desktop this copy shows on: the platform and its display, made safe for a file name.
QString DisplayName() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  QString name = QGuiApplication::platformName() + QLatin1Char('-') + display;
  for (QChar& c : name)
    if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('.')) c = QLatin1Char('_');
  return name;
}
}  // namespace

QString KestravInstanceName() {
  // The real user and the display, in the user's own runtime folder: another player's game,
  // or this player's game on another display, is a different copy.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return QStringLiteral("%1/kestrav-%2-%3").arg(folder).arg(::getuid()).arg(DisplayName());
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

bool SingleInstance::AnotherIsRunning() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(ConnectTimeoutMs)) return false;
  socket.write("forward");
  socket.waitForBytesWritten(ConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::Listen(std::function<void()> comeForward) {
  // A copy that crashed can leave its socket file behind; nobody answered on it.
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(name_)) {
    QLocalServer::removeServer(name_);
    server_.listen(name_);
  }
  connect(&server_, &QLocalServer::newConnection, this, [this, comeForward] {
    while (QLocalSocket* caller = server_.nextPendingConnection()) {
      connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
      comeForward();
    }
  });
}
