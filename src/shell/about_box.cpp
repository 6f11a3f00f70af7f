#include "shell/about_box.h"

#include <QPainter>

#include "core/message_catalogue.h"
#include "lifecycle/modal_popup.h"
#include "stations/bridge_fonts.h"
#include "stations/resource_library.h"

namespace {
constexpr int AboutPictureId = 5;
constexpr QPoint PictureAt(10, 6);
constexpr QColor AboutRed(255, 0, 0);

class AboutPopup : public ModalPopup {
 public:
  AboutPopup(QWidget* frame, const QImage& picture)
      : ModalPopup(frame, picture.size() + QSize(20, 100)), picture_(picture) {}

 protected:
  void PaintClient(QPainter& painter) override {
    const QRect client(QPoint(0, 0), ClientSize());
    painter.fillRect(client, Qt::black);
    painter.drawImage(PictureAt, picture_);
    DrawRedFrames(painter);
    painter.setFont(BridgeFont(BridgeFace::TimesNewRoman, 16, QFont::Bold));
    painter.setPen(AboutRed);
    const QRect credits(QPoint(client.left() + 10, client.bottom() + 1 - 80),
                        QPoint(client.right() + 1 - 10 - 1, client.bottom() + 1 - 20 - 1));
    painter.drawText(credits, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextDontClip,
                     QString::fromLatin1(MessageText(Msg::AboutText)));
  }

 private:
  QImage picture_;
};
}  // namespace

void ShowAboutBox(QWidget* frame) {
  AboutPopup popup(frame, resources::Picture(AboutPictureId));
  popup.RunModal();
}
