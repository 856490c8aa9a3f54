#include "setup/profile_rules.h"

#include "gallery/item_file.h"
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

bool ProfileKeepsRules(const int8_t levels[5], const int8_t slots[2], int8_t itemsOff) {
    if (itemsOff != 0 && itemsOff != 1) return false;
    int spent = 0;
    for (int k = 0; k < paramCount; ++k) {
        if (levels[k] < 0) return false;
        spent += levels[k];
    }
    if (spent > (itemsOff == 0 ? budgetItemsOn : budgetItemsOff)) return false;
    for (int j = 0; j < 2; ++j)
        if (slots[j] < -1 || slots[j] >= itemCount) return false;
    if (slots[0] == -1 && slots[1] != -1) return false;
    if (slots[1] != -1 && slots[0] == slots[1]) return false;
    if (itemsOff == 0) return true;
    return levels[paramEx] == 0 && levels[paramLock] == 0 && slots[0] == -1;
}

bool TakeProfile(int p, const int8_t levels[5], const int8_t slots[2], int8_t itemsOff) {
    if (!ProfileKeepsRules(levels, slots, itemsOff)) return false;
    int spent = 0;
    for (int k = 0; k < paramCount; ++k) {
        playerParams[p][k] = levels[k];
        spent += levels[k];
    }
    itemUseOff[p] = itemsOff;
    pointsLeft[p] = static_cast<int8_t>((itemsOff == 0 ? budgetItemsOn : budgetItemsOff) - spent);
    itemSlots[p][0] = slots[0];
    itemSlots[p][1] = slots[1];
    return true;
}
