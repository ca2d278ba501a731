#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double smoothstep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

Vowel mix(const Vowel& a, const Vowel& b, double x)
{
    return {a.f1 + (b.f1 - a.f1) * x, a.f2 + (b.f2 - a.f2) * x, a.f3 + (b.f3 - a.f3) * x};
}

// Relative level of a partial at `hz` under the formant peaks of `v`: three
// resonance bumps over a small floor, so the vowel colours the tone without
// silencing the harmonics between the peaks.
double formantWeight(const Vowel& v, double hz)
{
    auto bump = [hz](double centre, double width, double height) {
        const double x = (hz - centre) / width;
        return height / (1.0 + x * x);
    };
    return 0.03 + bump(v.f1, 90.0, 1.0) + bump(v.f2, 120.0, 0.7) + bump(v.f3, 180.0, 0.35);
}

} // namespace

std::size_t toFrames(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double toSeconds(std::size_t frames) { return static_cast<double>(frames) / kSampleRate; }

double noteHz(double midiNote) { return 440.0 * std::exp2((midiNote - 69.0) / 12.0); }

Noise::Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}

double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

Envelope adsr(double attack, double decay, double sustain, double release)
{
    return [=](double t, double len) {
        double level = sustain;
        if (t < attack) {
            level = t / attack;
        } else if (t < attack + decay) {
            level = 1.0 - (1.0 - sustain) * (t - attack) / decay;
        }
        const double untilEnd = len - t;
        if (untilEnd < release) {
            level *= std::max(0.0, untilEnd / release);
        }
        return level;
    };
}

Envelope percussive(double attack, double timeConstant)
{
    return [=](double t, double /*len*/) {
        if (t < attack) {
            return t / attack;
        }
        return std::exp(-(t - attack) / timeConstant);
    };
}

Pitch steady(double hz)
{
    return [hz](double) { return hz; };
}

Pitch glide(double fromHz, double toHz, double time)
{
    return [=](double t) {
        if (time <= 0.0 || t >= time) {
            return toHz;
        }
        return fromHz * std::pow(toHz / fromHz, t / time);
    };
}

Pitch withVibrato(Pitch base, double rateHz, double depthCents, double delay)
{
    return [base = std::move(base), rateHz, depthCents, delay](double t) {
        const double depth = delay > 0.0 ? depthCents * smoothstep(t / delay) : depthCents;
        return base(t) * std::exp2(depth * std::sin(kTwoPi * rateHz * t) / 1200.0);
    };
}

Timbre harmonics(int count, double tilt, bool oddOnly)
{
    Timbre timbre;
    for (int k = 1; k <= count; k += oddOnly ? 2 : 1) {
        timbre.push_back({static_cast<double>(k), 1.0 / std::pow(k, tilt), 0.0});
    }
    return timbre;
}

void addTone(Samples& out, double start, double length, const Tone& tone)
{
    const std::size_t first = toFrames(start);
    const std::size_t count = toFrames(length);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    const double limitHz = 0.45 * kSampleRate;
    const std::size_t taper = std::min(count, toFrames(0.004));
    const bool voiced = tone.vowelFrom.has_value();
    const Vowel vowelEnd = tone.vowelTo.value_or(tone.vowelFrom.value_or(Vowel{}));

    double phase = 0.0; // of the fundamental; partial k runs at ratio * phase
    for (std::size_t i = 0; i < count; ++i) {
        const double t = toSeconds(i);
        const double hz = tone.pitch(t);
        Vowel vowel{};
        if (voiced) {
            const double x = tone.vowelTime > 0.0 ? smoothstep(t / tone.vowelTime) : 1.0;
            vowel = mix(*tone.vowelFrom, vowelEnd, x);
        }
        double value = 0.0;
        double plainEnergy = 0.0;
        double voicedEnergy = 0.0;
        for (const Partial& p : tone.timbre) {
            const double partialHz = p.ratio * hz;
            if (partialHz >= limitHz) {
                continue;
            }
            double gain = p.gain;
            if (p.timeConstant > 0.0) {
                gain *= std::exp(-t / p.timeConstant);
            }
            if (tone.rolloffHz > 0.0) {
                const double x = partialHz / tone.rolloffHz;
                gain /= std::sqrt(1.0 + x * x * x * x);
            }
            if (voiced) {
                plainEnergy += gain * gain;
                gain *= formantWeight(vowel, partialHz);
                voicedEnergy += gain * gain;
            }
            value += gain * std::sin(p.ratio * phase);
        }
        if (voiced && voicedEnergy > 0.0) {
            // The vowel changes the colour, not the loudness.
            value *= std::sqrt(plainEnergy / voicedEnergy);
        }
        double level = tone.envelope(t, length);
        const std::size_t left = count - 1 - i;
        if (left < taper) {
            level *= static_cast<double>(left) / static_cast<double>(taper);
        }
        out[first + i] += tone.gain * level * value;
        phase += kTwoPi * hz / kSampleRate;
    }
}

