#include "shell/single_instance.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <memory>
#include <utility>
#include <unistd.h>

namespace {
constexpr int ConnectTimeoutMs = 500;
// A copy that holds the lock opens its socket within moments; a later start waits this long
// for it, trying again every RetryMs.
constexpr int FirstCopyPatienceMs = 10000;
constexpr unsigned long RetryMs = 20;

// What a later start says: "forward" alone, or "open", a newline and the saved game's
// absolute path in UTF-8. Anything longer than a path can be is not listened to.
constexpr QByteArrayView ForwardRequest("forward");
constexpr QByteArrayView OpenRequest("open\n");
constexpr qsizetype LongestRequest = qsizetype{64} * 1024;

QByteArray Request(const QString& gameFile) {
  if (gameFile.isEmpty()) return ForwardRequest.toByteArray();
  // The first copy runs in a folder of its own: a relative path would mean another file there.
  return OpenRequest.toByteArray() + QFileInfo(gameFile).absoluteFilePath().toUtf8();
}

// The saved game a request hands over; empty for a plain "forward" and for anything unknown.
QString GameFileOf(const QByteArray& request) {
  if (!request.startsWith(OpenRequest) || request.size() > LongestRequest) return {};
  return QString::fromUtf8(request.mid(OpenRequest.size()));
}

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

SingleInstance::SingleInstance(QString name) : name_(std::move(name)), lock_(name_ + QStringLiteral(".lock")) {
  // The game may run for days: only a lock whose copy is gone is stale, never an old one.
  lock_.setStaleLockTime(0);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AnswerCallers);
}

bool SingleInstance::AnotherIsRunning(const QString& gameFile) {
  const QDeadlineTimer patience(FirstCopyPatienceMs);
  while (!lock_.tryLock()) {
    // Where no lock file can be made at all, the socket alone decides, as best it can.
    if (lock_.error() != QLockFile::LockFailedError) {
      if (HandOver(gameFile)) return true;
      break;
    }
    // The copy holding the lock hears this start as soon as its socket is open. One that
    // never opens it is stuck, and a second copy beside it would do no better.
    if (HandOver(gameFile) || patience.hasExpired()) return true;
    QThread::msleep(RetryMs);
  }
  OpenSocket();
  return false;
}

bool SingleInstance::HandOver(const QString& gameFile) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(ConnectTimeoutMs)) return false;
  socket.write(Request(gameFile));
  socket.waitForBytesWritten(ConnectTimeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(ConnectTimeoutMs);
  return true;
}

void SingleInstance::OpenSocket() {
  // A copy that crashed can leave its socket file behind; the lock says nobody answers on it.
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(name_)) {
    QLocalServer::removeServer(name_);
    server_.listen(name_);
  }
}

void SingleInstance::Listen(std::function<void(const QString& gameFile)> comeForward) {
  if (!server_.isListening()) {
    lock_.tryLock();
    OpenSocket();
  }
  comeForward_ = std::move(comeForward);
  AnswerCallers();
}

void SingleInstance::AnswerCallers() {
  if (!comeForward_) return;  // callers wait in the queue until the frame is up
  while (QLocalSocket* caller = server_.nextPendingConnection()) {
    // The request is whole when the caller hangs up, which it may have done already.
    auto request = std::make_shared<QByteArray>();
    auto answer = [caller, request, comeForward = comeForward_] {
      request->append(caller->readAll());
      caller->deleteLater();
      comeForward(GameFileOf(*request));
    };
    connect(caller, &QLocalSocket::readyRead, caller, [caller, request] {
      request->append(caller->readAll());
      if (request->size() > LongestRequest) caller->abort();
    });
    if (caller->state() == QLocalSocket::UnconnectedState)
      answer();
    else
      connect(caller, &QLocalSocket::disconnected, caller, answer);
  }
}
