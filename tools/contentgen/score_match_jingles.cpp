#include "contentgen/scores.h"
#include "contentgen/synth.h"

namespace {

void Chord(Mix& mix, double at, double length, std::initializer_list<const char*> pitches, float velocity,
           Instrument instrument) {
    float pan = -0.3f;
    for (const char* pitch : pitches) {
        AddNote(mix, Note{at, length, PitchOf(pitch), velocity, pan, instrument});
        pan += 0.2f;
    }
}

SoundClip Finish(Mix& mix, int channels, double fade, float peak = 0.45f) {
    FadeOut(mix, fade);
    return SoundClip{channels, ToPcm16(mix, channels, peak)};
}

}  // namespace

// The start logo lands: a quick run up to a bright chord with a drum hit.
SoundClip ScoreGameStart() {
    Mix mix = MakeMix(SamplesOf(1.2), false);
    const double step = 0.07;
    AddLine(mix, Instrument::lead, "C5 1, E5 1, G5 1, C6 1", 0.0, step, 0.35f, 0.0f, 0.9);
    const double hit = 4 * step;
    Chord(mix, hit, 0.55, {"C5", "E5", "G5", "C6"}, 0.22f, Instrument::lead);
    Chord(mix, hit, 0.6, {"C4", "G4"}, 0.2f, Instrument::pad);
    AddNote(mix, Note{hit, 0.6, PitchOf("C2"), 0.5f, 0.0f, Instrument::bass});
    AddNote(mix, Note{hit, 0.05, 60, 0.7f, 0.0f, Instrument::kick});
    AddNote(mix, Note{hit, 0.05, 60, 0.5f, 0.0f, Instrument::snare});
    AddNote(mix, Note{hit + 0.05, 0.25, 60, 0.35f, 0.3f, Instrument::hat});
    AddLine(mix, Instrument::chime, "G6 1, C7 1", hit + 0.08, 0.08, 0.15f, 0.4f, 1.0);
    return Finish(mix, 2, 0.3);
}

// The stack topped out: a slow fall in minor to a low, fading chord.
SoundClip ScoreGameOver() {
    Mix mix = MakeMix(SamplesOf(2.6), false);
    const double step = 0.22;
    AddLine(mix, Instrument::lead, "E5 1, D5 1, C5 1, B4 1, A4 1, G#4 1, A4 4", 0.0, step, 0.28f, 0.1f, 0.9);
    AddLine(mix, Instrument::piano, "C5 2, A4 2, E4 2, E4 4", 0.0, step, 0.2f, -0.3f, 0.95);
    AddNote(mix, Note{0.0, 6 * step, PitchOf("A2"), 0.35f, 0.0f, Instrument::bass});
    AddNote(mix, Note{6 * step, 0.9, PitchOf("A1"), 0.4f, 0.0f, Instrument::bass});
    Chord(mix, 6 * step, 0.9, {"A3", "C4", "E4"}, 0.12f, Instrument::pad);
    return Finish(mix, 2, 0.7);
}

// A puzzle solved: a bright fanfare that climbs and rings out.
SoundClip ScorePuzzleClear() {
    Mix mix = MakeMix(SamplesOf(2.1), false);
    const double step = 0.1;
    AddLine(mix, Instrument::lead, "G5 1, C6 1, E6 1, G6 3, E6 1, G6 1, C7 6", 0.0, step, 0.3f, 0.1f, 0.9);
    Chord(mix, 0.0, 0.55, {"C4", "E4", "G4"}, 0.1f, Instrument::pluck);
    Chord(mix, 0.6, 0.8, {"C5", "E5", "G5"}, 0.14f, Instrument::piano);
    Chord(mix, 0.6, 1.0, {"C4", "G4", "E5"}, 0.1f, Instrument::pad);
    AddNote(mix, Note{0.0, 0.5, PitchOf("C2"), 0.35f, 0.0f, Instrument::bass});
    AddNote(mix, Note{0.6, 1.0, PitchOf("C2"), 0.4f, 0.0f, Instrument::bass});
    for (double at : {0.0, 0.3, 0.6}) AddNote(mix, Note{at, 0.05, 60, 0.5f, 0.0f, Instrument::kick});
    AddNote(mix, Note{0.6, 0.3, 60, 0.3f, 0.3f, Instrument::hat});
    AddLine(mix, Instrument::chime, "E7 1, G7 1, C8 2", 0.75, 0.1, 0.1f, 0.5f, 1.0);
    return Finish(mix, 2, 0.5);
}

