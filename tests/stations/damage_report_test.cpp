// The Damage Report as the player sees it: the table read back from the station's face in
// both modes, the click that switches them, and the empty table while damage control is out.

#include "stations/damage_report.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <utility>
#include <vector>

#include "core/core_state.h"
#include "stations/resource_library.h"
#include "stations/station_reset.h"
#include "stations/station_state.h"
#include "tests/stations/station_fixture.h"

namespace {

// The rows of the table: the system shown and the top of its estimate in the picture.
const std::vector<std::pair<ShipSystem, int>> TableRows = {
    {ShipSystem::Shield, 84},  {ShipSystem::SRS, 102},    {ShipSystem::LRS, 120},     {ShipSystem::Warp, 138},
    {ShipSystem::Phaser, 156}, {ShipSystem::Photon, 174}, {ShipSystem::Computer, 192}};

class DamageReportTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.game.stardateNow = 3420.0;
    Damage(ShipSystem::Shield, 1.7, 3421.7);
    Damage(ShipSystem::LRS, -1.0, 0.0);
    Damage(ShipSystem::Photon, 2.0, 3419.5);  // overdue: the next evaluation mends it
    report.show();
  }

  static void Damage(ShipSystem s, double days, double backAt) {
    coreState.game.Damage(s) = days;
    coreState.game.RepairDate(s) = backAt;
  }

  // The face the player should see: the table at (12, 6) on black with `estimates`, top
  // to bottom, in yellow at x 230 of the table (none at all when the list is empty).
  static QImage ExpectedFace(const std::vector<const char*>& estimates) {
    QImage face(340, 225, QImage::Format_RGB32);
    face.fill(Qt::black);
    QPainter painter(&face);
    painter.drawImage(12, 6, resources::Picture(36));
    const QFont font = DamageReportStation::EstimateFont();
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    painter.setBackground(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    for (std::size_t i = 0; i < estimates.size(); ++i)
      painter.drawText(12 + 230, 6 + TableRows[i].second + QFontMetrics(font).ascent(),
                       QString::fromLatin1(estimates[i]));
    return face;
  }

  static int YellowPixels(const QImage& face) {
    int count = 0;
    for (int y = 0; y < face.height(); ++y)
      for (int x = 0; x < face.width(); ++x) count += face.pixel(x, y) == qRgb(255, 255, 0);
    return count;
  }

  void Click() {
    QTest::mouseClick(&report, Qt::LeftButton, {}, QPoint(150, 100));
    QApplication::processEvents();
  }

  DamageReportStation report;
};

TEST_F(DamageReportTest, ShowsEachSystemsRepairStardateThenTheTimeToGoAfterAClick) {
  EXPECT_EQ(report.size(), QSize(340, 225));
  EXPECT_EQ(report.minimumSize(), report.maximumSize()) << "the report cannot be resized";

  const QImage stardates = Face(report);
  EXPECT_EQ(stardates, ExpectedFace({"3421.7", " - OK -", "DESTROYED", " - OK -", " - OK -", "3419.5", " - OK -"}));
  EXPECT_GT(YellowPixels(stardates), 0);

  Click();
  EXPECT_EQ(stationState.repairShowRemaining, 1);
  EXPECT_EQ(Face(report), ExpectedFace({"1.7 ", " - OK -", "DESTROYED", " - OK -", " - OK -", "-0.5", " - OK -"}));

  Click();
  EXPECT_EQ(stationState.repairShowRemaining, 0);
  EXPECT_EQ(Face(report), stardates);
}

TEST_F(DamageReportTest, StaysEmptyAndIgnoresClicksWhileDamageControlIsOut) {
  for (double damageControl : {0.5, -1.0}) {
    coreState.game.Damage(ShipSystem::DamageControl) = damageControl;
    report.Invalidate(false);
    const QImage face = Face(report);
    EXPECT_EQ(face, ExpectedFace({})) << damageControl;
    EXPECT_EQ(YellowPixels(face), 0);
    Click();
    EXPECT_EQ(stationState.repairShowRemaining, 0) << "the click did not switch the mode";
  }
}

TEST(RepairEstimate, FormatsOneDecimalLeftJustifiedInFourCharacters) {
  HeadlessHost headless;
  ResetStationState(headless);
  coreState.game.stardateNow = 2000.0;
  coreState.game.Damage(ShipSystem::Warp) = 0.3;
  struct Case {
    double repairDate;
    int remaining;
    const char* shown;
  };
  for (const Case& c : {Case{2000.3, 0, "2000.3"}, Case{2000.3, 1, "0.3 "}, Case{2012.25, 1, "12.2"},
                        Case{2000.0, 1, "0.0 "}, Case{1990.0, 1, "-10.0"}}) {
    coreState.game.RepairDate(ShipSystem::Warp) = c.repairDate;
    stationState.repairShowRemaining = c.remaining;
    EXPECT_EQ(RepairEstimate(ShipSystem::Warp), c.shown) << c.repairDate << " remaining " << c.remaining;
  }
}
}  // namespace
