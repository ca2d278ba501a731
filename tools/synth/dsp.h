// Small building blocks for the game's sound effects: oscillators made of
// partials, pitch curves, envelopes, seeded noise, simple filters and the
// final mastering step (DC removal, fades, level).

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace synth {

inline constexpr int kSampleRate = 44100;

// Mono audio, nominally in [-1, 1].
using Samples = std::vector<double>;

[[nodiscard]] std::size_t toFrames(double seconds);
[[nodiscard]] double toSeconds(std::size_t frames);

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
[[nodiscard]] double noteHz(double midiNote);

// Deterministic white noise (xorshift32): the same seed always gives the same
// sounds, so every build writes byte-identical files.
class Noise {
public:
    explicit Noise(std::uint32_t seed);
    // Uniform in [-1, 1).
    double next();

private:
    std::uint32_t state_;
};

// Gain 0..1 at time t (seconds from the note's start) of a note lasting len.
using Envelope = std::function<double(double t, double len)>;

// Linear attack and decay to the sustain level, linear release that ends at len.
[[nodiscard]] Envelope adsr(double attack, double decay, double sustain, double release);
// Short linear attack, then an exponential fall with the given time constant.
[[nodiscard]] Envelope percussive(double attack, double timeConstant);

// Frequency in Hz at time t (seconds from the note's start).
using Pitch = std::function<double(double t)>;

[[nodiscard]] Pitch steady(double hz);
// Exponential glide from one frequency to another over `time`, then held.
[[nodiscard]] Pitch glide(double fromHz, double toHz, double time);
// Adds a sine vibrato that fades in over `delay` seconds.
[[nodiscard]] Pitch withVibrato(Pitch base, double rateHz, double depthCents, double delay = 0.0);

// One sine component of a tone.
struct Partial {
    double ratio = 1.0;        // frequency relative to the tone's pitch
    double gain = 1.0;         // level before the envelope
    double timeConstant = 0.0; // its own exponential fade in seconds; 0 = none
};
using Timbre = std::vector<Partial>;

// Harmonics 1..count with gain 1/k^tilt; oddOnly keeps 1, 3, 5, ...
[[nodiscard]] Timbre harmonics(int count, double tilt, bool oddOnly = false);

// Formant frequencies of a sung vowel, in Hz.
struct Vowel {
    double f1;
    double f2;
    double f3;
};

struct Tone {
    Pitch pitch = steady(440.0);
    Timbre timbre = harmonics(1, 1.0);
    Envelope envelope = adsr(0.005, 0.0, 1.0, 0.02);
    double gain = 1.0;
    // When above 0, partials above this frequency are softened (12 dB per
    // octave), which mellows bright timbres.
    double rolloffHz = 0.0;
    // When set, each partial is weighted by the formant peaks of a vowel that
    // moves from vowelFrom to vowelTo during vowelTime, which makes the tone
    // "say" the vowel (a "wah", a "bye"). The weighting keeps the tone's
    // energy, so the envelope alone sets how loud it is.
    std::optional<Vowel> vowelFrom;
    std::optional<Vowel> vowelTo;
    double vowelTime = 0.0;
};

// Adds `tone`, lasting `length` seconds, at `start` seconds into `out`; `out`
// grows when the note runs past its end. Partials above 90 % of the Nyquist
// frequency are left out, and the last 4 ms of the note are tapered so a note
// that is cut while it still sounds does not click.
void addTone(Samples& out, double start, double length, const Tone& tone);

// Adds a burst of noise, low-passed by two one-pole filters at cutoffHz, shaped
// by `envelope` and scaled by gain.
void addNoise(Samples& out, double start, double length, Noise& noise, double cutoffHz,
              const Envelope& envelope, double gain);

// How loud a finished sound is.
struct Level {
    double peak = 0.0;    // largest magnitude
    double loudest = 0.0; // largest RMS over a 50 ms window
    double mean = 0.0;    // average sample: the DC offset
};
[[nodiscard]] Level measure(const Samples& samples);

struct MasterSettings {
    double fadeIn = 0.003;    // seconds of raised-cosine fade at the start
    double fadeOut = 0.015;   // and at the end
    double peakDb = -3.0;     // target peak, dBFS
    double loudestDb = -11.0; // ceiling for the loudest 50 ms (RMS), dBFS
};

// Removes DC with a gentle high-pass, fades both ends to silence and sets the
// level: the peak goes to peakDb unless that would make the loudest 50 ms
// louder than loudestDb, so long sustained sounds do not outshout short ones.
[[nodiscard]] Samples master(Samples samples, const MasterSettings& settings = {});

[[nodiscard]] double dbToGain(double db);
[[nodiscard]] double gainToDb(double gain);

} // namespace synth
