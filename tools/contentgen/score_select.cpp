#include "contentgen/scores.h"
#include "contentgen/synth.h"

// A short rising blip for every cursor move.
SoundClip ScoreSelect() {
    Mix mix = MakeMix(SamplesOf(0.06), false);
    AddNote(mix, Note{0.0, 0.058, 88.0, 1.0f, 0.0f, Instrument::blip});
    return SoundClip{1, ToPcm16(mix, 1, 0.4f)};
}
