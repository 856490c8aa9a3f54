#pragma once
#include "shell/key_guide.h"

// The key guide's pages of the hosting and joining screens.
extern const KeyGuidePage hostGuide;
extern const KeyGuidePage joinGuide;
