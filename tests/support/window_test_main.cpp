// Window tests run on Qt's offscreen platform, or on the platform KESTRAV_TEST_PLATFORM
// names (the test run repeats them on the real X11 platform under Xvfb, where system menus,
// focus and activation behave as players see them). The picture bundle must load: a test
// that cannot see the game's pictures fails rather than passing without looking.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "core/format_text.h"
#include "stations/resource_library.h"

int main(int argc, char** argv) {
  const QByteArray platform = qgetenv("KESTRAV_TEST_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
  QApplication application(argc, argv);
  UseGameNumberFormat();
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  const QString bundle = QStringLiteral(KESTRAV_BIN_DIR "/") + resources::PictureBundleName;
  if (!resources::LoadBundle(bundle)) {
    std::fprintf(stderr, "The picture bundle %s did not load.\n", qPrintable(bundle));
    return 1;
  }
  return RUN_ALL_TESTS();
}
