// Writing and reading 16-bit PCM mono WAV files with the canonical 44-byte
// header (RIFF, "fmt " of 16 bytes, then "data").

#pragma once

#include "dsp.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace synth {

inline constexpr std::size_t kWavHeaderSize = 44;

// Converts to 16-bit, rounding to the nearest step and clamping to the range.
[[nodiscard]] std::vector<std::int16_t> toPcm16(const Samples& samples);

// The whole file: header and data, little-endian.
[[nodiscard]] std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& pcm,
                                                  int sampleRate);

// Writes the file; false when it cannot be written.
bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm,
              int sampleRate);

struct WavData {
    int sampleRate = 0;
    std::vector<std::int16_t> pcm;

    [[nodiscard]] double seconds() const
    {
        return sampleRate > 0 ? static_cast<double>(pcm.size()) / sampleRate : 0.0;
    }
};

// Reads back a file written by encodeWav. Anything else (another header
// layout, stereo, 8 or 24 bits, sizes that do not add up) is refused with a
// reason in `error`.
bool decodeWav(const std::vector<std::uint8_t>& bytes, WavData& out, std::string& error);
bool readWav(const std::filesystem::path& path, WavData& out, std::string& error);

} // namespace synth
