#include "contentgen/synth.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr double twoPi = 6.283185307179586;

double Frequency(double pitch) { return 440.0 * std::pow(2.0, (pitch - 69.0) / 12.0); }

// Band-limited step correction (PolyBLEP) so square waves do not alias.
double PolyBlep(double phase, double increment) {
    if (phase < increment) {
        const double t = phase / increment;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double t = (phase - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double PulseWave(double phase, double increment, double duty) {
    double v = phase < duty ? 1.0 : -1.0;
    v += PolyBlep(phase, increment);
    double shifted = phase - duty;
    if (shifted < 0.0) shifted += 1.0;
    v -= PolyBlep(shifted, increment);
    return v - (2.0 * duty - 1.0);  // centred: no offset for narrow pulses
}

double Triangle(double phase) { return 4.0 * std::fabs(phase - 0.5) - 1.0; }

double Saw(double phase, double increment) { return 2.0 * phase - 1.0 - PolyBlep(phase, increment); }

// Attack, decay to a sustain level, release after the key is let go.
double Adsr(double t, double held, double attack, double decay, double sustain, double release) {
    auto level = [&](double u) {
        if (u < attack) return u / attack;
        if (u < attack + decay) return 1.0 - (1.0 - sustain) * (u - attack) / decay;
        return sustain;
    };
    if (t < held) return level(t);
    const double after = t - held;
    if (after >= release) return 0.0;
    return level(held) * (1.0 - after / release);
}

// Deterministic noise, seeded per note so a sound is the same on every build.
double NextNoise(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
}

double ReleaseOf(Instrument instrument) {
    switch (instrument) {
        case Instrument::lead: return 0.08;
        case Instrument::bass: return 0.05;
        case Instrument::piano: return 0.6;
        case Instrument::pluck: return 0.12;
        case Instrument::pad: return 0.5;
        case Instrument::chime: return 1.2;
        case Instrument::kick: return 0.3;
        case Instrument::snare: return 0.25;
        case Instrument::hat: return 0.08;
        case Instrument::blip: return 0.0;
        case Instrument::noise: return 0.25;
    }
    return 0.1;
}

}  // namespace

Mix MakeMix(size_t samples, bool wraps) {
    Mix mix;
    mix.left.assign(samples, 0.0f);
    mix.right.assign(samples, 0.0f);
    mix.wraps = wraps;
    return mix;
}

size_t SamplesOf(double seconds) { return static_cast<size_t>(std::llround(seconds * sampleRate)); }

double PitchOf(const char* name) {
    static const int semitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') return 60.0;
    int pitch = semitone[letter - 'A'];
    int i = 1;
    if (name[i] == '#') {
        ++pitch;
        ++i;
    } else if (name[i] == 'b') {
        --pitch;
        ++i;
    }
    const int octave = std::atoi(name + i);
    return 12.0 * (octave + 1) + pitch;
}

void AddNote(Mix& mix, const Note& note) {
    const size_t total = mix.left.size();
    if (total == 0) return;
    const double seconds = note.length + ReleaseOf(note.instrument);
    const size_t count = SamplesOf(seconds);
    const long first = static_cast<long>(SamplesOf(note.start));
    const double angle = (std::clamp(note.pan, -1.0f, 1.0f) + 1.0) * twoPi / 8.0;
    const float gainLeft = static_cast<float>(std::cos(angle)) * note.velocity;
    const float gainRight = static_cast<float>(std::sin(angle)) * note.velocity;
    const double f = Frequency(note.pitch);
    uint32_t noise = static_cast<uint32_t>(first) * 2654435761u + static_cast<uint32_t>(note.pitch * 97.0) + 12345u;
    double phase = 0.0, phase2 = 0.0, phase3 = 0.0, low = 0.0, previous = 0.0, previous2 = 0.0, band = 0.0;
    for (size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / sampleRate;
        double v = 0.0;
        switch (note.instrument) {
            case Instrument::lead: {
                // Pulse and triangle; a gentle vibrato once the note settles.
                const double vibrato = t > 0.15 ? 0.12 * std::sin(twoPi * 5.5 * t) * std::min(1.0, (t - 0.15) * 4.0) : 0.0;
                const double inc = Frequency(note.pitch + vibrato) / sampleRate;
                const double raw = 0.55 * PulseWave(phase, inc, 0.25) + 0.45 * Triangle(phase);
                low += (raw - low) * 0.35;
                v = low * Adsr(t, note.length, 0.006, 0.12, 0.65, 0.08);
                phase += inc;
                if (phase >= 1.0) phase -= 1.0;
                break;
            }
            case Instrument::bass: {
                const double inc = f / sampleRate;
                const double raw = 0.7 * Triangle(phase) + 0.3 * std::sin(twoPi * phase) + 0.15 * PulseWave(phase, inc, 0.5);
                low += (raw - low) * 0.25;
                v = low * Adsr(t, note.length, 0.004, 0.2, 0.7, 0.05);
                phase += inc;
                if (phase >= 1.0) phase -= 1.0;
                break;
            }
            case Instrument::piano: {
                // Two-operator FM: a bright strike that mellows as it rings.
                const double index = 0.4 + 2.2 * std::exp(-t * 6.0);
                const double modulator = std::sin(twoPi * phase2);
                v = std::sin(twoPi * phase + index * modulator) * std::exp(-t * 2.2) *
                    Adsr(t, note.length, 0.003, 0.0001, 1.0, 0.6);
                phase += f / sampleRate;
                phase2 += f / sampleRate;
                phase -= std::floor(phase);
                phase2 -= std::floor(phase2);
                break;
            }
            case Instrument::pluck: {
                const double index = 1.8 * std::exp(-t * 18.0);
                v = std::sin(twoPi * phase + index * std::sin(twoPi * phase2)) * std::exp(-t * 9.0) *
                    Adsr(t, note.length, 0.003, 0.0001, 1.0, 0.12);
                phase += f / sampleRate;
                phase2 += 2.0 * f / sampleRate;
                phase -= std::floor(phase);
                phase2 -= std::floor(phase2);
                break;
            }
            case Instrument::pad: {
                const double inc = f / sampleRate;
                const double raw = Saw(phase, inc) + Saw(phase2, inc * 1.006) + 0.5 * std::sin(twoPi * phase3);
                low += (raw - low) * 0.06;
                v = 0.5 * low * Adsr(t, note.length, 0.15, 0.3, 0.8, 0.5);
                phase += inc;
                phase2 += inc * 1.006;
                phase3 += inc * 0.5;
                phase -= std::floor(phase);
                phase2 -= std::floor(phase2);
                phase3 -= std::floor(phase3);
                break;
            }
            case Instrument::chime: {
                // Sine with the inharmonic partials of a small bell.
                v = (std::sin(twoPi * phase) + 0.35 * std::sin(twoPi * phase2) * std::exp(-t * 4.0) +
                     0.2 * std::sin(twoPi * phase3) * std::exp(-t * 8.0)) *
                    std::exp(-t * 3.0) * Adsr(t, note.length, 0.002, 0.0001, 1.0, 1.2);
                phase += f / sampleRate;
                phase2 += 2.76 * f / sampleRate;
                phase3 += 5.4 * f / sampleRate;
                phase -= std::floor(phase);
                phase2 -= std::floor(phase2);
                phase3 -= std::floor(phase3);
                break;
            }
            case Instrument::kick: {
                const double sweep = 45.0 + 120.0 * std::exp(-t * 30.0);
                v = std::sin(twoPi * phase) * std::exp(-t * 9.0) * std::min(1.0, t / 0.002);
                phase += sweep / sampleRate;
                phase -= std::floor(phase);
                break;
            }
            case Instrument::snare: {
                const double white = NextNoise(noise);
                band += (white - band) * 0.45;  // soften the top
                const double hiss = band - previous;
                previous = band;
                v = (0.8 * hiss * std::exp(-t * 16.0) + 0.5 * std::sin(twoPi * phase) * std::exp(-t * 25.0)) *
                    std::min(1.0, t / 0.001);
                phase += 185.0 / sampleRate;
                phase -= std::floor(phase);
                break;
            }
            case Instrument::hat: {
                const double white = NextNoise(noise);
                const double high = white - 2.0 * previous + previous2;  // second difference: only the sizzle
                previous2 = previous;
                previous = white;
                v = 0.15 * high * std::exp(-t * (note.length > 0.1 ? 10.0 : 45.0)) * std::min(1.0, t / 0.0008);
                break;
            }
            case Instrument::blip: {
                // Square chirp that rises a fourth and dies away within the note.
                const double glide = note.pitch + 5.0 * std::min(1.0, t / 0.03);
                const double inc = Frequency(glide) / sampleRate;
                const double raw = PulseWave(phase, inc, 0.5);
                low += (raw - low) * 0.3;
                const double fall = std::max(0.0, 1.0 - t / std::max(note.length, 0.001));
                v = 0.6 * low * std::min(1.0, t / 0.002) * fall * fall;
                phase += inc;
                if (phase >= 1.0) phase -= 1.0;
                break;
            }
            case Instrument::noise: {
                const double white = NextNoise(noise);
                const double cutoff = f * std::pow(0.5, t / std::max(note.length, 0.01));
                const double k = 1.0 - std::exp(-twoPi * cutoff / sampleRate);
                low += (white - low) * k;
                band += (low - band) * k;  // two poles: a soft, dark rumble
                // Narrow filters pass little: give the darker part back its level.
                const double gain = std::min(8.0, std::sqrt(sampleRate / (4.0 * cutoff)));
                v = band * gain * Adsr(t, note.length, 0.003, 0.08, 0.6, 0.25);
                break;
            }
        }
        long index = first + static_cast<long>(n);
        if (mix.wraps) {
            index %= static_cast<long>(total);
        } else if (index >= static_cast<long>(total)) {
            break;
        }
        mix.left[static_cast<size_t>(index)] += static_cast<float>(v) * gainLeft;
        mix.right[static_cast<size_t>(index)] += static_cast<float>(v) * gainRight;
    }
}

double AddLine(Mix& mix, Instrument instrument, const char* line, double start, double stepSeconds, float velocity,
               float pan, double gate) {
    double time = start;
    const std::string text = line;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(',', at);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(at, end - at);
        at = end + 1;
        const size_t nameStart = item.find_first_not_of(' ');
        if (nameStart == std::string::npos) continue;
        const size_t nameEnd = item.find(' ', nameStart);
        const std::string name = item.substr(nameStart, nameEnd - nameStart);
        const double steps = nameEnd == std::string::npos ? 1.0 : std::atof(item.c_str() + nameEnd);
        const double seconds = steps * stepSeconds;
        if (name != "-") {
            Note note;
            note.start = time;
            note.length = seconds * gate;
            note.pitch = PitchOf(name.c_str());
            note.velocity = velocity;
            note.pan = pan;
            note.instrument = instrument;
            AddNote(mix, note);
        }
        time += seconds;
    }
    return time;
}

void AddEcho(Mix& mix, const Mix& source, double delaySeconds, float feedback, float level) {
    const size_t total = source.left.size();
    const size_t delay = SamplesOf(delaySeconds);
    if (total == 0 || delay == 0 || delay >= total || mix.left.size() != total) return;
    // The first repeat comes from the left, the next from the right, and so
    // on. A loop is run round several times so the echoes of its end are
    // already sounding at its start.
    std::vector<float> echoLeft(total, 0.0f), echoRight(total, 0.0f);
    const int passes = source.wraps ? 5 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 0; i < total; ++i) {
            size_t back = i - delay;
            if (i < delay) {
                if (!source.wraps) {
                    echoLeft[i] = echoRight[i] = 0.0f;
                    continue;
                }
                back = total + i - delay;
            }
            const float dry = 0.5f * (source.left[back] + source.right[back]);
            echoLeft[i] = dry + feedback * echoRight[back];
            echoRight[i] = feedback * echoLeft[back];
        }
    }
    for (size_t i = 0; i < total; ++i) {
        mix.left[i] += level * echoLeft[i];
        mix.right[i] += level * echoRight[i];
    }
}

