#pragma once
#include "shell/key_guide.h"

// The key guide's pages of the title and the main menu.
extern const KeyGuidePage titleGuide;
extern const KeyGuidePage mainMenuGuide;
