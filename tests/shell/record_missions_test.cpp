// Options > Record Missions on the real bridge: each mission begun from the File menu gets its
// journal in the player's data folder while the item is checked, and none once it is not.

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/core_state.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "core/ship_messages.h"
#include "lifecycle/mission_journals.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

class RecordMissions : public BridgeTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_.isValid());
    previous_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    BridgeTest::SetUp();
    coreState.options.recordMissions = 1;  // as the settings start
    RecordMissionsAsOptionsSay();
  }
  void TearDown() override {
    BridgeTest::TearDown();
    SetJournalRecording({});
    qputenv("XDG_DATA_HOME", previous_);
  }
  QStringList Journals() const { return QDir(JournalFolder()).entryList({"*.journal"}, QDir::Files, QDir::Name); }
  QString Text(const QString& name) const {
    QFile file(JournalFolder() + "/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
  }

  QTemporaryDir data_;
  QByteArray previous_;
};

TEST_F(RecordMissions, EachMissionIsJournaledInTheDataFolderWhileTheItemIsChecked) {
  EXPECT_TRUE(JournalFolder().startsWith(data_.path()));
  NewGameFromMenu(GreenSeed);
  ASSERT_EQ(Journals().size(), 1);
  EXPECT_TRUE(Text(Journals()[0]).startsWith("kestrav-journal 1\nprogram "));
  EXPECT_TRUE(Text(Journals()[0]).contains(QStringLiteral("\nstart new %1 ").arg(GreenSeed)));
  EXPECT_TRUE(Item(MenuSet::Game, M::RecordMissions)->isChecked());

  Item(MenuSet::Game, M::RecordMissions)->trigger();
  EXPECT_FALSE(Item(MenuSet::Game, M::RecordMissions)->isChecked());
  EXPECT_EQ(coreState.options.recordMissions, 0);
  EXPECT_FALSE(JournalRecording());
  NewGameFromMenu(GreenSeed);
  EXPECT_EQ(Journals().size(), 1) << "a mission begun with the item unchecked is not journaled";

  Item(MenuSet::Game, M::RecordMissions)->trigger();
  EXPECT_TRUE(Item(MenuSet::Game, M::RecordMissions)->isChecked());
  NewGameFromMenu(RedAlertSeed);
  EXPECT_EQ(Journals().size(), 2);
}

TEST_F(RecordMissions, AJournalThatCannotBeWrittenIsToldOnceOnTheMessagesPanel) {
  // A file where the journals' folder would be: no journal can begin.
  QDir().mkpath(QFileInfo(JournalFolder()).path());
  QFile blocker(JournalFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  NewGameFromMenu(GreenSeed);
  EXPECT_STREQ(coreState.messageLines[29].data(), "Flight Recorder Off: Journal Not Written.");
  EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame) << "the mission goes on";
}
}  // namespace
