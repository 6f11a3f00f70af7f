// What a screen reader finds on the bridge of a running game, through Qt's accessibility
// interface: the stations by their titles, the Status panel's figures by their labels, the
// newest ship's message and console line, the painted buttons by name with a press action,
// and a change of a figure announced once, only when it really changed.

#include <QAccessible>
#include <QMdiSubWindow>
#include <ostream>
#include <vector>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/message_catalogue.h"
#include "core/ship_messages.h"
#include "shell/station_windows.h"
#include "stations/navigation_station.h"
#include "stations/phaser_station.h"
#include "stations/photon_station.h"
#include "stations/station_accessible.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "tests/shell/bridge_fixture.h"

// Read-outs in a failure message as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Stands in for a screen reader, which the offscreen platform has none of: it hears what the
// stations announce.
class Listener : public ReadOutListener {
 public:
  struct Heard {
    StationWindow* station;
    int index;
    QString text;
  };
  bool Listening() const override { return true; }
  void Changed(StationWindow& station, int index, const QString& text) override {
    heard.push_back({&station, index, text});
  }
  std::vector<Heard> heard;
};

class ScreenReader : public BridgeTest {
 protected:
  void SetUp() override {
    InstallStationAccessibility();
    BridgeTest::SetUp();
    stationState.readOutListener = &listener;
    NewGameFromMenu(RedAlertSeed);
    listener.heard.clear();
  }

  void TearDown() override {
    BridgeTest::TearDown();
    stationState.readOutListener = nullptr;
  }

  static QAccessibleInterface* Reader(Station s) { return QAccessible::queryAccessibleInterface(StationHandle(s)); }

  // The names of a station's parts, in order, up to the first real child widget.
  static QStringList PartNames(Station s) {
    QStringList names;
    QAccessibleInterface* station = Reader(s);
    for (int i = 0; i < station->childCount(); ++i)
      if (QAccessibleInterface* part = station->child(i); part && !part->object())
        names << part->text(QAccessible::Name);
    return names;
  }

  static QAccessibleInterface* PartNamed(Station s, const QString& name) {
    QAccessibleInterface* station = Reader(s);
    for (int i = 0; i < station->childCount(); ++i)
      if (QAccessibleInterface* part = station->child(i); part && part->text(QAccessible::Name) == name) return part;
    return nullptr;
  }

  // The values announced for station s, in order.
  QStringList Announced(Station s) const {
    QStringList values;
    for (const Listener::Heard& h : listener.heard)
      if (h.station == StationHandle(s)) values << h.text;
    return values;
  }

  static QStringList StatusFiguresAsRead() {
    const GameState& game = coreState.game;
    return {QStringLiteral("Stardate %1").arg(game.stardateNow, 0, 'f', 1),
            QStringLiteral("Quadrant %1-%2").arg(game.shipQuadrant % 8 + 1).arg(game.shipQuadrant / 8 + 1),
            QStringLiteral("Sector %1-%2").arg(game.shipSectorX + 1).arg(game.shipSectorY + 1),
            QStringLiteral("Dilithium %1").arg(game.shipEnergy),
            QStringLiteral("Shields %1").arg(game.shieldEnergy),
            QStringLiteral("Photon %1").arg(game.torpedoCount),
            QStringLiteral("Aliens %1").arg(game.aliensRemaining),
            QStringLiteral("Condition Red")};
  }

  Listener listener;
};

TEST_F(ScreenReader, EveryStationAndItsWindowAreNamedByItsTitle) {
  for (int i = 0; i < StationCount; ++i) {
    const auto s = static_cast<Station>(i);
    ASSERT_NE(StationHandle(s), nullptr) << StationName(s);
    EXPECT_EQ(Reader(s)->text(QAccessible::Name), QLatin1String(StationName(s)));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(StationFrame(s))->text(QAccessible::Name),
              QLatin1String(StationName(s)));
  }
}

