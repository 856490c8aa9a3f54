#include "shell/data_files.h"

#include "platform/game_files.h"
#include "platform/temp_files.h"

void RemoveDataLeftovers() { RemoveWriteLeftovers("Data", gameDataFiles, gameDataFileCount); }
