// The tune's notes and voices. Every note starts at zero phase under a raised-cosine attack and ends
// under a raised-cosine release, so no note boundary clicks.
#include "TuneSynth.h"

#include <array>
#include <cmath>

#include "Tone.h"

namespace {

struct Mix {
    static constexpr std::size_t LoopFrames = TuneSynth::LoopFrames;
    std::vector<double> left = std::vector<double>(LoopFrames);
    std::vector<double> right = std::vector<double>(LoopFrames);

    // Adds a note `seconds` long (plus its release) at frame `start`, wrapping round the loop.
    template <typename Voice>
    void note(std::size_t start, double seconds, double pan, Voice voice)
    {
        const auto frames = std::size_t(seconds * tone::Rate);
        const double lg = tone::leftGain(pan);
        const double rg = tone::rightGain(pan);
        for (std::size_t k = 0; k < frames; ++k) {
            const double v = voice(double(k) / tone::Rate);
            const std::size_t at = (start + k) % LoopFrames;
            left[at] += v * lg;
            right[at] += v * rg;
        }
    }
};

struct Chord {
    std::array<int, 4> pad;  // MIDI notes around middle C
    int bass;
};

// Two eight-bar phrases; the last bar's G major leads back to the C of the first.
constexpr std::array<Chord, TuneSynth::Bars> Progression = {{
    {{60, 64, 67, 71}, 36},  // Cmaj7
    {{57, 60, 64, 67}, 45},  // Am7
    {{53, 57, 60, 64}, 41},  // Fmaj7
    {{55, 59, 62, 64}, 43},  // G6
    {{52, 55, 59, 62}, 40},  // Em7
    {{57, 60, 64, 67}, 45},  // Am7
    {{53, 57, 60, 62}, 38},  // Dm7
    {{55, 60, 62, 65}, 43},  // G7sus4
    {{53, 57, 60, 64}, 41},  // Fmaj7
    {{55, 59, 62, 67}, 43},  // G
    {{55, 59, 62, 64}, 40},  // Em7
    {{55, 60, 64, 67}, 45},  // Am7
    {{53, 57, 60, 64}, 38},  // Dm9
    {{55, 59, 62, 64}, 40},  // Em7
    {{53, 57, 60, 64}, 41},  // Fmaj7
    {{55, 59, 62, 67}, 43},  // G
}};

struct MelodyNote {
    int bar;
    double beat;
    double beats;
    int note;
};

constexpr MelodyNote Melody[] = {
    {0, 0, 1.5, 76}, {0, 1.5, 0.5, 74}, {0, 2, 2, 72},
    {1, 0, 1.5, 72}, {1, 1.5, 0.5, 76}, {1, 2, 2, 79},
    {2, 0, 3, 81}, {2, 3, 1, 79},
    {3, 0, 2, 76}, {3, 2, 1, 74}, {3, 3, 1, 71},
    {4, 0, 1.5, 71}, {4, 1.5, 0.5, 74}, {4, 2, 2, 79},
    {5, 0, 1, 76}, {5, 1, 1, 79}, {5, 2, 2, 81},
    {6, 0, 1.5, 77}, {6, 1.5, 0.5, 76}, {6, 2, 1, 74}, {6, 3, 1, 72},
    {7, 0, 3, 74},
    {8, 0, 1, 72}, {8, 1, 1, 76}, {8, 2, 1, 81}, {8, 3, 1, 79},
    {9, 0, 3, 79}, {9, 3, 1, 74},
    {10, 0, 1.5, 76}, {10, 1.5, 0.5, 79}, {10, 2, 2, 83},
    {11, 0, 2, 84}, {11, 2, 2, 81},
    {12, 0, 1.5, 77}, {12, 1.5, 0.5, 76}, {12, 2, 2, 74},
    {13, 0, 1, 71}, {13, 1, 1, 74}, {13, 2, 2, 76},
    {14, 0, 2, 72}, {14, 2, 1, 74}, {14, 3, 1, 76},
    {15, 0, 3, 74}, {15, 3, 1, 71},
};

constexpr double Beat = TuneSynth::BeatFrames / tone::Rate;

std::size_t frameAt(int bar, double beat)
{
    return std::size_t(bar) * 4 * TuneSynth::BeatFrames + std::size_t(beat * TuneSynth::BeatFrames);
}

// A slow-breathing pad: two slightly detuned sines beat gently against each other.
void pad(Mix& mix)
{
    constexpr double Attack = 0.9, Release = 1.4;
    for (int bar = 0; bar < TuneSynth::Bars; ++bar) {
        const auto& notes = Progression[std::size_t(bar)].pad;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const double f = tone::midiHz(notes[i]);
            const double hold = 4 * Beat;
            mix.note(frameAt(bar, 0), hold + Release, 0.3 + 0.13 * double(i), [=](double t) {
                return 0.040 * tone::envelope(t, Attack, hold, Release) *
                       (std::sin(tone::TwoPi * f * t) +
                        0.6 * std::sin(tone::TwoPi * f * 1.0035 * t) +
                        0.12 * std::sin(tone::TwoPi * 2.0 * f * t));
            });
        }
    }
}

