#pragma once
// One Kestrav at a time: the first program listens on a local socket; a second start finds
// it there, asks it to come forward and leaves.

#include <QLocalServer>
#include <QString>
#include <functional>

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name);

  // True when another copy already runs (it has been asked to come forward).
  bool AnotherIsRunning();

  // Starts listening; `comeForward` runs whenever a later copy asks.
  void Listen(std::function<void()> comeForward);

 private:
  QString name_;
  QLocalServer server_;
};

// The socket of this user's copy of the game on this display: a path in the runtime folder.
QString KestravInstanceName();
