#include "setup/profile_rules.h"

#include "setup/player_params.h"
#include "setup/setup_state.h"

namespace {

constexpr int normalCap = 5;

}  // namespace

int LevelCap() {
    // Lifted, only the budget stops a parameter.
    return setupState.unlockPresses >= unlockPressesNeeded ? budgetItemsOn : normalCap;
}

bool ParamRaisable(int p, int k) { return itemUseOff[p] == 0 || (k != paramEx && k != paramLock); }

bool RaiseParam(int p, int k) {
    if (!ParamRaisable(p, k) || playerParams[p][k] >= LevelCap() || pointsLeft[p] <= 0) return false;
    ++playerParams[p][k];
    --pointsLeft[p];
    return true;
}

bool LowerParam(int p, int k) {
    if (playerParams[p][k] <= 0 || pointsLeft[p] >= budgetItemsOn) return false;
    --playerParams[p][k];
    ++pointsLeft[p];
    return true;
}

void FlipItemUse(int p) {
    itemUseOff[p] = static_cast<int8_t>(itemUseOff[p] == 0 ? 1 : 0);
    for (int8_t& level : playerParams[p]) level = 0;
    pointsLeft[p] = itemUseOff[p] == 0 ? budgetItemsOn : budgetItemsOff;
    if (itemUseOff[p] != 0) itemSlots[p][0] = itemSlots[p][1] = -1;
}

void PickItem(int p, int item) {
    if (item < 0) return;
    int8_t* slots = itemSlots[p];
    if (slots[0] == -1) {
        slots[0] = static_cast<int8_t>(item);
    } else if (slots[0] != item) {
        slots[1] = static_cast<int8_t>(item);
    }
}

bool DropLastItem(int p) {
    int8_t* slots = itemSlots[p];
    if (slots[1] != -1) {
        slots[1] = -1;
    } else if (slots[0] != -1) {
        slots[0] = -1;
    } else {
        return false;
    }
    return true;
}
