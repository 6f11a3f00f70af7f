#include "libraries/sounds/wave_file.h"

#include <cstring>

namespace sounds {
namespace {
class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void Tag(const char (&tag)[5]) { out_.insert(out_.end(), tag, tag + 4); }
  void U16(std::uint16_t v) {
    for (int i = 0; i < 2; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }

 private:
  std::vector<std::uint8_t>& out_;
};
}  // namespace

std::vector<std::uint8_t> WaveImage(const std::vector<std::uint8_t>& samples) {
  constexpr std::uint32_t Rate = 8000;
  const auto count = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = count % 2;
  std::vector<std::uint8_t> image;
  image.reserve(WaveHeaderSize + count + pad);
  LittleEndianWriter w(image);
  w.Tag("RIFF");
  w.U32(static_cast<std::uint32_t>(WaveHeaderSize) - 8 + count + pad);
  w.Tag("WAVE");
  w.Tag("fmt ");
  w.U32(16);
  w.U16(1);     // PCM
  w.U16(1);     // mono
  w.U32(Rate);  // samples per second
  w.U32(Rate);  // bytes per second
  w.U16(1);     // block align
  w.U16(8);     // bits per sample
  // The fact chunk carries the sound's length in milliseconds; players ignore it for PCM.
  w.Tag("fact");
  w.U32(4);
  w.U32(count * 1000 / Rate);
  w.Tag("data");
  w.U32(count);
  image.insert(image.end(), samples.begin(), samples.end());
  if (pad) image.push_back(0);
  return image;
}
}  // namespace sounds
