#include "plain_communique.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
constexpr int TextWidth = 560;

class CommuniqueDialog : public QDialog {
 public:
  CommuniqueDialog(QWidget* frame, const std::string& text) : QDialog(frame) {
    setWindowTitle(QStringLiteral("Kestrav"));
    setModal(true);
    auto* label = new QLabel(QString::fromLatin1(text.c_str()), this);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(14);
    label->setFont(font);
    label->setWordWrap(true);
    label->setFixedWidth(TextWidth);
    label->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; background: black; padding: 12px; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
  }

 protected:
  void keyPressEvent(QKeyEvent*) override { accept(); }
  void mousePressEvent(QMouseEvent*) override { accept(); }
};
}  // namespace

void ShowPlainCommunique(QWidget* frame, const std::string& text) {
  CommuniqueDialog dialog(frame, text);
  dialog.exec();
}
