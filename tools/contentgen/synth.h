#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A small synthesiser for the game's music and effects: a few instruments
// built from oscillators and envelopes, a note sequencer and an echo.

constexpr int sampleRate = 44100;

// A stereo mix being built. A wrapping mix is a loop: whatever runs past its
// end continues at its start, so the loop joins without a seam.
struct Mix {
    std::vector<float> left;
    std::vector<float> right;
    bool wraps = false;
};

// noise: a rumble of filtered noise whose brightness starts at the note's
// pitch and falls an octave over its length (blasts, whooshes).
enum class Instrument { lead, bass, piano, pluck, pad, chime, kick, snare, hat, blip, noise };

struct Note {
    double start = 0.0;   // seconds
    double length = 0.0;  // seconds the note is held (the release follows)
    double pitch = 60.0;  // MIDI note number, 69 = A 440 Hz
    float velocity = 1.0f;
    float pan = 0.0f;  // -1 left .. 1 right
    Instrument instrument = Instrument::lead;
};

Mix MakeMix(size_t samples, bool wraps);
size_t SamplesOf(double seconds);
double PitchOf(const char* name);  // "C5", "F#4", "Bb3"
void AddNote(Mix& mix, const Note& note);

// Plays a written line: comma-separated "pitch steps" pairs, "-" for a rest,
// e.g. "C5 1, E5 1, - 2, G5 4". Returns the time just after the line.
double AddLine(Mix& mix, Instrument instrument, const char* line, double start, double stepSeconds, float velocity,
               float pan, double gate = 0.85);

// Adds a ping-pong echo of source into mix.
void AddEcho(Mix& mix, const Mix& source, double delaySeconds, float feedback, float level);
// Adds source into mix at the given level.
void AddInto(Mix& mix, const Mix& source, float level);
// Fades the last seconds to silence.
void FadeOut(Mix& mix, double seconds);

// 16-bit PCM, interleaved when channels is 2 (mono takes the left and right
// average), scaled so the loudest sample reaches peak (0..1 of full scale).
std::vector<int16_t> ToPcm16(const Mix& mix, int channels, float peak);