TEST_F(ScreenReader, StatusPanelReadsItsFiguresByTheirLabelsAndOnlyLabelsWhileOut) {
  ASSERT_TRUE(coreState.game.InRedAlert());
  EXPECT_EQ(PartNames(Station::Status), StatusFiguresAsRead());
  QAccessibleInterface* shields =
      PartNamed(Station::Status, QStringLiteral("Shields %1").arg(coreState.game.shieldEnergy));
  ASSERT_NE(shields, nullptr);
  EXPECT_EQ(shields->role(), QAccessible::StaticText);
  EXPECT_TRUE(StationHandle(Station::Status)
                  ->rect()
                  .contains(StationHandle(Station::Status)->mapFromGlobal(shields->rect().center())));

  coreState.game.Damage(ShipSystem::StatusPanel) = 1.5;
  EXPECT_EQ(PartNames(Station::Status),
            (QStringList{"Stardate", "Quadrant", "Sector", "Dilithium", "Shields", "Photon", "Aliens", "Condition"}));
}

TEST_F(ScreenReader, DamageReportReadsEachSystemsRepairAndAnnouncesTheColumnSwitched) {
  coreState.game.Damage(ShipSystem::Warp) = 2.0;
  coreState.game.RepairDate(ShipSystem::Warp) = coreState.game.stardateNow + 1.5;
  coreState.game.Damage(ShipSystem::Phaser) = -1.0;
  StationHandle(Station::DamageReport)->Invalidate(false);
  const QStringList read = PartNames(Station::DamageReport);
  ASSERT_EQ(read.size(), 7);
  EXPECT_EQ(read[0], "Shields - OK -");
  EXPECT_EQ(read[3], QStringLiteral("Warp Drive %1").arg(coreState.game.stardateNow + 1.5, 0, 'f', 1));
  EXPECT_EQ(read[4], "Phaser Power DESTROYED");
  EXPECT_EQ(read[6], "Computer - OK -");

  listener.heard.clear();
  QTest::keyClick(StationHandle(Station::DamageReport), Qt::Key_R);
  EXPECT_EQ(Announced(Station::DamageReport), QStringList{"Warp Drive 1.5"}) << "the time still to go";

  coreState.game.Damage(ShipSystem::DamageControl) = 1.0;
  EXPECT_EQ(PartNames(Station::DamageReport).value(3), "Warp Drive");
}

TEST_F(ScreenReader, NewestMessageAndNewestConsoleLineAreRead) {
  PostShipMessage(Msg::TubesEmpty);
  QCoreApplication::processEvents();
  EXPECT_EQ(PartNames(Station::Messages), QStringList{QLatin1String(MessageText(Msg::TubesEmpty))});
  EXPECT_EQ(Announced(Station::Messages), QStringList{QLatin1String(MessageText(Msg::TubesEmpty))});

  ConsolePrint(Msg::ConsoleRatingNone);
  const QStringList printed = QString::fromLatin1(MessageText(Msg::ConsoleRatingNone)).split('\n', Qt::SkipEmptyParts);
  ASSERT_FALSE(printed.isEmpty());
  EXPECT_EQ(PartNames(Station::Computer), QStringList{printed.back().trimmed()});
  EXPECT_EQ(Announced(Station::Computer), QStringList{printed.back().trimmed()});
}

TEST_F(ScreenReader, PaintedButtonsHaveNamesAndPressActions) {
  EXPECT_EQ(PartNames(Station::Phasers).mid(2, 5),
            (QStringList{"More energy", "Less energy", "Single target", "Wide dispersal", "EXECUTE"}));
  EXPECT_TRUE(PartNames(Station::Navigation).contains("Warp factor up"));
  EXPECT_TRUE(PartNames(Station::PhotonTorpedoes).contains("DISTANCE up"));
  EXPECT_TRUE(PartNames(Station::Controls).contains("Short Range Scan"));

  QAccessibleInterface* wide = PartNamed(Station::Phasers, QStringLiteral("Wide dispersal"));
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->role(), QAccessible::Button);
  ASSERT_NE(wide->actionInterface(), nullptr);
  EXPECT_EQ(wide->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  auto* phasers = static_cast<PhaserStation*>(StationHandle(Station::Phasers));
  ASSERT_TRUE(phasers->PhaserSingleTarget());
  wide->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(phasers->PhaserSingleTarget());
  EXPECT_EQ(PartNamed(Station::Status, QStringLiteral("Condition Red"))->actionInterface(), nullptr);
}

