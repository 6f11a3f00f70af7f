// Where the station windows stand: the default arrangement with any frame metrics, saving
// and restoring the player's layout, settings files that hold odd places, and the Controls
// window's buttons bringing their stations forward.

#include "shell/window_layout.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "core/core_state.h"
#include "core/options.h"
#include "core/settings_file.h"
#include "headless/headless_host.h"
#include "shell/bridge_background.h"
#include "shell/station_roster.h"
#include "shell/station_windows.h"
#include "stations/controls_window.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

constexpr Station StationsUp[] = {Station::Status, Station::ShortRangeScan, Station::Messages, Station::Controls};

QRect PlaceOf(const std::array<QRect, StationCount>& places, Station s) {
  for (std::size_t i = 0; i < StationRoster.size(); ++i)
    if (StationRoster[i].station == s) return places[i];
  return {};
}

// Every pair of stations that are up: neither frame reaches into the other's face.
void ExpectNoFaceCovered(const std::array<QRect, StationCount>& places, const QMargins& margins) {
  for (Station a : StationsUp)
    for (Station b : StationsUp)
      if (a != b) {
        EXPECT_FALSE(PlaceOf(places, a).intersects(PlaceOf(places, b).marginsRemoved(margins)))
            << StationName(a) << " covers the face of " << StationName(b);
      }
}

struct MetricsRow {
  const char* name;
  QMargins margins;
  int messagesTop, controlsTop;
};
void PrintTo(const MetricsRow& row, std::ostream* os) { *os << row.name; }

class DefaultPlacesTest : public ::testing::TestWithParam<MetricsRow> {};

TEST_P(DefaultPlacesTest, TheLowerRowMovesDownOnlyAsFarAsTallerCaptionsNeed) {
  const MetricsRow& row = GetParam();
  const auto places = DefaultPlaces(row.margins);
  EXPECT_EQ(PlaceOf(places, Station::Messages).top(), row.messagesTop);
  EXPECT_EQ(PlaceOf(places, Station::Controls).top(), row.controlsTop);
  EXPECT_EQ(PlaceOf(places, Station::Controls).left(), 350) << "only downwards";
  EXPECT_EQ(PlaceOf(places, Station::ShortRangeScan), QRect(QPoint(250, 5), QSize(315, 235).grownBy(row.margins)));
  EXPECT_EQ(PlaceOf(places, Station::Status), QRect(QPoint(10, 5), QSize(189, 236).grownBy(row.margins)));
  ExpectNoFaceCovered(places, row.margins);
}

INSTANTIATE_TEST_SUITE_P(Frames, DefaultPlacesTest,
                         ::testing::Values(MetricsRow{"Classic", QMargins(4, 22, 4, 4), 266, 262},
                                           MetricsRow{"NoFrame", QMargins(0, 0, 0, 0), 266, 262},
                                           MetricsRow{"TallCaptions", QMargins(4, 30, 4, 4), 271, 270},
                                           MetricsRow{"JustTooTall", QMargins(1, 23, 1, 1), 266, 263}),
                         [](const auto& row) { return std::string(row.param.name); });

class WindowLayoutTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    ASSERT_TRUE(directory.isValid());
    UseScratchSettingsFile();
    NewGameFromMenu(GreenSeed);
  }

  // What start-up does with the settings file's path, in the test's own folder.
  void UseScratchSettingsFile() { coreState.settingsPath = directory.filePath(SettingsFileName).toStdString(); }

  void WriteSettingsFile(const std::string& text) { std::ofstream(coreState.settingsPath, std::ios::binary) << text; }
  std::string SettingsFileText() {
    std::ifstream in(coreState.settingsPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static QMdiSubWindow& Frame(Station s) { return *StationFrame(s); }
  static QRect NormalPlace(Station s) { return qobject_cast<StationSubWindow*>(StationFrame(s))->normalGeometry(); }

  QTemporaryDir directory;
};

TEST_F(WindowLayoutTest, TheDefaultArrangementLeavesEveryFaceUncovered) {
  QMdiSubWindow& scan = Frame(Station::ShortRangeScan);
  const QRect face = scan.widget()->geometry();
  const QMargins margins(face.left(), face.top(), scan.width() - face.right() - 1, scan.height() - face.bottom() - 1);
  std::array<QRect, StationCount> places;
  for (std::size_t i = 0; i < StationRoster.size(); ++i) places[i] = NormalPlace(StationRoster[i].station);
  ExpectNoFaceCovered(places, margins);
  EXPECT_EQ(places, DefaultPlaces(margins));
}

TEST_F(WindowLayoutTest, SaveThenRestoreBringsBackPlacesAndMinimizedStates) {
  Frame(Station::ShortRangeScan).move(400, 300);
  Frame(Station::Status).showMinimized();
  Frame(Station::Navigation).showNormal();
  Frame(Station::Navigation).move(20, 400);
  frame->Command(M::SaveWindowPositions);

  const std::string saved = SettingsFileText();
  EXPECT_NE(saved.find("[Positions]\nShortRange=1,400,300,"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\nStatus=2,10,5,"), std::string::npos) << "the normal place of a minimized station";

  frame->Command(M::DefaultPositions);
  ASSERT_FALSE(Frame(Station::Status).isMinimized());
  frame->Command(M::RestoreWindowPositions);
  EXPECT_EQ(Frame(Station::ShortRangeScan).pos(), QPoint(400, 300));
  EXPECT_EQ(Frame(Station::ShortRangeScan).widget()->size(), QSize(315, 235));
  EXPECT_FALSE(Frame(Station::Navigation).isMinimized());
  EXPECT_EQ(Frame(Station::Navigation).pos(), QPoint(20, 400));
  EXPECT_TRUE(Frame(Station::Status).isMinimized()) << "its show state came back with it";
  EXPECT_TRUE(Frame(Station::Computer).isMinimized());
  Frame(Station::Status).showNormal();
  EXPECT_EQ(Frame(Station::Status).pos(), QPoint(10, 5));
}

TEST_F(WindowLayoutTest, AFileWithSomeKeysMovesOnlyThoseStations) {
  const QRect status = Frame(Station::Status).geometry();
  const QSize scanSize = Frame(Station::ShortRangeScan).size();
  WriteSettingsFile("[Positions]\nShortRange=1,300,40,640,340\nComputer=1,30,60,420,330\nStatus=\n");
  frame->Command(M::RestoreWindowPositions);
  EXPECT_EQ(Frame(Station::ShortRangeScan).geometry(), QRect(QPoint(300, 40), scanSize)) << "the scan keeps its size";
  EXPECT_FALSE(Frame(Station::Computer).isMinimized());
  EXPECT_EQ(Frame(Station::Computer).geometry(), QRect(30, 60, 390, 270));
  EXPECT_EQ(Frame(Station::Status).geometry(), status) << "an empty value leaves it where it is";
  EXPECT_TRUE(Frame(Station::Navigation).isMinimized());
}

TEST_F(WindowLayoutTest, OnlyTheScalableStationsCanBeResized) {
  for (Station s : {Station::ShortRangeScan, Station::Navigation, Station::Shields, Station::PhotonTorpedoes,
                    Station::Phasers, Station::DamageReport, Station::Status}) {
    QMdiSubWindow& station = Frame(s);
    station.showNormal();
    const QSize size = station.size();
    station.resize(size + QSize(100, 80));
    EXPECT_EQ(station.size(), size) << StationName(s) << " grew";
    station.resize(size - QSize(40, 30));
    EXPECT_EQ(station.size(), size) << StationName(s) << " shrank";
  }
  for (Station s : {Station::LongRangeScan, Station::Computer, Station::Messages, Station::Controls}) {
    QMdiSubWindow& station = Frame(s);
    station.showNormal();
    const QSize larger = station.size() + QSize(100, 80);
    station.resize(larger);
    EXPECT_EQ(station.size(), larger) << StationName(s);
  }
}

TEST_F(WindowLayoutTest, OddPlacesNeverPutAStationOutOfReach) {
  const QRect messages = Frame(Station::Messages).geometry();
  const QRect bridge = frame->Backdrop().viewport()->rect();
  WriteSettingsFile(
      "[Positions]\n"
      "ShortRange=1,99999999999,-99999999999,5,5\n"  // far away, and right of its own right edge
      "Status=3,-500,-500,-100,-100\n"               // left and above the bridge; cannot be maximized
      "Messages=1,200,200\n"                         // not five numbers
      "Controls=65538,10,10,20000000,20000000\n");   // minimized in the low 16 bits, far too large
  frame->Command(M::RestoreWindowPositions);
  for (Station s : {Station::ShortRangeScan, Station::Status, Station::Controls}) {
    const QRect place = NormalPlace(s);
    EXPECT_TRUE(place.intersects(bridge)) << StationName(s);
    EXPECT_GE(place.top(), bridge.top()) << StationName(s) << ": its caption stays reachable";
    EXPECT_LE(place.width(), 4 * bridge.width()) << StationName(s);
  }
  EXPECT_FALSE(Frame(Station::Status).isMaximized());
  EXPECT_TRUE(Frame(Station::Controls).isMinimized());
  EXPECT_EQ(Frame(Station::Messages).geometry(), messages) << "a value without five numbers changes nothing";
}

TEST_F(WindowLayoutTest, SavingKeepsTheRestOfTheFile) {
  WriteSettingsFile("; mine\n[General]\nSkill=3\n\n[Positions]\nShortRange=1,1,1,2,2\nExtra=keep\n");
  frame->Command(M::SaveWindowPositions);
  const std::string saved = SettingsFileText();
  EXPECT_EQ(saved.rfind("; mine\n[General]\nSkill=3\n\n[Positions]\nShortRange=1,250,5,", 0), 0u) << saved;
  EXPECT_NE(saved.find("\nExtra=keep\nLongRange=2,250,5,"), std::string::npos) << saved;
}

TEST_F(WindowLayoutTest, PositionsThatCannotBeSavedAreSaidWithTheArrowUp) {
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(coreState.settingsPath)));
  QString said;
  bool arrow = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    said = box->text();
    arrow = QApplication::overrideCursor() == nullptr;
    box->accept();
  });
  frame->Command(M::SaveWindowPositions);
  EXPECT_EQ(said, QString::fromStdString("Your settings could not be saved in the file " + coreState.settingsPath +
                                         "\nIs a directory"));
  EXPECT_TRUE(arrow) << "the hourglass is gone while the box asks for a click";
}

