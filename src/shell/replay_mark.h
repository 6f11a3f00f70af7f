#pragma once
// The REPLAY mark over the bridge while a journal plays: the replay's speed, lettered in the
// bridge's red on black at the top right of the bridge, above the stations.

#include <QWidget>

class ReplayMark : public QWidget {
  Q_OBJECT
 public:
  // Shows over `bridge`, a child of its window, and keeps to its top edge.
  explicit ReplayMark(QWidget& bridge);
  void ShowSpeed(int speed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();

  QWidget& bridge_;
  QString text_;
};
