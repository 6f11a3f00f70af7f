#include "lifecycle/communique_window.h"

#include <QFont>
#include <QPainter>

#include "stations/resource_library.h"

namespace {
constexpr int LetterheadPicture = 8;
constexpr QSize LetterheadSize(280, 84);  // used when the picture bundle lacks it

QSize WindowSizeFor(const QImage& letterhead) {
  const QSize picture = letterhead.isNull() ? LetterheadSize : letterhead.size();
  return picture + QSize(20, 320);
}

// "Courier New", 14 pixels, regular, fixed pitch.
QFont CommuniqueFont() {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setPixelSize(14);
  font.setWeight(QFont::Normal);
  font.setFixedPitch(true);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}
}  // namespace

CommuniqueWindow::CommuniqueWindow(QWidget* frame, QString text)
    : ModalPopup(frame, WindowSizeFor(resources::Picture(LetterheadPicture))),
      letterhead_(resources::Picture(LetterheadPicture)),
      text_(std::move(text)) {}

void CommuniqueWindow::PaintClient(QPainter& painter) {
  painter.drawImage(QPoint(10, 6), letterhead_);
  DrawRedFrames(painter);
  const QSize client = ClientSize();
  const QRect textArea(QPoint(20, client.height() - 300), QPoint(client.width() - 20 - 1, client.height() - 20 - 1));
  painter.setFont(CommuniqueFont());
  painter.setPen(Qt::black);
  // Word-wrapped; a long text runs on below the area rather than being cut off.
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, text_);
}

void ShowCommunique(QWidget* frame, const std::string& text) {
  CommuniqueWindow window(frame, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  window.RunModal();
}
