#pragma once
// Reads the PCM samples out of a RIFF WAVE image. Images come from the sound bundle
// and are checked like any file: a malformed one yields nothing instead of a crash.

#include <QByteArray>
#include <optional>

struct PcmSound {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
  QByteArray samples;

  int DurationMs() const;
};

std::optional<PcmSound> ReadWaveImage(const QByteArray& image);
