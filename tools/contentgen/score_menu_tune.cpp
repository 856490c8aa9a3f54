#include "contentgen/scores.h"
#include "contentgen/synth.h"

namespace {

// 144 beats a minute makes a beat exactly 18375 samples, so the twelve bars
// are exactly 882000 samples and the loop lands on a whole sample.
constexpr double beat = 60.0 / 144.0;
constexpr double bar = 4.0 * beat;
constexpr double eighth = beat / 2.0;
constexpr int bars = 12;

const char* const melody[bars] = {
    "C5 1, E5 1, G5 2, A5 1, G5 1, E5 2",  // C
    "A4 1, C5 1, E5 2, G5 1, E5 1, C5 2",  // Am
    "F5 2, A5 1, G5 1, F5 2, E5 1, D5 1",  // F
    "D5 2, G5 2, B4 2, D5 2",              // G
    "C5 1, E5 1, G5 2, C6 1, B5 1, G5 2",  // C
    "A5 2, E5 1, A5 1, C6 2, B5 1, A5 1",  // Am
    "A5 2, C6 1, A5 1, G5 2, F5 1, E5 1",  // F
    "D5 2, E5 1, F5 1, G5 4",              // G
    "C6 3, A5 1, F5 2, A5 2",              // F
    "B5 3, G5 1, D5 2, G5 2",              // G
    "G5 2, E5 2, A5 2, C6 2",              // Em Am
    "F5 2, A5 2, G5 1, F5 1, E5 1, D5 1",  // Dm G7, back to the top
};

// Chords by half bar: bass root and the three notes of the off-beat stabs.
struct Chord {
    const char* root;
    const char* tones[3];
};
const Chord chords[bars * 2] = {
    {"C2", {"E4", "G4", "C5"}}, {"C2", {"E4", "G4", "C5"}}, {"A1", {"E4", "A4", "C5"}}, {"A1", {"E4", "A4", "C5"}},
    {"F2", {"F4", "A4", "C5"}}, {"F2", {"F4", "A4", "C5"}}, {"G2", {"D4", "G4", "B4"}}, {"G2", {"D4", "G4", "B4"}},
    {"C2", {"E4", "G4", "C5"}}, {"C2", {"E4", "G4", "C5"}}, {"A1", {"E4", "A4", "C5"}}, {"A1", {"E4", "A4", "C5"}},
    {"F2", {"F4", "A4", "C5"}}, {"F2", {"F4", "A4", "C5"}}, {"G2", {"D4", "G4", "B4"}}, {"G2", {"D4", "G4", "B4"}},
    {"F2", {"F4", "A4", "C5"}}, {"F2", {"F4", "A4", "C5"}}, {"G2", {"D4", "G4", "B4"}}, {"G2", {"D4", "G4", "B4"}},
    {"E2", {"E4", "G4", "B4"}}, {"A1", {"E4", "A4", "C5"}}, {"D2", {"D4", "F4", "A4"}}, {"G2", {"D4", "F4", "B4"}},
};

// Drums in sixteenths: k kick, s snare, h closed hat, o open hat.
const char* const groove = "k.h.s.h.k.hkshh.";
const char* const fill = "k.h.s.h.k.h.ssss";

void AddDrums(Mix& mix, const char* pattern, double start) {
    for (int i = 0; i < 16; ++i) {
        const double at = start + i * eighth / 2.0;
        switch (pattern[i]) {
            case 'k': AddNote(mix, Note{at, 0.05, 60, 0.6f, 0.0f, Instrument::kick}); break;
            case 's': AddNote(mix, Note{at, 0.05, 60, i >= 12 && pattern == fill ? 0.35f : 0.45f, 0.1f, Instrument::snare}); break;
            case 'h': AddNote(mix, Note{at, 0.02, 60, i % 4 == 2 ? 0.5f : 0.3f, -0.3f, Instrument::hat}); break;
            case 'o': AddNote(mix, Note{at, 0.2, 60, 0.4f, -0.3f, Instrument::hat}); break;
            default: break;
        }
        // Closed hats under the kicks and snares keep the eighths going.
        if (pattern[i] != 'h' && pattern[i] != '.' && i % 2 == 0) {
            AddNote(mix, Note{at, 0.02, 60, 0.22f, -0.3f, Instrument::hat});
        }
    }
}

}  // namespace

SoundClip ScoreMenuTune() {
    Mix mix = MakeMix(SamplesOf(bars * bar), true);
    Mix lead = MakeMix(mix.left.size(), true);
    for (int b = 0; b < bars; ++b) {
        const double start = b * bar;
        AddLine(lead, Instrument::lead, melody[b], start, eighth, 0.32f, 0.1f, 0.8);
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = chords[2 * b + half];
            const double at = start + half * 2.0 * beat;
            const double root = PitchOf(chord.root);
            // Bass bounces between the root and its octave.
            const double bassLine[4] = {root, root + 12.0, root, root + 12.0};
            for (int i = 0; i < 4; ++i) {
                AddNote(mix, Note{at + i * eighth, eighth * 0.7, bassLine[i], 0.42f, 0.0f, Instrument::bass});
            }
            // Chord stabs on the off-beats.
            for (int i = 1; i < 4; i += 2) {
                for (int k = 0; k < 3; ++k) {
                    AddNote(mix, Note{at + i * eighth, eighth * 0.5, PitchOf(chord.tones[k]), 0.11f,
                                      -0.35f + 0.35f * k, Instrument::pluck});
                }
            }
        }
        AddDrums(mix, b == bars - 1 || b == 7 ? fill : groove, start);
    }
    // In the bridge a soft piano doubles the tune.
    Mix bell = MakeMix(mix.left.size(), true);
    for (int b = 8; b < bars; ++b) AddLine(bell, Instrument::piano, melody[b], b * bar, eighth, 0.12f, -0.4f, 0.9);
    AddInto(mix, lead, 1.0f);
    AddInto(mix, bell, 1.0f);
    AddEcho(mix, lead, 3.0 * eighth, 0.3f, 0.22f);
    return SoundClip{2, ToPcm16(mix, 2, 0.45f)};
}
