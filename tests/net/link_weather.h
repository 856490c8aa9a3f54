#pragma once
// The weather a datagram meets between two games, from a seed: lost,
// doubled, held for a delay with jitter, or held back further so that later
// ones overtake it. The same seed and settings give the same fates in the
// same order, so a test over a bad network runs the same every time. Shared
// by the in-process simulated link and the UDP relay.
#include <cstdint>

namespace linkWeather {

struct Settings {
    uint32_t delayMs = 0;            // one way
    uint32_t jitterMs = 0;           // the delay varies by up to this, either way
    uint16_t dropPerMille = 0;       // lost outright
    uint16_t doublePerMille = 0;     // arrives twice
    uint16_t reorderPerMille = 0;    // held back past those sent after it
    uint32_t reorderExtraMs = 30;    // how much longer a held-back one waits, at most
};

// Half of a round trip, with the jitter and losses of a poor home line.
inline Settings RoundTrip(uint32_t roundTripMs, uint32_t jitterMs = 0, uint16_t dropPerMille = 0) {
    Settings s;
    s.delayMs = roundTripMs / 2;
    s.jitterMs = jitterMs;
    s.dropPerMille = dropPerMille;
    return s;
}

// What happens to one datagram.
struct Fate {
    bool dropped = false;
    bool doubled = false;
    bool reordered = false;
    uint32_t delayMs = 0;        // until it arrives
    uint32_t secondDelayMs = 0;  // until its double arrives (when doubled)
};

class Weather {
public:
    // The seed is mixed first: splitmix steps by a constant, so seeds taken
    // straight would give one sequence shifted by a step.
    Weather(uint64_t seed, const Settings& settings) : state_(Mix(seed ^ 0x632BE59BD9B4E019ull)), settings_(settings) {}

    const Settings& Of() const { return settings_; }

    Fate Next() {
        Fate f;
        f.dropped = Chance(settings_.dropPerMille);
        f.doubled = Chance(settings_.doublePerMille);
        f.reordered = Chance(settings_.reorderPerMille);
        f.delayMs = Delay();
        if (f.reordered) f.delayMs += 1 + Below(settings_.reorderExtraMs + 1);
        f.secondDelayMs = Delay();
        return f;
    }

private:
    // splitmix64: small, fast and good enough for weather.
    static uint64_t Mix(uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint64_t Raw() { return Mix(state_ += 0x9E3779B97F4A7C15ull); }
    uint32_t Below(uint32_t n) { return n == 0 ? 0 : static_cast<uint32_t>(Raw() % n); }
    bool Chance(uint16_t perMille) { return perMille > 0 && Below(1000) < perMille; }
    uint32_t Delay() {
        const int64_t spread = settings_.jitterMs;
        const int64_t d = int64_t{settings_.delayMs} + static_cast<int64_t>(Below(static_cast<uint32_t>(2 * spread + 1))) - spread;
        return static_cast<uint32_t>(d < 0 ? 0 : d);
    }

    uint64_t state_;
    Settings settings_;
};

}  // namespace linkWeather
