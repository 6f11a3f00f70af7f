#include "single_instance.h"

#include <QLocalSocket>

namespace {
constexpr int ConnectTimeoutMs = 500;
}

QString KestravInstanceName() { return QStringLiteral("Kestrav-%1").arg(qEnvironmentVariable("USER")); }

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
