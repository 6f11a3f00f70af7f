#include "shell/station_frame_style.h"

#include <QApplication>
#include <QStyleOptionTitleBar>

namespace {
constexpr QStyle::SubControl TitleBarButtons[] = {
    QStyle::SC_TitleBarMinButton,   QStyle::SC_TitleBarMaxButton,     QStyle::SC_TitleBarNormalButton,
    QStyle::SC_TitleBarShadeButton, QStyle::SC_TitleBarUnshadeButton, QStyle::SC_TitleBarContextHelpButton};
}  // namespace

void StationFrameStyle::Install() {
  if (!dynamic_cast<StationFrameStyle*>(QApplication::style())) QApplication::setStyle(new StationFrameStyle);
}

void StationFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
  if (control == CC_TitleBar) {
    if (const auto* titleBar = qstyleoption_cast<const QStyleOptionTitleBar*>(option)) {
      QStyleOptionTitleBar withoutClose = *titleBar;
      withoutClose.subControls &= ~SC_TitleBarCloseButton;
      return QProxyStyle::drawComplexControl(control, &withoutClose, painter, widget);
    }
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect StationFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                        const QWidget* widget) const {
  const QRect base = QProxyStyle::subControlRect(control, option, sub, widget);
  if (control != CC_TitleBar) return base;
  if (sub == SC_TitleBarCloseButton) return {};  // nothing drawn there, nothing hit

  // The other buttons move right into the close button's place, the caption with them.
  const QRect close = QProxyStyle::subControlRect(control, option, SC_TitleBarCloseButton, widget);
  if (close.isEmpty()) return base;
  int rightmost = -1, leftmost = close.left();
  for (SubControl button : TitleBarButtons) {
    const QRect r = QProxyStyle::subControlRect(control, option, button, widget);
    if (r.isEmpty()) continue;
    rightmost = std::max(rightmost, r.right());
    leftmost = std::min(leftmost, r.left());
  }
  const int shift = rightmost < 0 ? close.width() : close.right() - rightmost;
  if (sub == SC_TitleBarLabel) return base.adjusted(0, 0, shift, 0);
  for (SubControl button : TitleBarButtons)
    if (sub == button && !base.isEmpty()) return base.translated(shift, 0);
  return base;
}
