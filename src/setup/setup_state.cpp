#include "setup/setup_state.h"

#include "gallery/item_file.h"

SetupScreenState setupState;

void ResetSetupState() { setupState = SetupScreenState{}; }

void BuildAvailableItemList() {
    SetupScreenState& s = setupState;
    s.availableCount = 0;
    for (int8_t& item : s.availableItems) item = -1;
    for (int n = 0; n < itemCount; ++n)
        if (unlockFlags.unlocked[n] == 1) s.availableItems[s.availableCount++] = static_cast<int8_t>(n);
}
