#include "core/console_grid.h"

#include <algorithm>
#include <cctype>

ConsoleFit FitConsole(int clientWidth, int clientHeight) {
  const int usableWidth = clientWidth / ConsoleCellWidth * ConsoleCellWidth - 2 * ConsoleLeftMargin;
  const int usableHeight = clientHeight / ConsoleCellHeight * ConsoleCellHeight - 2 * ConsoleTopMargin;
  return {usableWidth, usableHeight, std::max(1, usableWidth / ConsoleCellWidth),
          std::max(1, usableHeight / ConsoleCellHeight)};
}

void ConsoleGrid::Resize(int columns, int rows) {
  columns = std::max(1, columns);
  rows = std::max(1, rows);
  std::string grown(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), ' ');
  const int keptRows = std::min(rows, rows_), keptColumns = std::min(columns, columns_);
  // Too few rows for all: those that end at the caret's row stay, the newest text and the
  // prompt, and the caret stays on its own line rather than landing on an old command.
  const int firstKept = std::max(0, caretRow_ - rows + 1);
  for (int r = 0; r < keptRows; ++r)
    grown.replace(static_cast<std::size_t>(r) * static_cast<std::size_t>(columns),
                  static_cast<std::size_t>(keptColumns),
                  Row(firstKept + r).substr(0, static_cast<std::size_t>(keptColumns)));
  text_ = std::move(grown);
  columns_ = columns;
  rows_ = rows;
  caretColumn_ = std::clamp(caretColumn_, 0, columns_ - 1);
  caretRow_ = std::clamp(caretRow_ - firstKept, 0, rows_ - 1);
}

bool ConsoleGrid::NextRow() {
  if (caretRow_ == rows_ - 1) {
    ScrollUp();
    return true;
  }
  ++caretRow_;
  return false;
}

bool ConsoleGrid::Print(char c) {
  if (Empty()) return false;
  if (c == '\n') {
    caretColumn_ = 0;
    return NextRow();
  }
  text_[Index(caretColumn_, caretRow_)] = c;
  if (++caretColumn_ < columns_) return false;
  caretColumn_ = 0;
  return NextRow();
}

void ConsoleGrid::Print(std::string_view text) {
  for (char c : text) Print(c);
}

void ConsoleGrid::Type(char c) {
  if (Empty()) return;
  text_[Index(caretColumn_, caretRow_)] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  caretColumn_ = std::min(caretColumn_ + 1, columns_ - 1);
}

void ConsoleGrid::Clear() {
  std::fill(text_.begin(), text_.end(), ' ');
  caretColumn_ = 0;
  caretRow_ = 0;
}

void ConsoleGrid::CaretLeft() { caretColumn_ = std::max(1, caretColumn_ - 1); }

void ConsoleGrid::CaretRight() { caretColumn_ = std::min(caretColumn_ + 1, columns_ - 1); }

void ConsoleGrid::DeleteAtCaret() {
  if (Empty()) return;
  const std::size_t rowEnd = Index(0, caretRow_) + static_cast<std::size_t>(columns_);
  const std::size_t at = Index(caretColumn_, caretRow_);
  std::copy(text_.begin() + static_cast<std::ptrdiff_t>(at) + 1, text_.begin() + static_cast<std::ptrdiff_t>(rowEnd),
            text_.begin() + static_cast<std::ptrdiff_t>(at));
  text_[rowEnd - 1] = ' ';
}

bool ConsoleGrid::Backspace() {
  if (caretColumn_ < 2) return false;
  --caretColumn_;
  DeleteAtCaret();
  return true;
}

std::string ConsoleGrid::Enter() {
  if (Empty()) return {};
  // Taken before the caret moves: on a one-row grid the row scrolls away at once.
  std::string left(Row(caretRow_));
  caretColumn_ = 0;
  NextRow();
  return left;
}

void ConsoleGrid::ScrollUp() {
  if (Empty()) return;
  text_.erase(0, static_cast<std::size_t>(columns_));
  text_.append(static_cast<std::size_t>(columns_), ' ');
  ++scrolls_;
}

std::string ConsoleGrid::NewestLine() const {
  if (Empty()) return {};
  for (int row = caretRow_; row >= 0; --row) {
    std::string_view line = Row(row);
    if (line.front() == '>') line.remove_prefix(1);  // the prompt
    const std::size_t begin = line.find_first_not_of(' ');
    if (begin != std::string_view::npos) return std::string(line.substr(begin, line.find_last_not_of(' ') + 1 - begin));
  }
  return {};
}
