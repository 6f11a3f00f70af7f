// Window tests run on Qt's offscreen platform, with no desktop, and the real picture bundle.

#include <gtest/gtest.h>

#include <QApplication>

#include "resource_library.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  resources::LoadBundle(QStringLiteral(KESTRAV_BIN_DIR "/") + resources::PictureBundleName);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
