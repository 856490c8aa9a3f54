#include "setup/player_params.h"

int8_t playerParams[2][5] = {};
int8_t itemSlots[2][2] = {{-1, -1}, {-1, -1}};
int8_t itemUseOff[2] = {};

void ResetSetupRecords() {
    for (auto& params : playerParams)
        for (int8_t& v : params) v = 0;
    for (auto& slots : itemSlots)
        for (int8_t& slot : slots) slot = -1;
    for (int8_t& off : itemUseOff) off = 0;
}
