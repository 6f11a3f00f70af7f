#include "stations/computer_station.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimerEvent>
#include <algorithm>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/console_keyboard.h"
#include "stations/panel_drawing.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"

ComputerStation* ComputerConsole() { return qobject_cast<ComputerStation*>(stationState.computerWindow); }

namespace {
const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);
const QColor FrameRed(255, 0, 0);
const QColor CaretGrey(128, 128, 128);
constexpr int FramePen = 3;
constexpr int CaretBlinkMs = 530;

// "Courier New" (Liberation Mono stands in for it) with 8-pixel advances, so every glyph
// fills its cell as the classic fixed font's do; drawn without smoothing like the bridge.
QFont ConsoleFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
  font.setFixedPitch(true);
  font.setPixelSize(ConsoleCellHeight);
  font.setWeight(QFont::Normal);
  return font;
}

bool ComputerWorks() { return coreState.game.Working(ShipSystem::Computer); }

ConsoleKey KeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Home: return ConsoleKey::Home;
    case Qt::Key_Left: return ConsoleKey::Left;
    case Qt::Key_Right: return ConsoleKey::Right;
    case Qt::Key_Delete: return ConsoleKey::Delete;
    default: return ConsoleKey::Other;
  }
}
}  // namespace

ComputerStation::ComputerStation(QWidget* parent)
    : StationWindow(Station::Computer, Maroon, parent), font_(ConsoleFont()) {
  setFocusPolicy(Qt::StrongFocus);
  // The baseline sits so that descenders end on the cell's last pixel row.
  baseline_ = ConsoleCellHeight - std::min(QFontMetrics(font_).descent(), ConsoleCellHeight / 3);
  // The grid exists from the start, so a new game's banner has somewhere to go before the
  // window is first laid out.
  fit_ = FitConsole(ConsoleDefaultClientWidth, ConsoleDefaultClientHeight);
  grid_.Resize(fit_.columns, fit_.rows);
}

QSize ComputerStation::sizeHint() const { return {ConsoleDefaultClientWidth, ConsoleDefaultClientHeight}; }

void ComputerStation::DrawGlyph(QPainter& painter, const QRect& cell, char c) const {
  painter.drawText(QPoint(cell.left(), cell.top() + baseline_), QString(QLatin1Char(c)));
}

QRect ComputerStation::CellRect(int column, int row) const {
  return {ConsoleLeftMargin + column * ConsoleCellWidth, ConsoleTopMargin + row * ConsoleCellHeight, ConsoleCellWidth,
          ConsoleCellHeight};
}

void ComputerStation::DrawCell(int column, int row) {
  if (grid_.Scrolls() != drawnScrolls_) return RedrawAll();
  const QRect cell = CellRect(column, row);
  QPainter painter(&Surface());
  painter.fillRect(cell, Navy);
  painter.setFont(font_);
  painter.setPen(Qt::white);
  DrawGlyph(painter, cell, grid_.At(column, row));
  update(cell);
}

void ComputerStation::DrawRowFrom(int column, int row) {
  for (int c = column; c < grid_.Columns(); ++c) DrawCell(c, row);
}

void ComputerStation::RedrawAll() {
  Invalidate(false);
  UpdateNow();
}

void ComputerStation::CatchUpWithScrolls() {
  if (grid_.Scrolls() != drawnScrolls_) RedrawAll();
}

void ComputerStation::Print(const std::string& text) {
  QPointer<ComputerStation> alive(this);
  ShowCaret(false);
  for (char c : text) {
    const int column = grid_.CaretColumn(), row = grid_.CaretRow();
    if (!grid_.Print(c)) {
      if (c != '\n') DrawCell(column, row);  // drawn as stored, even on a blacked-out face
      continue;
    }
    RedrawAll();
    if (c == '\n') {
      host().PumpPendingMessages();
      if (!alive) return;  // the game ended meanwhile
    }
  }
  ShowCaret(hasFocus());
  AnnounceReadOutChanges();
}

void ComputerStation::Character(char c) {
  if (ConsoleKeyboardBlocked()) return;
  QPointer<ComputerStation> alive(this);
  const int column = grid_.CaretColumn(), row = grid_.CaretRow();
  ShowCaret(false);
  const ConsoleAnswer answer = ConsoleCharacter(grid_, c);
  if (!alive) return;  // a wait in the line's command let the game end
  switch (c) {
    case ConsoleBackspace: DrawRowFrom(grid_.CaretColumn(), row); break;
    case ConsoleLineFeed:
    case ConsoleReturn:
    case ConsoleEscape: CatchUpWithScrolls(); break;
    default: DrawCell(column, row); break;
  }
  ShowCaret(hasFocus());
  AnnounceReadOutChanges();
  if (answer == ConsoleAnswer::Leave) Leave();
}

