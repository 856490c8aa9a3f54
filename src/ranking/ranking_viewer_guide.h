#pragma once
#include "shell/key_guide.h"

// The key guide's page of the ranking viewer.
extern const KeyGuidePage rankingViewerGuide;