// A round bass: the root for three beats, then the fifth, both dying slowly.
void bass(Mix& mix)
{
    constexpr double Release = 0.35;
    for (int bar = 0; bar < TuneSynth::Bars; ++bar) {
        const int root = Progression[std::size_t(bar)].bass;
        const auto play = [&](double beat, double beats, int note, double level) {
            const double f = tone::midiHz(note);
            const double hold = beats * Beat - 0.05;
            mix.note(frameAt(bar, beat), hold + Release, 0.5, [=](double t) {
                return level * tone::envelope(t, 0.02, hold, Release) *
                       (0.55 + 0.45 * std::exp(-t / 0.9)) *
                       (std::sin(tone::TwoPi * f * t) + 0.35 * std::sin(tone::TwoPi * 2 * f * t) +
                        0.08 * std::sin(tone::TwoPi * 3 * f * t));
            });
        };
        play(0, 3, root, 0.20);
        play(3, 1, root + 7, 0.14);
    }
}

// The melody: a soft electric-piano bell whose brighter partials fade first.
void melody(Mix& mix)
{
    constexpr double Release = 0.25;
    for (const MelodyNote& m : Melody) {
        const double f = tone::midiHz(m.note);
        const double hold = m.beats * Beat;
        mix.note(frameAt(m.bar, m.beat), hold + Release, 0.42, [=](double t) {
            return 0.15 * tone::envelope(t, 0.012, hold, Release) * std::exp(-t / 1.6) *
                   (std::sin(tone::TwoPi * f * t) +
                    0.30 * std::sin(tone::TwoPi * 2 * f * t) * std::exp(-t / 0.35) +
                    0.07 * std::sin(tone::TwoPi * 3 * f * t) * std::exp(-t / 0.18));
        });
    }
}

// Eighth notes up and down the chord an octave above the pad, in the second half only.
void arpeggio(Mix& mix)
{
    constexpr int Pattern[8] = {0, 1, 2, 3, 2, 1, 2, 1};
    constexpr double Release = 0.12;
    for (int bar = TuneSynth::Bars / 2; bar < TuneSynth::Bars; ++bar) {
        for (int step = 0; step < 8; ++step) {
            const int note = Progression[std::size_t(bar)].pad[std::size_t(Pattern[step])] + 12;
            const double f = tone::midiHz(note);
            const double hold = 0.5 * Beat;
            mix.note(frameAt(bar, 0.5 * step), hold + Release, 0.68, [=](double t) {
                return 0.045 * tone::envelope(t, 0.006, hold, Release) * std::exp(-t / 0.30) *
                       (std::sin(tone::TwoPi * f * t) + 0.2 * std::sin(tone::TwoPi * 2 * f * t));
            });
        }
    }
}

// A small Schroeder room on each side. The loop is periodic, so running the room over it twice and
// keeping the second pass gives a reverb tail that wraps round the seam too.
void room(std::vector<double>& channel, int spread)
{
    constexpr int Combs[4] = {1557, 1617, 1491, 1422};
    constexpr int Allpasses[2] = {225, 556};
    const std::size_t n = channel.size();
    std::vector<double> wet(n, 0.0);
    for (int c : Combs) {
        std::vector<double> line(std::size_t(c + spread), 0.0);
        std::size_t at = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < n; ++i) {
                const double out = line[at];
                line[at] = channel[i] + 0.80 * out;
                at = (at + 1) % line.size();
                if (pass == 1) wet[i] += out;
            }
        }
    }
    for (int a : Allpasses) {
        std::vector<double> line(std::size_t(a + spread), 0.0);
        std::vector<double> out(n);
        std::size_t at = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < n; ++i) {
                const double delayed = line[at];
                const double in = wet[i];
                line[at] = in + 0.5 * delayed;
                at = (at + 1) % line.size();
                if (pass == 1) out[i] = delayed - 0.5 * in;
            }
        }
        wet.swap(out);
    }
    for (std::size_t i = 0; i < n; ++i) channel[i] += 0.045 * wet[i];
}

}  // namespace

std::vector<float> TuneSynth::render()
{
    Mix mix;
    pad(mix);
    bass(mix);
    melody(mix);
    arpeggio(mix);
    room(mix.left, 0);
    room(mix.right, 23);

    // A calm level with headroom for the codec.
    const double scale = 0.55 / tone::peak(mix.left, mix.right);
    std::vector<float> out(2 * LoopFrames);
    for (std::size_t i = 0; i < LoopFrames; ++i) {
        out[2 * i] = float(mix.left[i] * scale);
        out[2 * i + 1] = float(mix.right[i] * scale);
    }
    return out;
}
