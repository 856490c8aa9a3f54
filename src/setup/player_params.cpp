#include "setup/player_params.h"

int8_t playerParams[2][5] = {};
int8_t itemSlots[2][2] = {{-1, -1}, {-1, -1}};
int8_t itemUseOff[2] = {};
