#pragma once
// One Kestrav at a time: the first program listens on a local socket; a second start finds
// it there, asks it to come forward (and to open the saved game it was started with) and
// leaves.

#include <QLocalServer>
#include <QString>
#include <functional>

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name);

  // True when another copy already runs: it has been asked to come forward and, when
  // `gameFile` is not empty, to open that saved game (a path as this start was given it).
  bool AnotherIsRunning(const QString& gameFile = {});

  // Starts listening; `comeForward` runs whenever a later copy asks, with the absolute path of
  // the saved game it hands over (empty when it hands over none).
  void Listen(std::function<void(const QString& gameFile)> comeForward);

 private:
  QString name_;
  QLocalServer server_;
};

// The socket of this user's copy of the game on this display: a path in the runtime folder.
QString KestravInstanceName();
