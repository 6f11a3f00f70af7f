// A bundle file that is not a file: refused at once, as a missing one is.

#include <gtest/gtest.h>

#include <QFile>
#include <unistd.h>

#include "stations/resource_library.h"
#include "tests/support/named_pipe.h"

namespace {
TEST(BundleOpening, ANamedPipeInTheBundlesPlaceIsRefusedAtOnce) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("kestrav-bundle-" + std::to_string(::getpid()));
  std::filesystem::create_directories(directory);
  const std::filesystem::path pipe = directory / resources::PictureBundleName;
  ASSERT_TRUE(MakeNamedPipe(pipe));
  bool loaded = true;
  EXPECT_TRUE(FinishesWithoutAWriter(pipe, [&] { loaded = resources::LoadBundle(QFile::decodeName(pipe.c_str())); }));
  EXPECT_FALSE(loaded);
  std::filesystem::remove_all(directory);
}
}  // namespace
