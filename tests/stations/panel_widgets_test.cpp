#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "stations/control_station.h"
#include "stations/panel_drawing.h"
#include "stations/panel_widgets.h"
#include "stations/shared_pictures.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "tests/stations/station_fixture.h"

namespace {

TEST(FormatThreeDigits, RightAlignsInThreePlacesOrLeavesThemBlank) {
  const std::pair<int, const char*> cases[] = {{-1, "   "},  {0, "  0"},   {7, "  7"},    {45, " 45"},
                                               {315, "315"}, {999, "999"}, {1000, "   "}, {-250, "   "}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatThreeDigits(value), text) << value;
}

// A strip whose every cell is one flat colour, so each drawn cell tells which one it came from.
QImage ColouredStrip() {
  QImage strip(15, 234, QImage::Format_RGB32);
  for (int cell = 0; cell < 13; ++cell)
    for (int y = 0; y < 18; ++y)
      for (int x = 0; x < 15; ++x) strip.setPixel(x, 18 * cell + y, qRgb(cell * 16, 0x40, 0x01));
  return strip;
}

TEST(DrawDigits, DrawsOneCellPerCharacterAndOrsThePointIntoThePreviousOne) {
  const QImage strip = ColouredStrip();
  QImage surface(80, 30, QImage::Format_RGB32);
  surface.fill(qRgb(9, 9, 9));
  DrawDigits(surface, " 12.5", 4, 6, strip);
  auto cellColour = [&](int cell) { return surface.pixel(4 + 13 * cell + 6, 6 + 9); };
  EXPECT_EQ(cellColour(0), strip.pixel(0, 18)) << "blank";
  EXPECT_EQ(cellColour(1), strip.pixel(0, 180)) << "1";
  EXPECT_EQ(cellColour(2), strip.pixel(0, 162) | strip.pixel(0, 216)) << "2 with the point ORed in";
  EXPECT_EQ(cellColour(3), strip.pixel(0, 108)) << "5";
  EXPECT_EQ(surface.pixel(4 + 52, 10), qRgb(9, 9, 9)) << "four cells, 52 pixels wide";
  EXPECT_EQ(surface.pixel(4 + 51, 23), strip.pixel(12, 108)) << "18 pixels high";
  EXPECT_EQ(surface.pixel(4 + 51, 24), qRgb(9, 9, 9));
}

TEST(CourseSelector, PlusAndMinusStepRoundTheDial) {
  CourseSelector selector;
  QImage surface(340, 225, QImage::Format_RGB32);
  auto sequence = [&](int start, int step, bool up) {
    selector.Show(surface, start);
    std::vector<int> courses;
    for (int i = 0; i < 3; ++i) {
      selector.Show(surface, up ? selector.NextUp(step) : selector.NextDown(step));
      courses.push_back(selector.Course());
    }
    return courses;
  };
  EXPECT_EQ(sequence(357, 5, true), (std::vector<int>{0, 5, 10}));
  EXPECT_EQ(sequence(3, 5, false), (std::vector<int>{0, 355, 350}));
  EXPECT_EQ(sequence(358, 1, true), (std::vector<int>{359, 0, 1}));
  EXPECT_EQ(sequence(2, 1, false), (std::vector<int>{1, 0, 359}));
}

TEST(CourseSelector, KeysAreACompassRose) {
  CourseSelector selector;
  const std::pair<int, int> cases[] = {{33, 45},   {57, 45},  {105, 45}, {34, 135}, {51, 135},  {99, 135}, {35, 225},
                                       {49, 225},  {97, 225}, {36, 315}, {55, 315}, {103, 315}, {37, 270}, {52, 270},
                                       {100, 270}, {38, 0},   {56, 0},   {104, 0},  {53, 0},    {101, 0},  {39, 90},
                                       {54, 90},   {102, 90}, {40, 180}, {50, 180}, {98, 180}};
  for (const auto& [key, course] : cases) EXPECT_EQ(selector.CourseForKey(key), course) << "key " << key;
  EXPECT_EQ(selector.CourseForKey(65), std::nullopt);
  EXPECT_EQ(selector.CourseForKey(48), std::nullopt) << "0 is not on the rose";
  QImage surface(340, 225, QImage::Format_RGB32);
  selector.Show(surface, 359);
  EXPECT_EQ(selector.CourseForKey(107), 0);
  EXPECT_EQ(selector.CourseForKey(187), 0);
  selector.Show(surface, 0);
  EXPECT_EQ(selector.CourseForKey(109), 359);
  EXPECT_EQ(selector.CourseForKey(189), 359);
}

TEST(CourseNeedle, ReplacesTheOldNeedleWithAGreenOne) {
  LoadSharedPictures();  // the needle is drawn with the stations' grid pen
  QImage surface(340, 225, QImage::Format_RGB32);
  surface.fill(Qt::black);
  DrawCourseNeedle(surface, 240, 84, -1, 90);
  EXPECT_EQ(surface.pixel(240, 84), qRgb(0, 255, 0));
  EXPECT_EQ(surface.pixel(289, 84), qRgb(0, 255, 0));
  EXPECT_EQ(surface.pixel(290, 84), qRgb(0, 0, 0)) << "the end point is left out";
  DrawCourseNeedle(surface, 240, 84, 90, 180);
  EXPECT_EQ(surface.pixel(260, 84), qRgb(0, 0, 0)) << "the old needle is gone";
  EXPECT_EQ(surface.pixel(240, 120), qRgb(0, 255, 0));
}

TEST(EnergyTransferPanel, MoreStopsBelowFiftyOneAndLessGivesBackWhatIsThere) {
  EnergyTransferPanel panel(qRgb(0, 128, 128));
  panel.available = 55;
  EXPECT_TRUE(panel.More(10));
  EXPECT_EQ(panel.available, 45);
  EXPECT_EQ(panel.charge, 10);
  EXPECT_FALSE(panel.More(10)) << "45 is below 51";
  EXPECT_TRUE(panel.Less(1));
  EXPECT_EQ(panel.charge, 9);
  EXPECT_TRUE(panel.Less(10));
  EXPECT_EQ(panel.charge, 0);
  EXPECT_EQ(panel.available, 55);
  EXPECT_FALSE(panel.Less(10));
}

TEST(EnergyTransferPanel, KeysMoveTensHundredsAndOnes) {
  EnergyTransferPanel panel(qRgb(0, 128, 128));
  panel.available = 200;
  struct {
    int virtualKey, character, available, charge;
  } const steps[] = {
      {38, 0, 100, 100},  // up: 100 into the charge (available was above 150)
      {38, 0, 100, 100},  // not any more
      {37, 0, 90, 110},   // left: 10
      {0, '=', 89, 111},  // =: 1
      {39, 0, 99, 101},   // right: 10 back
      {40, 0, 199, 1},    // down: 100 back
      {40, 0, 200, 0},    // all that is left
      {109, 0, 200, 0},   // keypad minus with nothing charged
  };
  for (const auto& s : steps) {
    EXPECT_TRUE(panel.Key(s.virtualKey, s.character));
    EXPECT_EQ(panel.available, s.available) << s.virtualKey << " " << s.character;
    EXPECT_EQ(panel.charge, s.charge) << s.virtualKey << " " << s.character;
  }
  EXPECT_FALSE(panel.Key(65, 'A'));
  EXPECT_FALSE(panel.Key(13, 13)) << "Enter is the station's EXECUTE";
}

TEST(EnergyTransferPanel, TheGaugeSplitsItsBarByTheTwoAmounts) {
  QImage surface(340, 225, QImage::Format_RGB32);
  surface.fill(Qt::black);
  EnergyTransferPanel panel(qRgb(0, 128, 128));
  panel.available = 300;
  panel.charge = 100;
  panel.Paint(surface, stationState.dilithiumPanelPicture);
  EXPECT_EQ(surface.pixel(10, 90), qRgb(255, 0, 0)) << "outline";
  EXPECT_EQ(surface.pixel(12, 95), qRgb(128, 0, 0)) << "frame";
  EXPECT_EQ(surface.pixel(14, 100), qRgb(128, 0, 128));
  EXPECT_EQ(surface.pixel(14 + 231, 100), qRgb(128, 0, 128)) << "trunc(310 * 300 / 400) = 232 pixels";
  EXPECT_EQ(surface.pixel(14 + 232, 100), qRgb(0, 128, 128));
  EXPECT_EQ(surface.pixel(14 + 232 + 76, 100), qRgb(0, 128, 128));
  EXPECT_EQ(surface.pixel(14 + 232 + 77, 100), qRgb(128, 0, 0)) << "trunc(310 * 100 / 400) = 77 pixels";
}

// A station that paints nothing, standing in for the ones other parts of the game build.
class PlainStation : public StationWindow {
 public:
  explicit PlainStation(Station s) : StationWindow(s, Qt::black) {}
  void Paint(QPainter&) override {}
};

TEST(ShowStation, WithOneControlWindowMinimizesTheOthersButNotTheComputerCarryingMessages) {
  StationHost host;
  ResetStationState(host);
  coreState.options.singleControlWindow = 1;
  coreState.game.messagesToComputer = 1;
  QMdiArea area;
  area.resize(1200, 900);
  std::vector<QMdiSubWindow*> frames;
  for (Station s : {Station::ShortRangeScan, Station::LongRangeScan, Station::Navigation, Station::Phasers,
                    Station::Computer, Station::Status, Station::Messages}) {
    frames.push_back(area.addSubWindow(new PlainStation(s)));
    frames.back()->show();
  }
  area.show();

  ShowStation(Station::Navigation);

  auto minimized = [&](Station s) { return StationHandle(s)->parentWidget()->isMinimized(); };
  EXPECT_TRUE(minimized(Station::ShortRangeScan));
  EXPECT_TRUE(minimized(Station::LongRangeScan));
  EXPECT_TRUE(minimized(Station::Phasers));
  EXPECT_FALSE(minimized(Station::Navigation));
  EXPECT_FALSE(minimized(Station::Computer)) << "it shows the ship's messages";
  EXPECT_FALSE(minimized(Station::Status));
  EXPECT_FALSE(minimized(Station::Messages));

  coreState.options.singleControlWindow = 0;
  ShowStation(Station::ShortRangeScan);
  EXPECT_FALSE(minimized(Station::ShortRangeScan));
  EXPECT_FALSE(minimized(Station::Navigation)) << "without the option nothing else changes";
}

}  // namespace
