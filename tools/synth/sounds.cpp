#include "sounds.h"

#include <initializer_list>
#include <utility>

namespace synth {

namespace {

// Notes as MIDI numbers; octave 4 holds middle C.
namespace note {
constexpr double G2 = 43, C3 = 48, E3 = 52, F3 = 53, G3 = 55;
constexpr double B3 = 59, C4 = 60, Cs4 = 61, D4 = 62, E4 = 64, G4 = 67, A4 = 69, B4 = 71;
constexpr double C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81;
constexpr double C6 = 84, E6 = 88, G6 = 91, B6 = 95, C7 = 96, E7 = 100;
} // namespace note

// Formants of the vowels the voices sing.
constexpr Vowel kAh{750, 1200, 2600};
constexpr Vowel kEe{300, 2250, 3000};
constexpr Vowel kOo{350, 700, 2400};
constexpr Vowel kNy{280, 2100, 2900}; // the "ny" before a nasal "ah"

Tone makeTone(Pitch pitch, Timbre timbre, Envelope envelope)
{
    Tone tone;
    tone.pitch = std::move(pitch);
    tone.timbre = std::move(timbre);
    tone.envelope = std::move(envelope);
    return tone;
}

Samples fit(Samples samples, double seconds)
{
    samples.resize(toFrames(seconds), 0.0);
    return samples;
}

// ---- Instruments --------------------------------------------------------

// A struck bar, like a music box or a small marimba: the upper partials die first.
Tone pluck(double hz)
{
    return makeTone(steady(hz),
                    {{1, 1.0, 0.3}, {2, 0.35, 0.12}, {3, 0.12, 0.06}, {4.2, 0.08, 0.04}},
                    adsr(0.003, 0.0, 1.0, 0.03));
}

// A round, soft bass close to a triangle wave.
Tone softBass(double hz)
{
    Timbre timbre = harmonics(7, 2.0, true);
    timbre.front().timeConstant = 0.8;
    return makeTone(steady(hz), timbre, adsr(0.01, 0.12, 0.6, 0.05));
}

// A small bright bell; `ring` sets how long it sounds.
Tone bell(double hz, double ring)
{
    return makeTone(steady(hz),
                    {{1, 1.0, ring},
                     {2, 0.45, ring * 0.6},
                     {3, 0.2, ring * 0.35},
                     {4.16, 0.18, ring * 0.22},
                     {5.43, 0.1, ring * 0.13},
                     {0.5, 0.12, ring}},
                    adsr(0.001, 0.0, 1.0, 0.02));
}

// A gentle chime: mostly the fundamental, for quiet signals.
Tone softChime(double hz)
{
    return makeTone(steady(hz), {{1, 1.0, 0.4}, {2, 0.22, 0.15}, {3, 0.06, 0.08}, {0.5, 0.08, 0.3}},
                    adsr(0.004, 0.0, 1.0, 0.03));
}

// A brass section voice; the vibrato comes in as the note is held.
Tone brass(double hz, double attack, double release)
{
    Tone tone = makeTone(withVibrato(steady(hz), 5.5, 9.0, 0.35), harmonics(12, 1.2),
                         adsr(attack, 0.12, 0.75, release));
    tone.rolloffHz = 2500.0;
    return tone;
}

// A soft square lead, like an old game console.
Tone chipLead(double hz)
{
    return makeTone(withVibrato(glide(hz * 0.97, hz, 0.03), 6.0, 12.0, 0.15),
                    harmonics(11, 1.4, true), adsr(0.006, 0.05, 0.8, 0.04));
}

// A singing voice (or a kazoo) that moves from one vowel to another.
Tone voice(Pitch pitch, double tilt, Vowel from, Vowel to, double vowelTime, Envelope envelope)
{
    Tone tone = makeTone(std::move(pitch), harmonics(30, tilt), std::move(envelope));
    tone.vowelFrom = from;
    tone.vowelTo = to;
    tone.vowelTime = vowelTime;
    return tone;
}

// A note on a step grid: starts at step `at` and is held for `steps`.
struct Note {
    double at;
    double steps;
    double midi;
    double velocity = 1.0;
};

// Plays the notes with one instrument; each note rings on for `ring` seconds
// after its steps.
void sequence(Samples& out, double stepSeconds, std::initializer_list<Note> notes,
              Tone (*instrument)(double hz), double ring, double gain)
{
    for (const Note& n : notes) {
        Tone tone = instrument(noteHz(n.midi));
        tone.gain = gain * n.velocity;
        addTone(out, n.at * stepSeconds, n.steps * stepSeconds + ring, tone);
    }
}

// ---- The sounds ---------------------------------------------------------

// A tiny bubble: a sine that shoots up in pitch and dies within a few
// hundredths of a second, with a soft click on top.
Samples composePop()
{
    Samples out;
    addTone(out, 0.0, 0.075,
            makeTone(glide(320, 1150, 0.03), {{1, 1.0, 0.0}, {2, 0.12, 0.01}},
                     percussive(0.0015, 0.018)));
    Noise noise(0x504F5031u);
    addNoise(out, 0.0, 0.01, noise, 3500, percussive(0.0005, 0.002), 0.6);
    return fit(out, 0.075);
}

// A dull, low thud: a falling low sine with a muffled knock.
Samples composeBorder()
{
    Samples out;
    addTone(out, 0.0, 0.13,
            makeTone(glide(150, 62, 0.07), {{1, 1.0, 0.0}, {2, 0.35, 0.03}, {3, 0.12, 0.015}},
                     percussive(0.002, 0.045)));
    Noise noise(0x424F5244u);
    addNoise(out, 0.0, 0.05, noise, 350, percussive(0.001, 0.01), 4.0);
    return fit(out, 0.13);
}

// A short hollow "bonk", higher and more tonal than the border thud, with a
// wooden overtone.
Samples composeBump()
{
    Samples out;
    addTone(out, 0.0, 0.12,
            makeTone(glide(560, 340, 0.045), {{1, 1.0, 0.0}, {3, 0.18, 0.02}, {2.76, 0.3, 0.012}},
                     percussive(0.0015, 0.035)));
    Noise noise(0x424D5032u);
    addNoise(out, 0.0, 0.008, noise, 2500, percussive(0.0003, 0.002), 1.5);
    return fit(out, 0.12);
}

// A cheerful jingle in C major: an arpeggio up to high C, a run back down and
// a final chord with a little bell on top.
Samples composeIntro()
{
    constexpr double step = 0.15;
    Samples out;
    sequence(out, step,
             {{0, 1, note::G4},
              {1, 1, note::C5},
              {2, 1, note::E5},
              {3, 1, note::G5},
              {4, 1, note::E5, 0.8},
              {5, 1, note::G5},
              {6, 2, note::C6},
              {8, 1, note::A5},
              {9, 1, note::G5, 0.8},
              {10, 1, note::F5},
              {11, 1, note::D5, 0.8},
              {12, 1, note::B4},
              {13, 1, note::D5},
              {14, 3, note::C5},
              {14, 3, note::E5, 0.7},
              {14, 3, note::G5, 0.7},
              {14, 3, note::C6, 0.8}},
             pluck, 0.25, 1.0);
    sequence(out, step,
             {{0, 2, note::C3},
              {2, 2, note::G2},
              {4, 2, note::C3},
              {6, 2, note::E3},
              {8, 2, note::F3},
              {10, 2, note::G3},
              {12, 2, note::G2},
              {14, 3, note::C3}},
             softBass, 0.05, 0.45);
    addTone(out, 14 * step, 0.7, bell(noteHz(note::C7), 0.25));
    return fit(out, 2.8);
}

// "Ta-daa!": a short G major chord, then a held C major chord of brass.
Samples composeTaDa()
{
    Samples out;
    for (double midi : {note::G4, note::B4, note::D5}) {
        Tone ta = brass(noteHz(midi), 0.008, 0.04);
        ta.gain = 0.8;
        addTone(out, 0.0, 0.15, ta);
    }
    for (double midi : {note::C4, note::C5, note::E5, note::G5, note::C6}) {
        Tone daa = brass(noteHz(midi), 0.035, 0.45);
        daa.gain = midi == note::C4 ? 0.6 : 1.0;
        addTone(out, 0.17, 1.33, daa);
    }
    Tone sparkle = bell(noteHz(note::C7), 0.3);
    sparkle.gain = 0.35;
    addTone(out, 0.17, 1.0, sparkle);
    return fit(out, 1.5);
}

// A quick rising arpeggio of little bells, two octaves up to high E.
Samples composeBonus()
{
    constexpr double gap = 0.055;
    constexpr double total = 0.75;
    Samples out;
    const double notes[] = {note::G5, note::C6, note::E6, note::G6, note::C7, note::E7};
    double at = 0.0;
    for (double midi : notes) {
        Tone tone = bell(noteHz(midi), 0.2);
        tone.gain = 0.75 + 0.05 * at / gap;
        addTone(out, at, total - at, tone);
        at += gap;
    }
    return fit(out, total);
}

// A bright bell struck once, with a softer fifth above right after it.
Samples composeRing()
{
    Samples out;
    addTone(out, 0.0, 0.9, bell(noteHz(note::E6), 0.32));
    Tone fifth = bell(noteHz(note::B6), 0.25);
    fifth.gain = 0.55;
    addTone(out, 0.07, 0.83, fifth);
    return fit(out, 0.9);
}

// The playground taunt "nyah nyah nyah-nyah nyah" (sol mi la sol mi) on a
// wobbly kazoo voice.
Samples composeBadee()
{
    struct Syllable {
        double at, length, midi;
    };
    constexpr Syllable taunt[] = {{0.00, 0.19, note::G4},
                                  {0.20, 0.10, note::E4},
                                  {0.31, 0.10, note::A4},
                                  {0.42, 0.19, note::G4},
                                  {0.62, 0.27, note::E4}};
    Samples out;
    for (const Syllable& s : taunt) {
        const double hz = noteHz(s.midi);
        addTone(out, s.at, s.length,
                voice(withVibrato(glide(hz * 0.94, hz, 0.035), 7.5, 30.0), 0.8, kNy, kAh, 0.05,
                      adsr(0.008, 0.03, 0.85, 0.03)));
    }
    return fit(out, 0.9);
}

// "Wah, wah, wah, waaah": three falling steps and a long wobbling last note
// on a muted trombone voice.
Samples composeGotcha()
{
    Samples out;
    const double steps[] = {note::D4, note::Cs4, note::C4};
    double at = 0.0;
    for (double midi : steps) {
        addTone(out, at, 0.2,
                voice(steady(noteHz(midi)), 1.0, kOo, kAh, 0.08, adsr(0.015, 0.05, 0.8, 0.05)));
        at += 0.21;
    }
    const double last = noteHz(note::B3);
    addTone(out, at, 0.32,
            voice(withVibrato(glide(last, last * 0.97, 0.32), 6.0, 40.0, 0.05), 1.0, kOo, kAh, 0.1,
                  adsr(0.015, 0.05, 0.85, 0.1)));
    return fit(out, 0.95);
}

// A happy "yay": two quick notes leading to a held fifth, with sparkles an
// octave up.
Samples composeFound()
{
    Samples out;
    sequence(out, 0.1, {{0, 1, note::C5}, {1, 1, note::E5}, {2, 5.5, note::G5}}, chipLead, 0.0,
             0.9);
    sequence(out, 0.1, {{0, 1, note::C6}, {1, 1, note::E6}, {2, 3, note::G6}}, pluck, 0.25, 0.5);
    return fit(out, 0.8);
}

// A soft two-note chime, up a fourth: a quiet "ding-ding" between rounds.
Samples composeRoundEnd()
{
    Samples out;
    addTone(out, 0.0, 0.8, softChime(noteHz(note::G5)));
    addTone(out, 0.2, 0.6, softChime(noteHz(note::C6)));
    return fit(out, 0.8);
}

// A friendly sung "bye-bye" (sol mi), the second one sinking a little.
Samples composeBye()
{
    Samples out;
    const double first = noteHz(note::C5);
    const double second = noteHz(note::A4);
    addTone(
        out, 0.0, 0.34,
        voice(glide(first * 0.95, first, 0.04), 1.4, kAh, kEe, 0.3, adsr(0.02, 0.06, 0.8, 0.08)));
    addTone(out, 0.38, 0.52,
            voice(withVibrato(glide(second, second * 0.94, 0.5), 5.0, 15.0, 0.2), 1.4, kAh, kEe,
                  0.4, adsr(0.02, 0.08, 0.8, 0.2)));
    return fit(out, 0.9);
}

MasterSettings fades(double in, double out)
{
    MasterSettings settings;
    settings.fadeIn = in;
    settings.fadeOut = out;
    return settings;
}

} // namespace

const std::vector<SoundRecipe>& soundRecipes()
{
    static const std::vector<SoundRecipe> recipes = {
        {"Badee1", "the Badees show themselves", 0.3, 0.99, composeBadee, fades(0.003, 0.04)},
        {"Bonus", "a bonus box", 0.3, 0.99, composeBonus, fades(0.002, 0.08)},
        {"border", "Tibbly bumps the edge of the board", 0.04, 0.15, composeBorder,
         fades(0.001, 0.015)},
        {"bump2", "Tibbly bumps a wall", 0.04, 0.15, composeBump, fades(0.001, 0.012)},
        {"Bye", "the game says goodbye", 0.3, 0.99, composeBye, fades(0.003, 0.06)},
        {"found", "Tibbly found or captured", 0.3, 0.99, composeFound, fades(0.003, 0.06)},
        {"Gotcha", "a Badee is hit", 0.3, 0.99, composeGotcha, fades(0.003, 0.05)},
        {"Intro", "a round starts", 2.5, 3.0, composeIntro, fades(0.003, 0.1)},
        {"Pop", "a fresh box, a step of Tibbly", 0.02, 0.09, composePop, fades(0.001, 0.008)},
        {"Ring1", "Tibbly takes a ring", 0.3, 0.99, composeRing, fades(0.001, 0.1)},
        {"RoundEnd", "the pause after a round", 0.3, 0.99, composeRoundEnd, fades(0.002, 0.1)},
        {"TaDa", "a game or round won", 1.3, 1.7, composeTaDa, fades(0.003, 0.1)},
    };
    return recipes;
}

const SoundRecipe* findRecipe(std::string_view name)
{
    for (const SoundRecipe& recipe : soundRecipes()) {
        if (recipe.name == name) {
            return &recipe;
        }
    }
    return nullptr;
}

Samples render(const SoundRecipe& recipe) { return master(recipe.compose(), recipe.mastering); }

} // namespace synth
