#pragma once
// The look of a station's window frame: the platform's own, less the close button. Qt ties
// that button to the system menu, which the stations keep (Restore, Move, Size, Minimize,
// Maximize); a station goes only with its game.

#include <QProxyStyle>

class StationFrameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  // Makes it the application's style, over the platform's (once); only the title bars of
  // station frames look any different.
  static void Install();

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
};
