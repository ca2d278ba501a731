// tibbly_synth: makes the game's sound effects from scratch, at build time.
//
//   tibbly_synth <outdir>           writes the twelve WAV files into outdir
//   tibbly_synth --check <dir>      reads them back and checks each one
//
// The files are 16-bit PCM mono at 44100 Hz with the canonical 44-byte header.
// All noise is seeded, so every run writes byte-identical files.
//
// The check reads each file's header and data and verifies its length against
// the range its recipe allows, its peak level (about -3 dBFS, never clipped),
// that it starts and ends in silence and that it carries no DC offset; it
// prints one line per sound. Exit status: 0 when all is well, 2 when a file
// is missing or fails the check, 1 on a usage error or when writing fails.

#include "dsp.h"
#include "sounds.h"
#include "wav.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path fileFor(const fs::path& dir, const synth::SoundRecipe& recipe)
{
    return dir / (std::string(recipe.name) + ".wav");
}

int writeAll(const fs::path& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "tibbly_synth: cannot create %s: %s\n", dir.string().c_str(),
                     ec.message().c_str());
        return 1;
    }
    for (const synth::SoundRecipe& recipe : synth::soundRecipes()) {
        const fs::path path = fileFor(dir, recipe);
        if (!synth::writeWav(path, synth::toPcm16(synth::render(recipe)), synth::kSampleRate)) {
            std::fprintf(stderr, "tibbly_synth: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}

// Problems of one decoded file, as text; empty when it passes.
std::string problemsOf(const synth::SoundRecipe& recipe, const synth::WavData& wav)
{
    std::string problems;
    auto complain = [&problems](const std::string& what) {
        problems += problems.empty() ? what : "; " + what;
    };
    if (wav.sampleRate != 44100 && wav.sampleRate != 22050) {
        complain("sample rate " + std::to_string(wav.sampleRate));
    }
    if (wav.seconds() < recipe.minSeconds || wav.seconds() > recipe.maxSeconds) {
        complain("length outside " + std::to_string(recipe.minSeconds) + ".." +
                 std::to_string(recipe.maxSeconds) + " s");
    }
    if (wav.pcm.empty()) {
        complain("no samples");
        return problems;
    }
    synth::Samples samples;
    samples.reserve(wav.pcm.size());
    bool clipped = false;
    for (std::int16_t s : wav.pcm) {
        clipped = clipped || s == 32767 || s == -32768;
        samples.push_back(s / 32768.0);
    }
    const synth::Level level = synth::measure(samples);
    const double peakDb = synth::gainToDb(level.peak);
    if (clipped) {
        complain("clipped");
    }
    if (peakDb > -2.0 || peakDb < -6.0) {
        complain("peak not near -3 dBFS");
    }
    if (std::abs(samples.front()) > 0.01 || std::abs(samples.back()) > 0.01) {
        complain("does not start and end in silence");
    }
    if (std::abs(level.mean) > 0.002) {
        complain("DC offset");
    }
    return problems;
}

int checkAll(const fs::path& dir)
{
    int failures = 0;
    std::printf("%-10s %8s %9s %12s %9s\n", "sound", "seconds", "peak dB", "loudest dB", "DC");
    for (const synth::SoundRecipe& recipe : synth::soundRecipes()) {
        synth::WavData wav;
        std::string error;
        if (!synth::readWav(fileFor(dir, recipe), wav, error)) {
            std::printf("%-10s unreadable: %s\n", std::string(recipe.name).c_str(), error.c_str());
            ++failures;
            continue;
        }
        synth::Samples samples;
        for (std::int16_t s : wav.pcm) {
            samples.push_back(s / 32768.0);
        }
        const synth::Level level = synth::measure(samples);
        const std::string problems = problemsOf(recipe, wav);
        std::printf("%-10s %8.3f %9.2f %12.2f %9.5f  %s\n", std::string(recipe.name).c_str(),
                    wav.seconds(), synth::gainToDb(level.peak), synth::gainToDb(level.loudest),
                    level.mean, problems.empty() ? "ok" : problems.c_str());
        failures += problems.empty() ? 0 : 1;
    }
    return failures == 0 ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) != "--check") {
        return writeAll(argv[1]);
    }
    if (argc == 3 && std::string_view(argv[1]) == "--check") {
        return checkAll(argv[2]);
    }
    std::fprintf(stderr, "usage: tibbly_synth <outdir>\n       tibbly_synth --check <dir>\n");
    return 1;
}
