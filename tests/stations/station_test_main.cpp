// Station tests run on Qt's offscreen platform with the real picture bundle.

#include <gtest/gtest.h>

#include <QApplication>

#include "resource_library.h"
#include "shared_pictures.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  resources::LoadBundle(QStringLiteral(KESTRAV_BIN_DIR "/") + resources::PictureBundleName);
  LoadSharedPictures();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