void addNoise(Samples& out, double start, double length, Noise& noise, double cutoffHz,
              const Envelope& envelope, double gain)
{
    const std::size_t first = toFrames(start);
    const std::size_t count = toFrames(length);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
    double stage1 = 0.0;
    double stage2 = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        stage1 += a * (noise.next() - stage1);
        stage2 += a * (stage1 - stage2);
        out[first + i] += gain * envelope(toSeconds(i), length) * stage2;
    }
}

Level measure(const Samples& samples)
{
    Level level;
    if (samples.empty()) {
        return level;
    }
    double sum = 0.0;
    for (double s : samples) {
        level.peak = std::max(level.peak, std::abs(s));
        sum += s;
    }
    level.mean = sum / static_cast<double>(samples.size());

    const std::size_t window = std::min(samples.size(), toFrames(0.050));
    double energy = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        energy += samples[i] * samples[i];
        if (i >= window) {
            energy -= samples[i - window] * samples[i - window];
        }
        if (i + 1 >= window) {
            const double rms = std::sqrt(std::max(0.0, energy) / static_cast<double>(window));
            level.loudest = std::max(level.loudest, rms);
        }
    }
    return level;
}

double dbToGain(double db) { return std::pow(10.0, db / 20.0); }

double gainToDb(double gain) { return 20.0 * std::log10(gain); }

Samples master(Samples samples, const MasterSettings& settings)
{
    if (samples.empty()) {
        return samples;
    }

    // One-pole high-pass at 20 Hz takes out most of the DC.
    const double r = std::exp(-kTwoPi * 20.0 / kSampleRate);
    double lastIn = 0.0;
    double lastOut = 0.0;
    for (double& s : samples) {
        const double in = s;
        lastOut = in - lastIn + r * lastOut;
        lastIn = in;
        s = lastOut;
    }

    // Raised-cosine fades at both ends.
    const std::size_t n = samples.size();
    Samples window(n, 1.0);
    const std::size_t in = std::min(n, std::max<std::size_t>(1, toFrames(settings.fadeIn)));
    const std::size_t out = std::min(n, std::max<std::size_t>(1, toFrames(settings.fadeOut)));
    for (std::size_t i = 0; i < in; ++i) {
        window[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                          static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        window[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                                  static_cast<double>(out));
    }
    double sum = 0.0;
    double windowSum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] *= window[i];
        sum += samples[i];
        windowSum += window[i];
    }
    // The rest of the DC goes in the shape of the window, so the ends stay silent.
    if (windowSum > 0.0) {
        const double offset = sum / windowSum;
        for (std::size_t i = 0; i < n; ++i) {
            samples[i] -= offset * window[i];
        }
    }

    const Level level = measure(samples);
    if (level.peak > 0.0) {
        double gain = dbToGain(settings.peakDb) / level.peak;
        if (level.loudest > 0.0) {
            gain = std::min(gain, dbToGain(settings.loudestDb) / level.loudest);
        }
        for (double& s : samples) {
            s *= gain;
        }
    }
    return samples;
}

} // namespace synth
