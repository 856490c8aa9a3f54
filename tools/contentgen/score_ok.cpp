#include "contentgen/scores.h"
#include "contentgen/synth.h"

// Two quick rising notes, a fifth apart: the choice is taken.
SoundClip ScoreOk() {
    Mix mix = MakeMix(SamplesOf(0.25), false);
    AddNote(mix, Note{0.0, 0.05, PitchOf("C6"), 0.6f, 0.0f, Instrument::pluck});
    AddNote(mix, Note{0.06, 0.1, PitchOf("G6"), 0.7f, 0.0f, Instrument::pluck});
    AddNote(mix, Note{0.06, 0.1, PitchOf("G5"), 0.3f, 0.0f, Instrument::chime});
    FadeOut(mix, 0.06);
    return SoundClip{1, ToPcm16(mix, 1, 0.45f)};
}
