#include <QTest>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/console_keyboard.h"
#include "sector/sector_state.h"
#include "stations/computer_station.h"
#include "tests/stations/station_fixture.h"

namespace {

const QRgb Maroon = qRgb(128, 0, 0), Navy = qRgb(0, 0, 128), Red = qRgb(255, 0, 0), Black = qRgb(0, 0, 0);

class ComputerTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.options.autoSrs = 0;
    DrawQuadrant(27, {"........", "........", "........", "........", ">.......", "........", "........", "........"});
    console.resize(ConsoleDefaultClientWidth, ConsoleDefaultClientHeight);
    console.show();
    ConsolePrintText("\n>");  // as after a load
  }

  void Type(const char* keys) { QTest::keyClicks(&console, keys); }
  void Key(Qt::Key key) { QTest::keyClick(&console, key); }

  std::string Row(int r) const {
    std::string row(console.Grid().Row(r));
    return row.substr(0, row.find_last_not_of(' ') + 1);
  }
  QPoint Caret() const { return {console.Grid().CaretColumn(), console.Grid().CaretRow()}; }

  // Whether the cell shows a character: some white on it.
  bool CellInked(const QImage& face, int column, int row) const {
    for (int y = 0; y < ConsoleCellHeight; ++y)
      for (int x = 0; x < ConsoleCellWidth; ++x)
        if (face.pixel(ConsoleLeftMargin + column * ConsoleCellWidth + x,
                       ConsoleTopMargin + row * ConsoleCellHeight + y) == qRgb(255, 255, 255))
          return true;
    return false;
  }

  ComputerStation console;
};

TEST_F(ComputerTest, TheDefaultWindowHoldsThirtyNineColumns) {
  EXPECT_EQ(console.Grid().Columns(), 39);
  EXPECT_EQ(console.Grid().Rows(), 13);
  EXPECT_EQ(console.sizeHint(), QSize(360, 230));
}

TEST_F(ComputerTest, WhiteTextOnNavyInsideARoundedRedFrameOnMaroon) {
  ConsolePrint(Msg::ConsoleGreeting, 77);
  const QImage face = Face(console);
  EXPECT_EQ(face.pixel(2, 2), Maroon);
  EXPECT_EQ(face.pixel(180, 13), Red) << "the frame's top edge, a cell above the text";
  EXPECT_EQ(face.pixel(15, 12), Maroon) << "the corner is rounded";
  EXPECT_EQ(face.pixel(15, 20), Red) << "the left edge, a cell left of the text";
  EXPECT_EQ(face.pixel(180, 20), Navy);
  EXPECT_EQ(Row(1), ">BridgeNet Ver1021.047") << "printed behind the prompt";
  EXPECT_TRUE(CellInked(face, 0, 1));
  EXPECT_FALSE(CellInked(face, 0, 0)) << "the load's line break left row 0 empty";
}

TEST_F(ComputerTest, ACommandTypedAndEnteredIsAnswered) {
  Type("loc");
  EXPECT_EQ(Row(1), ">LOC");
  EXPECT_TRUE(CellInked(Face(console), 3, 1)) << "typed characters are drawn at once";
  Key(Qt::Key_Return);
  EXPECT_EQ(Row(2), "");
  EXPECT_EQ(Row(3), "Quadrant 4,4  Sector 1,5");
  EXPECT_EQ(Row(4), ">");
  EXPECT_EQ(Caret(), QPoint(1, 4));
  EXPECT_TRUE(CellInked(Face(console), 0, 3));
}

TEST_F(ComputerTest, EditingKeysStayOffThePromptAndOtherKeysDoNothing) {
  Type("abcd");
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}) Key(key);
  EXPECT_EQ(Caret(), QPoint(5, 1));
  EXPECT_EQ(Row(1), ">ABCD");
  Key(Qt::Key_Left);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Row(1), ">ABD");
  for (int i = 0; i < 5; ++i) Key(Qt::Key_Left);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Row(1), ">ABD") << "Backspace at column 1 does nothing";
  Key(Qt::Key_Delete);
  EXPECT_EQ(Row(1), ">BD");
  EXPECT_EQ(Caret(), QPoint(1, 1));
  Key(Qt::Key_Tab);
  EXPECT_EQ(console.Grid().At(1, 1), '\t') << "a tab is a character here, not a change of focus";
  EXPECT_FALSE(CellInked(Face(console), 3, 1)) << "Delete redrew the rest of the row";
  Key(Qt::Key_Home);
  EXPECT_EQ(Row(0), ">");
  EXPECT_EQ(Row(1), "");
  EXPECT_EQ(Caret(), QPoint(1, 0));
  EXPECT_FALSE(CellInked(Face(console), 0, 1)) << "the cleared screen is drawn";
}

TEST_F(ComputerTest, ADamagedComputerIsBlackIgnoresKeysButKeepsItsOutput) {
  coreState.game.Damage(ShipSystem::Computer) = 0.5;
  console.Invalidate(false);
  Type("loc");
  Key(Qt::Key_Return);
  Key(Qt::Key_Home);
  EXPECT_EQ(Row(1), ">") << "keystrokes are discarded";
  ConsolePrintText("Ready\n");
  EXPECT_EQ(Row(1), ">Ready");
  const QImage face = Face(console);
  EXPECT_EQ(face.pixel(180, 100), Black);
  EXPECT_EQ(face.pixel(180, 13), Red);
  EXPECT_FALSE(CellInked(face, 1, 1));

  coreState.game.Damage(ShipSystem::Computer) = 0.0;
  console.Invalidate(false);
  EXPECT_TRUE(CellInked(Face(console), 1, 1)) << "the text is back at the first repaint after the repair";
  EXPECT_EQ(Face(console).pixel(180, 100), Navy);
}

TEST_F(ComputerTest, TheKeyboardIsShutWhileTheConsoleIsBusy) {
  sectorState.consoleBusy = true;
  Type("x");
  Key(Qt::Key_Home);
  EXPECT_EQ(Row(1), ">");
  sectorState.consoleBusy = false;
  Type("x");
  EXPECT_EQ(Row(1), ">X");
}

TEST_F(ComputerTest, OutputRunningOffTheBottomScrollsTheScreen) {
  for (int i = 0; i < 12; ++i) ConsolePrintText("line " + std::to_string(i) + "\n");
  EXPECT_EQ(Row(0), ">line 0") << "row 0 held the empty line of the load and has scrolled away";
  EXPECT_EQ(Row(11), "line 11");
  const QImage face = Face(console);
  EXPECT_TRUE(CellInked(face, 5, 11));
  EXPECT_FALSE(CellInked(face, 0, 12)) << "the screen shows the scrolled grid";
}

TEST_F(ComputerTest, ResizingKeepsTheTopLeftOfTheText) {
  Type("0123456789abcdefghijklmnopqrstuvwxyzABCDE");
  EXPECT_EQ(Row(1), ">0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZAE") << "the last cell keeps being overwritten";
  console.resize(200, 120);
  QApplication::processEvents();
  EXPECT_EQ(console.Grid().Columns(), 19);
  EXPECT_EQ(console.Grid().Rows(), 5);
  EXPECT_EQ(Row(1), ">0123456789ABCDEFGH");
  EXPECT_EQ(Caret(), QPoint(18, 1));
  console.resize(ConsoleDefaultClientWidth, ConsoleDefaultClientHeight);
  QApplication::processEvents();
  EXPECT_EQ(Row(1), ">0123456789ABCDEFGH") << "growing pads with spaces";
  EXPECT_EQ(Face(console).pixel(ConsoleDefaultClientWidth - 2, 100), Maroon);
}

}  // namespace
