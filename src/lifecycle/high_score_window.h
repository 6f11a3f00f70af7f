#pragma once
// The high-score window: the ten best wins under the score banner, read from the score file
// each time it is painted.

#include <QImage>

#include "lifecycle/modal_popup.h"

class HighScoreWindow : public ModalPopup {
 public:
  explicit HighScoreWindow(QWidget* frame);

 protected:
  void PaintClient(QPainter& painter) override;

 private:
  QImage banner_;
};

// Shows the table and returns when the player has dismissed it with a key or a click.
void ShowHighScores(QWidget* frame);
