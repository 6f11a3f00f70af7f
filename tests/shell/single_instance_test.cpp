// One copy of the game per player and display: a second start on the same desktop hands over
// to the first; another player, or another display, runs a game of its own.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "shell/single_instance.h"

namespace {
// Sets an environment variable for the length of a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    value ? qputenv(name, value) : qunsetenv(name);
  }
  ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

// Every test has a runtime folder of its own, so that no other test or game on this machine
// holds its locks or answers on its sockets.
class OneCopy : public ::testing::Test {
 protected:
  QTemporaryDir runtime_;
  ScopedEnv runtimeFolder_{"XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit().constData()};
};

TEST_F(OneCopy, TheLockBelongsToTheRealUserAndTheDisplayNotToTheUserVariable) {
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":7");
  const QString name = KestravInstanceName();
  EXPECT_TRUE(name.startsWith(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/"))
      << name.toStdString();
  EXPECT_TRUE(name.contains(QStringLiteral("-%1-").arg(::getuid()))) << name.toStdString();
  {
    ScopedEnv noUser("USER", nullptr);
    EXPECT_EQ(KestravInstanceName(), name) << "a service without USER is still this user";
  }
  {
    ScopedEnv otherUser("USER", "someone-else");
    EXPECT_EQ(KestravInstanceName(), name);
  }
  ScopedEnv otherDisplay("DISPLAY", ":8");
  EXPECT_NE(KestravInstanceName(), name) << "a game on another display is another copy";
  EXPECT_FALSE(KestravInstanceName().mid(name.lastIndexOf('/') + 1).contains('/')) << "one file in the folder";
}

TEST_F(OneCopy, ASecondStartFindsTheFirstOnlyOnItsOwnDisplay) {
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":41");
  SingleInstance first(KestravInstanceName());
  int forwards = 0;
  first.Listen([&](const QString&) { ++forwards; });

  SingleInstance sameDesktop(KestravInstanceName());
  EXPECT_TRUE(sameDesktop.AnotherIsRunning());

  ScopedEnv otherDisplay("DISPLAY", ":42");
  SingleInstance elsewhere(KestravInstanceName());
  EXPECT_FALSE(elsewhere.AnotherIsRunning()) << "a game on another display does not stop this one";
}

TEST_F(OneCopy, ASecondStartHandsOverItsSavedGameByItsFullPath) {
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":43");
  SingleInstance first(KestravInstanceName());
  QStringList handedOver;
  first.Listen([&](const QString& gameFile) { handedOver << gameFile; });

  const QString relative = QStringLiteral("Saved Games/Ünïcode\nvoyage.gam");
  const QString absolute = QStringLiteral("/home/captain/log.GAM");
  for (const QString& file : {QString(), relative, absolute}) {
    SingleInstance later(KestravInstanceName());
    ASSERT_TRUE(later.AnotherIsRunning(file));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver.size() == 3; }, 5000)) << handedOver.join('|').toStdString();
  // The first copy runs in a folder of its own: a path relative to the second start's folder
  // arrives made whole.
  QStringList expected{QString(), absolute, QDir::current().absoluteFilePath(relative)};
  handedOver.sort();
  expected.sort();
  EXPECT_EQ(handedOver, expected);
}

TEST_F(OneCopy, TheFirstCopyHoldsTheLockBeforeItsFrameIsUpAndAnswersThoseWhoAskedMeanwhile) {
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":44");
  SingleInstance first(KestravInstanceName());
  ASSERT_FALSE(first.AnotherIsRunning()) << "nobody else runs";

  // A start while the first is still loading: it finds the lock taken and hands over.
  SingleInstance early(KestravInstanceName());
  ASSERT_TRUE(early.AnotherIsRunning(QStringLiteral("/home/captain/early.gam")));
  QTest::qWait(100);  // the first copy's start-up goes on meanwhile

  QStringList handedOver;
  first.Listen([&](const QString& gameFile) { handedOver << gameFile; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !handedOver.isEmpty(); }, 5000));
  EXPECT_EQ(handedOver, QStringList{QStringLiteral("/home/captain/early.gam")});
}

TEST_F(OneCopy, ALockLeftByACopyThatIsGoneStopsNobody) {
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":45");
  // What a copy killed at once leaves behind: its lock file naming a process that has ended,
  // and its socket file with nobody listening.
  QFile lock(KestravInstanceName() + QStringLiteral(".lock"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write("2147483646\nkestrav\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  lock.close();
  QFile socket(KestravInstanceName());
  ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
  socket.close();

  QElapsedTimer took;
  took.start();
  SingleInstance next(KestravInstanceName());
  EXPECT_FALSE(next.AnotherIsRunning());
  EXPECT_LT(took.elapsed(), 2000) << "no wait for a copy that is gone";
  SingleInstance later(KestravInstanceName());
  EXPECT_TRUE(later.AnotherIsRunning()) << "the new copy took the lock and listens";
}

}  // namespace
