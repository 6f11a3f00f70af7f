#include "stations/wave_image.h"

#include <cstdint>
#include <cstring>

namespace {
std::uint32_t U32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
}
std::uint16_t U16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}
}  // namespace

int PcmSound::DurationMs() const {
  const qint64 frameBytes = qint64{channels} * (bitsPerSample / 8);
  if (sampleRate <= 0 || frameBytes <= 0) return 0;
  return static_cast<int>(samples.size() / frameBytes * 1000 / sampleRate);
}

std::optional<PcmSound> ReadWaveImage(const QByteArray& image) {
  const char* data = image.constData();
  const qint64 size = image.size();
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return {};

  PcmSound sound;
  bool haveFormat = false;
  // Walk the chunks; every size is checked against what is really there.
  for (qint64 at = 12; at + 8 <= size;) {
    const char* chunk = data + at;
    const qint64 length = U32(chunk + 4);
    if (length > size - at - 8) return {};
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16 || U16(chunk + 8) != 1) return {};  // PCM only
      sound.channels = U16(chunk + 10);
      sound.sampleRate = static_cast<int>(U32(chunk + 12));
      sound.bitsPerSample = U16(chunk + 22);
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return {};
      sound.samples = image.mid(at + 8, length);
      const bool sane = (sound.channels == 1 || sound.channels == 2) &&
                        (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) && sound.sampleRate >= 1000 &&
                        sound.sampleRate <= 96000;
      if (!sane) return {};
      return sound;
    }
    at += 8 + length + (length & 1);  // chunks are padded to an even size
  }
  return {};
}
