#include "wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace synth {

namespace {

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8);
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return get16(in, at) | (get16(in, at + 2) << 16);
}

bool hasTag(const std::vector<std::uint8_t>& in, std::size_t at, const char* tag)
{
    return std::equal(tag, tag + 4, in.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

std::vector<std::int16_t> toPcm16(const Samples& samples)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        const double scaled = std::clamp(std::round(s * 32767.0), -32768.0, 32767.0);
        pcm.push_back(static_cast<std::int16_t>(scaled));
    }
    return pcm;
}

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& pcm, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::vector<std::uint8_t> out;
    out.reserve(kWavHeaderSize + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);       // size of the format chunk
    put16(out, 1);        // PCM
    put16(out, 1);        // mono
    put32(out, rate);     // frames per second
    put32(out, rate * 2); // bytes per second
    put16(out, 2);        // bytes per frame
    put16(out, 16);       // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : pcm) {
        put16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm,
              int sampleRate)
{
    const std::vector<std::uint8_t> bytes = encodeWav(pcm, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool decodeWav(const std::vector<std::uint8_t>& bytes, WavData& out, std::string& error)
{
    if (bytes.size() < kWavHeaderSize) {
        error = "shorter than a WAV header";
        return false;
    }
    if (!hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE") || !hasTag(bytes, 12, "fmt ") ||
        !hasTag(bytes, 36, "data")) {
        error = "not a canonical 44-byte WAV header";
        return false;
    }
    const std::uint32_t dataBytes = get32(bytes, 40);
    if (get32(bytes, 16) != 16 || get16(bytes, 20) != 1) {
        error = "not plain PCM";
        return false;
    }
    if (get16(bytes, 22) != 1 || get16(bytes, 34) != 16 || get16(bytes, 32) != 2) {
        error = "not 16-bit mono";
        return false;
    }
    const std::uint32_t rate = get32(bytes, 24);
    if (rate == 0 || get32(bytes, 28) != rate * 2) {
        error = "inconsistent sample rate";
        return false;
    }
    if (get32(bytes, 4) != 36 + dataBytes || bytes.size() != kWavHeaderSize + dataBytes ||
        dataBytes % 2 != 0) {
        error = "chunk sizes do not match the file size";
        return false;
    }
    out.sampleRate = static_cast<int>(rate);
    out.pcm.clear();
    out.pcm.reserve(dataBytes / 2);
    for (std::size_t at = kWavHeaderSize; at < bytes.size(); at += 2) {
        out.pcm.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(get16(bytes, at))));
    }
    return true;
}

bool readWav(const std::filesystem::path& path, WavData& out, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path.string();
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return decodeWav(bytes, out, error);
}

} // namespace synth
