// Reading samples out of WAVE images: the game's own, and broken ones that must
// yield nothing rather than a crash or a read past the end.

#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdint>

#include "stations/wave_image.h"

namespace {
void Put32(QByteArray& b, int at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}
void Put16(QByteArray& b, int at, std::uint16_t v) {
  for (int i = 0; i < 2; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

// A sound in the game's layout: PCM, mono, 8000 Hz, 8-bit, a fact chunk, the pad byte.
QByteArray GameWave(int samples) {
  QByteArray b(56 + samples + samples % 2, '\x80');
  b.replace(0, 4, "RIFF");
  Put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
  b.replace(8, 8, "WAVEfmt ");
  Put32(b, 16, 16);
  Put16(b, 20, 1);
  Put16(b, 22, 1);
  Put32(b, 24, 8000);
  Put32(b, 28, 8000);
  Put16(b, 32, 1);
  Put16(b, 34, 8);
  b.replace(36, 4, "fact");
  Put32(b, 40, 4);
  Put32(b, 44, 12345);
  b.replace(48, 4, "data");
  Put32(b, 52, static_cast<std::uint32_t>(samples));
  return b;
}
}  // namespace

TEST(WaveImage, ReadsTheGamesLayoutPastItsFactChunk) {
  const std::optional<PcmSound> sound = ReadWaveImage(GameWave(3477));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->sampleRate, 8000);
  EXPECT_EQ(sound->channels, 1);
  EXPECT_EQ(sound->bitsPerSample, 8);
  EXPECT_EQ(sound->samples.size(), 3477) << "the pad byte is not a sample";
  EXPECT_EQ(sound->DurationMs(), 434);
}

TEST(WaveImage, BrokenImagesYieldNothing) {
  struct Case {
    const char* what;
    QByteArray image;
  };
  QByteArray truncated = GameWave(100);
  truncated.chop(10);
  QByteArray notPcm = GameWave(100);
  Put16(notPcm, 20, 2);
  QByteArray hugeChunk = GameWave(100);
  Put32(hugeChunk, 40, 0xFFFFFFF0u);
  QByteArray noData = GameWave(100);
  noData.replace(48, 4, "junk");
  QByteArray noRate = GameWave(100);
  Put32(noRate, 24, 0);
  QByteArray oddBits = GameWave(100);
  Put16(oddBits, 34, 12);
  const Case cases[] = {
      {"empty", QByteArray()},
      {"not RIFF", QByteArray("RIFX0000WAVE")},
      {"data past the end", truncated},
      {"not PCM", notPcm},
      {"chunk size past the end", hugeChunk},
      {"no data chunk", noData},
      {"no sample rate", noRate},
      {"12-bit samples", oddBits},
      {"header only", GameWave(100).left(12)},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadWaveImage(c.image)) << c.what;
}
