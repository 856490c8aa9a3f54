#include "contentgen/scores.h"
#include "contentgen/synth.h"

// A bright run up a C major chord that lands on a ringing chord, played
// while the emblem spins.
SoundClip ScoreLogoJingle() {
    Mix mix = MakeMix(SamplesOf(2.2), false);
    Mix sparkle = MakeMix(SamplesOf(2.2), false);
    const double step = 0.075;
    AddLine(mix, Instrument::pluck, "C5 1, E5 1, G5 1, C6 1, E6 1", 0.0, step, 0.5f, -0.2f, 0.9);
    const double land = 5 * step;
    for (const char* pitch : {"C5", "E5", "G5", "C6", "E6"}) {
        AddNote(mix, Note{land, 1.1, PitchOf(pitch), 0.3f, 0.0f, Instrument::piano});
    }
    AddNote(mix, Note{land, 1.2, PitchOf("C3"), 0.45f, 0.0f, Instrument::bass});
    AddNote(mix, Note{land, 1.2, PitchOf("C4"), 0.25f, 0.0f, Instrument::pad});
    AddNote(mix, Note{land, 1.2, PitchOf("G4"), 0.2f, 0.0f, Instrument::pad});
    AddNote(mix, Note{0.0, 0.05, 60, 0.5f, 0.0f, Instrument::kick});
    AddNote(mix, Note{land, 0.05, 60, 0.6f, 0.0f, Instrument::kick});
    AddNote(mix, Note{land, 0.3, 60, 0.35f, 0.0f, Instrument::hat});
    // Glints above the chord.
    AddLine(sparkle, Instrument::chime, "G6 1, C7 1, E7 1, G7 2", land + 0.1, 0.09, 0.18f, 0.5f, 1.0);
    AddEcho(mix, sparkle, 0.18, 0.35f, 0.5f);
    AddInto(mix, sparkle, 1.0f);
    FadeOut(mix, 0.5);
    return SoundClip{2, ToPcm16(mix, 2, 0.5f)};
}
