#include "contentgen/scores.h"
#include "contentgen/synth.h"

// A gentle falling phrase over an "amen" close (F to C), done well within
// the three seconds the farewell screen waits.
SoundClip ScoreFarewell() {
    Mix mix = MakeMix(SamplesOf(2.6), false);
    const double step = 0.32;
    AddLine(mix, Instrument::piano, "E5 1, D5 1, C5 1, G4 1, C5 3", 0.0, step, 0.4f, 0.1f, 0.95);
    for (const char* pitch : {"F3", "A3", "C4"}) AddNote(mix, Note{0.0, 4 * step - 0.1, PitchOf(pitch), 0.16f, -0.2f, Instrument::pad});
    for (const char* pitch : {"C3", "E3", "G3", "C4"}) AddNote(mix, Note{4 * step, 0.7, PitchOf(pitch), 0.14f, -0.2f, Instrument::pad});
    AddNote(mix, Note{0.0, 4 * step - 0.05, PitchOf("F2"), 0.3f, 0.0f, Instrument::bass});
    AddNote(mix, Note{4 * step, 0.8, PitchOf("C2"), 0.3f, 0.0f, Instrument::bass});
    AddNote(mix, Note{4 * step, 0.2, PitchOf("C7"), 0.08f, 0.5f, Instrument::chime});
    FadeOut(mix, 0.6);
    return SoundClip{2, ToPcm16(mix, 2, 0.45f)};
}
