#include "options/options_state.h"

#include "options/options_screen.h"

OptionsScreenState optionsState;

void ResetOptionsScreen() { optionsState = OptionsScreenState{}; }
