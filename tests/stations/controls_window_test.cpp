// The Controls window: where its buttons stand at each size, how a button looks pressed and
// released, the rivets, and that nothing answers while the scan runs an action.

#include "stations/controls_window.h"

#include <QPainter>
#include <QTest>

#include "libraries/pictures/program/program_pictures.h"
#include "sector/action_state.h"
#include "sector/sector_state.h"
#include "stations/resource_library.h"
#include "tests/stations/station_fixture.h"

namespace {

struct LayoutRow {
  const char* name;
  QSize face;
  int xs[4];
  int firstRowY, secondRowY;
};
void PrintTo(const LayoutRow& row, std::ostream* os) { *os << row.name; }

class ControlsLayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(ControlsLayoutTest, ButtonsSpreadWithTheWindow) {
  const LayoutRow& row = GetParam();
  const auto at = ControlsWindow::LayoutControlButtons(row.face);
  for (int i = 0; i < ControlsButtonCount; ++i) {
    EXPECT_EQ(at[static_cast<std::size_t>(i)].x(), row.xs[i % 4]) << "button " << i;
    EXPECT_EQ(at[static_cast<std::size_t>(i)].y(), i < 4 ? row.firstRowY : row.secondRowY) << "button " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, ControlsLayoutTest,
                         ::testing::Values(LayoutRow{"Smallest", {263, 90}, {10, 71, 132, 193}, 11, 48},
                                           LayoutRow{"Wide", {400, 150}, {10, 116, 222, 328}, 31, 88},
                                           LayoutRow{"Uneven", {301, 101}, {10, 83, 156, 229}, 14, 54}),
                         [](const auto& row) { return std::string(row.param.name); });

class ControlsWindowTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    controls.resize(400, 150);
    controls.show();
    Face(controls);
  }

  // What button `index` looks like: its frame with its picture at the offset.
  static QImage ExpectedButton(int index, bool pressed) {
    QImage button = QImage(pressed ? program_pictures::ButtonOn : program_pictures::ButtonOff)
                        .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&button);
    painter.drawImage(pressed ? QPoint(3, 3) : QPoint(2, 2), resources::Picture(10 + index));
    return button;
  }
  QImage ButtonOnFace(int index) { return Face(controls).copy(controls.ButtonRect(index)); }

  ControlsWindow controls;
};

TEST_F(ControlsWindowTest, AButtonLooksPressedWhileHeldOnItAndRaisedOtherwise) {
  ASSERT_FALSE(resources::Picture(10).isNull()) << "the picture bundle is loaded";
  const QPoint nav = controls.ButtonRect(2).center();
  EXPECT_EQ(ButtonOnFace(2), ExpectedButton(2, false));

  QTest::mousePress(&controls, Qt::LeftButton, {}, nav);
  EXPECT_EQ(controls.PressedButton(), 2);
  EXPECT_EQ(ButtonOnFace(2), ExpectedButton(2, true));
  EXPECT_EQ(ButtonOnFace(3), ExpectedButton(3, false)) << "only the held button goes down";

  QTest::mouseMove(&controls, QPoint(5, 5));
  EXPECT_EQ(controls.PressedButton(), -1) << "off the button it comes up";
  QTest::mouseMove(&controls, nav);
  EXPECT_EQ(controls.PressedButton(), 2);
  QTest::mouseRelease(&controls, Qt::LeftButton, {}, nav);
  EXPECT_EQ(ButtonOnFace(2), ExpectedButton(2, false));
  EXPECT_EQ(controls.PressedButton(), -1);
}

TEST_F(ControlsWindowTest, ARivetHoldsEachCorner) {
  const QImage face = Face(controls);
  constexpr QRgb W = qRgb(255, 255, 255), G = qRgb(128, 128, 128), B = qRgb(0, 0, 0);
  const QRgb rivet[3][3] = {{W, G, G}, {G, G, B}, {G, B, B}};
  for (const QPoint corner : {QPoint(3, 3), QPoint(3, 144), QPoint(394, 3), QPoint(394, 144)})
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 3; ++column)
        EXPECT_EQ(face.pixel(corner + QPoint(column, row)), rivet[row][column]) << corner.x() << "," << corner.y();
  EXPECT_EQ(face.pixel(2, 2), qRgb(192, 192, 192)) << "the panel's light grey around them";
  EXPECT_EQ(face.pixel(397, 147), qRgb(192, 192, 192));
}

TEST_F(ControlsWindowTest, ResizingMovesTheButtonsAndRedrawsThem) {
  controls.resize(263, 90);
  EXPECT_EQ(controls.ButtonRect(7), QRect(193, 48, 60, 36));
  EXPECT_EQ(ButtonOnFace(7), ExpectedButton(7, false));
}

TEST_F(ControlsWindowTest, TheButtonsAreTabStopsAndSpacePressesTheOneWithTheFocus) {
  QTest::mouseClick(&controls, Qt::LeftButton, {}, controls.ButtonRect(5).center());
  EXPECT_EQ(controls.FocusedButton(), 5) << "a click gives its button the focus";
  QTest::keyClick(&controls, Qt::Key_Tab);
  QTest::keyClick(&controls, Qt::Key_Tab);
  EXPECT_EQ(controls.FocusedButton(), 7);
  QTest::keyClick(&controls, Qt::Key_Tab);
  EXPECT_EQ(controls.FocusedButton(), 0) << "Tab goes round the eight buttons";
  QTest::keyClick(&controls, Qt::Key_Backtab);
  EXPECT_EQ(controls.FocusedButton(), 7);

  QTest::keyPress(&controls, Qt::Key_Space);
  EXPECT_EQ(controls.PressedButton(), 7) << "Space holds the button down";
  EXPECT_EQ(ButtonOnFace(7), ExpectedButton(7, true));
  QTest::keyRelease(&controls, Qt::Key_Space);
  EXPECT_EQ(controls.PressedButton(), -1) << "and lets it go";
  EXPECT_EQ(ButtonOnFace(7), ExpectedButton(7, false));
}

TEST_F(ControlsWindowTest, NothingAnswersWhileTheScanRunsAnAction) {
  sectorState.actionInProgress = true;
  const QImage before = Face(controls);
  QTest::mousePress(&controls, Qt::LeftButton, {}, controls.ButtonRect(0).center());
  EXPECT_EQ(controls.PressedButton(), -1);
  EXPECT_EQ(Face(controls), before) << "no button went down";
  QTest::mouseRelease(&controls, Qt::LeftButton, {}, controls.ButtonRect(0).center());
  sectorState.actionInProgress = false;
}
}  // namespace
