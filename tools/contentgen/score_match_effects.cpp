#include "contentgen/scores.h"
#include "contentgen/synth.h"

namespace {

SoundClip Finish(Mix& mix, int channels, double fade, float peak = 0.45f) {
    FadeOut(mix, fade);
    return SoundClip{channels, ToPcm16(mix, channels, peak)};
}

}  // namespace

// The countdown plays it once: three ticks, each as a digit reaches the
// middle of the screen (three quarters of a second apart).
SoundClip ScoreCountdown() {
    Mix mix = MakeMix(SamplesOf(2.1), false);
    for (int i = 0; i < 3; ++i) {
        const double at = 0.38 + 0.75 * i;
        AddNote(mix, Note{at, 0.09, PitchOf("A5"), 0.5f, 0.0f, Instrument::pluck});
        AddNote(mix, Note{at, 0.09, PitchOf("A6"), 0.25f, 0.0f, Instrument::chime});
        AddNote(mix, Note{at, 0.05, 60, 0.3f, 0.0f, Instrument::kick});
    }
    return Finish(mix, 1, 0.1);
}

// Every tenth link of a chain: a sparkling run upwards.
SoundClip ScoreChainCheer() {
    Mix mix = MakeMix(SamplesOf(0.65), false);
    AddLine(mix, Instrument::pluck, "C6 1, E6 1, G6 1, C7 2", 0.0, 0.06, 0.4f, -0.1f, 0.9);
    AddLine(mix, Instrument::chime, "G6 1, C7 1, E7 1, G7 2", 0.03, 0.06, 0.18f, 0.3f, 1.0);
    AddNote(mix, Note{0.24, 0.2, PitchOf("C5"), 0.15f, 0.0f, Instrument::lead});
    return Finish(mix, 2, 0.25);
}

// The stack nears the top: a two-tone alarm.
SoundClip ScoreDanger() {
    Mix mix = MakeMix(SamplesOf(0.52), false);
    AddLine(mix, Instrument::lead, "B5 1, F5 1, B5 1, F5 1", 0.0, 0.12, 0.5f, 0.0f, 0.85);
    AddLine(mix, Instrument::bass, "B2 1, F2 1, B2 1, F2 1", 0.0, 0.12, 0.3f, 0.0f, 0.85);
    return Finish(mix, 1, 0.06);
}

// Pause on or off: a soft two-note chime.
SoundClip ScorePause() {
    Mix mix = MakeMix(SamplesOf(0.35), false);
    AddNote(mix, Note{0.0, 0.08, PitchOf("E6"), 0.4f, 0.0f, Instrument::chime});
    AddNote(mix, Note{0.08, 0.12, PitchOf("B5"), 0.4f, 0.0f, Instrument::chime});
    AddNote(mix, Note{0.0, 0.1, PitchOf("E5"), 0.2f, 0.0f, Instrument::pluck});
    return Finish(mix, 1, 0.12);
}

// Level up: a quick climbing arpeggio with a bright top.
SoundClip ScoreLevelUp() {
    Mix mix = MakeMix(SamplesOf(0.8), false);
    AddLine(mix, Instrument::lead, "C5 1, G5 1, C6 1, E6 1, G6 3", 0.0, 0.06, 0.3f, 0.0f, 0.9);
    AddLine(mix, Instrument::chime, "C7 1, G7 2", 0.24, 0.08, 0.15f, 0.4f, 1.0);
    AddNote(mix, Note{0.24, 0.3, PitchOf("C3"), 0.25f, 0.0f, Instrument::bass});
    return Finish(mix, 2, 0.25);
}

// The EX gauge is full: a glittering shimmer up the scale.
SoundClip ScoreGaugeFull() {
    Mix mix = MakeMix(SamplesOf(0.75), false);
    AddLine(mix, Instrument::chime, "E6 1, G#6 1, B6 1, E7 1, G#7 1, B7 2", 0.0, 0.045, 0.3f, 0.2f, 1.0);
    AddLine(mix, Instrument::pluck, "E5 1, B5 1, E6 2", 0.0, 0.07, 0.25f, -0.2f, 0.9);
    return Finish(mix, 2, 0.3);
}

// Delete: a bomb goes off under the lowest rows.
SoundClip ScoreDelete() {
    Mix mix = MakeMix(SamplesOf(0.9), false);
    AddNote(mix, Note{0.0, 0.35, 86.0, 0.9f, 0.0f, Instrument::noise});  // the blast, darkening as it dies
    AddNote(mix, Note{0.0, 0.05, 60, 0.8f, 0.0f, Instrument::kick});
    AddNote(mix, Note{0.0, 0.05, 60, 0.4f, 0.0f, Instrument::snare});
    AddNote(mix, Note{0.02, 0.3, PitchOf("A1"), 0.4f, 0.0f, Instrument::bass});
    return Finish(mix, 2, 0.3);
}

// Maxdelete: a bigger blast that rolls on, with a rising sweep before it.
SoundClip ScoreMaxdelete() {
    Mix mix = MakeMix(SamplesOf(1.5), false);
    AddLine(mix, Instrument::blip, "C5 1, G5 1, C6 1, G6 1", 0.0, 0.05, 0.3f, 0.0f, 1.0);
    const double blast = 0.2;
    AddNote(mix, Note{blast, 0.7, 90.0, 1.0f, -0.2f, Instrument::noise});
    AddNote(mix, Note{blast + 0.12, 0.6, 80.0, 0.6f, 0.3f, Instrument::noise});
    AddNote(mix, Note{blast, 0.05, 60, 0.9f, 0.0f, Instrument::kick});
    AddNote(mix, Note{blast + 0.15, 0.05, 60, 0.6f, 0.0f, Instrument::kick});
    AddNote(mix, Note{blast, 0.6, PitchOf("E1"), 0.45f, 0.0f, Instrument::bass});
    AddLine(mix, Instrument::chime, "E7 1, B7 2", blast + 0.3, 0.1, 0.1f, 0.5f, 1.0);
    return Finish(mix, 2, 0.45);
}
