#pragma once
#include <algorithm>

#include "setup/player_params.h"

// The play parameters as the match reads them. A level is normally 0..5;
// the set-up's hidden unlock lifts the cap, so a level may reach 15 (the
// whole budget on one parameter). Every rule takes the player's real level
// inside that range, so nothing the records hold can reach past a table.
constexpr int paramLevelMax = 15;

inline int ParamLevel(int p, ParamIndex which) { return std::clamp<int>(playerParams[p][which], 0, paramLevelMax); }