TEST_F(ScreenReader, TheControlStationsReadTheirSettingsAndAnnounceEachOneChanged) {
  auto* navigation = static_cast<NavigationStation*>(StationHandle(Station::Navigation));
  auto* photon = static_cast<PhotonStation*>(StationHandle(Station::PhotonTorpedoes));
  auto* phasers = static_cast<PhaserStation*>(StationHandle(Station::Phasers));
  const auto course = [](int c) { return QStringLiteral("Course %1").arg(c); };
  EXPECT_EQ(PartNames(Station::Navigation).mid(0, 3),
            (QStringList{QStringLiteral("Warp factor %1").arg(navigation->WarpSetting()),
                         QStringLiteral("Impulse factor %1").arg(navigation->ImpulseSetting()),
                         course(navigation->NavigationCourse())}));
  EXPECT_EQ(
      PartNames(Station::PhotonTorpedoes).mid(0, 2),
      (QStringList{course(photon->TorpedoCourse()), QStringLiteral("DISTANCE %1").arg(photon->TorpedoDistance())}));
  EXPECT_EQ(PartNames(Station::Phasers).mid(0, 2),
            (QStringList{QStringLiteral("Dilithium %1").arg(phasers->PhaserAvailable()),
                         QStringLiteral("Phaser charge %1").arg(phasers->PhaserCharge())}));

  QTest::keyClick(navigation, Qt::Key_W);
  EXPECT_EQ(Announced(Station::Navigation),
            QStringList{QStringLiteral("Warp factor %1").arg(navigation->WarpSetting())});
  QTest::keyClick(navigation, Qt::Key_6);
  EXPECT_EQ(Announced(Station::Navigation).value(1), course(90));
  QTest::keyClick(photon, Qt::Key_D);
  EXPECT_EQ(Announced(Station::PhotonTorpedoes),
            QStringList{QStringLiteral("DISTANCE %1").arg(photon->TorpedoDistance())});
  PartNamed(Station::Phasers, QStringLiteral("More energy"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Announced(Station::Phasers),
            (QStringList{QStringLiteral("Dilithium %1").arg(phasers->PhaserAvailable()),
                         QStringLiteral("Phaser charge %1").arg(phasers->PhaserCharge())}));

  // Damaged, a station's figures do not show, and are not read either.
  coreState.game.Damage(ShipSystem::Photon) = 1.0;
  EXPECT_EQ(PartNames(Station::PhotonTorpedoes).mid(0, 2), (QStringList{"Course", "DISTANCE"}));
  coreState.game.Damage(ShipSystem::Warp) = 1.0;
  EXPECT_EQ(PartNames(Station::Navigation).value(0), "Warp factor");
}

TEST_F(ScreenReader, AShieldCommitAnnouncesTheNewFiguresOnceAndNothingElse) {
  // Nothing changed: a repaint announces nothing.
  StationHandle(Station::Status)->Invalidate(true);
  StationHandle(Station::Status)->UpdateNow();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Announced(Station::Status).isEmpty());

  PartNamed(Station::Shields, QStringLiteral("More energy"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  PartNamed(Station::Shields, QStringLiteral("EXECUTE"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  EXPECT_EQ(Announced(Station::Status), (QStringList{QStringLiteral("Dilithium %1").arg(coreState.game.shipEnergy),
                                                     QStringLiteral("Shields %1").arg(coreState.game.shieldEnergy)}));
  EXPECT_EQ(PartNames(Station::Status), StatusFiguresAsRead());
}

}  // namespace
