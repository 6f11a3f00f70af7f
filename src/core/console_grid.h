#pragma once
// The Computer console's screen: a grid of character cells, row after row, every empty cell
// a space, and the caret where the next character goes. The console window draws it and the
// headless tool types into it; both edit it only through these operations.

#include <cstdint>
#include <string>
#include <string_view>

// The console's fixed-pitch cells in pixels. Cell (0, 0) sits three cells in from the left
// edge and two rows down from the top; the same margins stay free right and below.
inline constexpr int ConsoleCellWidth = 8;
inline constexpr int ConsoleCellHeight = 13;
inline constexpr int ConsoleLeftMargin = 3 * ConsoleCellWidth;
inline constexpr int ConsoleTopMargin = 2 * ConsoleCellHeight;

// The Computer window's client area in the bridge's default arrangement.
inline constexpr int ConsoleDefaultClientWidth = 360;
inline constexpr int ConsoleDefaultClientHeight = 230;

// How a client area of w x h pixels holds the grid: the usable pixels inside the margins
// (whole cells only) and the columns and rows, each at least 1.
struct ConsoleFit {
  int usableWidth, usableHeight;
  int columns, rows;
  bool operator==(const ConsoleFit&) const = default;
};
ConsoleFit FitConsole(int clientWidth, int clientHeight);

class ConsoleGrid {
 public:
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int CaretColumn() const { return caretColumn_; }
  int CaretRow() const { return caretRow_; }
  bool Empty() const { return text_.empty(); }
  // Counts the scrolls: a drawing of the grid made at another count is out of date.
  std::uint32_t Scrolls() const { return scrolls_; }

  char At(int column, int row) const { return text_[Index(column, row)]; }
  std::string_view Row(int row) const {
    return std::string_view(text_).substr(Index(0, row), static_cast<std::size_t>(columns_));
  }

  // A grid of the new size (each at least 1). It keeps the left part of the old rows: the
  // top ones while the caret's row still fits, else the rows that end at the caret's row,
  // with the caret on that same line. Growing pads with spaces.
  void Resize(int columns, int rows);

  // Output at the caret: a newline goes to column 0 of the next row; any other character is
  // stored and the caret moves on, wrapping to the next row at the row's end. The grid
  // scrolls up when the caret leaves the last row; answers whether it did.
  bool Print(char c);
  void Print(std::string_view text);

  // A typed character: stored upper-case over the cell under the caret. The caret moves
  // right but stops at the last column, where further characters overwrite the last cell.
  void Type(char c);

  // Every cell a space and the caret at (0, 0).
  void Clear();

  // Column 0 holds the prompt: the editing keys never take the caret there.
  void CaretLeft();
  void CaretRight();
  // Removes the character under the caret; the rest of the row moves left one cell.
  void DeleteAtCaret();
  // Deletes the character left of the caret, down to column 1; false when there was none.
  bool Backspace();

  // Ends the caret's row: the caret goes to column 0 of the next row, scrolling the grid up
  // when it is on the last one. Answers the whole row that was left.
  std::string Enter();

  // The line printed or typed last: the lowest row, up to the caret's, with anything beside
  // a prompt, without the prompt and the spaces round the text. Empty on a blank screen.
  std::string NewestLine() const;

  // Every row moves up one and the last row becomes spaces.
  void ScrollUp();

 private:
  std::size_t Index(int column, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
  }
  // Moves the caret to the next row, scrolling on the last; answers whether it scrolled.
  bool NextRow();

  int columns_ = 0;
  int rows_ = 0;
  int caretColumn_ = 0;
  int caretRow_ = 0;
  std::uint32_t scrolls_ = 0;
  std::string text_;
};