TEST_F(WindowLayoutTest, EachControlsButtonBringsItsStationForward) {
  auto& controls = *qobject_cast<ControlsWindow*>(stationState.controlsWindow);
  coreState.options.singleControlWindow = 1;
  const Station shown[] = {Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,   Station::Shields,
                           Station::PhotonTorpedoes, Station::Phasers,       Station::DamageReport, Station::Computer};
  for (int i = 0; i < ControlsButtonCount; ++i) {
    const QPoint button = controls.ButtonRect(i).center();
    QTest::mouseClick(&controls, Qt::LeftButton, {}, button);
    EXPECT_FALSE(Frame(shown[i]).isMinimized()) << StationName(shown[i]);
    for (Station other : shown)
      if (other != shown[i]) {
        EXPECT_TRUE(Frame(other).isMinimized()) << StationName(other) << " with " << i;
      }
    EXPECT_FALSE(Frame(Station::Controls).isMinimized()) << "the Controls window stays";
    EXPECT_FALSE(Frame(Station::Status).isMinimized());
  }
}

TEST_F(WindowLayoutTest, TheControlsWindowShrinksNoFurtherThanItsButtonsNeed) {
  QMdiSubWindow& controls = Frame(Station::Controls);
  controls.resize(40, 30);
  QCoreApplication::processEvents();
  EXPECT_EQ(controls.widget()->size(), QSize(263, 90));
  EXPECT_TRUE(controls.rect().contains(controls.widget()->geometry())) << "the face is not cut off";
  controls.showMinimized();
  EXPECT_LT(controls.width(), 263) << "its icon is as small as any other";
  controls.showNormal();
  controls.resize(controls.size() + QSize(137, 60));
  QCoreApplication::processEvents();  // the frame lays out its face
  EXPECT_EQ(qobject_cast<ControlsWindow*>(stationState.controlsWindow)->ButtonRect(3).topLeft(), QPoint(328, 31))
      << "the buttons follow the window";
}

TEST_F(WindowLayoutTest, WithoutTheSingleControlWindowOtherStationsStayUp) {
  auto& controls = *qobject_cast<ControlsWindow*>(stationState.controlsWindow);
  coreState.options.singleControlWindow = 0;
  QTest::mouseClick(&controls, Qt::LeftButton, {}, controls.ButtonRect(2).center());
  EXPECT_FALSE(Frame(Station::Navigation).isMinimized());
  EXPECT_FALSE(Frame(Station::ShortRangeScan).isMinimized());
}

TEST_F(WindowLayoutTest, OptionsAndPositionsLastAcrossARestart) {
  Item(MenuSet::Game, M::PauseWhenIconic)->trigger();
  Item(MenuSet::Game, M::AutoSrs)->trigger();
  Frame(Station::Messages).move(600, 500);
  frame->Command(M::SaveWindowPositions);
  CloseFrame();
  WriteSettings();

  ResetShellState(qtHost);
  UseScratchSettingsFile();
  ReadSettings();
  EXPECT_EQ(coreState.options.pauseWhenIconic, 1);
  EXPECT_EQ(coreState.options.autoSrs, 0);
  OpenFrame();
  NewGameFromMenu(GreenSeed);
  EXPECT_TRUE(Item(MenuSet::Game, M::PauseWhenIconic)->isChecked());
  EXPECT_FALSE(Item(MenuSet::Game, M::AutoSrs)->isChecked());
  EXPECT_NE(Frame(Station::Messages).pos(), QPoint(600, 500)) << "a new game starts in the default arrangement";
  frame->Command(M::RestoreWindowPositions);
  EXPECT_EQ(Frame(Station::Messages).pos(), QPoint(600, 500));
}
TEST_F(WindowLayoutTest, ARunWithoutSpeakersKeepsThePlayersSoundsChoice) {
  ASSERT_EQ(speakers.devices, 0);
  CloseFrame();
  coreState.options.soundsEnabled = 1;  // as read from the file
  OpenFrame();
  EXPECT_EQ(coreState.options.soundsEnabled, 0) << "off for this run";
  frame->ShutDown();
  ReadSettings();
  EXPECT_EQ(coreState.options.soundsEnabled, 1) << "the next run, with speakers, plays them again";
}
}  // namespace
