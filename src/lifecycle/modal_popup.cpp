#include "lifecycle/modal_popup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

QRect CenterRect(const QRect& inner, const QRect& outer) {
  const int halfWidth = (inner.left() + inner.right() + 1) >> 1;  // QRect's right is inclusive
  const int halfHeight = (inner.top() + inner.bottom() + 1) >> 1;
  const int centreX = (outer.left() + outer.right() + 1) >> 1;
  const int centreY = (outer.top() + outer.bottom() + 1) >> 1;
  return QRect(QPoint(centreX - halfWidth, centreY - halfHeight),
               QPoint(centreX + halfWidth - 1, centreY + halfHeight - 1));
}

ModalPopup::ModalPopup(QWidget* frame, QSize windowSize)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), frame_(frame) {
  // Not a child of the frame: disabling the frame would disable the popup too. It stays
  // above the frame as its transient window instead.
  if (frame) {
    winId();
    windowHandle()->setTransientParent(frame->window()->windowHandle());
  }
  setFixedSize(windowSize);
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::StrongFocus);
  const QRect outer = frame ? frame->frameGeometry() : QRect(QPoint(0, 0), windowSize);
  setGeometry(CenterRect(QRect(QPoint(0, 0), windowSize), outer));
}

void ModalPopup::RunModal() {
  dismissed_ = false;
  // Not Qt's modality, which would drop a click on the frame or a station before the game
  // saw it, and no grab, which would hold the whole desktop: the game's own input passes
  // through this popup's filter instead.
  qApp->installEventFilter(this);
  show();
  repaint();
  if (frame_) frame_->setEnabled(false);
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  activateWindow();
  setFocus();
  if (!dismissed_) loop_.exec();
  qApp->removeEventFilter(this);
  if (frame_) frame_->setEnabled(true);
  hide();
  // Give the keyboard back to the frame; without a window manager nobody else would.
  if (frame_) {
    frame_->window()->activateWindow();
    frame_->window()->setFocus();
  }
}

void ModalPopup::Dismiss() {
  dismissed_ = true;
  loop_.quit();
}

void ModalPopup::DrawRedFrames(QPainter& painter) const {
  painter.setPen(QColor(255, 0, 0));
  painter.setBrush(Qt::NoBrush);
  const QRect client(QPoint(0, 0), ClientSize());
  for (int inset : {0, 2, 4}) {
    const QRect r = client.adjusted(inset, inset, -inset, -inset);
    painter.drawRect(r.adjusted(0, 0, -1, -1));  // a 1-pixel frame just inside r
  }
}

void ModalPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // pictures stay crisp on dense screens
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.translate(1, 1);
  PaintClient(painter);
}

ModalPopup* ModalPopup::Showing() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* popup = dynamic_cast<ModalPopup*>(window); popup && popup->isVisible()) return popup;
  return nullptr;
}

bool ModalPopup::IsGameWindow(QObject* object) const {
  // Input reaches a window's QWindow first, then the widget inside it.
  const QWidget* window = nullptr;
  if (auto* widget = qobject_cast<QWidget*>(object))
    window = widget->window();
  else if (auto* handle = qobject_cast<QWindow*>(object))
    window = QWidget::find(handle->winId());
  return window && (window == this || (frame_ && window == frame_->window()));
}

bool ModalPopup::eventFilter(QObject* watched, QEvent* event) {
  // Only the frame, its stations and the popup itself wait; a box or dialog that comes up
  // over the popup (a saved game handed over meanwhile) is answered as usual.
  if (!IsGameWindow(watched)) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Dismiss();
      return true;
    case QEvent::KeyPress:
      // Only keys that type a character count; Shift, the function keys and the like do not.
      if (!static_cast<QKeyEvent*>(event)->text().isEmpty()) Dismiss();
      return true;
    case QEvent::ShortcutOverride:
      event->accept();  // the frame's shortcuts and menu keys wait too
      return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu: return true;
    default: return false;
  }
}

void ModalPopup::closeEvent(QCloseEvent* event) {
  // Only the player's key or click ends the popup.
  event->ignore();
}
