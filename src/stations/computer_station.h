#pragma once
// The Computer station: "BridgeNet", a text console white on navy inside a rounded red
// frame. The player types one-line commands at its prompt; the command language answers
// through ConsolePrint. Blacked out, with the keyboard dead, while the computer is damaged.

#include <QFont>

#include "core/console_grid.h"
#include "stations/station_window.h"

class ComputerStation : public StationWindow {
  Q_OBJECT
 public:
  explicit ComputerStation(QWidget* parent = nullptr);

  const ConsoleGrid& Grid() const { return grid_; }

  // Output at the caret, drawn at once, scrolling the screen when it runs off the bottom.
  void Print(const std::string& text);
  // A character handed to the console as if typed (the prompt).
  void Character(char c);

  QSize sizeHint() const override;
  // The console's newest line.
  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  QRect CellRect(int column, int row) const;
  void DrawCell(int column, int row);
  void DrawGlyph(QPainter& painter, const QRect& cell, char c) const;
  void DrawRowFrom(int column, int row);
  void RedrawAll();
  // Redraws the whole face if the grid has scrolled since it was last drawn.
  void CatchUpWithScrolls();
  // The caret's cell on the screen, blinking while the window has the focus.
  void ShowCaret(bool shown);
  void Leave();

  ConsoleGrid grid_;
  QFont font_;
  int baseline_ = ConsoleCellHeight;  // from the cell's top
  ConsoleFit fit_{};
  std::uint32_t drawnScrolls_ = 0;
  int caretTimer_ = 0;
  bool caretOn_ = false;
};

// The live console (computerWindow), or null while no game runs.
ComputerStation* ComputerConsole();
