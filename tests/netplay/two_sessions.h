#pragma once
// Two rollback sessions playing each other in one process over the simulated
// link: each side's keys from a modelled person, one frame of each side per
// 20 ms of the link's clock. Every step a side confirms is seen with the
// checksum of its state after it, so the two sides can be compared step by
// step. For the tests and the figures.
#include <cstdint>
#include <memory>
#include <vector>

#include "match/headless_run.h"
#include "match/step_input.h"
#include "net/sim_link.h"
#include "netplay/rollback_session.h"
#include "replay/modelled_play.h"

namespace twoSessions {

struct Weather {
    uint32_t roundTripMs = 0;
    uint32_t jitterMs = 0;
    uint16_t dropPerMille = 0;
    uint16_t doublePerMille = 0;
    uint16_t reorderPerMille = 0;
};

inline linkWeather::Settings SettingsOf(const Weather& w) {
    linkWeather::Settings s = linkWeather::RoundTrip(w.roundTripMs, w.jitterMs, w.dropPerMille);
    s.doublePerMille = w.doublePerMille;
    s.reorderPerMille = w.reorderPerMille;
    return s;
}

// Which side is running its frame, for the step watcher.
inline int watching = 0;
// Per side, the checksum of the state after each confirmed step, in order.
inline std::vector<uint64_t> confirmedSums[2];

// Per side, who else is told of its confirmed steps (the replay recorder).
inline MatchStepObserver alsoSeen[2] = {nullptr, nullptr};

inline void SeeConfirmedStep(const MatchInput& input) {
    confirmedSums[watching].push_back(MatchChecksum());
    if (alsoSeen[watching] != nullptr) alsoSeen[watching](input);
}

struct Game {
    std::unique_ptr<RollbackSession> side[2] = {std::make_unique<RollbackSession>(),
                                                std::make_unique<RollbackSession>()};
    std::unique_ptr<simLink::Pair> link;
    modelledPlay::Hands hands[2];
    int lateFrames = 0;  // the joiner starts this many frames after the host
    int frame = 0;

    // Drawn: the match's pictures prepared and every frame's last step drawn.
    Game(uint32_t seed, const Weather& weather, int late = 0, bool drawn = false)
        : link(std::make_unique<simLink::Pair>(seed, SettingsOf(weather), SettingsOf(weather))),
          hands{modelledPlay::HandsOf(seed), modelledPlay::HandsOf(seed + 7777)},
          lateFrames(late) {
        headlessRun::Begin(headlessRun::StartOf(1, seed), drawn);
        const MatchStart start = headlessRun::StartOf(1, seed);
        confirmedSums[0].clear();
        confirmedSums[1].clear();
        matchStepSeen = SeeConfirmedStep;
        for (int s = 0; s < 2; ++s) BeginRollback(*side[s], start, static_cast<int8_t>(s), (*link)[s]);
    }
    ~Game() {
        matchStepSeen = nullptr;
        alsoSeen[0] = alsoSeen[1] = nullptr;
    }

    RollbackSession& operator[](int s) { return *side[s]; }

    // One frame of each side that is running, then 20 ms of the link.
    void Frame() {
        for (int s = 0; s < 2; ++s) {
            if (s == 1 && frame < lateFrames) continue;
            watching = s;
            RollbackFrame(*side[s], modelledPlay::NextStep(hands[s]));
        }
        ++frame;
        link->Advance(matchStepMs);
    }

    bool Running() const {
        for (const auto& s : side)
            if (RollbackEnded(*s) == RollbackEnd::none) return true;
        return false;
    }

    // Frames until both sides have ended, or frames have run.
    void Play(int frames) {
        for (int i = 0; i < frames && Running(); ++i) Frame();
    }
};

}  // namespace twoSessions
