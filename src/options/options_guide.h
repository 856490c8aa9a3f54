#pragma once
#include "shell/key_guide.h"

// The key guide's page of the options screen.
extern const KeyGuidePage optionsGuide;
