#include "netplay/online_start.h"

#include "match/match_begin.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "shell/game_mode.h"

MatchStart HostMatchStart(uint32_t seed) {
    MatchStart start = CurrentMatchStart(seed);
    start.mode = versusMode;
    return start;
}

uint32_t FreshMatchSeed() {
    const auto calendar = static_cast<uint32_t>(backend::CalendarSeconds());
    return calendar ^ (TimeGetTime() * 2654435761u);
}