std::vector<StationWindow::ReadOut> ComputerStation::ReadOuts() const {
  const std::string line = ComputerWorks() ? grid_.NewestLine() : std::string();
  return {{QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())),
           CellRect(0, grid_.CaretRow()).united(CellRect(grid_.Columns() - 1, grid_.CaretRow()))}};
}

void ComputerStation::Leave() { ShowStation(coreState.options.autoSrs ? Station::ShortRangeScan : Station::Computer); }

void ComputerStation::keyPressEvent(QKeyEvent* event) {
  if (ConsoleKeyboardBlocked()) return;  // discarded, not queued
  const ConsoleKey key = KeyOf(event->key());
  if (key != ConsoleKey::Other) {
    ShowCaret(false);
    ConsoleKeyDown(grid_, key);
    if (key == ConsoleKey::Home) RedrawAll();
    if (key == ConsoleKey::Delete) DrawRowFrom(grid_.CaretColumn(), grid_.CaretRow());
    ShowCaret(hasFocus());
    return;
  }
  QPointer<ComputerStation> alive(this);
  for (QChar c : event->text()) {
    if (c.unicode() > 0xFF) continue;  // the console's font has no such character
    Character(static_cast<char>(c.unicode()));
    if (!alive) return;
  }
}

bool ComputerStation::focusNextPrevChild(bool) { return false; }  // Tab is a character here

void ComputerStation::resizeEvent(QResizeEvent* event) {
  StationWindow::resizeEvent(event);
  const ConsoleFit fit = FitConsole(width(), height());
  if (fit.usableWidth == fit_.usableWidth && fit.usableHeight == fit_.usableHeight) return;
  fit_ = fit;
  grid_.Resize(fit.columns, fit.rows);
}

void ComputerStation::Paint(QPainter& painter) {
  drawnScrolls_ = grid_.Scrolls();
  painter.fillRect(rect(), Maroon);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(FrameRed, FramePen));
  painter.setBrush(ComputerWorks() ? Navy : QColor(Qt::black));
  const QRect frame(
      QPoint(ConsoleLeftMargin - ConsoleCellWidth, ConsoleTopMargin - ConsoleCellHeight),
      QPoint(width() - ConsoleLeftMargin + ConsoleCellWidth - 1, height() - ConsoleTopMargin + ConsoleCellHeight - 1));
  painter.drawRoundedRect(frame, ConsoleCellWidth / 2.0, ConsoleCellHeight / 2.0);
  if (!ComputerWorks()) return;
  painter.setFont(font_);
  painter.setPen(Qt::white);
  for (int r = 0; r < grid_.Rows(); ++r) {
    for (int c = 0; c < grid_.Columns(); ++c) {
      const QRect cell = CellRect(c, r);
      painter.fillRect(cell, Navy);
      if (const char ch = grid_.At(c, r); ch != ' ') DrawGlyph(painter, cell, ch);
    }
  }
}

void ComputerStation::paintEvent(QPaintEvent* event) {
  StationWindow::paintEvent(event);
  if (!caretOn_ || !hasFocus() || !ComputerWorks()) return;
  // The caret inverts its cell through grey on the screen only; the surface keeps the text.
  QPainter screen(this);
  screen.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  screen.fillRect(CellRect(grid_.CaretColumn(), grid_.CaretRow()), CaretGrey);
}

void ComputerStation::ShowCaret(bool shown) {
  const bool wanted = shown && ComputerWorks();
  if (wanted && !caretTimer_) caretTimer_ = startTimer(CaretBlinkMs);
  if (!wanted && caretTimer_) {
    killTimer(caretTimer_);
    caretTimer_ = 0;
  }
  caretOn_ = wanted;
  update();
}

void ComputerStation::timerEvent(QTimerEvent* event) {
  if (event->timerId() != caretTimer_) return StationWindow::timerEvent(event);
  caretOn_ = !caretOn_;
  update(CellRect(grid_.CaretColumn(), grid_.CaretRow()));
}

void ComputerStation::focusInEvent(QFocusEvent* event) {
  ShowCaret(true);
  StationWindow::focusInEvent(event);
}

void ComputerStation::focusOutEvent(QFocusEvent* event) {
  ShowCaret(false);
  StationWindow::focusOutEvent(event);
}
