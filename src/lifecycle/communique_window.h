#pragma once
// The communiqué window: a fleet message under the letterhead, shown at the start and at
// the end of every mission.

#include <QImage>
#include <QString>

#include "lifecycle/modal_popup.h"

class CommuniqueWindow : public ModalPopup {
 public:
  CommuniqueWindow(QWidget* frame, QString text);

 protected:
  void PaintClient(QPainter& painter) override;

 private:
  QImage letterhead_;
  QString text_;
};

// Shows `text` and returns when the player has dismissed it with a key or a click.
void ShowCommunique(QWidget* frame, const std::string& text);
