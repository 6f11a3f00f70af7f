#pragma once
// The Player's Manual: a window of its own beside the frame that reads the pages compiled
// into the program. It opens at the index, follows the pages' links and goes Back, Forward
// and Home like a browser. There is at most one; asking for it again brings it forward.
// The game goes on while it is open.

#include <QWidget>

class QAction;
class QTextBrowser;

class ManualWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ManualWindow(QWidget* frame);

  QTextBrowser& Browser() const { return *browser_; }
  QAction& BackAction() const { return *back_; }
  QAction& ForwardAction() const { return *forward_; }
  QAction& HomeAction() const { return *home_; }

 private:
  void ShowPageTitle();

  QTextBrowser* browser_;
  QAction* back_;
  QAction* forward_;
  QAction* home_;
};

// Shows the manual: opened at the index the first time, brought forward when it is open.
ManualWindow& ShowPlayersManual(QWidget* frame);

// Closes the manual if it is open; the frame does so when the program ends.
void ClosePlayersManual(QWidget* frame);
