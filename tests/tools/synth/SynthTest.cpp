// Tests of the sound synthesiser: the WAV format the game's loader relies on,
// the building blocks whose mistakes would not show in a listen-through
// (aliasing, pitch, levels, DC, clicks), and the finished sounds against the
// lengths the game needs.

#include <gtest/gtest.h>

#include "dsp.h"
#include "sounds.h"
#include "wav.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>

using namespace synth;

namespace {

double rms(const Samples& s, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += s[i] * s[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

} // namespace

// ---- WAV files ----------------------------------------------------------

TEST(Synth, WavHeaderAndRoundTrip)
{
    const std::vector<std::int16_t> pcm{0, 1, -1, 32767, -32768};
    const std::vector<std::uint8_t> bytes = encodeWav(pcm, 22050);
    EXPECT_TRUE(bytes.size() == 44 + 10);
    EXPECT_TRUE(std::string(bytes.begin(), bytes.begin() + 4) == "RIFF");
    EXPECT_TRUE(bytes[4] == 46 && bytes[5] == 0); // 36 + data size
    EXPECT_TRUE(bytes[20] == 1 && bytes[22] == 1 && bytes[34] == 16);
    EXPECT_TRUE(bytes[24] == 0x22 && bytes[25] == 0x56); // 22050, little-endian
    EXPECT_TRUE(bytes[40] == 10);                        // data size
    EXPECT_TRUE(bytes[46] == 0x01 && bytes[47] == 0x00); // 1
    EXPECT_TRUE(bytes[48] == 0xFF && bytes[49] == 0xFF); // -1

    WavData back;
    std::string error;
    EXPECT_TRUE(decodeWav(bytes, back, error));
    EXPECT_TRUE(back.sampleRate == 22050 && back.pcm == pcm);
    EXPECT_TRUE(std::abs(back.seconds() - 5.0 / 22050) < 1e-12);
}

TEST(Synth, WavReaderRefusesOtherLayouts)
{
    const std::vector<std::uint8_t> good = encodeWav({1, 2, 3}, 44100);
    WavData out;
    std::string error;

    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    EXPECT_TRUE(!decodeWav(truncated, out, error));
    std::vector<std::uint8_t> stereo = good;
    stereo[22] = 2;
    EXPECT_TRUE(!decodeWav(stereo, out, error));
    std::vector<std::uint8_t> eightBit = good;
    eightBit[34] = 8;
    EXPECT_TRUE(!decodeWav(eightBit, out, error));
    std::vector<std::uint8_t> compressed = good;
    compressed[20] = 3;
    EXPECT_TRUE(!decodeWav(compressed, out, error));
    std::vector<std::uint8_t> notRiff = good;
    notRiff[0] = 'X';
    EXPECT_TRUE(!decodeWav(notRiff, out, error));
    EXPECT_TRUE(!decodeWav({}, out, error));
}

TEST(Synth, PcmConversionRoundsAndClamps)
{
    const std::vector<std::int16_t> pcm =
        toPcm16({0.0, 1.0, -1.0, 1.5, -1.5, 0.4 / 32767, 0.6 / 32767});
    EXPECT_TRUE((pcm == std::vector<std::int16_t>{0, 32767, -32767, 32767, -32768, 0, 1}));
}

// ---- Building blocks ----------------------------------------------------

TEST(Synth, NoiseIsSeededAndBounded)
{
    Noise a(7);
    Noise b(7);
    Noise c(8);
    Noise zero(0); // a zero seed must not get stuck at zero
    bool same = true;
    bool differs = false;
    bool bounded = true;
    double zeroSum = 0.0;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.next();
        same = same && x == b.next();
        differs = differs || x != c.next();
        bounded = bounded && x >= -1.0 && x < 1.0;
        zeroSum += std::abs(zero.next());
    }
    EXPECT_TRUE(same);
    EXPECT_TRUE(differs);
    EXPECT_TRUE(bounded);
    EXPECT_TRUE(zeroSum > 1000.0);
}

TEST(Synth, EnvelopesStartAndEndSilent)
{
    const Envelope env = adsr(0.01, 0.02, 0.5, 0.1);
    EXPECT_TRUE(env(0.0, 1.0) == 0.0);
    EXPECT_TRUE(std::abs(env(0.01, 1.0) - 1.0) < 1e-9);
    EXPECT_TRUE(std::abs(env(0.5, 1.0) - 0.5) < 1e-9);
    EXPECT_TRUE(std::abs(env(0.95, 1.0) - 0.25) < 1e-9);
    EXPECT_TRUE(env(1.0, 1.0) == 0.0);

    const Envelope hit = percussive(0.002, 0.05);
    EXPECT_TRUE(hit(0.0, 1.0) == 0.0);
    EXPECT_TRUE(std::abs(hit(0.052, 1.0) - std::exp(-1.0)) < 1e-9);
}

TEST(Synth, PitchCurves)
{
    const Pitch up = glide(200.0, 800.0, 0.1);
    EXPECT_TRUE(std::abs(up(0.0) - 200.0) < 1e-9);
    EXPECT_TRUE(std::abs(up(0.05) - 400.0) < 1e-9); // exponential: halfway is an octave
    EXPECT_TRUE(up(0.2) == 800.0);
    EXPECT_TRUE(std::abs(noteHz(69) - 440.0) < 1e-9 && std::abs(noteHz(81) - 880.0) < 1e-9);
}

TEST(Synth, ToneHasItsPitchAndNoAliasing)
{
    Samples out;
    addTone(out, 0.0, 1.0, Tone{});
    EXPECT_TRUE(out.size() == toFrames(1.0));
    int crossings = 0;
    for (std::size_t i = 1; i < out.size(); ++i) {
        crossings += (out[i - 1] < 0.0) != (out[i] < 0.0) ? 1 : 0;
    }
    EXPECT_TRUE(std::abs(crossings - 880) <= 2); // 440 Hz: two crossings per period

    // A partial above the Nyquist limit would fold back as a wrong note.
    Tone high;
    high.pitch = steady(15000.0);
    high.timbre = {{1, 0.0, 0.0}, {2, 1.0, 0.0}};
    Samples silent;
    addTone(silent, 0.0, 0.1, high);
    EXPECT_TRUE(measure(silent).peak == 0.0);
}

TEST(Synth, ToneIsPlacedAndTapered)
{
    Samples out(toFrames(0.05), 0.0);
    Tone tone;
    tone.envelope = adsr(0.001, 0.0, 1.0, 0.0); // no release: the taper must end it
    addTone(out, 0.1, 0.2, tone);
    EXPECT_TRUE(out.size() == toFrames(0.3));
    EXPECT_TRUE(rms(out, 0, toFrames(0.1)) == 0.0);
    EXPECT_TRUE(rms(out, toFrames(0.15), toFrames(0.25)) > 0.5);
    EXPECT_TRUE(std::abs(out.back()) < 1e-9);
}

TEST(Synth, VowelKeepsLoudness)
{
    Tone plain;
    plain.timbre = harmonics(20, 1.0);
    Tone sung = plain;
    sung.vowelFrom = Vowel{300, 2250, 3000};
    sung.vowelTo = Vowel{750, 1200, 2600};
    sung.vowelTime = 0.5;
    Samples a;
    Samples b;
    addTone(a, 0.0, 0.5, plain);
    addTone(b, 0.0, 0.5, sung);
    const double plainLevel = rms(a, toFrames(0.05), toFrames(0.45));
    const double sungLevel = rms(b, toFrames(0.05), toFrames(0.45));
    EXPECT_TRUE(std::abs(gainToDb(sungLevel / plainLevel)) < 0.5);
}

TEST(Synth, MasterSetsLevelRemovesDcAndFades)
{
    Samples s;
    addTone(s, 0.0, 0.5, Tone{});
    for (double& x : s) {
        x = 0.3 * x + 0.2; // quiet, with a DC offset
    }
    MasterSettings uncapped;
    uncapped.loudestDb = 0.0;
    const Samples out = master(s, uncapped);
    const Level level = measure(out);
    EXPECT_TRUE(std::abs(gainToDb(level.peak) + 3.0) < 0.01);
    EXPECT_TRUE(std::abs(level.mean) < 1e-4);
    EXPECT_TRUE(out.front() == 0.0 && std::abs(out.back()) < 1e-9);

    // A dense, sustained sound is held down by the loudness ceiling instead.
    Samples dense;
    Tone buzz;
    buzz.timbre = harmonics(9, 0.0, true);
    addTone(dense, 0.0, 0.5, buzz);
    MasterSettings settings;
    settings.loudestDb = -14.0;
    const Level held = measure(master(dense, settings));
    EXPECT_TRUE(std::abs(gainToDb(held.loudest) + 14.0) < 0.01);
    EXPECT_TRUE(gainToDb(held.peak) < -3.0);
}

// ---- The game's sounds --------------------------------------------------

TEST(Synth, EverySoundFitsItsEvent)
{
    struct Need {
        double minSeconds;
        double maxSeconds;
    };
    // What the game expects of each file it loads.
    const std::map<std::string, Need> needs = {
        {"Badee1", {0.2, 0.999}}, {"Bonus", {0.2, 0.999}},    {"border", {0.02, 0.15}},
        {"bump2", {0.02, 0.15}},  {"Bye", {0.2, 0.999}},      {"found", {0.2, 0.999}},
        {"Gotcha", {0.2, 0.999}}, {"Intro", {2.5, 3.0}},      {"Pop", {0.01, 0.09}},
        {"Ring1", {0.2, 0.999}},  {"RoundEnd", {0.2, 0.999}}, {"TaDa", {1.3, 1.7}},
    };
    EXPECT_TRUE(soundRecipes().size() == needs.size());
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& [name, need] : needs) {
        const SoundRecipe* recipe = findRecipe(name);
        EXPECT_TRUE(recipe != nullptr);
        if (recipe == nullptr) {
            continue;
        }
        const std::vector<std::int16_t> pcm = toPcm16(render(*recipe));
        const double seconds = static_cast<double>(pcm.size()) / kSampleRate;
        const bool fits = seconds >= need.minSeconds && seconds <= need.maxSeconds;
        if (!fits) {
            std::fprintf(stderr, "  %s lasts %.3f s\n", name.c_str(), seconds);
        }
        EXPECT_TRUE(fits);

        Samples back;
        bool clipped = false;
        for (std::int16_t x : pcm) {
            clipped = clipped || x == 32767 || x == -32768;
            back.push_back(x / 32768.0);
        }
        const Level level = measure(back);
        EXPECT_TRUE(!clipped);
        EXPECT_TRUE(gainToDb(level.peak) <= -2.9 && gainToDb(level.peak) >= -6.0);
        EXPECT_TRUE(std::abs(level.mean) < 0.002);
        EXPECT_TRUE(pcm.front() == 0 && std::abs(pcm.back()) < 30);
        EXPECT_TRUE(toPcm16(render(*recipe)) == pcm); // reproducible builds
        distinct.insert(pcm);
    }
    EXPECT_TRUE(distinct.size() == needs.size());
    EXPECT_TRUE(findRecipe("pop") == nullptr); // names are case-sensitive, as the game asks
}
