#include "contentgen/scores.h"
#include "contentgen/synth.h"

namespace {

// 150 beats a minute: a beat is exactly 17640 samples, so the sixteen bars
// are a whole number of samples and the loop lands exactly.
constexpr double beat = 60.0 / 150.0;
constexpr double bar = 4.0 * beat;
constexpr double eighth = beat / 2.0;
constexpr int bars = 16;

// A minor, driving: two eight-bar halves, the second climbing higher.
const char* const melody[bars] = {
    "A5 1, C6 1, E6 2, D6 1, C6 1, A5 2",      // Am
    "F5 1, A5 1, C6 2, A5 1, G5 1, F5 2",      // F
    "G5 1, B5 1, D6 2, C6 1, B5 1, G5 2",      // G
    "G#5 2, B5 2, E6 3, - 1",                  // E
    "A5 1, C6 1, E6 2, A6 2, G6 1, E6 1",      // Am
    "F6 2, E6 1, D6 1, C6 2, A5 2",            // F
    "B5 1, C6 1, D6 2, G6 2, F6 1, D6 1",      // G
    "E6 2, C6 2, B5 2, G#5 2",                 // C E
    "A5 3, C6 1, F6 2, E6 2",                  // F
    "D6 3, B5 1, G5 2, B5 2",                  // G
    "G5 2, B5 2, E6 2, D6 2",                  // Em
    "C6 3, B5 1, A5 4",                        // Am
    "D6 1, F6 1, A6 2, F6 1, D6 1, A5 2",      // Dm
    "B5 1, D6 1, G6 2, F6 1, D6 1, B5 2",      // G
    "G#5 2, B5 2, E6 2, G#6 2",                // E
    "D6 2, B5 2, G#5 2, E5 2",                 // E7, back to the top
};

struct Chord {
    const char* root;
    const char* tones[3];
};
// Two chords a bar (the same one twice where a bar holds one).
const Chord chords[bars * 2] = {
    {"A1", {"E4", "A4", "C5"}}, {"A1", {"E4", "A4", "C5"}}, {"F1", {"F4", "A4", "C5"}}, {"F1", {"F4", "A4", "C5"}},
    {"G1", {"D4", "G4", "B4"}}, {"G1", {"D4", "G4", "B4"}}, {"E1", {"E4", "G#4", "B4"}}, {"E1", {"E4", "G#4", "B4"}},
    {"A1", {"E4", "A4", "C5"}}, {"A1", {"E4", "A4", "C5"}}, {"F1", {"F4", "A4", "C5"}}, {"F1", {"F4", "A4", "C5"}},
    {"G1", {"D4", "G4", "B4"}}, {"G1", {"D4", "G4", "B4"}}, {"C2", {"E4", "G4", "C5"}}, {"E1", {"E4", "G#4", "B4"}},
    {"F1", {"F4", "A4", "C5"}}, {"F1", {"F4", "A4", "C5"}}, {"G1", {"D4", "G4", "B4"}}, {"G1", {"D4", "G4", "B4"}},
    {"E1", {"E4", "G4", "B4"}}, {"E1", {"E4", "G4", "B4"}}, {"A1", {"E4", "A4", "C5"}}, {"A1", {"E4", "A4", "C5"}},
    {"D2", {"D4", "F4", "A4"}}, {"D2", {"D4", "F4", "A4"}}, {"G1", {"D4", "G4", "B4"}}, {"G1", {"D4", "G4", "B4"}},
    {"E1", {"E4", "G#4", "B4"}}, {"E1", {"E4", "G#4", "B4"}}, {"E1", {"D4", "G#4", "B4"}}, {"E1", {"D4", "G#4", "B4"}},
};

// Drums in sixteenths: k kick, s snare, h closed hat, o open hat.
const char* const groove = "k.hhs.hkk.hhs.ho";
const char* const lift = "k.hhs.hkk.hks.s.";
const char* const fill = "k.h.s.hks.sss.ss";

void AddDrums(Mix& mix, const char* pattern, double start) {
    for (int i = 0; i < 16; ++i) {
        const double at = start + i * eighth / 2.0;
        switch (pattern[i]) {
            case 'k': AddNote(mix, Note{at, 0.05, 60, 0.62f, 0.0f, Instrument::kick}); break;
            case 's': AddNote(mix, Note{at, 0.05, 60, i % 4 == 0 ? 0.5f : 0.32f, 0.1f, Instrument::snare}); break;
            case 'h': AddNote(mix, Note{at, 0.02, 60, i % 2 == 0 ? 0.42f : 0.26f, -0.35f, Instrument::hat}); break;
            case 'o': AddNote(mix, Note{at, 0.2, 60, 0.36f, -0.35f, Instrument::hat}); break;
            default: break;
        }
    }
}

}  // namespace

SoundClip ScoreMatchTune() {
    Mix mix = MakeMix(SamplesOf(bars * bar), true);
    Mix lead = MakeMix(mix.left.size(), true);
    Mix arps = MakeMix(mix.left.size(), true);
    for (int b = 0; b < bars; ++b) {
        const double start = b * bar;
        AddLine(lead, Instrument::lead, melody[b], start, eighth, 0.3f, 0.1f, 0.78);
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = chords[2 * b + half];
            const double at = start + half * 2.0 * beat;
            const double root = PitchOf(chord.root);
            // Octave-jumping bass in eighths, pushing the off-beats.
            const double bassLine[4] = {root + 12.0, root + 24.0, root + 12.0, root + 24.0};
            for (int i = 0; i < 4; ++i) {
                AddNote(mix, Note{at + i * eighth, eighth * 0.6, bassLine[i], i % 2 == 0 ? 0.46f : 0.36f, 0.0f, Instrument::bass});
            }
            for (int i = 1; i < 4; i += 2) {
                for (int k = 0; k < 3; ++k) {
                    AddNote(mix, Note{at + i * eighth, eighth * 0.45, PitchOf(chord.tones[k]), 0.1f, -0.4f + 0.4f * k,
                                      Instrument::pluck});
                }
            }
            // Second half: a sixteenth arpeggio ripples above the chords.
            if (b >= 8) {
                for (int i = 0; i < 8; ++i) {
                    const double pitch = PitchOf(chord.tones[i % 3]) + 12.0 * (i / 3 % 2);
                    AddNote(arps, Note{at + i * eighth / 2.0, eighth * 0.3, pitch, 0.07f, 0.5f, Instrument::pluck});
                }
            }
        }
        // A soft pad holds each bar's first chord underneath.
        for (int k = 0; k < 3; ++k) {
            AddNote(mix, Note{start, bar * 0.92, PitchOf(chords[2 * b].tones[k]) - 12.0, 0.05f, -0.2f + 0.2f * k, Instrument::pad});
        }
        const char* pattern = b % 8 == 7 ? fill : (b % 4 == 3 ? lift : groove);
        AddDrums(mix, pattern, start);
    }
    AddInto(mix, lead, 1.0f);
    AddInto(mix, arps, 1.0f);
    AddEcho(mix, lead, 3.0 * eighth, 0.28f, 0.2f);
    AddEcho(mix, arps, 2.0 * eighth, 0.3f, 0.3f);
    return SoundClip{2, ToPcm16(mix, 2, 0.45f)};
}
