// The sound bundle as the build makes it: every sound a complete WAVE image of the
// game's exact layout and length, loops that repeat without a click, one-shots that
// start and end at rest.

#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <vector>

#include "stations/resource_library.h"

namespace {
struct Expected {
  int id;
  std::uint32_t imageBytes;
  std::uint32_t sampleBytes;
  bool loops;
};
void PrintTo(const Expected& row, std::ostream* os) { *os << "sound " << row.id; }
const Expected Sounds[] = {
    {1, 30468, 30411, true},  {2, 60166, 60110, false}, {3, 3532, 3476, false},    {4, 12116, 12059, false},
    {5, 7662, 7606, true},    {7, 60856, 60799, false}, {8, 7662, 7606, true},     {9, 7652, 7595, false},
    {10, 15704, 15647, true}, {11, 7682, 7626, false},  {12, 34852, 34795, false}, {13, 235744, 235687, false},
};

std::uint32_t U32(const QByteArray& b, int at) {
  std::uint32_t v;
  std::memcpy(&v, b.constData() + at, 4);  // the test machine is little-endian, like the file
  return v;
}
std::uint16_t U16(const QByteArray& b, int at) {
  std::uint16_t v;
  std::memcpy(&v, b.constData() + at, 2);
  return v;
}
QByteArray Tag(const QByteArray& b, int at) { return b.mid(at, 4); }

class SoundBundle : public ::testing::TestWithParam<Expected> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(resources::LoadBundle(SOUND_BUNDLE_PATH)); }
  static void TearDownTestSuite() { resources::UnloadBundle(SOUND_BUNDLE_PATH); }

  std::vector<int> Samples(const QByteArray& image) const {
    std::vector<int> s;
    for (std::uint32_t i = 0; i < GetParam().sampleBytes; ++i) s.push_back(static_cast<unsigned char>(image[56 + i]));
    return s;
  }
};
}  // namespace

TEST_P(SoundBundle, HoldsACompleteWaveImageInTheGamesLayout) {
  const Expected& e = GetParam();
  const QByteArray image = resources::SoundImage(e.id);
  ASSERT_EQ(image.size(), e.imageBytes) << "sound " << e.id;
  EXPECT_EQ(Tag(image, 0), "RIFF");
  EXPECT_EQ(U32(image, 4), e.imageBytes - 8) << "RIFF size is the image size less 8";
  EXPECT_EQ(Tag(image, 8), "WAVE");
  EXPECT_EQ(Tag(image, 12), "fmt ");
  EXPECT_EQ(U32(image, 16), 16u);
  EXPECT_EQ(U16(image, 20), 1) << "PCM";
  EXPECT_EQ(U16(image, 22), 1) << "mono";
  EXPECT_EQ(U32(image, 24), 8000u) << "samples per second";
  EXPECT_EQ(U32(image, 28), 8000u) << "bytes per second";
  EXPECT_EQ(U16(image, 32), 1) << "block align";
  EXPECT_EQ(U16(image, 34), 8) << "bits per sample";
  EXPECT_EQ(Tag(image, 36), "fact");
  EXPECT_EQ(U32(image, 40), 4u);
  EXPECT_NE(U32(image, 44), e.sampleBytes) << "the fact value is not the sample count";
  EXPECT_EQ(Tag(image, 48), "data");
  EXPECT_EQ(U32(image, 52), e.sampleBytes);
  // The data chunk ends at the image's end, after a pad byte when the count is odd.
  EXPECT_EQ(56 + e.sampleBytes + e.sampleBytes % 2, e.imageBytes);
}

TEST_P(SoundBundle, IsNeitherSilentNorClipped) {
  const std::vector<int> s = Samples(resources::SoundImage(GetParam().id));
  ASSERT_FALSE(s.empty());
  const auto [low, high] = std::minmax_element(s.begin(), s.end());
  EXPECT_GT(*high - *low, 100) << "sound " << GetParam().id << " is barely audible";
  EXPECT_GT(*low, 0) << "sound " << GetParam().id << " clips";
  EXPECT_LT(*high, 255) << "sound " << GetParam().id << " clips";
}

TEST_P(SoundBundle, JoinsWithoutAClick) {
  const Expected& e = GetParam();
  const std::vector<int> s = Samples(resources::SoundImage(e.id));
  ASSERT_FALSE(s.empty());
  if (!e.loops) {
    // A one-shot starts and ends at rest, so cutting in or running out makes no pop.
    EXPECT_NEAR(s.front(), 128, 1) << "sound " << e.id;
    EXPECT_NEAR(s.back(), 128, 1) << "sound " << e.id;
    return;
  }
  // A loop's last sample steps into its first no harder than its ordinary samples do.
  std::vector<int> steps;
  for (std::size_t i = 1; i < s.size(); ++i) steps.push_back(std::abs(s[i] - s[i - 1]));
  std::sort(steps.begin(), steps.end());
  const int usualLargeStep = steps[steps.size() * 99 / 100];
  EXPECT_LE(std::abs(s.front() - s.back()), usualLargeStep) << "sound " << e.id << " clicks at its seam";
}

INSTANTIATE_TEST_SUITE_P(EverySound, SoundBundle, ::testing::ValuesIn(Sounds),
                         [](const auto& row) { return "Sound" + std::to_string(row.param.id); });

TEST(SoundBundleContents, HasNoSoundSix) {
  ASSERT_TRUE(resources::LoadBundle(SOUND_BUNDLE_PATH));
  EXPECT_TRUE(resources::SoundImage(6).isEmpty());
  EXPECT_TRUE(resources::SoundImage(14).isEmpty());
  resources::UnloadBundle(SOUND_BUNDLE_PATH);
}

TEST(SoundBundleContents, PassesTheChecksOfTheGamesStartAndNothingElseDoes) {
  EXPECT_EQ(resources::FirstMissingSound(), QStringLiteral(":/kestrav2/waves/1.wav")) << "no bundle yet";
  ASSERT_TRUE(resources::LoadBundle(SOUND_BUNDLE_PATH));
  EXPECT_EQ(resources::FirstMissingSound(), QString());
  resources::UnloadBundle(SOUND_BUNDLE_PATH);
}
