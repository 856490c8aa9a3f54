#include "netplay/online_start.h"

#include "match/match_begin.h"
#include "options/options_file.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "shell/game_mode.h"

namespace {

// The bytes of OD.dat that are the player's own (sound off, backdrop, panel
// shape); the target total and the difficulty are the host's.
constexpr int ownSettings[] = {1, 3, 4};

}  // namespace

MatchStart HostMatchStart(uint32_t seed) {
    MatchStart start = CurrentMatchStart(seed);
    start.mode = versusMode;
    return start;
}

void KeepOwnSettings(MatchStart& start) {
    start.mode = versusMode;
    for (const int field : ownSettings) start.options[field] = OptionField(field);
}

uint32_t FreshMatchSeed() {
    const auto calendar = static_cast<uint32_t>(backend::CalendarSeconds());
    return calendar ^ (TimeGetTime() * 2654435761u);
}
