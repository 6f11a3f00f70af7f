#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/console_grid.h"

namespace {

// A grid of `columns` x `rows` printed with each row's text, the caret behind the last one.
ConsoleGrid GridOf(int columns, const std::vector<std::string>& rows) {
  ConsoleGrid grid;
  grid.Resize(columns, static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    grid.Print(rows[r]);
    const bool wrapped = static_cast<int>(rows[r].size()) == columns;
    if (r + 1 < rows.size() && !wrapped) grid.Print('\n');
  }
  return grid;
}

std::vector<std::string> Rows(const ConsoleGrid& grid) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(grid.Rows()));
  for (int r = 0; r < grid.Rows(); ++r) rows.emplace_back(grid.Row(r));
  return rows;
}

struct Caret {
  int column, row;
  bool operator==(const Caret&) const = default;
};
Caret CaretOf(const ConsoleGrid& grid) { return {grid.CaretColumn(), grid.CaretRow()}; }

TEST(ConsoleFit, TheDefaultWindowHoldsThirtyNineColumnsAndTinyOnesOneCell) {
  EXPECT_EQ(FitConsole(ConsoleDefaultClientWidth, ConsoleDefaultClientHeight), (ConsoleFit{312, 169, 39, 13}));
  EXPECT_EQ(FitConsole(367, 233).columns, 39) << "only whole cells count";
  EXPECT_EQ(FitConsole(368, 234), (ConsoleFit{320, 182, 40, 14}));
  const ConsoleFit tiny = FitConsole(20, 10);
  EXPECT_EQ(tiny.columns, 1);
  EXPECT_EQ(tiny.rows, 1);
}

TEST(ConsoleGrid, OutputWrapsAtTheRowEndAndScrollsOffTheLastRow) {
  ConsoleGrid grid;
  grid.Resize(4, 2);
  EXPECT_FALSE(grid.Print('a'));
  grid.Print("bcd");
  EXPECT_EQ(CaretOf(grid), (Caret{0, 1})) << "the fourth character wraps the caret";
  grid.Print("efg");
  EXPECT_EQ(grid.Scrolls(), 0u);
  EXPECT_TRUE(grid.Print('h')) << "the last row's end scrolls";
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"efgh", "    "}));
  EXPECT_EQ(CaretOf(grid), (Caret{0, 1}));
  EXPECT_TRUE(grid.Print('\n'));
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"    ", "    "}));
  EXPECT_EQ(grid.Scrolls(), 2u);
}

TEST(ConsoleGrid, TypingUpperCasesAndKeepsOverwritingTheLastCell) {
  ConsoleGrid grid;
  grid.Resize(5, 2);
  grid.Print(">");
  for (char c : std::string("ab\tcdef")) grid.Type(c);
  EXPECT_EQ(grid.Row(0), ">AB\tF") << "a tab takes a cell like any character";
  EXPECT_EQ(CaretOf(grid), (Caret{4, 0}));
}

TEST(ConsoleGrid, TheNewestLineIsTheLastTextAboveABarePromptWithoutThePromptOrPadding) {
  ConsoleGrid grid;
  EXPECT_EQ(grid.NewestLine(), "") << "a grid of no size";
  grid.Resize(12, 4);
  EXPECT_EQ(grid.NewestLine(), "");
  grid.Print("Neural 7\n");
  EXPECT_EQ(grid.NewestLine(), "Neural 7") << "output that starts in the prompt's column";
  grid.Print(">  WARP 2  \n>");
  EXPECT_EQ(grid.NewestLine(), "WARP 2") << "the bare prompt under it is passed over";
  grid.Type('n');
  EXPECT_EQ(grid.NewestLine(), "N") << "what is being typed is the newest";
  grid.Print("\n\n\n\n>");
  EXPECT_EQ(grid.NewestLine(), "") << "scrolled off";
}

TEST(ConsoleGrid, EditingKeysNeverReachThePromptColumn) {
  ConsoleGrid row;
  row.Resize(6, 1);
  row.Print(">");
  for (char c : std::string("abcd")) row.Type(c);
  for (int i = 0; i < 9; ++i) row.CaretLeft();
  EXPECT_EQ(row.CaretColumn(), 1);
  EXPECT_FALSE(row.Backspace()) << "Backspace at column 1 does nothing";
  EXPECT_EQ(row.Row(0), ">ABCD ");
  row.DeleteAtCaret();
  EXPECT_EQ(row.Row(0), ">BCD  ") << "Delete at column 1 removes the first character after the prompt";
  for (int i = 0; i < 9; ++i) row.CaretRight();
  EXPECT_EQ(row.CaretColumn(), 5);
  row.CaretLeft();
  row.CaretLeft();
  EXPECT_TRUE(row.Backspace());
  EXPECT_EQ(row.Row(0), ">BD   ");
  EXPECT_EQ(row.CaretColumn(), 2) << "the caret stays where the deleted character was";
}

TEST(ConsoleGrid, EnterAnswersTheRowLeftAndScrollsOnTheLastRow) {
  ConsoleGrid grid = GridOf(4, {"AB", ">X"});
  EXPECT_EQ(CaretOf(grid), (Caret{2, 1}));
  EXPECT_EQ(grid.Enter(), ">X  ");
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{">X  ", "    "})) << "the row entered is now second from the bottom";
  EXPECT_EQ(CaretOf(grid), (Caret{0, 1}));

  ConsoleGrid single;
  single.Resize(3, 1);
  single.Print(">");
  single.Type('q');
  EXPECT_EQ(single.Enter(), ">Q ") << "a one-row grid still hands over the row it scrolled away";
  EXPECT_EQ(single.Row(0), "   ");
}

TEST(ConsoleGrid, ResizingKeepsTheLeftOfTheRowsUpToTheCaretAndPullsTheCaretInside) {
  ConsoleGrid grid = GridOf(5, {"ABCDE", "FGHIJ", "KLMN"});
  grid.Resize(3, 2);
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"FGH", "KLM"})) << "the newest rows, ending at the caret's";
  EXPECT_EQ(CaretOf(grid), (Caret{2, 1})) << "from (4, 2): still on the row it was on";
  grid.Resize(4, 3);
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"FGH ", "KLM ", "    "})) << "growing pads with spaces";
  grid.Resize(4, 2);
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"FGH ", "KLM "})) << "with the caret's row in reach, the top rows";
  grid.Resize(0, -2);
  EXPECT_EQ(grid.Columns(), 1);
  EXPECT_EQ(grid.Rows(), 1);
}

TEST(ConsoleGrid, ShrinkingAfterManyCommandsKeepsThePromptUnderTheCaret) {
  ConsoleGrid grid = GridOf(6, {">BAS", "one", ">POW", "two", ">ALI", "three", ">DAM", "four", ">"});
  grid.Resize(6, 4);
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"three ", ">DAM  ", "four  ", ">     "}));
  EXPECT_EQ(CaretOf(grid), (Caret{1, 3}));
  grid.Type('L');
  grid.Type('O');
  EXPECT_EQ(grid.Row(3), ">LO   ") << "typing lands on the prompt, not on an old command";
}

TEST(ConsoleGrid, HomeClearsToSpacesWithTheCaretTopLeft) {
  ConsoleGrid grid = GridOf(3, {"ABC", "DEF"});
  grid.Clear();
  EXPECT_EQ(Rows(grid), (std::vector<std::string>{"   ", "   "}));
  EXPECT_EQ(CaretOf(grid), (Caret{0, 0}));
}

}  // namespace
