// A mission's journal played again on the real bridge: at 8x it ends on the very game the
// headless replay gives, the player's keys and menus do nothing to the game meanwhile, Esc
// stops it where it stands, and a damaged or foreign journal is refused with the game untouched.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/saved_game.h"
#include "shell/bridge_replay.h"
#include "shell/replay_mark.h"
#include "stations/computer_station.h"
#include "stations/station_state.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

const QString RedAlertJournal = QStringLiteral(KESTRAV_TEST_JOURNALS "/red_alert.journal");

class BridgeReplayTest : public BridgeTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    previous_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", scratch_.path().toLocal8Bit());
    BridgeTest::SetUp();
  }
  void TearDown() override {
    BridgeTest::TearDown();
    qputenv("XDG_DATA_HOME", previous_);
  }

  // The replay of `journal` begun as the command line begins it, sped up to 8x with its key.
  BridgeReplay* ReplayAtEightTimes(const QString& journal) {
    frame->ReplayFromOutside(journal);
    RunHeldCommands();
    if (BridgeReplay* replay = frame->Replay()) {
      QTest::keyClick(frame.get(), Qt::Key_8);
      return replay;
    }
    return nullptr;
  }

  // Waits for the replay to end; a box it ends with (the game no longer following the
  // journal) is answered and its text kept in `told`.
  bool WaitForTheEnd() {
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(WaitingWindow())) {
        told += box->text();
        box->accept();
      }
    });
    answerer.start(20);
    QElapsedTimer waited;
    waited.start();
    while (frame->Replay() && waited.elapsed() < 60000) QTest::qWait(20);
    return !frame->Replay();
  }

  // The saved game `kestrav-tool replay` leaves.
  QByteArray HeadlessReplay(const QString& journal) {
    const QString out = scratch_.filePath(QStringLiteral("headless.gam"));
    QProcess tool;
    tool.start(QStringLiteral(KESTRAV_TOOL_PATH), {QStringLiteral("replay"), journal, QStringLiteral("--out"), out});
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static QByteArray GameBytes() {
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(coreState.game);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
  }

  ReplayMark* Mark() const { return frame->findChild<ReplayMark*>(); }

  QTemporaryDir scratch_;
  QByteArray previous_;
  QString told;
};

TEST_F(BridgeReplayTest, AJournalPlaysToTheHeadlessReplaysGameWithThePlayersInputIgnored) {
  BridgeReplay* replay = ReplayAtEightTimes(RedAlertJournal);
  ASSERT_NE(replay, nullptr);
  EXPECT_EQ(replay->Speed(), 8);
  ASSERT_NE(Mark(), nullptr);
  EXPECT_TRUE(Mark()->isVisible());
  for (const int id : {M::New, M::Open, M::ReplayMission, M::Save, M::EndGame, M::RecordMissions})
    EXPECT_FALSE(Item(MenuSet::Game, id)->isEnabled()) << id;
  EXPECT_TRUE(Item(MenuSet::Game, M::Manual)->isEnabled()) << "what leaves the game alone stays";

  // The player's console keys and menu commands do nothing to the game.
  auto* console = qobject_cast<ComputerStation*>(stationState.computerWindow);
  ASSERT_NE(console, nullptr);
  const int caret = console->Grid().CaretColumn();
  QTest::keyClicks(console, QStringLiteral("LOC"));
  EXPECT_EQ(console->Grid().CaretColumn(), caret);
  Item(MenuSet::Game, M::EndGame)->trigger();
  QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame);

  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_TRUE(told.isEmpty()) << "the game no longer followed the journal: " << told.toStdString();
  EXPECT_EQ(Mark(), nullptr) << "the mark goes with the replay";
  EXPECT_TRUE(Item(MenuSet::Game, M::Save)->isEnabled() || coreState.game.InRedAlert());
  EXPECT_TRUE(Item(MenuSet::Game, M::New)->isEnabled());
  EXPECT_EQ(GameBytes(), HeadlessReplay(RedAlertJournal));
  EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame) << "the game is left to play on";
}

TEST_F(BridgeReplayTest, EscStopsTheReplayWithTheGameAsItStood) {
  ASSERT_NE(ReplayAtEightTimes(RedAlertJournal), nullptr);
  QTest::qWait(1500);
  ASSERT_NE(frame->Replay(), nullptr) << "the journal is longer than that";
  const QByteArray standing = GameBytes();
  QTest::keyClick(frame.get(), Qt::Key_Escape);
  EXPECT_EQ(Mark(), nullptr);
  EXPECT_EQ(GameBytes(), standing);
  EXPECT_NE(GameBytes(), HeadlessReplay(RedAlertJournal)) << "it stopped before the journal's end";
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_TRUE(Item(MenuSet::Game, M::New)->isEnabled());
  EXPECT_EQ(GameBytes(), standing);
}

TEST_F(BridgeReplayTest, ADamagedOrForeignJournalIsToldAndTheGameGoesOnUntouched) {
  NewGameFromMenu(GreenSeed);
  const QByteArray before = GameBytes();
  QFile original(RedAlertJournal);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  QByteArray damaged = original.readAll();
  damaged.replace("torpedo 301 5", "torpedo 3O1 5");
  const QString damagedPath = scratch_.filePath(QStringLiteral("damaged.journal"));
  const QString foreignPath = scratch_.filePath(QStringLiteral("foreign.journal"));
  for (const auto& [path, bytes] : {std::pair{damagedPath, damaged}, std::pair{foreignPath, before}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  for (const QString& path : {damagedPath, foreignPath, scratch_.filePath(QStringLiteral("missing.journal"))}) {
    told.clear();
    QTimer::singleShot(0, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(WaitingWindow())) {
        told = box->text();
        box->accept();
      }
    });
    EXPECT_EQ(ReplayAtEightTimes(path), nullptr) << path.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("cannot be replayed"))) << told.toStdString();
    EXPECT_TRUE(told.contains(path)) << told.toStdString();
    EXPECT_EQ(GameBytes(), before);
    EXPECT_EQ(Mark(), nullptr);
    EXPECT_TRUE(Item(MenuSet::Game, M::New)->isEnabled());
  }
}
}  // namespace
