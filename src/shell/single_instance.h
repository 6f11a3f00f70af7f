#pragma once
// One Kestrav at a time: the copy that takes the lock file beside the socket is the one, and
// listens on a local socket at once; a later start finds the lock taken, asks the copy on the
// socket to come forward (and to open the saved game it was started with) and leaves. Taking
// the lock is atomic, so of two starts at the same moment exactly one runs.

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name);

  // True when another copy already runs: it has been asked to come forward and, when
  // `gameFile` is not empty, to open that saved game (a path as this start was given it).
  // Otherwise this copy is the one: it holds the lock and callers queue on its socket.
  bool AnotherIsRunning(const QString& gameFile = {});

  // `comeForward` runs for every later copy that asks, those that asked during start-up
  // first, with the absolute path of the saved game it hands over (empty when none).
  void Listen(std::function<void(const QString& gameFile)> comeForward);

 private:
  bool HandOver(const QString& gameFile);
  void OpenSocket();
  void AnswerCallers();

  QString name_;
  QLockFile lock_;
  QLocalServer server_;
  std::function<void(const QString& gameFile)> comeForward_;
};

// The socket of this user's copy of the game on this display: a path in the runtime folder.
QString KestravInstanceName();
