#pragma once
// The high-score name dialog: congratulates the player and asks a name of up to 16
// characters. OK or closing the dialog takes the name; Escape does nothing.

#include <QDialog>

class QLineEdit;

class HighScoreDialog : public QDialog {
 public:
  explicit HighScoreDialog(QWidget* frame);

  QString Name() const;
  QLineEdit* NameField() const { return name_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void AddLabel(const QString& text, const QRect& area);
  QLineEdit* name_;
};

// Runs the dialog modally and returns the name typed, in the score file's encoding.
std::string AskHighScoreName(QWidget* frame);