void AddInto(Mix& mix, const Mix& source, float level) {
    const size_t n = std::min(mix.left.size(), source.left.size());
    for (size_t i = 0; i < n; ++i) {
        mix.left[i] += source.left[i] * level;
        mix.right[i] += source.right[i] * level;
    }
}

void FadeOut(Mix& mix, double seconds) {
    const size_t n = mix.left.size();
    const size_t fade = std::min(n, SamplesOf(seconds));
    for (size_t i = 0; i < fade; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fade);
        mix.left[n - 1 - i] *= g;
        mix.right[n - 1 - i] *= g;
    }
}

std::vector<int16_t> ToPcm16(const Mix& mix, int channels, float peak) {
    const size_t n = mix.left.size();
    float loudest = 1e-9f;
    for (size_t i = 0; i < n; ++i) {
        if (channels == 2) {
            loudest = std::max({loudest, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
        } else {
            loudest = std::max(loudest, std::fabs(0.5f * (mix.left[i] + mix.right[i])));
        }
    }
    const float scale = peak * 32767.0f / loudest;
    auto toSample = [scale](float v) {
        return static_cast<int16_t>(std::clamp(std::lround(v * scale), -32767L, 32767L));
    };
    std::vector<int16_t> out;
    out.reserve(n * static_cast<size_t>(channels));
    for (size_t i = 0; i < n; ++i) {
        if (channels == 2) {
            out.push_back(toSample(mix.left[i]));
            out.push_back(toSample(mix.right[i]));
        } else {
            out.push_back(toSample(0.5f * (mix.left[i] + mix.right[i])));
        }
    }
    return out;
}