// First place in the ranking: a proud march-like fanfare.
SoundClip ScoreHiscore() {
    Mix mix = MakeMix(SamplesOf(3.1), false);
    const double step = 0.15;
    AddLine(mix, Instrument::lead, "C5 1, C5 1, C5 1, G5 3, E5 1, G5 1, C6 4, B5 1, C6 1, D6 2, E6 6", 0.0, step, 0.3f, 0.1f, 0.85);
    AddLine(mix, Instrument::piano, "E4 3, C5 3, G4 2, E5 4, F5 2, G5 2, G5 6", 0.0, step, 0.14f, -0.35f, 0.9);
    const char* roots[4] = {"C2", "C2", "F2", "G2"};
    for (int i = 0; i < 4; ++i) {
        const double at = i * 4 * step;
        AddNote(mix, Note{at, 4 * step * 0.9, PitchOf(roots[i]), 0.38f, 0.0f, Instrument::bass});
        AddNote(mix, Note{at, 0.05, 60, 0.5f, 0.0f, Instrument::kick});
        AddNote(mix, Note{at + 2 * step, 0.05, 60, 0.35f, 0.1f, Instrument::snare});
    }
    const double land = 16 * step;
    Chord(mix, land, 1.0, {"C5", "E5", "G5", "C6"}, 0.13f, Instrument::pad);
    AddNote(mix, Note{land, 1.1, PitchOf("C2"), 0.45f, 0.0f, Instrument::bass});
    AddNote(mix, Note{land, 0.05, 60, 0.65f, 0.0f, Instrument::kick});
    AddNote(mix, Note{land, 0.6, 60, 0.35f, 0.3f, Instrument::hat});
    AddLine(mix, Instrument::chime, "G6 1, C7 1, E7 1, G7 3", land + 0.1, 0.09, 0.12f, 0.5f, 1.0);
    return Finish(mix, 2, 0.7);
}

// Ranked below first place: a bouncy, happy little tune.
SoundClip ScoreOmedetou() {
    Mix mix = MakeMix(SamplesOf(2.5), false);
    const double step = 0.12;
    AddLine(mix, Instrument::lead, "G5 1, A5 1, B5 1, D6 2, B5 1, D6 2, G6 6", 0.0, step, 0.28f, 0.1f, 0.85);
    AddLine(mix, Instrument::pluck, "G4 1, B4 1, D5 1, G4 1, C5 1, E5 1, D5 2, B4 2, G4 4", 0.0, step, 0.16f, -0.4f, 0.8);
    AddNote(mix, Note{0.0, 3 * step, PitchOf("G2"), 0.35f, 0.0f, Instrument::bass});
    AddNote(mix, Note{3 * step, 3 * step, PitchOf("C3"), 0.35f, 0.0f, Instrument::bass});
    AddNote(mix, Note{6 * step, 1.0, PitchOf("G2"), 0.4f, 0.0f, Instrument::bass});
    Chord(mix, 8 * step, 0.9, {"G4", "B4", "D5", "G5"}, 0.12f, Instrument::piano);
    for (int i = 0; i < 4; ++i) AddNote(mix, Note{i * 2 * step, 0.05, 60, 0.4f, 0.0f, Instrument::kick});
    AddLine(mix, Instrument::chime, "D7 1, G7 2", 8 * step + 0.1, 0.1, 0.1f, 0.5f, 1.0);
    return Finish(mix, 2, 0.6);
}
