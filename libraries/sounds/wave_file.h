#pragma once
// The game's sound file: a RIFF WAVE image of unsigned 8-bit mono PCM at 8000 Hz, with a
// "fact" chunk before the samples and a pad byte after an odd number of them.

#include <cstdint>
#include <vector>

namespace sounds {
inline constexpr std::size_t WaveHeaderSize = 56;

std::vector<std::uint8_t> WaveImage(const std::vector<std::uint8_t>& samples);
}  // namespace sounds
