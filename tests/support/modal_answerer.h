#pragma once
// Window tests' stand-in for a player in a hurry at every modal window.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "lifecycle/modal_popup.h"

// The window the game waits on: a message box or a dialog, or one of the game's own popups
// (which Qt does not count as modal: the game's other windows must still see the click that
// ends them).
inline QWidget* WaitingWindow() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return ModalPopup::Showing();
}

// Answers every box and dialog that comes up the way a player in a hurry would: No to the
// save question, Cancel to a file dialog, a key to a communiqué. Remembers what it saw.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start(5);
  }
  QStringList seen;

 private:
  void Answer() {
    QWidget* modal = WaitingWindow();
    if (!modal) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << QStringLiteral("box");
      box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      seen << QStringLiteral("file dialog");
      dialog->reject();
    } else {
      seen << QStringLiteral("popup");
      QTest::keyClick(modal, Qt::Key_Space);
    }
  }
  QTimer timer_;
};
