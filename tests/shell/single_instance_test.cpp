// One copy of the game per player and display: a second start on the same desktop hands over
// to the first; another player, or another display, runs a game of its own.

#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <unistd.h>

#include "single_instance.h"

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

TEST(SingleInstance, TheLockBelongsToTheRealUserAndTheDisplayNotToTheUserVariable) {
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

TEST(SingleInstance, ASecondStartFindsTheFirstOnlyOnItsOwnDisplay) {
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
TEST(SingleInstance, ASecondStartHandsOverItsSavedGameByItsFullPath) {
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

}  // namespace
