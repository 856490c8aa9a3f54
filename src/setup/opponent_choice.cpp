#include "setup/opponent_choice.h"

#include "content/game_texts.h"
#include "gallery/item_file.h"
#include "setup/player_params.h"
#include "setup/profile_rules.h"

int8_t computerOpponent = twoPeople;

const char* StrengthName(int strength) {
    if (strength < 1 || strength > computerStrengths) return "";
    return Tr(TextAfter(TextName::SetupStrengthFirst, strength - 1));
}

// The weak spread their points as a newcomer would, the strong move fast and
// keep a long limit.
const int8_t computerLevels[computerStrengths][5] = {
    {3, 2, 3, 4, 3}, {2, 3, 3, 5, 2}, {1, 4, 4, 5, 1}, {0, 5, 5, 5, 0}, {0, 5, 5, 5, 0},
};

void ChooseComputerProfile(int strength, uint32_t dice) {
    if (strength < 1) strength = 1;
    if (strength > computerStrengths) strength = computerStrengths;
    constexpr int p = 1;
    ResetPlayerProfile(p);
    itemSlots[p][0] = itemSlots[p][1] = -1;
    for (int k = 0; k < paramCount; ++k) {
        for (int level = 0; level < computerLevels[strength - 1][k]; ++level) RaiseParam(p, k);
    }
    const uint32_t first = dice % itemCount;
    const uint32_t second = (first + 1 + (dice / itemCount) % (itemCount - 1)) % itemCount;
    PickItem(p, static_cast<int>(first));
    PickItem(p, static_cast<int>(second));
}
