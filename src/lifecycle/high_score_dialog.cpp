#include "lifecycle/high_score_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "core/scores.h"
#include "libraries/pictures/program/program_pictures.h"
#include "lifecycle/modal_popup.h"

namespace {
// The dialog is laid out in dialog units: a quarter of the font's average character width
// across and an eighth of its height down, so it keeps its proportions with the font.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
  }
  QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }
  QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

 private:
  int X(int units) const { return (units * baseX_ + 2) / 4; }
  int Y(int units) const { return (units * baseY_ + 4) / 8; }
  int baseX_;
  int baseY_;
};

// Keeps the name to what the score file can hold: any other character is dropped as it is typed
// or pasted, so the field shows what the Hall of Honor will.
class ScoreFileCharacters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    QString kept;
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
      if (!ScoreFileHolds(input[i].unicode())) continue;  // each half of a surrogate pair fails too
      kept += input[i];
      if (i < position) ++keptBeforeCursor;
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
  }
};

// "Helv" 8 point.
QFont DialogFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(8);
  return font;
}
}  // namespace

HighScoreDialog::HighScoreDialog(QWidget* frame)
    : QDialog(frame, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Kestrav"));
  setModal(true);
  setFont(DialogFont());
  const DialogUnits units(font());
  setFixedSize(units.Size(137, 92));
  // Centred on the frame, as the game's popups are.
  if (frame) setGeometry(CenterRect(rect(), frame->frameGeometry()));

  auto* icon = new QLabel(this);
  const QRect iconArea = units.Rect(10, 11, 20, 20);
  icon->setGeometry(QRect(iconArea.topLeft(), QSize(32, 32)));
  icon->setPixmap(QIcon(QLatin1String(program_pictures::ProgramIcon)).pixmap(32, 32));

  AddLabel(QStringLiteral("Congradulations!"), units.Rect(37, 11, 66, 10));
  AddLabel(QStringLiteral("A new High Score!"), units.Rect(37, 22, 85, 10));
  AddLabel(QStringLiteral("Name:"), units.Rect(13, 46, 20, 8));

  name_ = new QLineEdit(this);
  name_->setGeometry(units.Rect(38, 45, 79, 12));
  name_->setMaxLength(static_cast<int>(HighScoreNameLength));
  name_->setValidator(new ScoreFileCharacters(name_));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(units.Rect(52, 67, 29, 16));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  name_->setFocus();
}

void HighScoreDialog::AddLabel(const QString& text, const QRect& area) {
  auto* label = new QLabel(text, this);
  // A font a little wider than the original must not cut the text off.
  label->setGeometry(QRect(area.topLeft(), area.size().expandedTo(label->sizeHint())));
}

QString HighScoreDialog::Name() const { return name_->text().left(static_cast<int>(HighScoreNameLength)); }

void HighScoreDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // the dialog can only be answered
  QDialog::keyPressEvent(event);
}

void HighScoreDialog::closeEvent(QCloseEvent* event) {
  // Closing the window takes the name as OK does.
  event->accept();
  accept();
}

std::string AskHighScoreName(QWidget* frame) {
  HighScoreDialog dialog(frame);
  dialog.exec();
  return dialog.Name().toLatin1().toStdString();
}
