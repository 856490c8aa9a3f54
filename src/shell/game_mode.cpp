#include "shell/game_mode.h"

int8_t gameMode = endlessMode;
