#pragma once
#include "shell/key_guide.h"

// The key guide's page of the puzzle editor.
extern const KeyGuidePage editorGuide;
