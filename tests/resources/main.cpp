// The picture tests run without a screen; the bundle is loaded once for all.

#include <QGuiApplication>

#include "tests/resources/bundle_fixture.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new PictureBundle);
  return RUN_ALL_TESTS();
}
